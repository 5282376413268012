#include "app/core/command/PipCommands.h"

#include "app/core/command/CommandConfig.h"
#include "app/core/wall/Cell.h"
#include "app/core/wall/WallServices.h"
#include "comm/Comm.h"

#include <algorithm>

CPipSwitchCommand::CPipSwitchCommand(int nWindow, bool bOn)
    : DeviceCommand(bOn ? "开PIP" : "关PIP"), m_bOn(bOn)
{
    m_nBoard = nWindow;
    SetCounted(true);
}

int CPipSwitchCommand::Send()
{
    Call([&](CComm& c) { return c.SetPip(m_nBoard, 0, m_bOn ? 1 : 0, 0x55, 0x55, 0x55); });
    return 1;
}

CPipSizeCommand::CPipSizeCommand(int nWindow, int nWidth, int nHeight)
    : DeviceCommand("PIP大小"), m_nWidth(nWidth), m_nHeight(nHeight)
{
    m_nBoard = nWindow;
    SetCounted(true);
}

void CPipSizeCommand::Limit(int* pWidth, int* pHeight)
{
    int outW = 0;
    int outH = 0;
    CommandConfig::Current().MpdPixelSize(&outW, &outH);
    *pWidth = std::min(std::max(*pWidth, MIN_PIP_SIZE), outW);
    *pHeight = std::min(std::max(*pHeight, MIN_PIP_SIZE), outH);
}

int CPipSizeCommand::Send()
{
    int w = m_nWidth;
    int h = m_nHeight;
    Limit(&w, &h);
    Call([&](CComm& c) {
        return c.SetPip(m_nBoard, 2, (w >> 8) & 0xFF, w & 0xFF, (h >> 8) & 0xFF, h & 0xFF);
    });
    return checkResult();
}

CPipPositionCommand::CPipPositionCommand(int nWindow, int nX, int nY, int nWidth, int nHeight)
    : DeviceCommand("PIP位置"), m_nX(nX), m_nY(nY), m_nWidth(nWidth), m_nHeight(nHeight)
{
    m_nBoard = nWindow;
    SetCounted(true);
}

int CPipPositionCommand::Send()
{
    int outW = 0;
    int outH = 0;
    CommandConfig::Current().MpdPixelSize(&outW, &outH);
    // The window has the size the size command sent; an unlimited width larger than the output
    // would push x below 0, which the device would read as a huge 16-bit position.
    int w = m_nWidth;
    int h = m_nHeight;
    CPipSizeCommand::Limit(&w, &h);
    int x = m_nX;
    int y = m_nY;
    if (x + w > outW)
        x = outW - w;
    if (y + h > outH)
        y = outH - h;
    Call([&](CComm& c) {
        return c.SetPip(m_nBoard, 1, (x >> 8) & 0xFF, x & 0xFF, (y >> 8) & 0xFF, y & 0xFF);
    });
    return checkResult();
}

int SendPipGeometry(int nWindow, int nX, int nY, int nWidth, int nHeight, CString* pMessage)
{
    CPipSizeCommand size(nWindow, nWidth, nHeight);
    int ok = size.Execute();
    if (!ok && pMessage)
        *pMessage = size.Message();
    CPipPositionCommand position(nWindow, nX, nY, nWidth, nHeight);
    if (!position.Execute()) {
        if (ok && pMessage)
            *pMessage = position.Message();
        ok = 0;
    }
    return ok ? 1 : 0;
}

CPipTransparencyCommand::CPipTransparencyCommand(int nWindow, int nLevel)
    : DeviceCommand("设置PIP透明度"), m_nLevel(nLevel)
{
    m_nBoard = nWindow;
    SetCounted(true);
}

int CPipTransparencyCommand::Send()
{
    Call([&](CComm& c) { return c.SetPip(m_nBoard, 3, m_nLevel, 0x55, 0x55, 0x55); });
    return 1;
}

namespace {

// Stands in for the installed wall services while a fine adjustment runs: everything goes to them
// except the window geometry, which the adjusting command sends itself so that it learns the
// device's answer.
class GeometryCapture : public WallServices {
public:
    GeometryCapture(WallServices* pNext, CPipFineAdjustCommand& command)
        : m_pNext(pNext), m_command(command) {}

    int mpdCount() const override
    {
        return m_pNext ? m_pNext->mpdCount() : CommandConfig::Current().MpdCount();
    }
    void subGrid(int* rows, int* columns) const override
    {
        if (m_pNext) {
            m_pNext->subGrid(rows, columns);
        } else {
            *rows = 0;
            *columns = 0;
        }
    }
    void mpdPixelSize(int* width, int* height) const override
    {
        if (m_pNext)
            m_pNext->mpdPixelSize(width, height);
        else
            CommandConfig::Current().MpdPixelSize(width, height);
    }
    CString matrixInputName(int inputType, int inputNo) const override
    {
        return m_pNext ? m_pNext->matrixInputName(inputType, inputNo) : CString();
    }
    int openPip(CPIPCell& pip, CString* message) override
    {
        return m_pNext ? m_pNext->openPip(pip, message) : WALL_RUN_FAILED;
    }
    int closePip(CPIPCell& pip, CString* message) override
    {
        return m_pNext ? m_pNext->closePip(pip, message) : WALL_RUN_FAILED;
    }
    void sendPipGeometry(int number, int x, int y, int width, int height) override
    {
        m_command.SendGeometry(number, x, y, width, height);
    }
    int decompose(CCombineCell& cell, CString* message) override
    {
        return m_pNext ? m_pNext->decompose(cell, message) : WALL_RUN_FAILED;
    }
    void showMessage(LPCSTR text) override
    {
        if (m_pNext)
            m_pNext->showMessage(text);
    }

private:
    WallServices* m_pNext;
    CPipFineAdjustCommand& m_command;
};

}  // namespace

CPipFineAdjustCommand::CPipFineAdjustCommand(CPIPCell* pWindow, int nHow, int nStep)
    : DeviceCommand(nHow <= CPIPCell::MOVE_DOWN ? "位置微调" : "PIP大小微调", pWindow),
      m_nHow(nHow), m_nStep(nStep), m_nGeometryOk(1)
{
}

void CPipFineAdjustCommand::SendGeometry(int nWindow, int nX, int nY, int nWidth, int nHeight)
{
    m_nBoard = nWindow;
    CString message;
    if (!SendPipGeometry(nWindow, nX, nY, nWidth, nHeight, &message)) {
        m_nGeometryOk = 0;
        m_strMessage = message;
    }
}

int CPipFineAdjustCommand::Send()
{
    if (!m_pTarget || m_pTarget->getKind() != CELL_KIND_PIP)
        return 0;
    m_nGeometryOk = 1;
    GeometryCapture capture(WallServices::current(), *this);
    ScopedWallServices scope(&capture);
    static_cast<CPIPCell*>(m_pTarget)->fineAdjust(static_cast<CPIPCell::Adjust>(m_nHow), m_nStep);
    return m_nGeometryOk;
}
