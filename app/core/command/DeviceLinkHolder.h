// The program's hold on TzComm.dll: the module and the one CComm object its CreateComm returns.
// Loaded once at start-up, released and unloaded at exit; every command reaches the device
// through the pointer kept here.
#pragma once

#include "fx/core/String.h"
#include "fx/seam/Win32Seam.h"

class CComm;

class DeviceLinkHolder {
public:
    DeviceLinkHolder() = default;
    ~DeviceLinkHolder() = default;
    DeviceLinkHolder(const DeviceLinkHolder&) = delete;
    DeviceLinkHolder& operator=(const DeviceLinkHolder&) = delete;

    // The process-wide holder.
    static DeviceLinkHolder& Instance();

    // Loads "TzComm.dll" from the program's folder and creates the link object: 1 loaded (or
    // already loaded), 0 failed. The module stays loaded when a later step fails.
    int Load();
    // The same from "TzComm.dll" in the given folder.
    int LoadFrom(const CString& folder);
    // Releases the link object and unloads the module, each only if present.
    void Unload();

    CComm* Comm() const { return m_pComm; }
    HMODULE Module() const { return m_hModule; }

    // Puts a link object in place without a module (tools and tests that build the link
    // themselves); returns the previous one, which the caller keeps.
    CComm* Attach(CComm* pComm);

private:
    CComm* m_pComm = nullptr;
    HMODULE m_hModule = nullptr;
};

// Start-up's and exit's names for the holder's operations.
int loadDeviceLink();
void unloadDeviceLink();
// The link object, null until loaded.
CComm* deviceLink();

// The running program's folder (module path cut at its last separator, trailing separators
// removed): where TzComm.dll lies and what "打开设备" and "连接设备" give the link as its profile
// folder.
CString ProgramDirectory();
// "<folder>\<name>" (a forward slash on the native build, where paths use it).
CString JoinProgramPath(const CString& folder, LPCSTR name);
