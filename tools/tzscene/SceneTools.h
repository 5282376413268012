// tzscene's work, one function per command, each over the program's own readers and models.
// Texts come back as UTF-8; runTzscene is the whole command line (main only prints).
#pragma once

#include "tools/tzscene/Installation.h"
#include "tools/tzscene/SceneReport.h"

#include <string>
#include <vector>

// What the program does with a scene file: whether it takes it, and the messages the operator
// sees on the way (GBK, in order).
struct SceneVerdict {
    bool loads = false;
    std::vector<CString> messages;
};
SceneVerdict programVerdict(const std::string& path, const SceneReport& report,
                            const Installation& installation);

// "check": a paragraph per file; true when the program loads it.
bool checkText(const SceneReport& report, const SceneVerdict& verdict,
               const Installation& installation, std::string& out);

// "dump": the scene as JSON (header, cells, members, PIP windows with their device rectangles
// and the geometry the restore sends for them).
std::string sceneJson(const SceneReport& report, const Installation& installation);

// "render": the wall as the program draws it, as SVG.
std::string sceneSvg(const SceneReport& report);

// "diff": one line per difference an operator cares about; empty when there is none.
std::vector<std::string> sceneDifferences(const SceneReport& a, const SceneReport& b);

// The frames a restore of the scene sends, with what the link would do to send them.
struct SceneFrames {
    std::vector<std::string> lines;  // one per write
    std::vector<std::string> notes;  // the restore's own messages, its failure
    int frames = 0;                  // writes of whole frames
    int counted = 0;                 // the restore's count of counted commands
    double floorSeconds = 0;
    bool ok = false;  // the restore reported success
};
// storePreset >= 0 records the scene as that preset (the brackets and the 270-command check).
SceneFrames sceneFrames(const SceneReport& report, const Installation& installation, int baudRate,
                        int storePreset);

// The command line of tzscene (arguments without the program name); 0, 1 or 2 (ToolExit).
int runTzscene(const std::vector<std::string>& args, std::string& out, std::string& err);
