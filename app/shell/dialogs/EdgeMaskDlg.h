// The quick edge-mask dialog "快速边缘屏蔽设置" (template 142): two lists of masking widths, empty
// in this release, and 确定, which closes it. Nothing is sent.
#pragma once

#include "app/res/PictureRes.h"
#include "skin/ctrl/Dialog.h"

class CEdgeMaskDlg : public CLuDialog {
public:
    enum { IDD = IDD_EDGEMASK };
    explicit CEdgeMaskDlg(CWnd* pParent = nullptr) : CLuDialog(IDD, pParent) {}
};
