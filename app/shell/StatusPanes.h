// The main frame's status bar: two stretching panes, 0 the configured wall, 1 the link state.
#pragma once

#include "fx/core/String.h"
#include "fx/win/Wnd.h"

#include <vector>

class CStatusPanes : public CWnd {
public:
    enum { STATUS_BAR_ID = 59393, PANE_WIDTH = 100 };

    BOOL Create(CWnd* pParent, UINT nID = STATUS_BAR_ID);
    // nIDs: the panes' command ids (0 for a text pane).
    BOOL SetIndicators(const UINT* lpIDArray, int nIDCount);
    // TRUE and no repaint when the pane already shows the text.
    BOOL SetPaneText(int nIndex, LPCSTR lpszText, BOOL bUpdate = TRUE);
    CString GetPaneText(int nIndex) const;
    int GetPaneCount() const { return static_cast<int>(m_texts.size()); }
    // Follows the parent's new size (panes share the width).
    void Relayout();

private:
    std::vector<CString> m_texts;
    CFont m_font;  // the panes' font, made fit for Latin and Chinese
};
