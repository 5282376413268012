// CPresetSceneDlg (Windows only): the preset-scene panel, dialog template 131 ("拼接视图"), the
// twenty preset buttons below the wall view. A click on a button opens the popup "btnpop" of
// menu 130 at the button's bottom-right corner; its commands run the preset operations of
// PresetScenes on the wall view reached through the page's PresetSceneOps. CPresetRenameDlg is
// the rename dialog (template 175). Both are skinned dialogs of the library; their buttons and
// edit field are the library's skinned controls.
#pragma once

#include "app/core/preset/PresetScenes.h"
#include "fx/win/Menu.h"
#include "skin/ctrl/Dialog.h"

// The operator through the application's message boxes.
class MessageBoxPrompts : public PresetPrompts {
public:
    BOOL ask(LPCSTR question) override;
    void tell(LPCSTR text, UINT type) override;
};

class CPresetRenameDlg : public CLuDialog {
public:
    CPresetRenameDlg(PresetScenes& presets, int n, CWnd* pParent);

    // The accepted caption (after IDOK).
    const CString& NewName() const { return m_strName; }

protected:
    BOOL OnInitDialog() override;
    // An empty name is refused and the dialog stays open.
    void OnOK() override;

private:
    PresetScenes& m_presets;
    int m_nPreset;
    CString m_strName;
};

class CPresetSceneDlg : public CLuDialog {
public:
    // ops: the wall view's three operations, as the page gives them.
    explicit CPresetSceneDlg(PresetSceneOps& ops, CWnd* pParent = nullptr);
    // The same with the program folder and the operator given (tests).
    CPresetSceneDlg(PresetSceneOps& ops, PresetPrompts& prompts, const CString& programDir,
                    CWnd* pParent = nullptr);

    // The modeless panel inside its parent.
    BOOL Create(CWnd* pParent);

    // The logged-in operator's role (PresetScenes::kUserRole, kAdministratorRole).
    void SetRole(int role) { m_presets.setRole(role); }
    PresetScenes& Presets() { return m_presets; }

    // The preset whose button was clicked last (its slot is 20 + n), -1 before any click.
    int ClickedPreset() const { return m_nClicked; }
    // Loads menu 130 and builds "btnpop" for preset n (no 删除 where the role forbids it).
    BOOL BuildPresetMenu(CMenu& menu, int n) const;

protected:
    BOOL OnInitDialog() override;
    // Shows the built popup at a screen point (the menu building stays apart from tracking).
    virtual void TrackPresetMenu(CMenu& popup, CPoint screen);
    // Enter and Escape belong to the page, not to this panel.
    void OnOK() override {}
    void OnCancel() override {}

    void OnPresetButton(UINT nID);
    void OnLoad();
    void OnSaveAndSend();
    void OnDelete();
    void OnRename();

    DECLARE_MESSAGE_MAP()

private:
    MessageBoxPrompts m_defaultPrompts;
    PresetScenes m_presets;
    int m_nClicked;
    UINT m_nClickedControl;
};
