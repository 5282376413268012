// An installation's profiles as the program reads them at start-up (TzView.ini and com.ini in one
// folder, normally the program's), put into the program's process-wide records, with the wall
// services the program installs over them. The scene tools see a scene through these, so cell
// labels, PIP geometry and the restore's frames are the program's own.
#pragma once

#include "app/core/command/CommandWallServices.h"
#include "app/core/scene/SceneFile.h"
#include "app/core/wall/WallServices.h"

#include <string>

class Installation {
public:
    explicit Installation(const std::string& folder);
    Installation(const Installation&) = delete;
    Installation& operator=(const Installation&) = delete;

    const std::string& folder() const { return folder_; }
    // Whether the folder holds a TzView.ini (without one every value is the program's default).
    bool hasViewProfile() const { return hasViewProfile_; }
    // com.ini's "baudrate" (0 when unset).
    int baudRate() const { return baudRate_; }
    // The configured wall's scene values, as scene files are checked against them.
    SceneGeometry configuredGeometry() const;
    // A loaded scene's four values go into the working copy, as loading a scene does.
    void takeSceneGeometry(const SceneGeometry& geometry) const;

private:
    std::string folder_;
    bool hasViewProfile_;
    int baudRate_;
    CommandWallServices services_;
    ScopedWallServices installed_;
};
