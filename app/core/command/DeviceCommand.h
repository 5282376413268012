// DeviceCommand: the program's command object. It knows its target (a wall cell, a board, a
// preset, a date), runs one or more operations of the device link when executed, and keeps the
// last result code and the text shown to the operator when it fails. Commands are local objects
// of the code that handles an operator's action: created, filled in, run by one of the runners
// (CommandRunner.h) and destroyed when the action ends.
#pragma once

#include "fx/core/String.h"

#include <functional>

class CComm;
class CCell;

class DeviceCommand {
public:
    explicit DeviceCommand(LPCSTR lpszTitle, CCell* pTarget = nullptr);
    virtual ~DeviceCommand() = default;
    DeviceCommand(const DeviceCommand&) = delete;
    DeviceCommand& operator=(const DeviceCommand&) = delete;

    // Runs the command: nonzero for success, 0 for failure. An exception escaping the device link
    // (in practice the serial port's, from PurgeInput) fails the command with "通讯发生异常".
    virtual int Execute();

    // True when the last result is 0; otherwise composes the failure message and returns false.
    bool checkResult();

    LPCSTR Title() const { return m_strTitle; }
    CCell* Target() const { return m_pTarget; }
    void SetTarget(CCell* pTarget) { m_pTarget = pTarget; }
    int Board() const { return m_nBoard; }
    int Result() const { return m_nResult; }
    const CString& Message() const { return m_strMessage; }

    // The operator's text of a result code.
    static LPCSTR ResultText(int nResult);
    // Appends the text of nResult and ";\n错误码:0X%04X" to a message, after a line break when the
    // message is not empty.
    static void ComposeMessage(CString& strMessage, int nResult);

protected:
    // The command's own device calls. Runs inside Execute's exception guard.
    virtual int Send() = 0;

    // One device call: op gets the link and returns its result code, which becomes the command's
    // result (1, not connected, when no link is loaded). A counted command adds one to
    // CommandCount per call.
    int Call(const std::function<int(CComm&)>& op);

    // The per-target board dispatch: an MPD region is board 1; a plain cell its number plus the
    // working MPD count; a combined cell each member in turn (the first failure stops and fails);
    // a PIP window its window number, with bPip set. Any other target fails without a call. The
    // last result decides through checkResult.
    int Dispatch(const std::function<int(CComm&, int nBoard, bool bPip)>& op);

    // Runs a command nested in this one on the calling thread; on failure its message becomes
    // this command's message. Returns what its Execute returned.
    int RunNested(DeviceCommand& command);

    void SetCounted(bool bCounted) { m_bCounted = bCounted; }
    void SetMessage(LPCSTR lpszMessage) { m_strMessage = lpszMessage; }

    CCell* m_pTarget;
    int m_nBoard;
    int m_nResult;
    CString m_strMessage;

private:
    CString m_strTitle;
    bool m_bCounted;
};

// Board id of a plain panel (or a combined cell's member): its number plus the working MPD count.
int PanelBoard(const CCell& cell);
