#pragma once

// vexa-calc's PDF, workbook and DXF writers live in a module of their own
// with the libraries they need (Qt, libxlsxwriter, libdxflib): it is opened
// when a file of theirs is first asked for, so that a batch, a network or
// --help starts without loading them. Without the module (a build without
// Qt) no such file can be written, and the files say so.

#include <memory>

#include "network/output_back_ends.h"

namespace vexa {

class OutputModule {
public:
    OutputModule(int& argc, char** argv);
    ~OutputModule();
    OutputModule(const OutputModule&) = delete;
    OutputModule& operator=(const OutputModule&) = delete;

    // The back ends, the module opened on the first call.
    OutputBackEnds& backEnds();

private:
    int& argc_;
    char** argv_;
    std::unique_ptr<OutputBackEnds> backEnds_;
};

}  // namespace vexa
