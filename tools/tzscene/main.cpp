// tzscene: scene files (.tzs) read, checked, dumped, compared, drawn and turned into the frames
// of their restore, all by the program's own code. See README.md.
#include "tools/common/ToolOutput.h"
#include "tools/tzscene/SceneTools.h"

int main(int argc, char** argv)
{
    std::string out, err;
    const int status = runTzscene(std::vector<std::string>(argv + 1, argv + argc), out, err);
    writeOut(out);
    writeErr(err);
    return status;
}
