// Process-wide state of the application shell: the operator's role. The online flag lives with
// the command layer (g_nOnline, app/core/command/CommandState.h), which it gates.
#pragma once

enum Role {
    ROLE_USER = 0,
    ROLE_ADMINISTRATOR = 1
};

// Set by the login dialog; read by the factory settings command and the preset menu.
extern int g_nRole;
