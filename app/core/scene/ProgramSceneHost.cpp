#include "app/core/scene/ProgramSceneHost.h"

#include "app/core/command/CommandRunner.h"
#include "app/core/command/CommandState.h"
#include "app/core/command/DeviceCommands.h"
#include "app/core/command/SceneRestoreCommand.h"
#include "app/core/command/TargetCommands.h"
#include "app/core/profile/ProfileState.h"
#include "app/core/wall/WallServices.h"
#include "fx/core/Exception.h"

namespace {

SceneGeometry geometryOf(const SystemConfig& config)
{
    SceneGeometry g;
    g.rows = config.wallRows;
    g.columns = config.wallColumns;
    g.resolution = config.resolution;
    g.mpdCount = config.mpdCount;
    return g;
}

// Runs a command behind the progress window; the runner's result with the message on failure.
int runShown(DeviceCommand* command, CString* message)
{
    if (command == nullptr)
        return WALL_RUN_FAILED;
    const int result = runWithProgress(*command);
    if (result != RUN_OK) {
        *message = command->Message();
        return WALL_RUN_FAILED;
    }
    return WALL_RUN_OK;
}

}  // namespace

SceneGeometry ProgramSceneHost::configuredGeometry() const { return geometryOf(configuredSystem()); }

SceneGeometry ProgramSceneHost::workingGeometry() const { return geometryOf(workingSystem()); }

void ProgramSceneHost::setWorkingGeometry(const SceneGeometry& geometry)
{
    SystemConfig& working = workingSystem();
    working.wallRows = geometry.rows;
    working.wallColumns = geometry.columns;
    working.resolution = geometry.resolution;
    working.mpdCount = geometry.mpdCount;
}

void ProgramSceneHost::copyConfiguredToWorking()
{
    ::copyConfiguredToWorking(configuredSystem(), workingSystem());
}

CString ProgramSceneHost::resolutionName(int index) const { return m_profiles.resolutionName(index); }

BOOL ProgramSceneHost::readRecent(CString* path) const
{
    return m_profiles.readRecent(*path) != 0 ? TRUE : FALSE;
}

void ProgramSceneHost::writeRecent(LPCSTR path) { m_profiles.writeRecent(path); }

CString ProgramSceneHost::newScenePath()
{
    CString path;
    m_profiles.newScenePath(path);
    return path;
}

int ProgramSceneHost::sendNewScene(CString* message)
{
    return runShown(CreateCommand("新建场景").get(), message);
}

int ProgramSceneHost::sendSetPosition(CString* message)
{
    return runShown(CreateCommand("设置位置").get(), message);
}

int ProgramSceneHost::sendResolution(const CCellList&, CString* message)
{
    // The command sends the working copy's resolution index; the MPD regions are not re-sent.
    return runShown(CreateCommand("设置分辨率").get(), message);
}

int ProgramSceneHost::sendMpdAssign(CCell& cell, CString* message)
{
    CMpdAssignCommand command(&cell, false);
    return runShown(&command, message);
}

int ProgramSceneHost::restoreScene(const CCellList& cells, CString* message)
{
    CSceneRestoreCommand command(cells);
    return runShown(&command, message);
}

void ProgramSceneHost::pause(DWORD milliseconds) { Sleep(milliseconds); }

void ProgramSceneHost::showMessage(LPCSTR text) { ShowCommandMessage(text, MB_OK); }
