#include "tools/tzscene/Installation.h"

#include "app/core/profile/ProfilePaths.h"
#include "app/core/profile/ProfileState.h"
#include "app/core/profile/ProfileStore.h"

Installation::Installation(const std::string& folder)
    : folder_(folder), hasViewProfile_(false), baudRate_(0), installed_(&services_)
{
    ProfileStore store(folder.c_str());
    hasViewProfile_ = pathExists(store.viewProfilePath());
    readStartupProfiles(store);
    CommSettings comm;
    store.readComm(comm);
    baudRate_ = comm.baudRate;
}

SceneGeometry Installation::configuredGeometry() const
{
    const SystemConfig& c = configuredSystem();
    SceneGeometry g;
    g.rows = c.wallRows;
    g.columns = c.wallColumns;
    g.resolution = c.resolution;
    g.mpdCount = c.mpdCount;
    return g;
}

void Installation::takeSceneGeometry(const SceneGeometry& geometry) const
{
    SystemConfig& working = workingSystem();
    working.wallRows = geometry.rows;
    working.wallColumns = geometry.columns;
    working.resolution = geometry.resolution;
    working.mpdCount = geometry.mpdCount;
}
