#include "app/core/preset/PresetScenes.h"

#include "app/core/preset/PresetFiles.h"
#include "app/core/profile/ProfilePaths.h"
#include "app/core/profile/ProfileState.h"
#include "app/core/profile/ProfileStore.h"
#include "app/res/WallViewRes.h"
#include "fx/core/Exception.h"

const UINT kPresetButtonIds[kPresetCount] = {
    IDC_PRESET_0,  IDC_PRESET_1,  IDC_PRESET_2,  IDC_PRESET_3,  IDC_PRESET_4,
    IDC_PRESET_5,  IDC_PRESET_6,  IDC_PRESET_7,  IDC_PRESET_8,  IDC_PRESET_9,
    IDC_PRESET_10, IDC_PRESET_11, IDC_PRESET_12, IDC_PRESET_13, IDC_PRESET_14,
    IDC_PRESET_15, IDC_PRESET_16, IDC_PRESET_17, IDC_PRESET_18, IDC_PRESET_19,
};

namespace {

CString insideModeFolder(const CString& programDir)
{
    CString folder;
    folder.Format("%s\\insidemode", programDir.GetString());
    ensureFolder(folder);
    return folder;
}

}  // namespace

int presetOfButton(UINT nID)
{
    for (int n = 0; n < kPresetCount; ++n)
        if (kPresetButtonIds[n] == nID)
            return n;
    return -1;
}

CString presetScenePath(const CString& programDir, int n)
{
    insideModeFolder(programDir);
    CString path;
    path.Format("%s\\insidemode\\tzinsidemode%0d.%s", programDir.GetString(), kPresetSlotBase + n,
                "tzs");
    return path;
}

CString presetThumbnailPath(const CString& programDir, int rows, int columns, int n)
{
    insideModeFolder(programDir);
    CString wall;
    wall.Format("%dX%d", rows, columns);
    CString path;
    path.Format("%s\\insidemode\\tzinsidemode%s-%0d.bmp", programDir.GetString(), wall.GetString(),
                kPresetSlotBase + n);
    return path;
}

PresetScenes::PresetScenes(PresetSceneOps& ops, PresetPrompts& prompts, const CString& programDir)
    : m_ops(ops), m_prompts(prompts), m_strProgramDir(programDir), m_nRole(kUserRole)
{
}

BOOL PresetScenes::offersDelete(int n) const
{
    return m_nRole != kUserRole || n > kLastProtectedPreset;
}

CString PresetScenes::caption(int n)
{
    CString text;
    ProfileStore().readPresetCaption(n, text);
    return text;
}

CString PresetScenes::thumbnailPath(int n) const
{
    const SystemConfig& configured = configuredSystem();
    return presetThumbnailPath(m_strProgramDir, configured.wallRows, configured.wallColumns, n);
}

void PresetScenes::load(int n)
{
    const CString path = scenePath(n);
    if (pathExists(path))
        m_ops.loadScene(path);
    else
        m_prompts.tell("未存储该预设场景!", MB_ICONEXCLAMATION);  // the warning icon
}

void PresetScenes::saveAndSend(int n)
{
    CString question;
    question.Format("确定要发送[预设场景%d]吗?", n);
    if (!m_prompts.ask(question))
        return;
    const CString path = scenePath(n);
    if (pathExists(path) && !m_prompts.ask("该预设场景已经存在,是否覆盖?"))
        return;
    // The scene operations report their own failures (the save its message, the store the
    // device's answer); success is claimed only when both worked.
    const BOOL saved = m_ops.saveScene(path);
    const BOOL stored = m_ops.storePreset(n);
    if (saved && stored)
        m_prompts.tell("保存并发送预设场景成功!", MB_OK);
}

void PresetScenes::remove(int n)
{
    if (!offersDelete(n))
        return;
    const CString path = scenePath(n);
    if (pathExists(path) && !m_prompts.ask("确定要删除该预设场景吗?"))
        return;
    // Either file may be missing; the other goes all the same.
    removePresetFile(path);
    removePresetFile(thumbnailPath(n));
}

BOOL PresetScenes::rename(int n, LPCSTR newCaption)
{
    if (newCaption == nullptr || *newCaption == '\0') {
        m_prompts.tell("名称不能为空", MB_OK);
        return FALSE;
    }
    ProfileStore().writePresetCaption(n, newCaption);
    return TRUE;
}
