#include "app/shell/ShellState.h"

int g_nRole = ROLE_USER;
