#include "app/core/command/DeviceCommand.h"

#include "app/core/command/CommandConfig.h"
#include "app/core/command/CommandState.h"
#include "app/core/command/DeviceLinkHolder.h"
#include "app/core/wall/Cell.h"
#include "comm/Comm.h"
#include "fx/core/Exception.h"

DeviceCommand::DeviceCommand(LPCSTR lpszTitle, CCell* pTarget)
    : m_pTarget(pTarget), m_nBoard(0), m_nResult(0), m_strTitle(lpszTitle), m_bCounted(false)
{
}

int DeviceCommand::Execute()
{
    try {
        return Send() ? 1 : 0;
    } catch (CException* e) {
        e->Delete();
    } catch (...) {
        // Anything else thrown across the link boundary is a communication failure just the same.
    }
    m_strMessage = "通讯发生异常";
    return 0;
}

bool DeviceCommand::checkResult()
{
    if (m_nResult == 0)
        return true;
    ComposeMessage(m_strMessage, m_nResult);
    return false;
}

LPCSTR DeviceCommand::ResultText(int nResult)
{
    switch (nResult) {
    case COMM_OK: return "操作成功";
    case COMM_NOT_CONNECTED: return "未联机";
    case COMM_OPEN_FAILED: return "打开串口设备失败";
    case COMM_FAILED: return "通讯失败";
    default: return "发生未知错误";
    }
}

void DeviceCommand::ComposeMessage(CString& strMessage, int nResult)
{
    if (!strMessage.IsEmpty())
        strMessage += "\n";
    strMessage += ResultText(nResult);
    // The code goes as the unsigned 16-bit-wide hex the operator is told to report.
    strMessage.AppendFormat(";\n错误码:0X%04X", static_cast<unsigned>(nResult));
}

int DeviceCommand::Call(const std::function<int(CComm&)>& op)
{
    CComm* pComm = deviceLink();
    m_nResult = pComm ? op(*pComm) : COMM_NOT_CONNECTED;
    if (m_bCounted && pComm)
        ++g_nCommandCount;
    return m_nResult;
}

int DeviceCommand::Dispatch(const std::function<int(CComm&, int nBoard, bool bPip)>& op)
{
    CCell* pCell = m_pTarget;
    if (!pCell)
        return 0;
    if (pCell->isMpd()) {
        m_nBoard = 1;
        Call([&](CComm& c) { return op(c, m_nBoard, false); });
        return checkResult() ? 1 : 0;
    }
    switch (pCell->getKind()) {
    case CELL_KIND_PLAIN:
        m_nBoard = PanelBoard(*pCell);
        Call([&](CComm& c) { return op(c, m_nBoard, false); });
        break;
    case CELL_KIND_COMBINED:
        for (CCell* pMember : static_cast<CCombineCell*>(pCell)->members()) {
            m_nBoard = PanelBoard(*pMember);
            if (Call([&](CComm& c) { return op(c, m_nBoard, false); }) != 0)
                break;
        }
        break;
    case CELL_KIND_PIP:
        m_nBoard = pCell->number();
        Call([&](CComm& c) { return op(c, m_nBoard, true); });
        break;
    default:
        return 0;
    }
    return checkResult() ? 1 : 0;
}

int DeviceCommand::RunNested(DeviceCommand& command)
{
    const int nOk = command.Execute();
    if (!nOk)
        m_strMessage = command.Message();
    return nOk;
}

int PanelBoard(const CCell& cell)
{
    return cell.number() + CommandConfig::Current().MpdCount();
}
