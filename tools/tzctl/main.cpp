// tzctl: a command-line client of the device link. It loads TzComm.dll from its own folder,
// calls CreateComm and Connect exactly as the program does, runs the operations asked for and
// prints one line per operation: name, result code, its meaning, then any values read.
#include "comm/Comm.h"
#include "fx/core/Exception.h"
#include "fx/seam/Win32Seam.h"
#include "tools/tzctl/CommandLine.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

enum { EXIT_USAGE = 64, EXIT_NO_LIBRARY = 69 };

#ifdef _WIN32
const char kSeparator = '\\';
#else
const char kSeparator = '/';
#endif

std::string OwnFolder()
{
    char path[4096] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, sizeof(path));
    std::string folder(path, length < sizeof(path) ? length : 0);
    std::string::size_type cut = folder.find_last_of("\\/");
    return cut == std::string::npos ? std::string(".") : folder.substr(0, cut);
}

void PrintLine(const char* name, int result, const char* meaning, const OperationOutput& out)
{
    std::printf("%s %d (%s)", name, result, meaning);
    for (int value : out.values)
        std::printf(" %d", value);
    for (unsigned char byte : out.bytes)
        std::printf(" %02x", byte);
    std::printf("\n");
    std::fflush(stdout);
}

// Owns the loaded library and the link object it hands out.
class Link {
public:
    explicit Link(HMODULE library)
        : library_(library),
          create_(reinterpret_cast<CreateCommProc>(
              reinterpret_cast<void*>(GetProcAddress(library, TZCOMM_CREATE_COMM_EXPORT))))
    {
    }
    ~Link()
    {
        if (comm_)
            comm_->Release();
        FreeLibrary(library_);
    }
    Link(const Link&) = delete;
    Link& operator=(const Link&) = delete;

    bool HasExport() const { return create_ != nullptr; }
    // The object, created again after an explicit Release, as the program would.
    CComm* Get()
    {
        if (!comm_ && create_)
            comm_ = create_();
        return comm_;
    }
    void Forget() { comm_ = nullptr; }

private:
    HMODULE library_;
    CreateCommProc create_;
    CComm* comm_ = nullptr;
};

// The meaning printed for a failed Connect: which port, taken from which profile, as the link
// reads them (a missing profile or key gives the link's default port).
std::string ConnectFailure(const std::string& dir)
{
    const std::string ini = dir + kSeparator + "com.ini";
    const int port = static_cast<int>(GetPrivateProfileIntA("comm", "commport", 999, ini.c_str()));
    bool exists = false;
    if (std::FILE* file = std::fopen(ini.c_str(), "rb")) {
        exists = true;
        std::fclose(file);
    }
    return std::string(ResultMeaning(COMM_OPEN_FAILED)) + ": " +
           ConnectFailureDetail(port, ini, exists);
}

// Runs one operation and prints its line; returns the code that counts for the exit status.
int Run(Link& link, const Operation& op, const std::vector<int>& args, const std::string& dir)
{
    CComm* comm = link.Get();
    if (!comm) {
        std::printf("%s - (CreateComm returned no object)\n", op.name);
        return COMM_FAILED;
    }
    OperationOutput out;
    try {
        const int result = op.invoke(*comm, args, dir, out);
        if (op.slot == 1) {
            link.Forget();
            PrintLine(op.name, result, result ? "TzCommFun unloaded" : "TzCommFun not unloaded", out);
            return COMM_OK;
        }
        if (op.slot == 5) {
            PrintLine(op.name, result, result ? "purged" : "not purged", out);
            return result ? COMM_OK : COMM_FAILED;
        }
        if ((op.slot == 2 || op.slot == 3) && result == COMM_OPEN_FAILED)
            PrintLine(op.name, result, ConnectFailure(dir).c_str(), out);
        else
            PrintLine(op.name, result, ResultMeaning(result), out);
        return result;
    } catch (CException* e) {
        char message[512] = {};
        e->GetErrorMessage(message, sizeof(message));
        e->Delete();
        std::string text(message);
        while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
            text.pop_back();
        std::printf("%s exception (%s)\n", op.name, text.empty() ? "no message" : text.c_str());
    } catch (...) {
        std::printf("%s exception (unknown)\n", op.name);
    }
    std::fflush(stdout);
    return COMM_FAILED;
}

}  // namespace

int main(int argc, char** argv)
{
    CommandLine line;
    std::string error;
    if (!ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc), line, error)) {
        std::fprintf(stderr, "tzctl: %s\n\n%s", error.c_str(), UsageText().c_str());
        return EXIT_USAGE;
    }
    if (line.help) {
        std::fputs(UsageText().c_str(), stdout);
        return 0;
    }
    const std::string folder = OwnFolder();
    const std::string directory = line.directory.empty() ? folder : line.directory;
    const std::string libraryPath = folder + kSeparator + "TzComm.dll";
    HMODULE library = LoadLibraryA(libraryPath.c_str());
    if (!library) {
        std::fprintf(stderr, "tzctl: cannot load %s\n", libraryPath.c_str());
        return EXIT_NO_LIBRARY;
    }
    Link link(library);
    if (!link.HasExport()) {
        std::fprintf(stderr, "tzctl: %s has no export %s\n", libraryPath.c_str(),
                     TZCOMM_CREATE_COMM_EXPORT);
        return EXIT_NO_LIBRARY;
    }
    int status = Run(link, *OperationBySlot(3), {}, directory);
    for (const Invocation& invocation : line.invocations) {
        const int result = Run(link, *invocation.operation, invocation.args, directory);
        if (status == 0)
            status = result;
    }
    return status;
}
