// The factory settings dialog "工厂设置" (template 220): the panels' physical size and edge widths
// for a range of driver boards (sent to the boards, written to the profile and sent as the
// power-up block 13), and the device's two scene modes. A hidden group sends the boards'
// resolutions and the subtitle source as power-up blocks 10 to 12.
#pragma once

#include "app/core/profile/ProfileStore.h"
#include "app/res/SettingsRes.h"
#include "skin/ctrl/Dialog.h"

class CCmdUI;

class CFactoryDlg : public CLuDialog {
public:
    enum { IDD = IDD_FACTORY };

    // Profiles beside the program.
    explicit CFactoryDlg(CWnd* pParent = nullptr);
    // Profiles in another folder (tests).
    CFactoryDlg(const CString& profileDirectory, CWnd* pParent);

    // The driver boards the operator may address (set when the dialog opens).
    int FirstBoard() const { return m_nFirstBoard; }
    int LastBoard() const { return m_nLastBoard; }

protected:
    BOOL OnInitDialog() override;
    void OnUpdateSend(CCmdUI* pCmdUI);
    void OnSend();
    void OnMonitorScene();
    void OnNaturalScene();
    void OnDrvSend();
    void OnMpdSend();
    void OnSubtitleSend();

private:
    BOOL CanSend() const;
    CString ItemText(UINT nID) const;
    void SendBlock(int nKind, int nValue);

    ProfileStore m_store;
    int m_nFirstBoard = 0;
    int m_nLastBoard = 0;

    DECLARE_MESSAGE_MAP()
};
