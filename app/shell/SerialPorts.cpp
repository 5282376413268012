#include "app/shell/SerialPorts.h"

#include <cstdlib>

namespace {

const char SERIAL_REGISTER[] = "HARDWARE\\DEVICEMAP\\SERIALCOMM";
// Longest accepted data is "COM99" and its terminator; the buffer keeps two bytes to spare, so
// anything longer fails the read instead of being cut.
const DWORD PORT_DATA_BUFFER = 8;

bool IsDigit(BYTE c) { return c >= '0' && c <= '9'; }
bool IsLetter(BYTE c, char upper) { return c == static_cast<BYTE>(upper) || c == static_cast<BYTE>(upper + ('a' - 'A')); }

// Closes the register key on every path out.
class CRegKey {
public:
    explicit CRegKey(HKEY hKey) : m_hKey(hKey) {}
    ~CRegKey() { if (m_hKey) ::RegCloseKey(m_hKey); }
    CRegKey(const CRegKey&) = delete;
    CRegKey& operator=(const CRegKey&) = delete;
    HKEY Get() const { return m_hKey; }

private:
    HKEY m_hKey;
};

}  // namespace

bool AcceptSerialPortData(const BYTE* pData, DWORD nSize, int* pPort)
{
    if (pData == nullptr || nSize < 4 || nSize > 6)
        return false;
    BYTE text[PORT_DATA_BUFFER] = {};
    for (DWORD i = 0; i < nSize; ++i)
        text[i] = pData[i];
    if (!IsLetter(text[0], 'C') || !IsLetter(text[1], 'O') || !IsLetter(text[2], 'M') || !IsDigit(text[3]))
        return false;
    for (int i = 4; i < 6; ++i) {
        if (text[i] != 0 && !IsDigit(text[i]))
            return false;
    }
    if (pPort)
        *pPort = std::atoi(reinterpret_cast<const char*>(text) + 3);
    return true;
}

int enumerateSerialPorts(std::vector<SerialPortEntry>& ports)
{
    ports.clear();
    HKEY hOpened = nullptr;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, SERIAL_REGISTER, 0, KEY_READ, &hOpened) != ERROR_SUCCESS)
        return 0;
    CRegKey key(hOpened);
    DWORD nValues = 0;
    DWORD nLongestName = 0;
    if (::RegQueryInfoKeyA(key.Get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &nValues,
                           &nLongestName, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
        return 0;
    std::vector<char> name(nLongestName + 1);
    for (DWORD i = 0; i < nValues; ++i) {
        DWORD nNameLength = static_cast<DWORD>(name.size());
        BYTE data[PORT_DATA_BUFFER] = {};
        DWORD nDataSize = sizeof(data) - 2;
        DWORD nType = 0;
        const LONG result = ::RegEnumValueA(key.Get(), i, name.data(), &nNameLength, nullptr, &nType,
                                            data, &nDataSize);
        if (result != ERROR_SUCCESS)
            continue;  // unreadable name or data longer than any accepted port name
        int nPort = 0;
        if (!AcceptSerialPortData(data, nDataSize, &nPort))
            continue;
        SerialPortEntry entry;
        entry.strName = reinterpret_cast<const char*>(data);
        entry.nPort = nPort;
        ports.push_back(entry);
    }
    return 1;
}
