// The entry points of the picture and settings dialogs.
#include "app/shell/dialogs/EdgeMaskDlg.h"
#include "app/shell/dialogs/FactoryDlg.h"
#include "app/shell/dialogs/ParamDlg.h"
#include "app/shell/dialogs/PictureDialogs.h"
#include "app/shell/dialogs/SettingsDialogs.h"
#include "app/shell/dialogs/SubWindowDlg.h"
#include "app/shell/dialogs/SystemDlg.h"
#include "app/shell/dialogs/TransparencyDlg.h"

INT_PTR OpenParamDialog(CWnd* pOwner, CCell& target)
{
    CParamDlg dlg(pOwner, &target);
    return dlg.DoModal();
}

INT_PTR OpenSubWindowDialog(CWnd* pView, CPIPCell& window)
{
    CSubWindowDlg dlg(pView, &window);
    return dlg.DoModal();
}

INT_PTR OpenTransparencyDialog(CWnd* pOwner, CCell& window)
{
    CTransparencyDlg dlg(&window, pOwner);
    return dlg.DoModal();
}

INT_PTR OpenEdgeMaskDialog(CWnd* pOwner)
{
    CEdgeMaskDlg dlg(pOwner);
    return dlg.DoModal();
}

INT_PTR OpenSystemSettings(CWnd* pOwner)
{
    CSystemDlg dlg(pOwner);
    return dlg.DoModal();
}

INT_PTR OpenFactorySettings(CWnd* pOwner)
{
    CFactoryDlg dlg(pOwner);
    return dlg.DoModal();
}
