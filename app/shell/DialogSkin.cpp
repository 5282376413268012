#include "app/shell/DialogSkin.h"

#include "skin/ctrl/Dialog.h"

namespace {

// Goes with its window.
class CDialogSkin : public CLuDialog {
protected:
    void PostNcDestroy() override { delete this; }
};

}  // namespace

bool SkinDialogWindow(HWND hDlg)
{
    if (hDlg == nullptr || CWnd::FromHandlePermanent(hDlg) != nullptr)
        return false;
    CDialogSkin* pSkin = new CDialogSkin;
    if (!pSkin->SubclassWindow(hDlg)) {
        delete pSkin;
        return false;
    }
    // The non-client area is measured again for the skinned band, and the size handler gives
    // the window its rounded region.
    ::SetWindowPos(hDlg, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT rc = {};
    ::GetClientRect(hDlg, &rc);
    pSkin->SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(rc.right - rc.left, rc.bottom - rc.top));
    return true;
}
