// The configuration the whole program shares, read from the profiles at start-up: the
// configured and the working SystemConfig, the matrix configuration and the MPD sub-grid.
// Plain process-wide records used from the user-interface thread only.
#pragma once

#include "app/core/profile/ProfileRecords.h"

class ProfileStore;

// As the profile describes the device; status text, matrix dialog and scene checks use it.
SystemConfig& configuredSystem();
// What the wall, the view, the input menus and scene files use.
SystemConfig& workingSystem();
MatrixConfig& matrixConfig();
MpdSubGrid& mpdSubGrid();

// The start-up reads, in their order: the configured copy, the matrices, the working copy,
// then the sub-grid.
void readStartupProfiles(ProfileStore& store);
