// "frames": the program's scene restore ("恢复场景", or "存储预设场景") run against TzComm's own
// link object with a recording for a line.
#include "app/core/command/CommandState.h"
#include "app/core/command/DeviceLinkHolder.h"
#include "app/core/command/SceneRestoreCommand.h"
#include "comm/CommState.h"
#include "fx/seam/Win32Seam.h"
#include "tools/common/FrameMeaning.h"
#include "tools/common/RecordingLink.h"
#include "tools/common/ToolOutput.h"
#include "tools/tzscene/SceneTools.h"

#include <cstdio>

extern "C" CComm* CreateComm();

namespace {

// TzCommFun.dll as the link loads it (CreateComm looks beside the running program), released
// again with the link's own object when the recording is done.
class MatrixLibrary {
public:
    MatrixLibrary() : comm_(CreateComm()) {}
    ~MatrixLibrary()
    {
        if (comm_)
            comm_->Release();
    }
    MatrixLibrary(const MatrixLibrary&) = delete;
    MatrixLibrary& operator=(const MatrixLibrary&) = delete;
    bool loaded() const { return g_commState.dealMatrixSwitch != nullptr; }

private:
    CComm* comm_;
};

// The messages the command layer shows itself (the preset-size warning), kept for the notes.
std::vector<CString>* g_shown = nullptr;

void keepMessage(LPCSTR text, UINT)
{
    if (g_shown)
        g_shown->push_back(text);
}

std::string writeLine(int index, const RecordedWrite& w, FrameInterpreter& interpreter)
{
    char number[16];
    std::snprintf(number, sizeof number, "%4d  ", index);
    if (w.kind == RecordedWrite::kRaw)
        return number + std::string("raw ") + hexText(w.bytes.data(), w.bytes.size()) +
               "  MatrixSwitch raw block";
    const FrameMeaning m = interpreter.next(w.bytes.data());
    std::string line = number + hexText(w.bytes.data(), w.bytes.size()) + "  " + m.text();
    for (const std::string& problem : m.problems)
        line += "  ! " + problem;
    return line;
}

int matrixDelay(const Installation& installation)
{
    const std::string ini = installation.folder() + "\\com.ini";
    return static_cast<int>(GetPrivateProfileIntA("comm_delay", "maxtrix_delay", 100, ini.c_str()));
}

}  // namespace

SceneFrames sceneFrames(const SceneReport& report, const Installation& installation, int baudRate,
                        int storePreset)
{
    SceneFrames result;
    MatrixLibrary matrices;
    if (!matrices.loaded())
        result.notes.push_back("no TzCommFun.dll beside tzscene: a matrix switch fails as in the "
                               "program without one");
    RecordingLink line(matrixDelay(installation));
    CComm* previousLink = DeviceLinkHolder::Instance().Attach(&line);
    std::vector<CString> shown;
    g_shown = &shown;
    const CommandMessageProc previousProc = SetCommandMessageProc(&keepMessage);

    CSceneRestoreCommand restore(report.wall->cells(), storePreset >= 0,
                                 storePreset >= 0 ? storePreset : 0);
    result.ok = restore.Execute() != 0;
    result.counted = g_nCommandCount;

    SetCommandMessageProc(previousProc);
    g_shown = nullptr;
    DeviceLinkHolder::Instance().Attach(previousLink);

    FrameInterpreter interpreter;
    int index = 0;
    for (const RecordedWrite& w : line.writes()) {
        result.lines.push_back(writeLine(++index, w, interpreter));
        if (w.kind != RecordedWrite::kRaw)
            ++result.frames;
    }
    result.floorSeconds = line.floorSeconds(baudRate);
    for (const CString& text : shown)
        result.notes.push_back("the program shows: " + utf8Of(text));
    if (!result.ok)
        result.notes.push_back("the restore fails: " + utf8Of(restore.Message()));
    return result;
}
