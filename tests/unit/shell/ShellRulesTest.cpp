// Login rules, the command-line shortcut, status pane texts, the serial-port acceptance rule,
// the communication dialog's confirm rule and wheel distances.
#include "app/shell/CommSettingsDlg.h"
#include "app/shell/LoginRules.h"
#include "app/shell/ScrollDialog.h"
#include "app/shell/SerialPorts.h"
#include "app/shell/ShellState.h"
#include "app/shell/StatusText.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

std::vector<CString> Args(std::initializer_list<const char*> list)
{
    std::vector<CString> args;
    for (const char* a : list)
        args.emplace_back(a);
    return args;
}

bool Accept(const char* data, DWORD size, int* port)
{
    return AcceptSerialPortData(reinterpret_cast<const BYTE*>(data), size, port);
}

}  // namespace

TEST(ShellLogin, AdministratorNeedsItsPasswordAndUserAnEmptyOne)
{
    EXPECT_EQ(CheckLogin("Administrator", "807162"), ROLE_ADMINISTRATOR);
    EXPECT_EQ(CheckLogin("Administrator", ""), -1);
    EXPECT_EQ(CheckLogin("Administrator", "8071620"), -1);
    EXPECT_EQ(CheckLogin("User", ""), ROLE_USER);
    EXPECT_EQ(CheckLogin("User", "807162"), -1);
    EXPECT_EQ(CheckLogin("User", " "), -1);
    EXPECT_EQ(CheckLogin("administrator", "807162"), -1);
    EXPECT_EQ(CheckLogin("", ""), -1);
}

TEST(ShellLogin, CommandLineSkipsTheDialogOnlyForTheExactAdministrator)
{
    EXPECT_TRUE(IsAdministratorCommandLine(Args({"TaveloPro.exe", "Administrator", "807162"})));
    EXPECT_TRUE(IsAdministratorCommandLine(Args({"TaveloPro.exe", "Administrator", "807162", "extra"})));
    EXPECT_FALSE(IsAdministratorCommandLine(Args({"TaveloPro.exe", "Administrator"})));
    EXPECT_FALSE(IsAdministratorCommandLine(Args({"TaveloPro.exe", "ADMINISTRATOR", "807162"})));
    EXPECT_FALSE(IsAdministratorCommandLine(Args({"TaveloPro.exe", "User", ""})));
    EXPECT_FALSE(IsAdministratorCommandLine(Args({"TaveloPro.exe"})));
    EXPECT_FALSE(IsAdministratorCommandLine(Args({})));
}

TEST(ShellStatus, WallPaneNamesCountWallAndResolution)
{
    SystemConfig config;
    config.mpdCount = 4;
    config.wallColumns = 1;
    config.wallRows = 1;
    config.resolution = 6;
    EXPECT_STREQ(FormatWallPane(config), "   MPD区路数为:4.  拼接屏数目:1x1.  分辨率为:1080p");
    config.resolution = 9;
    config.wallColumns = 3;
    EXPECT_STREQ(FormatWallPane(config), "   MPD区路数为:4.  拼接屏数目:3x1.  分辨率为:配置错误");
}

TEST(ShellStatus, LinkPaneConnectsOnlyWithThePortPresentAndOnline)
{
    CommSettings settings;
    settings.commPort = 3;
    settings.baudRate = 57600;
    settings.timeout = 20;
    std::vector<SerialPortEntry> ports(2);
    ports[0].strName = "COM1";
    ports[0].nPort = 1;
    ports[1].strName = "com3";  // listed in lower case: still the same port
    ports[1].nPort = 3;
    EXPECT_STREQ(FormatLinkPane(settings, ports, true), "串口：COM3. 波特率：57600. 超时时间：20. 连接状态：连接");
    EXPECT_STREQ(FormatLinkPane(settings, ports, false), "串口：COM3. 波特率：57600. 超时时间：20. 连接状态：断开");
    settings.commPort = 33;
    EXPECT_STREQ(FormatLinkPane(settings, ports, true), "串口：COM33. 波特率：57600. 超时时间：20. 连接状态：断开");
    EXPECT_STREQ(FormatLinkPane(settings, {}, true), "串口：COM33. 波特率：57600. 超时时间：20. 连接状态：断开");
}

TEST(ShellSerialPorts, AcceptsComWithOneOrTwoDigitsInAnyCase)
{
    int port = -1;
    EXPECT_TRUE(Accept("COM12", 6, &port));
    EXPECT_EQ(port, 12);
    EXPECT_TRUE(Accept("com4", 5, &port));
    EXPECT_EQ(port, 4);
    EXPECT_TRUE(Accept("CoM0", 4, &port));  // no terminator stored
    EXPECT_EQ(port, 0);
    EXPECT_FALSE(Accept("COM123", 7, &port));
    EXPECT_FALSE(Accept("COM1X", 6, &port));
    EXPECT_FALSE(Accept("CON1", 5, &port));
    EXPECT_FALSE(Accept("COMA", 5, &port));
    EXPECT_FALSE(Accept("COM", 4, &port));
    EXPECT_FALSE(Accept("LPT1", 5, &port));
    EXPECT_FALSE(Accept(nullptr, 5, &port));
}

TEST(ShellCommDialog, ConfirmNeedsTimeoutTenToSixtyPortAndBaud)
{
    EXPECT_TRUE(CommConfirmAllowed("10", true, true));
    EXPECT_TRUE(CommConfirmAllowed("60", true, true));
    EXPECT_FALSE(CommConfirmAllowed("9", true, true));
    EXPECT_FALSE(CommConfirmAllowed("61", true, true));
    EXPECT_FALSE(CommConfirmAllowed("", true, true));
    EXPECT_FALSE(CommConfirmAllowed("30", false, true));
    EXPECT_FALSE(CommConfirmAllowed("30", true, false));
    EXPECT_FALSE(CommConfirmAllowed("abc", true, true));
}

TEST(ShellScrollDialog, WheelScrollsLinesCappedAtAPage)
{
    // One notch with three lines of 10 pixels: 30, within the page.
    EXPECT_EQ(CScrollDialog::WheelDistance(120, 3, 10, 100), 30);
    EXPECT_EQ(CScrollDialog::WheelDistance(-120, 3, 10, 100), -30);
    // Never more than a page.
    EXPECT_EQ(CScrollDialog::WheelDistance(480, 3, 10, 100), 100);
    EXPECT_EQ(CScrollDialog::WheelDistance(-480, 3, 10, 100), -100);
    // A page per notch when the system says -1.
    EXPECT_EQ(CScrollDialog::WheelDistance(120, -1, 10, 100), 100);
    EXPECT_EQ(CScrollDialog::WheelDistance(-120, -1, 10, 100), -100);
}
