#include "app/shell/LoginRules.h"

#include "app/shell/ShellState.h"

const char* const LOGIN_ADMINISTRATOR = "Administrator";
const char* const LOGIN_USER = "User";
const char* const LOGIN_ADMIN_PASSWORD = "807162";

int CheckLogin(const CString& strUser, const CString& strPassword)
{
    if (strUser.Compare(LOGIN_ADMINISTRATOR) == 0)
        return strPassword.Compare(LOGIN_ADMIN_PASSWORD) == 0 ? ROLE_ADMINISTRATOR : -1;
    if (strUser.Compare(LOGIN_USER) == 0)
        return strPassword.IsEmpty() ? ROLE_USER : -1;
    return -1;
}

bool IsAdministratorCommandLine(const std::vector<CString>& args)
{
    // Fewer than program plus two arguments: both count as empty, which never matches.
    if (args.size() < 3)
        return false;
    return args[1].Compare(LOGIN_ADMINISTRATOR) == 0 && args[2].Compare(LOGIN_ADMIN_PASSWORD) == 0;
}
