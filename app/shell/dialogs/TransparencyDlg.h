// The transparency dialog "屏幕微调" (template 140): a PIP window's transparency level, 0 to 15,
// sent with "设置PIP透明度" and kept in the window (scene files save it) once the device took it.
#pragma once

#include "app/res/PictureRes.h"
#include "skin/ctrl/Dialog.h"

class CCell;

class CTransparencyDlg : public CLuDialog {
public:
    enum { IDD = IDD_TRANSPARENCY, LEVEL_MAX = 15 };

    // pWindow: the window to adjust; only a PIP window gets levels to choose from.
    explicit CTransparencyDlg(CCell* pWindow, CWnd* pParent = nullptr);

protected:
    BOOL OnInitDialog() override;
    void OnSend();

private:
    CCell* m_pWindow;

    DECLARE_MESSAGE_MAP()
};
