// Names and linkage of the skin library. One set of sources makes two libraries: LuLib20.dll
// with the class prefix Lu and OwLib.dll with the prefix Ow. The Ow build defines LULIB_OW and
// this header renames every library name before the compiler sees it, so the sources are
// written once, with the Lu names. A new library class or type gets its line here.
#pragma once

#ifdef LULIB_OW
#define LU_PREFIX "Ow"
#define LU_WNDCLASS_PREFIX "ow"

#define LuLibAux OwLibAux
#define ILuWinSink IOwWinSink
#define CLuControlBase COwControlBase
#define CLuCContext COwCContext
#define CLuViewCContext COwViewCContext
#define CLuCDlgCContext COwCDlgCContext
#define CLuCWCContext COwCWCContext
#define CLuCreateBlock COwCreateBlock
#define CLuCmdMsgPumper COwCmdMsgPumper
#define CLuWinApp COwWinApp
#define CLuPainter COwPainter
#define CLuBitmap COwBitmap
#define CLuCompatibleBitmap COwCompatibleBitmap
#define CLuCompatibleDC COwCompatibleDC
#define CLuAttachDC COwAttachDC
#define CLuClipDC COwClipDC
#define CLuPen COwPen
#define CLuFont COwFont
#define CLuBrush COwBrush
#define CLuRectRgn COwRectRgn
#define CLuThemeManager COwThemeManager
#define CLuTheme COwTheme
#define CLuLayered COwLayered
#define CLuClassTable COwClassTable
#define CLuAutoObject COwAutoObject
#define _LUDRAW_PARAM _OWDRAW_PARAM
#define LUARROW OWARROW
#define LUGRIPPER OWGRIPPER
#define LUBLUR OWBLUR
#define LuCtrlClassProc OwCtrlClassProc
#define LuNewClassProc OwNewClassProc
#define LuClassSlot OwClassSlot
// skin/ctrl
#define CLuButton COwButton
#define CLuDialog COwDialog
#define CLuPropertySheet COwPropertySheet
#define CLuPropertyPage COwPropertyPage
#define CLuHyperLink COwHyperLink
#define CLuTagCtrl COwTagCtrl
#define CLuBookCtrl COwBookCtrl
#define _LuBookData _OwBookData
#define CLuEdit COwEdit
#define CLuListBox COwListBox
#define CLuComboBox COwComboBox
#define CLuComboBoxEx COwComboBoxEx
#define CLuScrollBar COwScrollBar
#define CLuScrollWnd COwScrollWnd
#define CLuScrollView COwScrollView
// Frames, bars and the client window (skin/frame).
#define CLuControlBar COwControlBar
#define CLuDockBar COwDockBar
#define CLuDockBarMgr COwDockBarMgr
#define CLuFrameWnd COwFrameWnd
#define CLuStatusBar COwStatusBar
#define CLuStatusCmdUI COwStatusCmdUI
#define CLuClientWnd COwClientWnd
#define CLuClientBar COwClientBar
#define CLuSetParentAux COwSetParentAux
#define CLuSplitter COwSplitter
#define CLuTButton COwTButton
#define CLuTCloseBtn COwTCloseBtn
#define CLuMinBoxBtn COwMinBoxBtn
#define CLuMaxBoxBtn COwMaxBoxBtn
#define CLuDArrowBtn COwDArrowBtn
#define CLuMenuBar COwMenuBar
#define CLuToolBar COwToolBar
// skin/menu
#define CLuMenu COwMenu
#define CLuMenuIcon COwMenuIcon
#define LUTBBUTTON OWTBBUTTON
#else
#define LU_PREFIX "Lu"
#define LU_WNDCLASS_PREFIX "lu"
#endif

// "C" LU_CLASS_NAME("Button") is "CLuButton" (or "COwButton"); window class names likewise.
#define LU_CLASS_NAME(name) "C" LU_PREFIX name
#define LU_WNDCLASS_NAME(name) LU_WNDCLASS_PREFIX name

// The framework's DECLARE_DYNAMIC and RUNTIME_CLASS paste the class name as written (unlike
// DECLARE_DYNCREATE and the IMPLEMENT_ macros, which pass it on expanded); these pass the Lu name
// through one more expansion first, so in the Ow build the declared run-time class member is the
// one the IMPLEMENT_ macros define.
#define LU_DECLARE_DYNAMIC(theClass) DECLARE_DYNAMIC(theClass)
#define LU_RUNTIME_CLASS(theClass) RUNTIME_CLASS(theClass)

#if defined(LULIB_BUILD)
#define LULIB_API __declspec(dllexport)
#else
#define LULIB_API __declspec(dllimport)
#endif
