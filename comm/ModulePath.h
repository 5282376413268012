// Where the device link finds its files: the running program's folder ("com.ini" for the matrix
// delay, "TzCommFun.dll", "tzview.log") and profile paths formed as "<folder>\<name>".
#pragma once

#include <string>

// The folder part of a module path: cut at the last backslash, or at the last forward slash
// when there is none. False when the path has neither.
bool FolderOfPath(const std::string& path, std::string& folder);

// The running program's folder (trailing separators removed); false if it cannot be had.
bool ProgramFolder(std::string& folder);

// "<folder>\<name>" on Windows, "<folder>/<name>" natively.
std::string JoinPath(const std::string& folder, const char* name);
