// The picture dialogs as the wall view control opens them (its commands 1079, 1080, 1081, 1065
// and 1082): each for the window the view made current, over the view, which is repainted where
// a nudged window was. The page that holds the view gives it one with CTzCtrl::setDialogs.
#pragma once

#include "app/core/view/WallEditor.h"

class CWnd;

class CWallViewDialogs : public WallViewDialogs {
public:
    explicit CWallViewDialogs(CWnd* pView) : m_pView(pView) {}
    virtual ~CWallViewDialogs() = default;

    void pipTransparency(CPIPCell& pip) override;
    void pictureParameters(CCell& target) override;
    void pipFineAdjust(CPIPCell& pip) override;
    void edgeMask(CCell* combined) override;

private:
    CWnd* m_pView;
};
