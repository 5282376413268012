#include "tools/tzctl/CommandLine.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

bool ParseInteger(const std::string& word, int& value)
{
    const char* text = word.c_str();
    const bool negative = *text == '-';
    const char* digits = negative || *text == '+' ? text + 1 : text;
    int base = 10;
    if (digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) {
        base = 16;
        digits += 2;
    }
    if (*digits == '\0' || *digits == '-' || *digits == '+' || *digits == ' ')
        return false;
    char* end = nullptr;
    errno = 0;
    const long long parsed = std::strtoll(digits, &end, base);
    if (*end != '\0' || errno != 0)
        return false;
    const long long signedValue = negative ? -parsed : parsed;
    // Hex may name any 32-bit pattern (0xFFFFFFFF); decimal must fit an int.
    if (signedValue < INT_MIN || signedValue > (base == 16 ? 0xFFFFFFFFLL : INT_MAX))
        return false;
    value = static_cast<int>(static_cast<unsigned int>(signedValue));
    return true;
}

std::vector<std::string> Words(const std::string& line)
{
    std::istringstream in(line);
    std::vector<std::string> words;
    std::string word;
    while (in >> word)
        words.push_back(word);
    return words;
}

std::string FormsOf(const std::string& name)
{
    std::string forms;
    for (const Operation& op : Operations()) {
        if (name == op.name) {
            forms += "  @" + std::to_string(op.slot) + " " + op.name;
            if (*op.argNames)
                forms += std::string(" ") + op.argNames;
            forms += "\n";
        }
    }
    return forms;
}

}  // namespace

bool ParseInvocation(const std::vector<std::string>& words, Invocation& out, std::string& error)
{
    if (words.empty()) {
        error = "no operation given";
        return false;
    }
    out.args.clear();
    for (std::size_t i = 1; i < words.size(); ++i) {
        int value = 0;
        if (!ParseInteger(words[i], value)) {
            error = "argument '" + words[i] + "' of " + words[0] +
                    " is not an integer (decimal or 0x hex)";
            return false;
        }
        out.args.push_back(value);
    }
    const int count = static_cast<int>(out.args.size());
    const std::string& name = words[0];
    if (name.size() > 1 && name[0] == '@') {
        int slot = 0;
        if (!ParseInteger(name.substr(1), slot) || !(out.operation = OperationBySlot(slot))) {
            error = "no slot " + name.substr(1) + " (slots are 1 to 52)";
            return false;
        }
    } else {
        bool known = false;
        out.operation = OperationByName(name, count, known);
        if (!known) {
            error = "unknown operation '" + name + "'";
            return false;
        }
    }
    const Operation* op = out.operation;
    if (!op || count < op->minArgs || count > op->maxArgs) {
        error = name + " does not take " + std::to_string(count) + " argument" +
                (count == 1 ? "" : "s") + "; its forms:\n" +
                FormsOf(op ? op->name : name);
        if (!error.empty() && error.back() == '\n')
            error.pop_back();
        return false;
    }
    return true;
}

bool ParseScript(const std::string& text, std::vector<Invocation>& out, std::string& error)
{
    std::istringstream in(text);
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        const std::string::size_type hash = line.find('#');
        if (hash != std::string::npos)
            line.erase(hash);
        const std::vector<std::string> words = Words(line);
        if (words.empty())
            continue;
        Invocation invocation;
        if (!ParseInvocation(words, invocation, error)) {
            error = "line " + std::to_string(number) + ": " + error;
            return false;
        }
        out.push_back(invocation);
    }
    return true;
}

bool ParseCommandLine(const std::vector<std::string>& arguments, CommandLine& out,
                      std::string& error)
{
    for (const std::string& word : arguments) {
        if (word == "--help" || word == "-h") {
            out.help = true;
            return true;
        }
    }
    std::size_t i = 0;
    std::string script;
    bool haveScript = false;
    while (i < arguments.size() && arguments[i].size() > 2 && arguments[i].compare(0, 2, "--") == 0) {
        const std::string& option = arguments[i];
        if (option != "--dir" && option != "--script") {
            error = "unknown option " + option;
            return false;
        }
        if (i + 1 >= arguments.size()) {
            error = option + " needs a value";
            return false;
        }
        if (option == "--dir") {
            out.directory = arguments[i + 1];
        } else {
            script = arguments[i + 1];
            haveScript = true;
        }
        i += 2;
    }
    const std::vector<std::string> rest(arguments.begin() + static_cast<long>(i), arguments.end());
    if (haveScript) {
        if (!rest.empty()) {
            error = "--script takes no operation on the command line";
            return false;
        }
        std::ifstream file(script, std::ios::binary);
        if (!file) {
            error = "cannot read script " + script;
            return false;
        }
        std::ostringstream text;
        text << file.rdbuf();
        return ParseScript(text.str(), out.invocations, error);
    }
    Invocation invocation;
    if (!ParseInvocation(rest, invocation, error))
        return false;
    out.invocations.push_back(invocation);
    return true;
}

std::string UsageText()
{
    std::string text =
        "usage: tzctl [--dir DIR] OPERATION [ARG ...]\n"
        "       tzctl [--dir DIR] --script FILE   (one operation per line, # comments)\n"
        "       tzctl --help | -h\n"
        "Connects with DIR\\com.ini (default: tzctl's folder), then runs the operations.\n"
        "OPERATION is a name below (overloads picked by argument count, the first slot when\n"
        "several take as many) or @N for slot N. ARGs are integers, decimal or 0x hex.\n"
        "Exit status: the first nonzero result code, 0 when all succeed, 64 on usage errors,\n"
        "69 when TzComm.dll or its export is missing.\n"
        "Operations:\n";
    for (const Operation& op : Operations()) {
        text += "  @" + std::to_string(op.slot) + (op.slot < 10 ? "  " : " ") + op.name;
        if (*op.argNames)
            text += std::string(" ") + op.argNames;
        text += "\n";
    }
    return text;
}

const char* ResultMeaning(int result)
{
    switch (result) {
    case COMM_OK: return "success";
    case COMM_NOT_CONNECTED: return "not connected";
    case COMM_OPEN_FAILED: return "opening the serial port failed";
    case COMM_FAILED: return "communication failed";
    default: return "unknown error";
    }
}

std::string ConnectFailureDetail(int port, const std::string& profilePath, bool profileExists)
{
    std::string text = "COM" + std::to_string(port) + " from " + profilePath;
    if (!profileExists)
        text += ", which does not exist";
    return text;
}
