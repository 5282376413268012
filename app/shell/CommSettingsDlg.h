// The communication settings dialog "通讯设置" (template 139): the serial port from the machine's
// port list, the baud rate and the reply time-out. Confirming writes com.ini and reconnects the
// link ("连接设备"); it ends with IDOK only after a successful reconnection.
#pragma once

#include "skin/ctrl/Dialog.h"

// Whether the confirm button is enabled: a time-out text whose decimal value is 10..60, a port
// and a baud rate chosen.
bool CommConfirmAllowed(const CString& strTimeout, bool bPortChosen, bool bBaudChosen);

class CCommSettingsDlg : public CLuDialog {
public:
    explicit CCommSettingsDlg(CWnd* pParent = nullptr);

    static const int BAUD_RATES[5];

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnUpdateConfirm(CCmdUI* pCmdUI);
    void OnInputChanged();
    // Enables the confirm button by the rule above.
    void UpdateConfirm();
    bool CanConfirm() const;

    DECLARE_MESSAGE_MAP()
};
