// The wall as the processor would show it, as an SVG picture: panels with their inputs, combined
// areas, the MPD region and its PIP windows labelled with their inputs.
#pragma once

#include "tools/tzsim/Processor.h"

#include <string>

namespace tzsim {

std::string wallSvg(const Processor& p);

// The name of an input type as the operator knows it (UTF-8), empty for none.
const char* inputTypeText(int type);

}  // namespace tzsim
