// tzlog: a traffic log (tzview.log) decoded into the device operations that wrote it, or its
// figures. See tools/README.md.
#include "tools/common/ToolOutput.h"
#include "tools/tzlog/LogTools.h"

int main(int argc, char** argv)
{
    std::string out, err;
    const int status = runTzlog(std::vector<std::string>(argv + 1, argv + argc), out, err);
    writeOut(out);
    writeErr(err);
    return status;
}
