// A recording stand-in for the wall view around the scene operations. It shares the log of the
// wall services fake, so one list shows every command, pause and message in the order they
// happened; the working copy drives the services' MPD count as the program's one working
// SystemConfig does.
#pragma once

#include "app/core/scene/SceneHost.h"
#include "app/core/wall/Cell.h"
#include "tests/unit/wall/FakeWallServices.h"

#include <cstdio>

class FakeSceneHost : public SceneHost {
public:
    explicit FakeSceneHost(FakeWallServices& services) : m_services(services) {}

    SceneGeometry configured;
    SceneGeometry working;
    CString recent;
    CString defaultPath = "insidemode-newmode.tzs";
    WallRect client{0, 0, 400, 300};
    CCell* current = nullptr;
    int interactionClears = 0;
    bool refuseNewScene = false;
    bool refusePosition = false;
    bool refuseRestore = false;

    std::vector<std::string>& log() { return m_services.log; }

    SceneGeometry configuredGeometry() const override { return configured; }
    SceneGeometry workingGeometry() const override { return working; }
    void setWorkingGeometry(const SceneGeometry& g) override
    {
        working = g;
        m_services.mpd = g.mpdCount;
    }
    void copyConfiguredToWorking() override { setWorkingGeometry(configured); }
    CString resolutionName(int index) const override
    {
        static const char* const names[] = {"1024x768", "1280x1024", "1366x768", "1280x768",
                                            "720P", "1080i", "1080p"};
        return index >= 0 && index < 7 ? CString(names[index]) : CString("配置错误");
    }
    BOOL readRecent(CString* path) const override
    {
        if (recent.IsEmpty())
            return FALSE;
        std::FILE* f = std::fopen(recent, "rb");
        if (f == nullptr)
            return FALSE;
        std::fclose(f);
        *path = recent;
        return TRUE;
    }
    void writeRecent(LPCSTR path) override
    {
        recent = path;
        log().push_back(std::string("recent ") + path);
    }
    CString newScenePath() override { return defaultPath; }

    WallRect clientRect() const override { return client; }
    void clearInteraction() override
    {
        current = nullptr;
        ++interactionClears;
    }
    void setCurrentCell(CCell* cell) override { current = cell; }
    CCell* currentCell() const override { return current; }
    void repaintAll() override {}

    int sendNewScene(CString* message) override { return run("新建场景", refuseNewScene, message); }
    int sendSetPosition(CString* message) override { return run("设置位置", refusePosition, message); }
    int sendResolution(const CCellList& cells, CString* message) override
    {
        return run("设置分辨率 " + std::to_string(working.resolution) + " " +
                       std::to_string(cells.GetCount()),
                   false, message);
    }
    int sendMpdAssign(CCell& cell, CString* message) override
    {
        return run("设置CBD " + std::to_string(cell.number()), false, message);
    }
    int restoreScene(const CCellList& cells, CString* message) override
    {
        return run("恢复场景 " + std::to_string(cells.GetCount()), refuseRestore, message);
    }
    void pause(DWORD ms) override { log().push_back("pause " + std::to_string(ms)); }
    void showMessage(LPCSTR text) override { log().push_back(std::string("message ") + text); }

private:
    int run(const std::string& what, bool refuse, CString* message)
    {
        log().push_back(what);
        if (!refuse)
            return WALL_RUN_OK;
        *message = "未联机;\n错误码:0X0001";
        return WALL_RUN_FAILED;
    }

    FakeWallServices& m_services;
};
