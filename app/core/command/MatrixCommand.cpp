#include "app/core/command/MatrixCommand.h"

#include "app/core/command/CommandConfig.h"
#include "app/core/command/CommandState.h"
#include "app/core/wall/Cell.h"
#include "comm/Comm.h"

namespace {

const int kMpdEntries = 255;   // the MPD outputs follow the 255 driver-board outputs

bool Mapped(int nNumber)
{
    return nNumber >= 1 && nNumber <= 254;
}

}  // namespace

CMatrixSwitchCommand::CMatrixSwitchCommand(CCell* pTarget, int nInput)
    : DeviceCommand("切换矩阵通道", pTarget), m_nInput(nInput)
{
}

int CMatrixSwitchCommand::KindFor(int nInputType)
{
    switch (nInputType) {
    case 2: return MATRIX_VGA;
    case 6: return MATRIX_DVI;
    default: return MATRIX_CVBS;
    }
}

int CMatrixSwitchCommand::MpdOutput(int nKind, int nNumber)
{
    if (!Mapped(nNumber))
        return nNumber;
    return CommandConfig::Current().MatrixPort(nKind, kMpdEntries + nNumber - 1);
}

int CMatrixSwitchCommand::DriverOutput(int nKind, int nNumber)
{
    if (!Mapped(nNumber))
        return nNumber;
    return CommandConfig::Current().MatrixPort(nKind, nNumber - 1);
}

int CMatrixSwitchCommand::Send()
{
    CCell* pCell = m_pTarget;
    if (!pCell)
        return 0;
    const CommandConfig& config = CommandConfig::Current();
    const int kind = KindFor(g_nCurrentInputType);
    const int maker = config.MatrixMaker(kind);
    const int address = config.MatrixAddress(kind);
    auto switchTo = [&](int output) {
        m_nBoard = output;
        return Call([&](CComm& c) { return c.MatrixSwitch(maker, kind, address, output, m_nInput); });
    };
    if (pCell->isMpd()) {
        switchTo(MpdOutput(kind, 1));
        return checkResult();
    }
    switch (pCell->getKind()) {
    case CELL_KIND_PLAIN:
        switchTo(DriverOutput(kind, pCell->number()));
        break;
    case CELL_KIND_PIP:
        switchTo(MpdOutput(kind, pCell->number()));
        break;
    case CELL_KIND_COMBINED:
        for (CCell* pMember : static_cast<CCombineCell*>(pCell)->members())
            if (switchTo(DriverOutput(kind, pMember->number())) != 0)
                break;
        break;
    default:
        return 0;
    }
    return checkResult();
}
