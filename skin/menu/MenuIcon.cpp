// Menu icons: one image list and the command table that points into it.
#include "skin/menu/MenuIcon.h"

#include "fx/win/Text.h"
#include "fx/win/WinApp.h"
#include "skin/core/LuLibAux.h"
#include "skin/menu/PlainNames.h"

namespace {

// Toolbar resources carry this type number.
const LPCWSTR kToolBarType = MAKEINTRESOURCEW(241);

// A private copy of a bitmap: adding with a mask blackens the transparent pixels of the bitmap
// it is given, and the caller's bitmap must stay as it was.
HBITMAP CopyBitmap(HBITMAP hBitmap)
{
    return static_cast<HBITMAP>(::CopyImage(hBitmap, IMAGE_BITMAP, 0, 0, 0));
}

}  // namespace

namespace lumenu {

COLORREF CornerColor(HBITMAP hBitmap)
{
    HDC hMem = ::CreateCompatibleDC(nullptr);
    if (hMem == nullptr)
        return CLR_INVALID;
    HGDIOBJ hOld = ::SelectObject(hMem, hBitmap);
    const COLORREF clr = hOld != nullptr ? ::GetPixel(hMem, 0, 0) : CLR_INVALID;
    if (hOld != nullptr)
        ::SelectObject(hMem, hOld);
    ::DeleteDC(hMem);
    return clr;
}

BOOL ReadToolBarResource(HINSTANCE hInst, LPCSTR lpszName, ToolBarResource& out)
{
    fx::WideArg name(lpszName);
    HRSRC hRsrc = ::FindResourceW(hInst, name, kToolBarType);
    HGLOBAL hGlobal = hRsrc != nullptr ? ::LoadResource(hInst, hRsrc) : nullptr;
    const auto* pData = hGlobal != nullptr ? static_cast<const WORD*>(::LockResource(hGlobal)) : nullptr;
    const DWORD nBytes = hGlobal != nullptr ? ::SizeofResource(hInst, hRsrc) : 0;
    // Version, image width, image height, count, then the IDs.
    if (pData == nullptr || nBytes < 4 * sizeof(WORD) || pData[0] != 1)
        return FALSE;
    const DWORD nCount = pData[3];
    if ((4 + nCount) * sizeof(WORD) > nBytes)
        return FALSE;
    out.sizeImage = SIZE{pData[1], pData[2]};
    out.ids.assign(pData + 4, pData + 4 + nCount);
    return TRUE;
}

}  // namespace lumenu

BOOL CLuMenuIcon::EnsureList(int cx, int cy)
{
    if (m_images.GetSafeHandle() != nullptr)
        return TRUE;
    return cx > 0 && cy > 0 && m_images.Create(cx, cy, ILC_COLOR32 | ILC_MASK, 8, 8);
}

int CLuMenuIcon::AddStrip(HBITMAP hBitmap, int cx)
{
    HBITMAP hCopy = CopyBitmap(hBitmap);
    if (hCopy == nullptr)
        return -1;
    const COLORREF clrMask = lumenu::CornerColor(hCopy);
    BITMAP bm{};
    ::GetObjectW(hCopy, sizeof(bm), &bm);
    int nFirst = -1;
    if (EnsureList(cx > 0 ? cx : bm.bmHeight, bm.bmHeight))
        nFirst = ImageList_AddMasked(m_images, hCopy, clrMask);
    ::DeleteObject(hCopy);
    return nFirst;
}

BOOL CLuMenuIcon::SetBitmap(HBITMAP hBitmap)
{
    Detach();
    m_images.DeleteImageList();
    if (hBitmap == nullptr)
        return FALSE;
    return AddStrip(hBitmap, 0) >= 0;
}

BOOL CLuMenuIcon::LoadMenuIcons(LPCSTR lpszResourceName)
{
    HINSTANCE hInst = AfxGetResourceHandle();
    lumenu::ToolBarResource res;
    if (!lumenu::ReadToolBarResource(hInst, lpszResourceName, res))
        return FALSE;
    fx::WideArg name(lpszResourceName);
    HRSRC hRsrc = ::FindResourceW(hInst, name, MAKEINTRESOURCEW(2) /* RT_BITMAP */);
    HBITMAP hBitmap = hRsrc != nullptr ? LuLibAux::LoadSysColorBitmap(hInst, hRsrc, FALSE) : nullptr;
    if (hBitmap == nullptr)
        return FALSE;
    DestoryMenuIcons();
    const int nFirst = EnsureList(res.sizeImage.cx, res.sizeImage.cy) ? AddStrip(hBitmap, res.sizeImage.cx) : -1;
    ::DeleteObject(hBitmap);
    if (nFirst < 0)
        return FALSE;
    int nImage = nFirst;
    for (UINT nID : res.ids) {
        if (nID != 0)
            m_commands[nID] = nImage++;
    }
    return TRUE;
}

BOOL CLuMenuIcon::LoadMenuIcons(UINT nIDResource) { return LoadMenuIcons(MAKEINTRESOURCEA(nIDResource)); }

void CLuMenuIcon::DestoryMenuIcons()
{
    Detach();
    m_images.DeleteImageList();
    m_commands.clear();
}

BOOL CLuMenuIcon::Attach(const CLuMenuIcon& other)
{
    if (&other == this)
        return FALSE;
    // Sharing a list that itself shares goes to the list that owns the images.
    m_pShared = &other.Source();
    return TRUE;
}

void CLuMenuIcon::Detach() { m_pShared = nullptr; }

BOOL CLuMenuIcon::SetIcon(UINT nID, HBITMAP hBitmap)
{
    if (hBitmap == nullptr || m_pShared != nullptr)
        return FALSE;
    BITMAP bm{};
    if (::GetObjectW(hBitmap, sizeof(bm), &bm) == 0)
        return FALSE;
    const int nAdded = AddStrip(hBitmap, bm.bmHeight);
    if (nAdded < 0)
        return FALSE;
    // Only the first image of a wider bitmap belongs to the command.
    while (m_images.GetImageCount() > nAdded + 1)
        m_images.Remove(m_images.GetImageCount() - 1);
    auto it = m_commands.find(nID);
    if (it == m_commands.end()) {
        m_commands[nID] = nAdded;
        return TRUE;
    }
    // Replaced in place, so the other commands keep their indexes.
    HICON hIcon = m_images.ExtractIcon(nAdded);
    const BOOL ok = hIcon != nullptr && ImageList_ReplaceIcon(m_images, it->second, hIcon) >= 0;
    if (hIcon != nullptr)
        ::DestroyIcon(hIcon);
    m_images.Remove(nAdded);
    return ok;
}

BOOL CLuMenuIcon::SetIcon(UINT nID, HICON hIcon)
{
    if (hIcon == nullptr || m_pShared != nullptr)
        return FALSE;
    if (!EnsureList(::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON)))
        return FALSE;
    auto it = m_commands.find(nID);
    const int nIndex = ImageList_ReplaceIcon(m_images, it != m_commands.end() ? it->second : -1, hIcon);
    if (nIndex < 0)
        return FALSE;
    m_commands[nID] = nIndex;
    return TRUE;
}

void CLuMenuIcon::ForgetImage(int nIndex)
{
    m_images.Remove(nIndex);
    for (auto it = m_commands.begin(); it != m_commands.end();) {
        if (it->second == nIndex) {
            it = m_commands.erase(it);
            continue;
        }
        if (it->second > nIndex)
            --it->second;
        ++it;
    }
}

void CLuMenuIcon::RemoveIcon(UINT nID)
{
    if (m_pShared != nullptr)
        return;
    auto it = m_commands.find(nID);
    if (it != m_commands.end())
        ForgetImage(it->second);
}

int CLuMenuIcon::CommandToIndex(UINT nID) const
{
    const CLuMenuIcon& src = Source();
    auto it = src.m_commands.find(nID);
    return it != src.m_commands.end() ? it->second : -1;
}

CSize CLuMenuIcon::GetIconSize() const
{
    const CLuMenuIcon& src = Source();
    return src.m_images.GetSafeHandle() != nullptr ? src.m_images.GetIconSize() : CSize(0, 0);
}

int CLuMenuIcon::GetIconCount() const
{
    const CLuMenuIcon& src = Source();
    return src.m_images.GetSafeHandle() != nullptr ? src.m_images.GetImageCount() : 0;
}

void CLuMenuIcon::DrawIcon(CDC* pDC, int nIndex, POINT pt) const
{
    const CLuMenuIcon& src = Source();
    if (pDC != nullptr && nIndex >= 0 && nIndex < GetIconCount())
        src.m_images.Draw(pDC, nIndex, pt, ILD_TRANSPARENT);
}

void CLuMenuIcon::DrawIconStatus(CDC* pDC, int nIndex, POINT pt, UINT nState, CBrush* pBrush) const
{
    if (!(nState & (MF_DISABLED | MF_GRAYED))) {
        DrawIcon(pDC, nIndex, pt);
        return;
    }
    if (pDC == nullptr || nIndex < 0 || nIndex >= GetIconCount())
        return;
    HICON hIcon = Source().m_images.ExtractIcon(nIndex);
    if (hIcon == nullptr)
        return;
    pDC->DrawState(pt, GetIconSize(), hIcon, DSS_DISABLED,
                   pBrush != nullptr ? static_cast<HBRUSH>(*pBrush) : nullptr);
    ::DestroyIcon(hIcon);
}
