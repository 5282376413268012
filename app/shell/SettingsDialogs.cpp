// The settings dialogs' entry points. The dialogs themselves are built in their own folder and
// take these over; until then the commands end here, after their refusals.
#include "app/shell/SettingsDialogs.h"

void RunSystemSettingsDialog(CWnd*)
{
}

void RunFactorySettingsDialog(CWnd*)
{
}
