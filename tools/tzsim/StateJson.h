// The processor's state as JSON, for tests and for a person looking at a run.
#pragma once

#include "tools/tzsim/Processor.h"

#include <string>

namespace tzsim {

std::string stateJson(const Processor& p, double nowMs);

}  // namespace tzsim
