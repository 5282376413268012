#include "app/shell/StatusPanes.h"

#include "fx/win/TextFont.h"

#include <commctrl.h>

BOOL CStatusPanes::Create(CWnd* pParent, UINT nID)
{
    if (!CreateEx(0, "msctls_statusbar32", "", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, CRect(0, 0, 0, 0), pParent,
                  nID))
        return FALSE;
    // The system's status font may lack the Latin or the Chinese glyphs of the pane texts,
    // depending on the code page: the same font in a face that has both.
    const LOGFONTW lf = fx::SystemTextFont(fx::SystemFont::Status);
    m_font.DeleteObject();
    if (m_font.CreateFontIndirect(&lf))
        SetFont(m_font, FALSE);
    return TRUE;
}

BOOL CStatusPanes::SetIndicators(const UINT* lpIDArray, int nIDCount)
{
    if (lpIDArray == nullptr || nIDCount <= 0)
        return FALSE;
    m_texts.assign(static_cast<size_t>(nIDCount), CString());
    Relayout();
    return TRUE;
}

void CStatusPanes::Relayout()
{
    if (GetSafeHwnd() == nullptr || m_texts.empty())
        return;
    SendMessage(WM_SIZE, 0, 0);
    CRect rc;
    GetClientRect(&rc);
    const int n = GetPaneCount();
    std::vector<int> edges(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i)
        edges[static_cast<size_t>(i)] = i + 1 == n ? -1 : rc.Width() * (i + 1) / n;
    SendMessage(SB_SETPARTS, static_cast<WPARAM>(n), reinterpret_cast<LPARAM>(edges.data()));
    for (int i = 0; i < n; ++i)
        ::SendMessageW(GetSafeHwnd(), SB_SETTEXTW, static_cast<WPARAM>(i),
                       reinterpret_cast<LPARAM>(m_texts[static_cast<size_t>(i)].ToWide().c_str()));
}

BOOL CStatusPanes::SetPaneText(int nIndex, LPCSTR lpszText, BOOL bUpdate)
{
    if (nIndex < 0 || nIndex >= GetPaneCount())
        return FALSE;
    CString& text = m_texts[static_cast<size_t>(nIndex)];
    const CString wanted(lpszText != nullptr ? lpszText : "");
    if (text.Compare(wanted) == 0)
        return TRUE;
    text = wanted;
    if (GetSafeHwnd() != nullptr && bUpdate)
        ::SendMessageW(GetSafeHwnd(), SB_SETTEXTW, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(text.ToWide().c_str()));
    return TRUE;
}

CString CStatusPanes::GetPaneText(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetPaneCount() ? m_texts[static_cast<size_t>(nIndex)] : CString();
}
