// "check": the program's own load of the file, with a host that keeps the messages instead of
// showing them and sends nothing anywhere.
#include "app/core/profile/ProfileRecords.h"
#include "app/core/scene/ProgramSceneHost.h"
#include "app/core/scene/SceneController.h"
#include "tools/common/ToolOutput.h"
#include "tools/tzscene/SceneTools.h"

namespace {

class CheckHost : public ProgramSceneHost {
public:
    CheckHost(const Installation& installation, const SceneGeometry& fallback)
        : ProgramSceneHost(installation.folder().c_str()), installation_(installation),
          fallback_(fallback)
    {}

    // Without a TzView.ini there is no installation to compare with: the file's own values
    // stand in, so only the file itself is judged.
    SceneGeometry configuredGeometry() const override
    {
        return installation_.hasViewProfile() ? ProgramSceneHost::configuredGeometry() : fallback_;
    }
    // The installation's profile and device are left alone.
    BOOL readRecent(CString*) const override { return FALSE; }
    void writeRecent(LPCSTR) override {}
    CString newScenePath() override { return "newmode.tzs"; }
    int sendNewScene(CString*) override { return WALL_RUN_OK; }
    int sendSetPosition(CString*) override { return WALL_RUN_OK; }
    int sendResolution(const CCellList&, CString*) override { return WALL_RUN_OK; }
    int sendMpdAssign(CCell&, CString*) override { return WALL_RUN_OK; }
    int restoreScene(const CCellList&, CString*) override { return WALL_RUN_OK; }
    void pause(DWORD) override {}
    void showMessage(LPCSTR text) override { messages.push_back(text); }

    WallRect clientRect() const override { return WallRect{0, 0, 800, 600}; }
    void clearInteraction() override { current_ = nullptr; }
    void setCurrentCell(CCell* cell) override { current_ = cell; }
    CCell* currentCell() const override { return current_; }
    void repaintAll() override {}

    std::vector<CString> messages;

private:
    const Installation& installation_;
    SceneGeometry fallback_;
    CCell* current_ = nullptr;
};

// A message as lines under a heading, each indented.
void addMessage(const CString& message, std::string& out)
{
    std::string text = utf8Of(message);
    std::string::size_type start = 0;
    while (start <= text.size()) {
        const std::string::size_type end = text.find('\n', start);
        out += "    " + text.substr(start, end == std::string::npos ? end : end - start) + "\n";
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
}

std::string geometryText(const SceneGeometry& g)
{
    return std::to_string(g.rows) + "x" + std::to_string(g.columns) + " wall, resolution " +
           std::to_string(g.resolution) + " (" + utf8Of(resolutionText(g.resolution)) +
           "), MPD count " + std::to_string(g.mpdCount);
}

std::string counted(int n, const char* what)
{
    return std::to_string(n) + " " + what + (n == 1 ? "" : "s");
}

}  // namespace

SceneVerdict programVerdict(const std::string& path, const SceneReport& report,
                            const Installation& installation)
{
    CCellObjImp wall;
    CheckHost host(installation, report.header.geometry);
    SceneController controller(wall, host);
    SceneVerdict verdict;
    verdict.loads = controller.loadScene(path.c_str(), FALSE) != FALSE;
    verdict.messages = host.messages;
    return verdict;
}

bool checkText(const SceneReport& report, const SceneVerdict& verdict,
               const Installation& installation, std::string& out)
{
    out += utf8Of(report.path.c_str()) + ": ";
    if (verdict.loads) {
        int cells = 0, windows = 0;
        for (const CCell* cell : report.wall->cells()) {
            ++cells;
            windows += cell->pipCount();
        }
        out += "the program loads it (" + geometryText(report.header.geometry) + "; " +
               counted(cells, "cell") + ", " + counted(windows, "PIP window") + ")\n";
        if (!installation.hasViewProfile())
            out += "  not compared with an installation: no TzView.ini in " +
                   utf8Of(installation.folder().c_str()) + "\n";
        return true;
    }
    out += "the program refuses it\n";
    for (const CString& message : verdict.messages) {
        out += "  the operator sees:\n";
        addMessage(message, out);
    }
    const std::string why = report.why();
    if (!why.empty()) {
        out += "  why: " + why + "\n";
    } else if (report.cellsComplete) {
        out += "  why: the installation (" + utf8Of(installation.folder().c_str()) + ") has a " +
               geometryText(installation.configuredGeometry()) + "; the file was made for a " +
               geometryText(report.header.geometry) + "\n";
    }
    return false;
}
