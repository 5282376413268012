// CTaveloProApp: the program's application object. InitInstance starts the program in a fixed
// order: the skin library with the program's control classes, the stored colour scheme, the
// device-link library, the profiles, the login (or the administrator's command line), then the
// main frame. The wall model's services (its edits' device commands and messages) are the
// program's from start-up to exit. The destructor ends the skin library again.
#pragma once

#include "app/core/command/CommandWallServices.h"
#include "skin/core/LuWinApp.h"

#include <memory>

class CTaveloProApp : public CLuWinApp {
public:
    CTaveloProApp();
    ~CTaveloProApp() override;

    BOOL InitInstance() override;
    int ExitInstance() override;

    // Applies scheme nScheme (nothing when it is already current) and writes it back to the
    // registry; any other integer is remembered and written back without changing a colour.
    void SetColorScheme(int nScheme);
    int GetColorScheme() const { return m_nColorScheme; }

protected:
    // The about command shows the login dialog again: a change of operator.
    void OnAppAbout();
    // Logs in from the command line or through the login dialog; FALSE ends the program.
    BOOL LogIn();

    DECLARE_MESSAGE_MAP()

private:
    int m_nColorScheme;
    bool m_bSkinStarted = false;
    CommandWallServices m_wallServices;
    // Installed while the program runs; puts the previous services back when it goes.
    std::unique_ptr<ScopedWallServices> m_pWallScope;
};
