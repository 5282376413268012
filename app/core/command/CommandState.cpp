#include "app/core/command/CommandState.h"

#include "fx/core/String.h"

#include <cstdio>

int g_nOnline = 1;
int g_nCommandCount = 0;
int g_nCurrentInputType = 0;

namespace {

#ifdef _WIN32
// The application name (string resource 57344) of the running program, "TaveloPro" without one.
std::wstring ApplicationCaption()
{
    wchar_t buffer[128] = {};
    if (LoadStringW(GetModuleHandleW(nullptr), 57344, buffer, 128) > 0)
        return buffer;
    return L"TaveloPro";
}

void DefaultMessage(LPCSTR lpszText, UINT nType)
{
    MessageBoxW(GetActiveWindow(), CString(lpszText).ToWide().c_str(), ApplicationCaption().c_str(),
                nType);
}
#else
void DefaultMessage(LPCSTR lpszText, UINT)
{
    std::fprintf(stderr, "TaveloPro: %s\n", CString(lpszText).ToUtf8().c_str());
}
#endif

CommandMessageProc g_pfnMessage = DefaultMessage;

}  // namespace

CommandMessageProc SetCommandMessageProc(CommandMessageProc proc)
{
    CommandMessageProc previous = g_pfnMessage;
    g_pfnMessage = proc ? proc : DefaultMessage;
    return previous;
}

void ShowCommandMessage(LPCSTR lpszText, UINT nType)
{
    g_pfnMessage(lpszText, nType);
}
