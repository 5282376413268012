// tzlog's work: the log as one line per frame, and its figures.
#pragma once

#include "tools/tzlog/LogRecords.h"

#include <string>
#include <vector>

// One line per record: time, destination, board, the operation with its arguments, and any
// problem of the frame or its record. Stray text is reported in place. Returns the number of
// findings (flagged frames and stray text).
int logLines(const LogContents& log, std::string& out);

// Frames per operation, the gaps between frames and the busiest second.
std::string logStats(const LogContents& log);

// The command line of tzlog (arguments without the program name); 0, 1 or 2 (ToolExit).
int runTzlog(const std::vector<std::string>& args, std::string& out, std::string& err);
