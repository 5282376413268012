// The two settings dialogs the main window opens modally: the system settings (clock, timed
// power, preset cycling) and the factory settings (resolution, panel size, factory data). The
// workspace decides the role and offline refusals before it calls them.
#pragma once

class CWnd;

void RunSystemSettingsDialog(CWnd* pParent);
void RunFactorySettingsDialog(CWnd* pParent);
