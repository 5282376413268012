// ILuWinSink: how caption buttons and splitters talk to the window that hosts them (frames,
// dialogs, property sheets and pages, side bars). The slot order is part of the interface.
#pragma once

#include "fx/win/Wnd.h"
#include "skin/core/LuLibDefs.h"

class CImageList;

class LULIB_API ILuWinSink {
public:
    virtual void OnReLayout(POINT) {}
    virtual BOOL IsCapture() { return FALSE; }
    virtual void Capture() {}
    virtual void RelsCapture() {}
    virtual CImageList* GetImage() { return nullptr; }
    virtual void OnClick(UINT) {}
    virtual CWnd* GetSinkWnd() = 0;
    virtual void RedrawSinkButton(UINT nButton) = 0;
    virtual POINT GetSinkCursorPos() = 0;

protected:
    ~ILuWinSink() = default;
};
