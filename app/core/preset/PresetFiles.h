// Deleting a preset's files (platform parts PresetFiles_win.cpp and PresetFiles_posix.cpp). Paths
// are GBK with '\' separators, as the profile paths; the native build reads '\' as '/'.
#pragma once

#include "fx/seam/Win32Seam.h"

// Deletes the file; false when there was none or it could not be deleted.
bool removePresetFile(LPCSTR path);
