// A recording stand-in for the program's wall services: configuration values set by the test,
// every command and message the model produces kept as one line of text, and refusals on demand.
#pragma once

#include "app/core/wall/Cell.h"
#include "app/core/wall/WallServices.h"

#include <string>
#include <vector>

class FakeWallServices : public WallServices {
public:
    int mpd = 8;
    int subRows = 0;
    int subColumns = 0;
    int pixelWidth = 1920;
    int pixelHeight = 1080;
    bool refuseOpen = false;
    bool refuseClose = false;
    bool refuseDecompose = false;
    std::vector<std::string> log;

    int mpdCount() const override { return mpd; }
    void subGrid(int* rows, int* columns) const override
    {
        *rows = subRows;
        *columns = subColumns;
    }
    void mpdPixelSize(int* width, int* height) const override
    {
        *width = pixelWidth;
        *height = pixelHeight;
    }
    CString matrixInputName(int inputType, int inputNo) const override
    {
        CString name;
        name.Format("M%d-%d", inputType, inputNo);
        return name;
    }
    int openPip(CPIPCell& pip, CString* message) override
    {
        log.push_back("开PIP " + std::to_string(pip.number()));
        return refusal(refuseOpen, message);
    }
    int closePip(CPIPCell& pip, CString* message) override
    {
        log.push_back("关PIP " + std::to_string(pip.number()));
        return refusal(refuseClose, message);
    }
    void sendPipGeometry(int number, int x, int y, int width, int height) override
    {
        log.push_back("geometry " + std::to_string(number) + " " + std::to_string(x) + " " +
                      std::to_string(y) + " " + std::to_string(width) + " " +
                      std::to_string(height));
    }
    int decompose(CCombineCell& cell, CString* message) override
    {
        log.push_back("屏幕分解 " + std::to_string(cell.members().GetCount()));
        return refusal(refuseDecompose, message);
    }
    void showMessage(LPCSTR text) override { log.push_back(std::string("message ") + text); }

private:
    static int refusal(bool refuse, CString* message)
    {
        if (!refuse)
            return WALL_RUN_OK;
        *message = "通讯失败;\n错误码:0X0003";
        return WALL_RUN_FAILED;
    }
};

// Records the rectangles the wall asks to repaint.
class RecordingSink : public ICellInvalidate {
public:
    std::vector<WallRect> rects;
    void invalidateRect(const WallRect& rc, BOOL) override { rects.push_back(rc); }
};
