// The wall view control's three operations that the preset panel uses (Windows only): the page
// holds one of these next to the control and hands it to the panel.
#pragma once

#include "app/core/preset/PresetScenes.h"
#include "app/core/view/TzCtrl.h"

class CTzCtrlPresetOps : public PresetSceneOps {
public:
    explicit CTzCtrlPresetOps(CTzCtrl& view) : m_view(view) {}

    BOOL loadScene(LPCSTR path) override { return m_view.loadScene(path, TRUE); }
    BOOL saveScene(LPCSTR path) override { return m_view.saveScene(path); }
    BOOL storePreset(int n) override { return m_view.storePreset(n); }

private:
    CTzCtrl& m_view;
};
