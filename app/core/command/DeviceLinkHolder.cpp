#include "app/core/command/DeviceLinkHolder.h"

#include "comm/Comm.h"

#ifdef _WIN32
#define PATH_SEPARATOR '\\'
#else
#define PATH_SEPARATOR '/'
#endif

DeviceLinkHolder& DeviceLinkHolder::Instance()
{
    static DeviceLinkHolder holder;
    return holder;
}

int DeviceLinkHolder::Load() { return LoadFrom(ProgramDirectory()); }

int DeviceLinkHolder::LoadFrom(const CString& folder)
{
    if (m_pComm)
        return 1;
    const CString path = JoinProgramPath(folder, "TzComm.dll");
    if (!m_hModule)
        m_hModule = LoadLibraryA(path);
    if (!m_hModule)
        return 0;
    // Through the generic function type, which converts to any other without a warning.
    CreateCommProc create = reinterpret_cast<CreateCommProc>(
        reinterpret_cast<void (*)()>(GetProcAddress(m_hModule, TZCOMM_CREATE_COMM_EXPORT)));
    if (!create)
        return 0;
    m_pComm = create();
    return m_pComm ? 1 : 0;
}

void DeviceLinkHolder::Unload()
{
    if (m_pComm) {
        m_pComm->Release();
        m_pComm = nullptr;
    }
    if (m_hModule) {
        FreeLibrary(m_hModule);
        m_hModule = nullptr;
    }
}

CComm* DeviceLinkHolder::Attach(CComm* pComm)
{
    CComm* previous = m_pComm;
    m_pComm = pComm;
    return previous;
}

int loadDeviceLink()
{
    return DeviceLinkHolder::Instance().Load();
}

void unloadDeviceLink()
{
    DeviceLinkHolder::Instance().Unload();
}

CComm* deviceLink()
{
    return DeviceLinkHolder::Instance().Comm();
}

CString ProgramDirectory()
{
    char buffer[MAX_PATH + 1] = {};
    const DWORD length = GetModuleFileNameA(nullptr, buffer, MAX_PATH);
    CString path(buffer, static_cast<int>(length));
    int cut = path.ReverseFind('\\');
#ifndef _WIN32
    if (cut < 0)
        cut = path.ReverseFind('/');
#endif
    if (cut < 0)
        return CString();
    CString folder = path.Left(cut);
    folder.TrimRight("\\/");
    return folder;
}

CString JoinProgramPath(const CString& folder, LPCSTR name)
{
    CString path;
    path.Format("%s%c%s", static_cast<LPCSTR>(folder), PATH_SEPARATOR, name);
    return path;
}
