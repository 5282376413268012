// Opening the picture and window adjustment dialogs for a window of the wall: what the wall
// view's commands call with the current PIP window or cell. Each runs its dialog modally and
// returns what DoModal returned.
#pragma once

#include <windows.h>

class CWnd;
class CCell;
class CPIPCell;

// "参数调整": the current PIP window, else the current cell (plain, combined or MPD region).
INT_PTR OpenParamDialog(CWnd* pOwner, CCell& target);
// "子窗口调整": pView is the wall view that shows the window, repainted after each change.
INT_PTR OpenSubWindowDialog(CWnd* pView, CPIPCell& window);
// "屏幕微调": the window's transparency level (levels only for a PIP window).
INT_PTR OpenTransparencyDialog(CWnd* pOwner, CCell& window);
// "快速边缘屏蔽设置".
INT_PTR OpenEdgeMaskDialog(CWnd* pOwner);
