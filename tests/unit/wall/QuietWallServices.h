// Wall services for code that builds, reads or paints walls with no device behind them (the
// benches, the scene fuzz target): a 4 x 4 sub-grid of 1920 x 1080 panels whose MPD count is
// chosen, matrix inputs named "HDMIn", and every command succeeding without doing anything.
#pragma once

#include "app/core/wall/Cell.h"
#include "app/core/wall/WallServices.h"

class QuietWallServices : public WallServices {
public:
    explicit QuietWallServices(int mpd = 17) : m_mpd(mpd) {}

    int mpdCount() const override { return m_mpd; }
    void subGrid(int* rows, int* columns) const override { *rows = *columns = 4; }
    void mpdPixelSize(int* width, int* height) const override
    {
        *width = 1920;
        *height = 1080;
    }
    CString matrixInputName(int, int n) const override
    {
        CString name;
        name.Format("HDMI%d", n);
        return name;
    }
    int openPip(CPIPCell&, CString*) override { return WALL_RUN_OK; }
    int closePip(CPIPCell&, CString*) override { return WALL_RUN_OK; }
    void sendPipGeometry(int, int, int, int, int) override {}
    int decompose(CCombineCell&, CString*) override { return WALL_RUN_OK; }
    void showMessage(LPCSTR) override {}

private:
    int m_mpd;
};
