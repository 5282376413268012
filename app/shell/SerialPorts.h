// The machine's serial ports, as the system lists them under
// HKEY_LOCAL_MACHINE\HARDWARE\DEVICEMAP\SERIALCOMM (value data: the device name, "COM3").
#pragma once

#include "app/shell/StatusText.h"

#include <windows.h>

#include <vector>

// Whether one value's data names a port this program can use: 4 to 6 bytes, "COM" in any
// letter case, a digit, then at most one more digit (COM0 ... COM99). *pPort receives the number.
bool AcceptSerialPortData(const BYTE* pData, DWORD nSize, int* pPort);

// Clears the list and fills it in the register's order: 1 when the register could be read,
// 0 otherwise (the list then stays empty).
int enumerateSerialPorts(std::vector<SerialPortEntry>& ports);
