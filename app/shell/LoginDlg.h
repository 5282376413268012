// The login dialog "登录" (template 170): the operator picks "Administrator" or "User", types the
// password and presses 登录 (or Enter). A match opens the device ("打开设备", falling back to the
// communication settings when that fails) and sets the role. There is no Cancel: Escape and Space
// do nothing, the caption's close button ends the dialog with IDCANCEL.
#pragma once

#include "skin/ctrl/Dialog.h"

// Opens the device behind the progress window. On failure shows the command's message and then
// the communication settings dialog: true when the device opened or that dialog was confirmed.
bool OpenDeviceWithFallback();

class CLoginDlg : public CLuDialog {
public:
    explicit CLoginDlg(CWnd* pParent = nullptr);

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    void OnClose();
    void OnLogin();

    DECLARE_MESSAGE_MAP()
};
