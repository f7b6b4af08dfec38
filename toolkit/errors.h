#pragma once

#include <stdexcept>
#include <string>

namespace vexa {

// A text that is not a number. Shown in the standard error box; the action ends.
class ConversionError : public std::runtime_error {
public:
    explicit ConversionError(const std::string& text)
        : std::runtime_error("'" + text + "' is not a valid floating point value") {}
};

// A file that cannot be created. Shown in the standard error box; the action ends.
class FileError : public std::runtime_error {
public:
    explicit FileError(const std::string& fileName) : std::runtime_error("Cannot create file " + fileName) {}
};

// A printer that refused the job. Shown in the standard error box; the action ends.
class PrintError : public std::runtime_error {
public:
    explicit PrintError(const std::string& printerName)
        : std::runtime_error("Nie można drukować na drukarce \"" + printerName + "\"") {}
};

// Text that code page 1250 cannot hold, or that is not valid UTF-8.
class EncodingError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace vexa
