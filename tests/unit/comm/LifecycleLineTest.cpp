// Connect, Reconnect, Disconnect and Release with the profile's settings and their clamps, and
// what each leaves behind for the commands that follow.
#include "tests/unit/comm/SerialLinkFixture.h"

#include "comm/CommState.h"
#include "fx/seam/Win32Seam.h"

namespace {

CSerialComm* Impl(CComm* comm)
{
    return dynamic_cast<CSerialComm*>(comm);
}

TEST_F(SerialLink, CreateCommHandsOutOneObject)
{
    EXPECT_EQ(comm_, CreateComm());
    EXPECT_EQ(comm_, CreateComm());
}

TEST_F(SerialLink, ProfileValuesAndClamps)
{
    CPortChannel& channel = Impl(comm_)->Channel();
    EXPECT_EQ(peer_.Com(), channel.Port());
    EXPECT_EQ(10, channel.Timeout());
    EXPECT_EQ(9600u, channel.BaudRate());

    WriteProfile(peer_.Com(), 75, 115200, 1);
    ASSERT_EQ(COMM_OK, comm_->Reconnect(profileDir_.c_str()));
    EXPECT_EQ(60, channel.Timeout());
    EXPECT_EQ(115200u, channel.BaudRate());
    EXPECT_EQ(profileDir_, Impl(comm_)->ProfileDirectory());

    WriteProfile(peer_.Com(), 5, 9600, 1);
    ASSERT_EQ(COMM_OK, comm_->Reconnect(profileDir_.c_str()));
    EXPECT_EQ(10, channel.Timeout());

    WriteProfile(peer_.Com(), -1, 9600, 1);  // no "timeout" key
    ASSERT_EQ(COMM_OK, comm_->Reconnect(profileDir_.c_str()));
    EXPECT_EQ(10, channel.Timeout());

    WriteProfile(peer_.Com(), 60, 19200, 1);
    ASSERT_EQ(COMM_OK, comm_->Reconnect(profileDir_.c_str()));
    EXPECT_EQ(60, channel.Timeout());
    EXPECT_EQ(19200u, channel.BaudRate());
}

TEST_F(SerialLink, ConnectWhileOpenKeepsThePortReconnectReopens)
{
    // A profile naming a port that does not exist: Connect stores it but keeps the open port.
    WriteProfile(998, 10, 9600, 1);
    EXPECT_EQ(COMM_OK, comm_->Connect(profileDir_.c_str()));
    EXPECT_EQ(998, Impl(comm_)->Channel().Port());
    ASSERT_EQ(COMM_OK, comm_->SetPower(0));
    ExpectLine(Sealed("00 00 00 55 55 55 55 55 55"));
    // Reconnect reopens with it, fails, and the link is then offline.
    EXPECT_EQ(COMM_OPEN_FAILED, comm_->Reconnect(profileDir_.c_str()));
    EXPECT_EQ(COMM_NOT_CONNECTED, comm_->SetPower(0));
    WriteProfile(peer_.Com(), 10, 9600, 1);
    EXPECT_EQ(COMM_OK, comm_->Reconnect(profileDir_.c_str()));
    peer_.Reset();
    EXPECT_EQ(COMM_OK, comm_->SetPower(1));
    ExpectLine(Sealed("00 00 01 55 55 55 55 55 55"));
}

TEST_F(SerialLink, MissingProfileMeansPort999AndNoConnection)
{
    ASSERT_EQ(COMM_OK, comm_->Disconnect());
    const std::string empty = profileDir_ + "_none";
    EXPECT_EQ(COMM_OPEN_FAILED, comm_->Connect(empty.c_str()));
    EXPECT_EQ(999, Impl(comm_)->Channel().Port());
    EXPECT_EQ(COMM_NOT_CONNECTED, comm_->NewScene(0));
}

#ifndef _WIN32
// Wine accepts any baud rate on a pseudo-terminal; natively a rate termios lacks is refused.
TEST_F(SerialLink, RefusedLineSettingsLeaveThePortClosed)
{
    // A baud rate the port refuses once the device is open.
    ASSERT_EQ(COMM_OK, comm_->Disconnect());
    WriteProfile(peer_.Com(), 10, 12345, 1);
    EXPECT_EQ(COMM_OPEN_FAILED, comm_->Connect(profileDir_.c_str()));
    EXPECT_FALSE(Impl(comm_)->Channel().IsPortOpen());
    EXPECT_EQ(COMM_NOT_CONNECTED, comm_->SetPower(0));
    Sleep(200);
    EXPECT_TRUE(peer_.Chunks().empty());
}
#endif

TEST_F(SerialLink, SerialPortClosesWhatItOpenedWhenSettingsAreRefused)
{
    ASSERT_EQ(COMM_OK, comm_->Disconnect());
    CSerialPort port;
    bool raised = false;
    try {
        port.Open(peer_.Com(), 9600, CSerialPort::NoParity, 9, CSerialPort::OneStopBit,
                  CSerialPort::NoFlowControl, FALSE);
    } catch (CSerialException* e) {
        raised = true;
        e->Delete();
    }
    EXPECT_TRUE(raised) << "nine data bits";
    EXPECT_FALSE(port.IsPortOpen());
    port.Close();
    EXPECT_EQ(COMM_OK, comm_->Connect(profileDir_.c_str())) << "the device was let go";
    EXPECT_EQ(COMM_OK, comm_->SetPower(0));
    ExpectLine(Sealed("00 00 00 55 55 55 55 55 55"));
}

#ifndef _WIN32
// Windows refuses a second opener of a port; Wine does not enforce it for a pseudo-terminal, so
// this checks the native calls only.
TEST_F(SerialLink, PortInUseCannotBeOpenedTwice)
{
    CPortChannel other;
    other.SetPort(peer_.Com());
    other.SetBaudRate(9600);
    EXPECT_EQ(0, other.Open());
    EXPECT_FALSE(other.IsPortOpen());
    ASSERT_EQ(COMM_OK, comm_->Disconnect());
    EXPECT_EQ(1, other.Open());
    EXPECT_EQ(COMM_OPEN_FAILED, comm_->Connect(profileDir_.c_str()));
    other.Close();
}
#endif

TEST_F(SerialLink, PurgeOnAClosedPortRaises)
{
    ASSERT_EQ(COMM_OK, comm_->Disconnect());
    bool raised = false;
    try {
        comm_->PurgeInput();
    } catch (CException* e) {
        raised = e->IsKindOf(RUNTIME_CLASS(CSerialException));
        e->Delete();
    }
    EXPECT_TRUE(raised);
}

TEST_F(SerialLink, ReleaseDestroysAndUnloadsThenCreateStartsOver)
{
    ASSERT_NE(nullptr, g_commState.matrixModule) << "the test TzCommFun sits beside the program";
    EXPECT_NE(0, comm_->Release());
    comm_ = nullptr;
    EXPECT_EQ(nullptr, g_commState.comm);
    EXPECT_EQ(nullptr, g_commState.matrixModule);
    WriteMatrixDelay(70);
    comm_ = CreateComm();
    ASSERT_NE(nullptr, comm_);
    EXPECT_NE(nullptr, g_commState.dealMatrixSwitch);
    EXPECT_EQ(70, g_commState.matrixDelayMs) << "the delay is read again with the library";
    EXPECT_EQ(COMM_NOT_CONNECTED, comm_->SetPower(0)) << "a new object starts closed";
    EXPECT_EQ(COMM_OK, comm_->Connect(profileDir_.c_str()));
    EXPECT_EQ(COMM_OK, comm_->SetPower(0));
    ExpectLine(Sealed("00 00 00 55 55 55 55 55 55"));
}

TEST_F(SerialLink, CreateCommDoesNotRereadTheDelayWhileLoaded)
{
    WriteMatrixDelay(55);
    CreateComm();
    EXPECT_EQ(40, g_commState.matrixDelayMs);
}

}  // namespace
