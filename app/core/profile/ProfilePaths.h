// Where the profiles live and the two file-system questions the profile service asks.
#pragma once

#include "fx/core/String.h"

// The executable's directory, computed once per process: the module file name cut at its last
// '\' with any trailing '\' trimmed ('/' counts as well on the native build).
const CString& programDirectory();
// The same rule applied to a module path.
CString directoryOf(const CString& modulePath);

// Whether anything exists at the path (the attribute query succeeds).
bool pathExists(LPCSTR path);
// Creates the folder and any missing parent, one path prefix at a time; false when a creation
// fails. A '\' inside a two-byte GBK character is not a separator.
bool ensureFolder(const CString& path);

// Platform parts (ProfilePaths_win.cpp, ProfilePaths_posix.cpp).
bool folderExists(LPCSTR path);
bool createFolder(LPCSTR path);
