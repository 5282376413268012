// CLuMenuIcon: the small images of a menu's icon column, an image list with a table from
// command ID to image index. A list either owns its images or shares those of another list
// (sub-menus share their parent's, the menu bar's popups the bar's).
#pragma once

#include "fx/win/Gdi.h"
#include "fx/win/ImageList.h"
#include "skin/core/LuLibDefs.h"

#include <windows.h>

#include <map>
#include <vector>

class LULIB_API CLuMenuIcon {
public:
    CLuMenuIcon() = default;
    ~CLuMenuIcon() = default;
    CLuMenuIcon(const CLuMenuIcon&) = delete;
    CLuMenuIcon& operator=(const CLuMenuIcon&) = delete;

    // The images of a strip of square icons as high as the strip (the command table stays);
    // the strip's top-left pixel is the transparent colour.
    BOOL SetBitmap(HBITMAP hBitmap);
    // A toolbar resource (command IDs, 0 for a gap) and the bitmap of the same name: image i
    // belongs to the i-th non-zero ID. FALSE when either resource is missing.
    BOOL LoadMenuIcons(LPCSTR lpszResourceName);
    BOOL LoadMenuIcons(UINT nIDResource);
    // The spelling is part of the library's interface.
    void DestoryMenuIcons();

    // Uses another list's images and table from now on (the other list must outlive the use).
    BOOL Attach(const CLuMenuIcon& other);
    void Detach();
    BOOL IsAttached() const { return m_pShared != nullptr; }

    // Adds (or replaces) the image of one command; the list is made at the small-icon size
    // when it has none yet. A bitmap's top-left pixel is its transparent colour.
    BOOL SetIcon(UINT nID, HBITMAP hBitmap);
    BOOL SetIcon(UINT nID, HICON hIcon);
    void RemoveIcon(UINT nID);

    int CommandToIndex(UINT nID) const;
    CSize GetIconSize() const;
    int GetIconCount() const;
    void DrawIcon(CDC* pDC, int nIndex, POINT pt) const;
    // nState: the item's MF_DISABLED / MF_GRAYED bits; a disabled image is drawn embossed.
    void DrawIconStatus(CDC* pDC, int nIndex, POINT pt, UINT nState, CBrush* pBrush) const;

private:
    const CLuMenuIcon& Source() const { return m_pShared != nullptr ? *m_pShared : *this; }
    BOOL EnsureList(int cx, int cy);
    // Adds a bitmap's images (square, as high as the bitmap) with its top-left pixel as mask.
    int AddStrip(HBITMAP hBitmap, int cx);
    void ForgetImage(int nIndex);

    CImageList m_images;
    std::map<UINT, int> m_commands;
    const CLuMenuIcon* m_pShared = nullptr;
};

namespace lumenu {

// The colour of a bitmap's top-left pixel (CLR_INVALID when it cannot be read).
COLORREF CornerColor(HBITMAP hBitmap);

// A toolbar resource (type 241): the image size and the command IDs in button order, 0 for a
// gap between groups.
struct ToolBarResource {
    SIZE sizeImage{0, 0};
    std::vector<UINT> ids;
};
// FALSE when the resource is missing or malformed.
BOOL ReadToolBarResource(HINSTANCE hInst, LPCSTR lpszName, ToolBarResource& out);

}  // namespace lumenu
