// Driving the real TaveloPro.exe from another process: a program folder of its own with the
// program, its DLLs and its profiles, the process, and the ways to find its windows, post it
// commands and read what it shows; and the simulator's files when the test runs under tzsim.
#pragma once

#include <windows.h>

#include <string>

namespace shelltest {

extern const wchar_t MAIN_TITLE[];

// GBK (as the program's texts are written in the sources) to UTF-16.
std::wstring Utf16(const char* gbk);
std::wstring WindowText(HWND hWnd);
std::wstring ClassName(HWND hWnd);

class Program {
public:
    // A fresh folder under the working folder; com.ini names nComPort, TzView.ini is given.
    Program(const std::wstring& name, int nComPort, bool bWithDeviceLibrary = true,
            const std::string& viewProfile = "[application]\r\nmpdnums=3\r\nresolution=6\r\n");
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    void WriteText(const wchar_t* name, const std::string& text);
    std::string ReadText(const wchar_t* name) const;
    const std::wstring& Folder() const { return m_folder; }

    bool Start(const std::wstring& args);
    // A visible top-level window of the program with that title, within the time-out.
    // bDialog false: not a dialog (the main frame, not the progress window with its title).
    HWND WaitWindow(const std::wstring& title, bool bDialog = true, int timeoutMs = 30000) const;
    HWND Find(const std::wstring& title, bool bDialog = true) const;
    // The message box captioned "TaveloPro" whose text is the one given.
    HWND WaitMessageBox(const std::wstring& text, int timeoutMs = 30000) const;
    // Any message box of the program, its text in *pText.
    HWND FindMessageBox(std::wstring* pText) const;
    static std::wstring BoxText(HWND box);
    // Answers a message box and waits until it is gone.
    static bool Answer(HWND box, int nButton);
    bool WaitExit(DWORD* pCode, int timeoutMs = 30000) const;
    bool Running() const;
    DWORD ProcessId() const { return m_pi.dwProcessId; }

    // The main window after a command-line login, or null.
    HWND StartAsAdministrator();
    // Ends the program through its exit prompt; true when it ended.
    bool CloseThroughPrompt(HWND frame);

private:
    std::wstring m_folder;
    PROCESS_INFORMATION m_pi = {};
};

// The first descendant of hParent with that control id (and class, when given).
HWND FindDescendant(HWND hParent, int nID, const wchar_t* className = nullptr);
// The workspace's control view: the dialog holding the 开机 button.
HWND FindControlView(HWND frame);
// A command to the main window as a menu or ribbon would send it.
void PostCommand(HWND frame, UINT nID);
// A button's click as the button would report it to its dialog.
void PostClicked(HWND dialog, int nID);

// Waits until pred() holds, polling; false at the time-out.
template <class Pred>
bool WaitUntil(Pred pred, int timeoutMs = 30000)
{
    const DWORD start = ::GetTickCount();
    while (!pred()) {
        if (::GetTickCount() - start > static_cast<DWORD>(timeoutMs))
            return pred();
        ::Sleep(50);
    }
    return true;
}

// ---- The simulator (tzsim starts the test and names its files in the environment) ----
bool UnderSimulator();
int SimulatorCom();
// A file tzsim names in variable (TZSIM_TRACE, TZSIM_STATE), read through drive Z:.
std::string SimulatorFile(const char* variable);
// The trace once it holds text (the whole trace, found or not at the time-out).
std::string WaitForTrace(const std::string& text, int timeoutMs = 30000);
// The machine lists the simulator's port, as the run script does for the program.
void ListSimulatorPort();

}  // namespace shelltest
