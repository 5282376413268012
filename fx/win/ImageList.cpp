#include "fx/win/ImageList.h"

#include "fx/win/WinApp.h"

#include <utility>

CImageList& CImageList::operator=(CImageList&& other) noexcept
{
    if (this != &other) {
        DeleteImageList();
        m_hImageList = other.Detach();
    }
    return *this;
}

BOOL CImageList::Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow)
{
    return Attach(::ImageList_Create(cx, cy, nFlags, nInitial, nGrow));
}

BOOL CImageList::Create(UINT nBitmapID, int cx, int nGrow, COLORREF crMask)
{
    CBitmap strip;
    if (!strip.LoadBitmap(nBitmapID))
        return FALSE;
    const CSize size = strip.GetSize();
    if (cx <= 0 || size.cy <= 0 || !Create(cx, size.cy, ILC_COLOR32 | ILC_MASK, size.cx / cx, nGrow))
        return FALSE;
    if (Add(&strip, crMask) < 0) {
        DeleteImageList();
        return FALSE;
    }
    return TRUE;
}

BOOL CImageList::Attach(HIMAGELIST hImageList)
{
    if (m_hImageList != nullptr || hImageList == nullptr)
        return FALSE;
    m_hImageList = hImageList;
    return TRUE;
}

HIMAGELIST CImageList::Detach() { return std::exchange(m_hImageList, nullptr); }

BOOL CImageList::DeleteImageList()
{
    if (m_hImageList == nullptr)
        return FALSE;
    return ::ImageList_Destroy(Detach());
}

int CImageList::Add(CBitmap* pbmImage, COLORREF crMask)
{
    return pbmImage != nullptr ? ::ImageList_AddMasked(m_hImageList, *pbmImage, crMask) : -1;
}

int CImageList::Add(CBitmap* pbmImage, CBitmap* pbmMask)
{
    return pbmImage != nullptr
               ? ::ImageList_Add(m_hImageList, *pbmImage, pbmMask != nullptr ? static_cast<HBITMAP>(*pbmMask) : nullptr)
               : -1;
}

int CImageList::Add(HICON hIcon) { return ::ImageList_AddIcon(m_hImageList, hIcon); }
BOOL CImageList::Remove(int nImage) { return ::ImageList_Remove(m_hImageList, nImage); }
int CImageList::GetImageCount() const { return ::ImageList_GetImageCount(m_hImageList); }
BOOL CImageList::GetImageInfo(int nImage, IMAGEINFO* pImageInfo) const
{
    return ::ImageList_GetImageInfo(m_hImageList, nImage, pImageInfo);
}
BOOL CImageList::GetIconSize(int& cx, int& cy) const { return ::ImageList_GetIconSize(m_hImageList, &cx, &cy); }
CSize CImageList::GetIconSize() const
{
    int cx = 0;
    int cy = 0;
    GetIconSize(cx, cy);
    return CSize(cx, cy);
}
COLORREF CImageList::SetBkColor(COLORREF cr) { return ::ImageList_SetBkColor(m_hImageList, cr); }
BOOL CImageList::Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle) const
{
    return Draw(pDC->GetSafeHdc(), nImage, pt, nStyle);
}
BOOL CImageList::Draw(HDC hDC, int nImage, POINT pt, UINT nStyle) const
{
    return ::ImageList_Draw(m_hImageList, nImage, hDC, pt.x, pt.y, nStyle);
}
HICON CImageList::ExtractIcon(int nImage) const { return ::ImageList_GetIcon(m_hImageList, nImage, ILD_NORMAL); }
