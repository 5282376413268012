// A move-only owner of one kernel handle (the serial port's device or its event): closes it when
// it goes, never copies it. Each owner knows which value means "no handle" (the invalid-handle
// value for a device, null for an event), as the platform does.
#pragma once

#include "comm/SerialApi.h"

class CKernelHandle {
public:
    explicit CKernelHandle(HANDLE empty) : m_hEmpty(empty), m_handle(empty) {}
    ~CKernelHandle() { Close(); }
    CKernelHandle(const CKernelHandle&) = delete;
    CKernelHandle& operator=(const CKernelHandle&) = delete;
    CKernelHandle(CKernelHandle&& other) noexcept
        : m_hEmpty(other.m_hEmpty), m_handle(other.Detach())
    {}
    CKernelHandle& operator=(CKernelHandle&& other) noexcept
    {
        if (this != &other) {
            Close();
            m_hEmpty = other.m_hEmpty;
            m_handle = other.Detach();
        }
        return *this;
    }

    HANDLE Get() const { return m_handle; }
    bool IsValid() const { return m_handle != m_hEmpty; }
    // Takes a handle over (closing any held before).
    void Attach(HANDLE handle)
    {
        Close();
        m_handle = handle;
    }
    // Gives the handle up without closing it.
    HANDLE Detach()
    {
        const HANDLE handle = m_handle;
        m_handle = m_hEmpty;
        return handle;
    }
    void Close()
    {
        if (IsValid())
            SerialApi::CloseHandle(Detach());
    }

private:
    HANDLE m_hEmpty;
    HANDLE m_handle;
};
