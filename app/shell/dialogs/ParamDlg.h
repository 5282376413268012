// The parameter dialog "参数调整" (template 141): colour balance, brightness, contrast and
// saturation of one window of the wall, VGA auto position, edge masking and the on-screen debug
// menu. The step buttons repeat while they are held: one operation at once, then one every
// 100 ms (timer 1000), run directly on this thread; every other button sends once behind the
// progress window.
#pragma once

#include "app/res/PictureRes.h"
#include "skin/ctrl/Dialog.h"

class CCell;
class DeviceCommand;

class CParamDlg : public CLuDialog {
public:
    enum {
        IDD = IDD_PARAM,
        REPEAT_TIMER = 1000,   // timer id of the press-and-hold repetition
        REPEAT_PERIOD = 100    // ms between repetitions
    };

    // pCell: a plain cell, combined cell, MPD region or PIP window.
    CParamDlg(CWnd* pOwner, CCell* pCell);

    CCell* Target() const { return m_pCell; }
    // The button being held (0 when none) and whether the repetition is running.
    UINT HeldButton() const { return m_nHeld; }
    BOOL IsRepeating() const { return m_nTimer != 0; }
    // Whether a button id is one of the repeating step buttons.
    static BOOL IsRepeatingButton(UINT nID);

protected:
    // Press-and-hold before normal routing: a pushed button starts, a completed click or a
    // release outside stops.
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnTimer(UINT_PTR nIDEvent);
    void OnDestroy();

    void OnEdgeMaskOn();
    void OnEdgeMaskOff();
    void OnEdgeMaskSend();
    void OnAutoPosition();
    void OnBalanceReset();
    void OnPictureReset();
    void OnMenuOn();
    void OnMenuOff();
    void OnBaseMapOn();
    void OnBaseMapOff();
    void OnSplashOn();
    void OnSplashOff();
    void OnCloseButton();

private:
    void BeginHold(UINT nID);
    void StopRepeat();
    // The held button still holds the mouse and is drawn pushed (the pointer is over it).
    BOOL IsStillHeld() const;
    // Runs the held button's step once; on failure stops the repetition, then shows the message.
    BOOL RunHeld();
    // Runs a single-shot operation behind the progress window and shows its failure.
    void RunOnce(DeviceCommand& command);

    CCell* m_pCell;
    UINT m_nHeld = 0;
    UINT_PTR m_nTimer = 0;
    // A tick that comes while a step is still running (one that pumps messages) is skipped.
    static BOOL s_bStepRunning;

    DECLARE_MESSAGE_MAP()
};
