#include "app/core/preset/PresetRecall.h"

#include "app/core/command/CommandRunner.h"
#include "app/core/command/CommandState.h"
#include "app/core/command/DeviceCommands.h"

BOOL recallPreset(int n)
{
    CCallPresetCommand recall(n);
    if (runWithProgress(recall) == RUN_OK)
        return TRUE;
    ShowCommandMessage(recall.Message(), MB_OK);
    return FALSE;
}

int PresetCycle::start(int first, int last)
{
    m_nFirst = first;
    m_nLast = last < first ? first : last;
    m_nCurrent = first;
    return m_nCurrent;
}

int PresetCycle::next()
{
    if (m_nCurrent < 0)
        return -1;
    m_nCurrent = m_nCurrent >= m_nLast ? m_nFirst : m_nCurrent + 1;
    return m_nCurrent;
}
