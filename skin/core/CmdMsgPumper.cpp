#include "skin/core/CmdMsgPumper.h"

CWnd* CLuCmdMsgPumper::m_pPumpStack = nullptr;

CLuCmdMsgPumper::CLuCmdMsgPumper() = default;

CLuCmdMsgPumper::~CLuCmdMsgPumper() { m_pOwner = nullptr; }

void CLuCmdMsgPumper::InitPumper(CWnd* pOwner) { m_pOwner = pOwner; }

BOOL CLuCmdMsgPumper::Pump(CWnd* pTarget, UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pInfo)
{
    if (pTarget == nullptr || pTarget == m_pPumpStack || (m_pOwner != nullptr && m_pPumpStack == m_pOwner) ||
        !::IsWindow(pTarget->GetSafeHwnd()))
        return FALSE;
    CWnd* pSaved = m_pPumpStack;
    m_pPumpStack = m_pOwner;
    BOOL result = FALSE;
    try {
        result = pTarget->OnCmdMsg(nID, nCode, pExtra, pInfo);
    } catch (...) {
        m_pPumpStack = pSaved;
        throw;
    }
    m_pPumpStack = pSaved;
    return result;
}
