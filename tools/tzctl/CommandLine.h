// tzctl's command line and script lines:
//   tzctl --help | -h                     the usage, on standard output
//   tzctl [--dir DIR] OPERATION [ARG ...]
//   tzctl [--dir DIR] --script FILE      one operation per line, '#' starts a comment
// OPERATION is an interface name (an overloaded name is picked by its argument count, the first
// in slot order when several take as many) or @N for slot N. ARGs are integers, decimal or 0x hex.
#pragma once

#include "tools/tzctl/OperationTable.h"

#include <string>
#include <vector>

struct Invocation {
    const Operation* operation = nullptr;
    std::vector<int> args;
};

struct CommandLine {
    bool help = false;       // --help or -h: print the usage and do nothing else
    std::string directory;   // empty: tzctl's own folder
    std::vector<Invocation> invocations;
};

// Parses one operation with its arguments; false with a message on a usage error.
bool ParseInvocation(const std::vector<std::string>& words, Invocation& out, std::string& error);

// Parses the program's arguments (without the program name), reading the script if one is
// named; false with a message on a usage error.
bool ParseCommandLine(const std::vector<std::string>& arguments, CommandLine& out,
                      std::string& error);

// Parses a script's text; line numbers appear in errors.
bool ParseScript(const std::string& text, std::vector<Invocation>& out, std::string& error);

// The accepted forms, for usage errors.
std::string UsageText();

// "success", "not connected", ... for a result code.
const char* ResultMeaning(int result);

// What a failed Connect names: the port it tried and the profile it took the port from, e.g.
// "COM999 from /opt/tavelo/com.ini, which does not exist".
std::string ConnectFailureDetail(int port, const std::string& profilePath, bool profileExists);
