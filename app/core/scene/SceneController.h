// The scene operations of the wall view control: saving and loading scene files with their
// checks, the blank scene, the new scene, and the scene kept across runs (loaded at start-up,
// saved at exit). The file dialogs of "save as" and "load" belong to the view; everything after
// them is here, so it runs and is tested without a window.
#pragma once

#include "app/core/scene/SceneFile.h"
#include "app/core/scene/SceneHost.h"

class CCellObjImp;

class SceneController {
public:
    // The view point whose cell a new scene turns into the MPD region.
    static const int kNewSceneX = 280;
    static const int kNewSceneY = 200;
    // Between the PIP windows of a new scene, so the device keeps up.
    static const DWORD kNewScenePipPause = 100;

    SceneController(CCellObjImp& wall, SceneHost& host);
    SceneController(const SceneController&) = delete;
    SceneController& operator=(const SceneController&) = delete;

    // The operator's save: writes the scene and remembers it as the recent scene; a failure is
    // reported ("保存场景文件失败!"). Returns TRUE on success.
    BOOL saveScene(LPCSTR path);
    // The same without any message (the save at exit).
    BOOL saveSceneSilently(LPCSTR path);
    // Reads and checks a scene file. With send set the scene is restored to the device and
    // remembered as the recent scene. Returns TRUE when the scene was taken.
    BOOL loadScene(LPCSTR path, BOOL send);
    // The blank scene: the configured wall, laid out anew and sent.
    void resetScene();
    // The blank scene with an MPD region full of PIP windows.
    void newScene();
    // Start-up: the recent scene without sending it, or the blank scene.
    void loadAtStartup();
    // Exit: the scene into the recent scene file, or into the default one; silent.
    void saveAtExit();

    // Set by a scene file whose header failed its checks (or that could not be read).
    BOOL invalidFile() const { return m_bInvalidFile; }

    // The folder of the scene file dialogs: the path up to its last '\'.
    void rememberFolder(LPCSTR path);
    const CString& lastFolder() const { return m_strLastFolder; }

private:
    BOOL save(LPCSTR path, BOOL report);
    // Steps 1 to 5 of the blank scene; FALSE when "设置位置" was refused and the sequence ends.
    BOOL blankSceneSteps();
    // The first failed check against the configured copy, composed; empty when all pass.
    CString mismatchMessage(const SceneGeometry& loaded) const;
    void showRefusal(int result, const CString& message);

    CCellObjImp& m_wall;
    SceneHost& m_host;
    BOOL m_bInvalidFile;
    CString m_strLastFolder;
};
