// The skin library's frame and dialog classes the shell's windows derive from.
#pragma once

#include "fx/win/Dialog.h"
#include "fx/win/FrameWnd.h"

// The framework's own classes stand in until the skinned frame and dialog are part of the
// library; both keep the interface the shell uses.
typedef CFrameWnd CShellFrameBase;
typedef CDialog CShellDialogBase;
