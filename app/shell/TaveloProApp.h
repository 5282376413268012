// CTaveloProApp: the program's application object. InitInstance starts the program in a fixed
// order: the skin library with the program's control classes, the stored colour scheme, the
// device-link library, the profiles, the login (or the administrator's command line), then the
// main frame. The destructor ends the skin library again.
#pragma once

#include "app/core/command/CommandWallServices.h"
#include "skin/core/LuWinApp.h"

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
    // The wall model reaches the device and the operator through these while the program runs:
    // without them a new scene's windows and the wall view's edits would change nothing.
    CommandWallServices m_wallServices;
};
