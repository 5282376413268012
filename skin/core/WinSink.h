// ILuWinSink: how caption buttons and splitters talk to the window that hosts them (frames,
// dialogs, property sheets and pages, side bars). The slot order is part of the interface.
#pragma once

#include "fx/win/Wnd.h"
#include "skin/core/LuLibDefs.h"

class CImageList;

class LULIB_API ILuWinSink {
public:
    // The defaults live in the library (WinSink.cpp), where the program finds them exported.
    virtual void OnReLayout(POINT pt);
    virtual BOOL IsCapture();
    virtual void Capture();
    // The spelling "RelsCapture" is part of the library's interface.
    virtual void RelsCapture();
    virtual CImageList* GetImage();
    virtual void OnClick(UINT nButton);
    virtual CWnd* GetSinkWnd() = 0;
    virtual void RedrawSinkButton(UINT nButton) = 0;
    virtual POINT GetSinkCursorPos() = 0;

protected:
    ~ILuWinSink() = default;
};
