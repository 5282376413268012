// Resource ids of the system settings (166) and factory settings (220) dialogs, and the prompt
// the dialog data exchange shows for a date it cannot take.
#pragma once

// The date pickers' refusal (dialog data exchange), and the year rule of the clock.
#define IDS_DATETIME_INVALID 61446

// System settings dialog "系统设置".
#define IDD_SYSTEM 166
#define IDC_SYS_CLOCK_OFF 1015           // 关闭实时时钟
#define IDC_SYS_CLOCK_ON 1016            // 设置实时时钟
#define IDC_SYS_CLOCK_DATE 1099
#define IDC_SYS_CLOCK_TIME 1101
#define IDC_SYS_CLOCK_SEND 1005
#define IDC_SYS_POWEROFF_OFF 1017        // 关闭定时关机
#define IDC_SYS_POWEROFF_ON 1019         // 每天定时关机时间
#define IDC_SYS_POWEROFF_DATE 1100       // hidden
#define IDC_SYS_POWEROFF_TIME 1102
#define IDC_SYS_POWEROFF_SEND 1006
#define IDC_SYS_POWERON_OFF 1020         // 关闭定时开机
#define IDC_SYS_POWERON_ON 1021          // 每天定时开机时间
#define IDC_SYS_POWERON_DATE 1103        // hidden
#define IDC_SYS_POWERON_TIME 1104
#define IDC_SYS_POWERON_SEND 1008
#define IDC_SYS_PRESET 1106              // 选择预设场景：
#define IDC_SYS_PRESET_SEND 1003         // 发送(&S)
#define IDC_SYS_CYCLE_FIRST 1010         // 定时发送预设场景：
#define IDC_SYS_CYCLE_LAST 1011          // 至
#define IDC_SYS_CYCLE_INTERVAL 1121      // (秒), editable
#define IDC_SYS_CYCLE_SEND 1004          // 发送 / 停止
#define IDC_SYS_DEMO_GROUP 1310          // hidden group 高清底图演示
#define IDC_SYS_DEMO_LABEL 1311
#define IDC_SYS_DEMO_ON 32874            // 开
#define IDC_SYS_DEMO_OFF 32875           // 关
#define IDC_SYS_DEMO_PERIOD 32888        // 定时演示：
#define IDC_SYS_DEMO_SEND 32876          // 发送 / 关闭

// Factory settings dialog "工厂设置".
#define IDD_FACTORY 220
#define IDC_FAC_WIDTH 1008               // 屏宽
#define IDC_FAC_HEIGHT 32817             // 屏高
#define IDC_FAC_LEFT 32818               // 左边缘宽
#define IDC_FAC_RIGHT 32819              // 右边缘宽
#define IDC_FAC_TOP 32820                // 上边缘宽
#define IDC_FAC_BOTTOM 32821             // 下边缘宽
#define IDC_FAC_BOARD_FROM 32823         // DRV板号：
#define IDC_FAC_BOARD_TO 32824           // 至
#define IDC_FAC_SEND 1120                // 保存并发送
#define IDC_FAC_MONITOR 1006             // 监控场景
#define IDC_FAC_NATURAL 1007             // 自然场景
#define IDC_FAC_OTHER_GROUP 1320         // hidden group 其它设置 and its labels
#define IDC_FAC_DRV_LABEL 1321
#define IDC_FAC_MPD_LABEL 1322
#define IDC_FAC_SUBTITLE_LABEL 1323
#define IDC_FAC_DRV_RESOLUTION 1010      // DRV板卡分辨率
#define IDC_FAC_MPD_RESOLUTION 1011      // MPD板卡分辨率
#define IDC_FAC_SUBTITLE_SOURCE 32829    // 字幕信号源
#define IDC_FAC_DRV_SEND 32658
#define IDC_FAC_MPD_SEND 32659
#define IDC_FAC_SUBTITLE_SEND 32655
