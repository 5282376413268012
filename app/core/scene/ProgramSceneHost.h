// The scene operations' surroundings as the program provides them, except the view: the
// process-wide configured and working SystemConfig, the profile service for the recent scene,
// the default scene path and the resolution names, the command layer's progress runner for the
// scene commands, Sleep for the pauses and the command layer's message box. The wall view
// control derives from it and adds its client area and interaction state.
#pragma once

#include "app/core/profile/ProfileStore.h"
#include "app/core/scene/SceneHost.h"

class ProgramSceneHost : public SceneHost {
public:
    // Profiles beside the program.
    ProgramSceneHost() = default;
    // Profiles in another folder (tests).
    explicit ProgramSceneHost(const CString& profileDirectory) : m_profiles(profileDirectory) {}

    SceneGeometry configuredGeometry() const override;
    SceneGeometry workingGeometry() const override;
    void setWorkingGeometry(const SceneGeometry& geometry) override;
    void copyConfiguredToWorking() override;
    CString resolutionName(int index) const override;
    BOOL readRecent(CString* path) const override;
    void writeRecent(LPCSTR path) override;
    CString newScenePath() override;

    int sendNewScene(CString* message) override;
    int sendSetPosition(CString* message) override;
    int sendResolution(const CCellList& cells, CString* message) override;
    int sendMpdAssign(CCell& cell, CString* message) override;
    int restoreScene(const CCellList& cells, CString* message) override;

    void pause(DWORD milliseconds) override;
    void showMessage(LPCSTR text) override;

protected:
    ProfileStore m_profiles;
};
