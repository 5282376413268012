// CSSAnimateCtrl ("emAnimateCtrl"): plays a strip of equally wide frames, one frame per tick of
// its 100 ms timer, centred on the background its parent gives static controls. The progress
// window shows the eight frames of bitmap 150 with it.
#pragma once

#include "fx/win/Gdi.h"
#include "fx/win/ImageList.h"
#include "skin/core/ControlBase.h"

#define SS_ANIMATE_CLASS "emAnimateCtrl"

class CSSAnimateCtrl : public CWnd, public CLuControlBase {
    DECLARE_DYNCREATE(CSSAnimateCtrl)
    LU_DECLARE_CONTROL(CSSAnimateCtrl, CWnd)
public:
    enum {
        ANIMATION_TIMER = 100,   // timer id
        ANIMATION_PERIOD = 100   // ms per frame
    };

    CSSAnimateCtrl() = default;

    static BOOL Register();
    static void Unregister();

    BOOL Create(const RECT& rect, CWnd* pParent, UINT nID, DWORD dwStyle = WS_CHILD | WS_VISIBLE);

    // Stops, drops the old frames and cuts bitmap nIDBitmap into nFrames frames (magenta
    // transparent). FALSE, with no frames, for a bitmap or image list that cannot be made, or a
    // frame count that leaves frames narrower than a pixel.
    BOOL Load(UINT nIDBitmap, int nFrames);
    BOOL Start();
    void Stop();

    int GetFrameCount() const { return m_nFrameCount; }
    int GetCurrentFrame() const { return m_nFrame; }
    CSize GetFrameSize() const { return CSize(m_nFrameWidth, m_nFrameHeight); }
    BOOL IsPlaying() const { return m_nTimer != 0; }

    // The parent's static background, then the current frame centred.
    void DrawFrame(CDC& dc);

protected:
    void OnPaint();
    BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    void OnTimer(UINT_PTR nIDEvent);
    void OnDestroy();
    // One step: the next frame, wrapping to the first after the last.
    void StepFrame();

    DECLARE_MESSAGE_MAP()

private:
    CImageList m_images;
    int m_nFrameCount = 0;
    int m_nFrame = 0;
    int m_nFrameWidth = 0;
    int m_nFrameHeight = 0;
    UINT_PTR m_nTimer = 0;
};

// The progress window's starter (CBusyDialog::SetAnimationStarter): gives the window the
// program's dialog skin, loads the eight frames of bitmap 150 into its animation control and
// starts it.
bool StartBusyAnimation(HWND hAnimate);
