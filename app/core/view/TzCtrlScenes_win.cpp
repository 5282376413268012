// The wall view control's scene operations: the two file dialogs, which leave the process's
// current directory as it was (button.ini is found through it), and storing a preset.
#include "app/core/view/TzCtrl.h"

#include "app/core/command/CommandRunner.h"
#include "app/core/command/CommandState.h"
#include "app/core/command/SceneRestoreCommand.h"
#include "fx/win/FileDialog.h"

#include <string>

namespace {

const char kSceneFilter[] = "Tavelo Scene(*.tzs)|*.tzs||";
const char kSceneExtension[] = "tzs";

// Puts the current directory back when the scope ends: the open dialog may change it whatever
// it is asked, and relative profile paths (".\button.ini") depend on it.
class CurrentDirectoryKeeper {
public:
    CurrentDirectoryKeeper()
    {
        const DWORD length = ::GetCurrentDirectoryW(0, nullptr);
        if (length > 0) {
            m_path.resize(length);
            m_path.resize(::GetCurrentDirectoryW(length, &m_path[0]));
        }
    }
    ~CurrentDirectoryKeeper()
    {
        if (!m_path.empty())
            ::SetCurrentDirectoryW(m_path.c_str());
    }
    CurrentDirectoryKeeper(const CurrentDirectoryKeeper&) = delete;
    CurrentDirectoryKeeper& operator=(const CurrentDirectoryKeeper&) = delete;

private:
    std::wstring m_path;
};

}  // namespace

BOOL CTzCtrl::askScenePath(BOOL bOpen, CString* path)
{
    CurrentDirectoryKeeper keeper;
    const DWORD flags = OFN_HIDEREADONLY | (bOpen ? OFN_FILEMUSTEXIST : OFN_OVERWRITEPROMPT);
    CFileDialog dialog(bOpen, kSceneExtension, nullptr, flags, kSceneFilter, this);
    if (!m_scenes.lastFolder().IsEmpty())
        dialog.SetInitialDir(m_scenes.lastFolder());
    if (dialog.DoModal() != IDOK)
        return FALSE;
    *path = dialog.GetPathName();
    return TRUE;
}

BOOL CTzCtrl::saveSceneAs()
{
    CString path;
    if (!askScenePath(FALSE, &path))
        return FALSE;
    m_scenes.rememberFolder(path);
    return saveScene(path);
}

BOOL CTzCtrl::loadSceneAs()
{
    CString path;
    if (!askScenePath(TRUE, &path))
        return FALSE;
    m_scenes.rememberFolder(path);
    return loadScene(path, TRUE);
}

BOOL CTzCtrl::saveScene(LPCSTR path) { return m_scenes.saveScene(path); }

BOOL CTzCtrl::loadScene(LPCSTR path, BOOL send) { return m_scenes.loadScene(path, send); }

void CTzCtrl::newScene() { m_scenes.newScene(); }

void CTzCtrl::resetScene() { m_scenes.resetScene(); }

void CTzCtrl::loadAtStartup() { m_scenes.loadAtStartup(); }

BOOL CTzCtrl::storePreset(int n)
{
    CSceneRestoreCommand store(m_wall.cells(), true, n);
    if (runWithProgress(store) == RUN_OK)
        return TRUE;
    ShowCommandMessage(store.Message(), MB_OK);
    return FALSE;
}
