// Preset scenes: the twenty scenes the processor keeps, mirrored as scene files in the insidemode
// folder beside the program. This is the preset panel's logic without its window: the file names,
// the button captions of button.ini, and the four operations of a preset button's menu (load,
// save and send, delete, rename) with their questions and messages in order. The panel's window
// (CPresetSceneDlg) asks the operator through PresetPrompts and reaches the wall view through
// PresetSceneOps, which the page hands it.
#pragma once

#include "fx/core/Exception.h"  // MB_OK and MB_ICONEXCLAMATION on the native build
#include "fx/core/String.h"

const int kPresetCount = 20;
// Preset n is slot 20 + n; the slot names its files.
const int kPresetSlotBase = 20;

// Control ids of the preset buttons, in preset order (two rows of ten).
extern const UINT kPresetButtonIds[kPresetCount];
// The preset a button id belongs to, or -1.
int presetOfButton(UINT nID);

// "<dir>\insidemode\tzinsidemode<slot>.tzs"; the folder is created when missing.
CString presetScenePath(const CString& programDir, int n);
// "<dir>\insidemode\tzinsidemode<rows>X<columns>-<slot>.bmp"; the folder is created when missing.
CString presetThumbnailPath(const CString& programDir, int rows, int columns, int n);

// The three operations of the wall view that presets use, in this order.
class PresetSceneOps {
public:
    // Loads the scene file and restores it to the device.
    virtual BOOL loadScene(LPCSTR path) = 0;
    virtual BOOL saveScene(LPCSTR path) = 0;
    // Sends the whole wall to the device as preset n.
    virtual BOOL storePreset(int n) = 0;

protected:
    ~PresetSceneOps() = default;
};

// The operator: questions answered with OK or Cancel, and messages.
class PresetPrompts {
public:
    // OK/Cancel with the question icon; TRUE for OK.
    virtual BOOL ask(LPCSTR question) = 0;
    // A message box of the given type (MB_OK, MB_ICONEXCLAMATION ...).
    virtual void tell(LPCSTR text, UINT type) = 0;

protected:
    ~PresetPrompts() = default;
};

class PresetScenes {
public:
    // The logged-in operator's role, as the login sets it.
    static const int kUserRole = 0;
    static const int kAdministratorRole = 1;
    // A User may not delete the first nine presets (0 .. 8).
    static const int kLastProtectedPreset = 8;

    PresetScenes(PresetSceneOps& ops, PresetPrompts& prompts, const CString& programDir);
    PresetScenes(const PresetScenes&) = delete;
    PresetScenes& operator=(const PresetScenes&) = delete;

    void setRole(int role) { m_nRole = role; }
    int role() const { return m_nRole; }
    // Whether the delete command is offered (and done) for preset n.
    BOOL offersDelete(int n) const;

    // The caption of preset n from button.ini (its number without one).
    static CString caption(int n);

    // "加载": restores the preset's scene file, or warns that there is none.
    void load(int n);
    // "保存并发送预设场景": asks, asks again before overwriting, saves the scene file, stores the
    // preset in the device, and reports success only when both worked.
    void saveAndSend(int n);
    // "删除": the scene file and its thumbnail, after asking when the file exists. Nothing is sent.
    void remove(int n);
    // "重命名": an empty caption is refused with "名称不能为空" (FALSE); otherwise button.ini
    // takes it.
    BOOL rename(int n, LPCSTR newCaption);

    CString scenePath(int n) const { return presetScenePath(m_strProgramDir, n); }
    CString thumbnailPath(int n) const;

private:
    PresetSceneOps& m_ops;
    PresetPrompts& m_prompts;
    CString m_strProgramDir;
    int m_nRole;
};
