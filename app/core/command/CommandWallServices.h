// The wall model's services as the program provides them: the working configuration through
// CommandConfig, the device commands of its edits through the command layer's runners, and
// message boxes through the command layer's message procedure. Installed at start-up
// (WallServices::install) and by tests that drive the real model against a fake device link.
#pragma once

#include "app/core/wall/WallServices.h"

class CommandWallServices : public WallServices {
public:
    int mpdCount() const override;
    void subGrid(int* rows, int* columns) const override;
    void mpdPixelSize(int* width, int* height) const override;
    CString matrixInputName(int inputType, int inputNo) const override;

    // "开PIP" / "关PIP" and "屏幕分解" through the progress runner.
    int openPip(CPIPCell& pip, CString* message) override;
    int closePip(CPIPCell& pip, CString* message) override;
    int decompose(CCombineCell& cell, CString* message) override;
    // Size, then position, run directly; nothing while offline.
    void sendPipGeometry(int number, int x, int y, int width, int height) override;

    void showMessage(LPCSTR text) override;
};
