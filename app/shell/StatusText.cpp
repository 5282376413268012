#include "app/shell/StatusText.h"

CString FormatWallPane(const SystemConfig& configured)
{
    CString text;
    text.Format("   MPD区路数为:%d.  拼接屏数目:%dx%d.  分辨率为:%s", configured.mpdCount,
                configured.wallColumns, configured.wallRows,
                static_cast<LPCSTR>(resolutionText(configured.resolution)));
    return text;
}

CString FormatLinkPane(const CommSettings& settings, const std::vector<SerialPortEntry>& ports,
                       bool bOnline)
{
    CString portName;
    portName.Format("COM%d", settings.commPort);
    bool bPresent = false;
    for (const SerialPortEntry& entry : ports) {
        if (entry.strName.CompareNoCase(portName) == 0) {
            bPresent = true;
            break;
        }
    }
    CString text;
    text.Format(bPresent && bOnline ? "串口：COM%d. 波特率：%d. 超时时间：%d. 连接状态：连接"
                                    : "串口：COM%d. 波特率：%d. 超时时间：%d. 连接状态：断开",
                settings.commPort, settings.baudRate, settings.timeout);
    return text;
}
