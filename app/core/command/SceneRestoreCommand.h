// "恢复场景" / "存储预设场景": sends a whole wall to the processor, each step as its own command
// run directly. Storing brackets the scene with RecordPreset and warns when the scene needs more
// commands than the device keeps for one preset.
#pragma once

#include "app/core/command/DeviceCommand.h"

class CCellList;

class CSceneRestoreCommand : public DeviceCommand {
public:
    // The wall's top-level cell list (kept by reference: the wall outlives the command). With
    // bStore set, the scene is stored as preset nPreset.
    CSceneRestoreCommand(const CCellList& cells, bool bStore = false, int nPreset = 0);

protected:
    int Send() override;

private:
    // One top-level cell; 0 when a step that ends the restore failed (message taken).
    int RestoreCell(CCell& cell);
    // The PIP windows of an MPD region: their results never end the restore.
    void RestorePips(CCell& region);

    const CCellList& m_cells;
    bool m_bStore;
    int m_nPreset;
};
