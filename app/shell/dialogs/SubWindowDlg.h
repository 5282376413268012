// The sub-window dialog "子窗口调整" (template 219): nudges a PIP window's position and size by a
// step of 1 to 10 pixels ("位置微调", "PIP大小微调" behind the progress window). The eight
// direction buttons are enabled only while the step is valid.
#pragma once

#include "app/res/PictureRes.h"
#include "fx/win/Controls.h"
#include "skin/ctrl/Dialog.h"

class CPIPCell;

class CSubWindowDlg : public CLuDialog {
public:
    enum { IDD = IDD_SUBWINDOW };

    // pView: the wall view that shows the window (client coordinates are view pixels); it is
    // asked to repaint where the window was after each successful change.
    CSubWindowDlg(CWnd* pView, CPIPCell* pPip);

    BOOL IsReady() const { return m_bReady; }

protected:
    BOOL OnInitDialog() override;
    // After each burst of messages: the direction buttons follow the step's validity.
    LRESULT OnKickIdle(WPARAM wParam, LPARAM lParam);
    void OnDirection(UINT nID);

private:
    void UpdateDirectionButtons();

    CWnd* m_pView;
    CPIPCell* m_pPip;
    BOOL m_bReady = FALSE;
    CSpinButtonCtrl m_spin;

    DECLARE_MESSAGE_MAP()
};
