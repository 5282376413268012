// The settings dialogs' entry points: the workspace has decided the role and offline refusals;
// the dialogs themselves live in their own folder (app/shell/dialogs).
#include "app/shell/SettingsDialogs.h"

#include "app/shell/dialogs/SettingsDialogs.h"

void RunSystemSettingsDialog(CWnd* pParent)
{
    OpenSystemSettings(pParent);
}

void RunFactorySettingsDialog(CWnd* pParent)
{
    OpenFactorySettings(pParent);
}
