// Owner of a common-controls image list (menu icons, toolbar and ribbon buttons, animation
// frames). Destroyed with the object unless detached.
#pragma once

#include "fx/win/Gdi.h"

#include <commctrl.h>

class CImageList {
public:
    CImageList() = default;
    ~CImageList() { DeleteImageList(); }
    CImageList(CImageList&& other) noexcept : m_hImageList(other.Detach()) {}
    CImageList& operator=(CImageList&& other) noexcept;
    CImageList(const CImageList&) = delete;
    CImageList& operator=(const CImageList&) = delete;

    HIMAGELIST m_hImageList = nullptr;
    HIMAGELIST GetSafeHandle() const { return m_hImageList; }
    operator HIMAGELIST() const { return m_hImageList; }  // NOLINT: hands the handle to the system

    // nFlags: ILC_COLOR32, ILC_MASK ...
    BOOL Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow);
    // A strip of cx-wide images from a bitmap resource; crMask is the transparent colour.
    BOOL Create(UINT nBitmapID, int cx, int nGrow, COLORREF crMask);
    BOOL Attach(HIMAGELIST hImageList);
    HIMAGELIST Detach();
    BOOL DeleteImageList();

    // Adds the bitmap's images (a strip); returns the index of the first, -1 on failure.
    int Add(CBitmap* pbmImage, COLORREF crMask);
    int Add(CBitmap* pbmImage, CBitmap* pbmMask);
    int Add(HICON hIcon);
    BOOL Remove(int nImage);
    int GetImageCount() const;
    BOOL GetImageInfo(int nImage, IMAGEINFO* pImageInfo) const;
    BOOL GetIconSize(int& cx, int& cy) const;
    CSize GetIconSize() const;
    COLORREF SetBkColor(COLORREF cr);
    // nStyle: ILD_NORMAL, ILD_TRANSPARENT ...
    BOOL Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle) const;
    BOOL Draw(HDC hDC, int nImage, POINT pt, UINT nStyle) const;
    // A new icon the caller destroys (DestroyIcon).
    HICON ExtractIcon(int nImage) const;
};
