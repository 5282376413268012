// The login rules, apart from any window: which name and password are accepted, the role they
// give, and the command-line shortcut that skips the login dialog.
#pragma once

#include "fx/core/String.h"

#include <vector>

extern const char* const LOGIN_ADMINISTRATOR;  // "Administrator"
extern const char* const LOGIN_USER;           // "User"
extern const char* const LOGIN_ADMIN_PASSWORD; // the administrator's password

// The role for a matching name and password (Role), or -1 when they do not match: the
// administrator needs the administrator password, the user an empty password. Names are exact.
int CheckLogin(const CString& strUser, const CString& strPassword);

// Whether the command line (element 0 the program) carries the administrator's name and
// password as its first two arguments, exactly; such a start skips the login dialog.
bool IsAdministratorCommandLine(const std::vector<CString>& args);
