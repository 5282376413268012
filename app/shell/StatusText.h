// The texts of the main frame's two status panes: the configured wall in pane 0 and the link
// settings with the connection state in pane 1.
#pragma once

#include "app/core/profile/ProfileRecords.h"
#include "fx/core/String.h"

#include <vector>

// One serial port of the machine: its device name as the system lists it and its number.
struct SerialPortEntry {
    CString strName;
    int nPort = 0;
};

// "   MPD区路数为:%d.  拼接屏数目:%dx%d.  分辨率为:%s" for the configured copy.
CString FormatWallPane(const SystemConfig& configured);

// "串口：COM%d. 波特率：%d. 超时时间：%d. 连接状态：连接" when a present port's name equals
// "COM<port>" (any letter case) and the link is online, else the same ending in 断开.
CString FormatLinkPane(const CommSettings& settings, const std::vector<SerialPortEntry>& ports,
                       bool bOnline);
