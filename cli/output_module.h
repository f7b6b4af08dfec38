#pragma once

// vexa-calc's writers of PDF files, workbooks and DXF drawings. With Qt they
// live in a module of their own with the libraries they need (Qt,
// libxlsxwriter, libdxflib), opened when a file of theirs is first asked
// for, so that a batch, a network or --help starts without loading them
// (output_module_opened.cpp). A build without Qt has no PDF writer and links
// the others (output_module_linked.cpp). A format this program cannot write
// is refused by the files that ask for it.

#include <iosfwd>
#include <memory>

#include "network/output_back_ends.h"

namespace vexa {

class OutputModule {
public:
    // A module that is there but cannot be opened is said on `errors`.
    OutputModule(int& argc, char** argv, std::ostream& errors);
    ~OutputModule();
    OutputModule(const OutputModule&) = delete;
    OutputModule& operator=(const OutputModule&) = delete;

    // The writers, opened at the first call.
    OutputBackEnds& backEnds();

private:
    std::unique_ptr<OutputBackEnds> open();

    int& argc_;
    char** argv_;
    std::ostream& errors_;
    std::unique_ptr<OutputBackEnds> backEnds_;
};

}  // namespace vexa
