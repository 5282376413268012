// What the scene operations of the wall view need around them: the configuration profiles
// (configured and working copies, recent scene, default scene path, resolution names), the view
// (client area, interaction state, repainting), the device commands of a scene, a pause and the
// message box. The wall view control provides it in the program; tests provide a recording fake.
#pragma once

#include "app/core/scene/SceneFile.h"
#include "app/core/wall/WallGeometry.h"
#include "fx/core/String.h"

class CCell;
class CCellList;

class SceneHost {
public:
    virtual ~SceneHost() = default;

    // The configured SystemConfig's scene values (what scene files are checked against).
    virtual SceneGeometry configuredGeometry() const = 0;
    // The working copy's scene values; a loaded file stores its four values there.
    virtual SceneGeometry workingGeometry() const = 0;
    virtual void setWorkingGeometry(const SceneGeometry& geometry) = 0;
    // Copies the configured SystemConfig into the working copy (before a blank or new scene).
    virtual void copyConfiguredToWorking() = 0;
    virtual CString resolutionName(int index) const = 0;
    // The recent scene file: FALSE when the key is empty or no file exists there.
    virtual BOOL readRecent(CString* path) const = 0;
    virtual void writeRecent(LPCSTR path) = 0;
    // "newmode.tzs" in the insidemode folder beside the program, the folder created if missing.
    virtual CString newScenePath() = 0;

    // The view's client rectangle, over which a blank wall is laid out.
    virtual WallRect clientRect() const = 0;
    // No current cell, no current PIP window, no drag.
    virtual void clearInteraction() = 0;
    virtual void setCurrentCell(CCell* cell) = 0;
    virtual CCell* currentCell() const = 0;
    virtual void repaintAll() = 0;

    // Device commands through the progress runner. Each returns WALL_RUN_OK or WALL_RUN_FAILED
    // and on failure leaves the command's composed text in *message.
    virtual int sendNewScene(CString* message) = 0;                  // "新建场景"
    virtual int sendSetPosition(CString* message) = 0;               // "设置位置"
    virtual int sendResolution(const CCellList& cells, CString* message) = 0;  // "设置分辨率"
    virtual int sendMpdAssign(CCell& cell, CString* message) = 0;    // "设置CBD"
    virtual int restoreScene(const CCellList& cells, CString* message) = 0;    // "恢复场景"

    virtual void pause(DWORD milliseconds) = 0;
    virtual void showMessage(LPCSTR text) = 0;
};
