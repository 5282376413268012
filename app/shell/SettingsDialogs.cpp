// The settings dialogs' entry points: the workspace has made its refusals (offline; not the
// administrator) before it calls them.
#include "app/shell/SettingsDialogs.h"

#include "app/shell/dialogs/SettingsDialogs.h"

void RunSystemSettingsDialog(CWnd* pParent) { OpenSystemSettings(pParent); }

void RunFactorySettingsDialog(CWnd* pParent) { OpenFactorySettings(pParent); }
