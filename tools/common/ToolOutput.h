// How the tools put text out. The program's texts are GBK; the tools speak UTF-8 (what a terminal
// of today shows, and what JSON must be), and on a Windows console they write UTF-16 through the
// console itself, so Chinese shows whatever the console's code page.
#pragma once

#include "fx/core/String.h"

#include <string>

// The GBK text as UTF-8.
std::string utf8Of(const CString& gbk);
inline std::string utf8Of(const char* gbk) { return utf8Of(CString(gbk)); }

// Writes UTF-8 text to standard output (error); newlines stay "\n" everywhere.
void writeOut(const std::string& utf8);
void writeErr(const std::string& utf8);

// "--help" or "-h": every tool answers them with its usage on standard output and exit 0.
inline bool isHelpOption(const std::string& arg) { return arg == "--help" || arg == "-h"; }

// Exit codes of the tools: 0 fine, 1 a finding (an invalid file, a difference, a bad frame),
// 2 a usage or I/O error.
enum ToolExit {
    kExitFine = 0,
    kExitFinding = 1,
    kExitTrouble = 2
};

// The folder the running tool lies in (where it looks for the program's files by default).
std::string toolFolder();
