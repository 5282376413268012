// Opening the system and factory settings dialogs: what the shell's 系统设置 and 工程设置
// commands call once they have allowed it (online; administrator). Each runs its dialog
// modally and returns what DoModal returned.
#pragma once

#include <windows.h>

class CWnd;

INT_PTR OpenSystemSettings(CWnd* pOwner);
INT_PTR OpenFactorySettings(CWnd* pOwner);
