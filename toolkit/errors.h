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

// A file that cannot be created or replaced. The design and notebook windows
// show it in the standard error box as "Cannot create file <name>" and the
// action ends; the network's outputs and vexa-calc say it in Polish with its
// cause where it is known.
class FileError : public std::runtime_error {
public:
    explicit FileError(const std::string& fileName, std::string cause = {})
        : std::runtime_error("Cannot create file " + fileName), fileName_(fileName), cause_(std::move(cause)) {}

    const std::string& fileName() const { return fileName_; }
    const std::string& cause() const { return cause_; }
    // "Nie można zapisać zbioru <name>: <cause>".
    std::string inPolish() const {
        return "Nie można zapisać zbioru " + fileName_ + (cause_.empty() ? "" : ": " + cause_);
    }

private:
    std::string fileName_;
    std::string cause_;
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
