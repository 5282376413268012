// printf-style formatting into a string of any length, for trace lines, anomalies and SVG.
#pragma once

#include <string>

namespace tzsim {

std::string format(const char* fmt, ...) __attribute__((format(printf, 1, 2)));

}  // namespace tzsim
