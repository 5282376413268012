// The operations tzctl can call: every slot of the CComm interface with its name as the
// interface writes it, the number of integer arguments it takes on the command line, and how to
// call it through the interface.
#pragma once

#include "comm/Comm.h"

#include <string>
#include <vector>

// What an operation read back, printed after its result.
struct OperationOutput {
    std::vector<int> values;              // decimal values (the read operations)
    std::vector<unsigned char> bytes;     // raw reply bytes (Transfer queries)
};

// profileDirectory: the --dir folder, used by Connect and Reconnect.
typedef int (*OperationInvoker)(CComm& comm, const std::vector<int>& args,
                                const std::string& profileDirectory, OperationOutput& out);

struct Operation {
    const char* name;
    int slot;
    int minArgs;
    int maxArgs;          // equal to minArgs except for Transfer
    const char* argNames; // for usage texts
    OperationInvoker invoke;
};

// All operations in slot order (slot 1..52).
const std::vector<Operation>& Operations();

// The operation of slot n, or null.
const Operation* OperationBySlot(int slot);

// The first operation (in slot order) with the name that takes argCount arguments; null when
// none does. nameKnown tells whether the name exists at all.
const Operation* OperationByName(const std::string& name, int argCount, bool& nameKnown);
