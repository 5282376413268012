#include "tests/unit/comm/SerialLinkFixture.h"

#include "comm/ModulePath.h"

#include <filesystem>
#include <fstream>
#include <iterator>

void SerialLink::SetUp()
{
    ASSERT_TRUE(peer_.Available()) << "run through line_peer.py";
    peer_.Reset();
    std::string folder;
    ASSERT_TRUE(ProgramFolder(folder));
    profileDir_ = JoinPath(folder, ("profile" + std::to_string(peer_.Com())).c_str());
    std::filesystem::create_directories(profileDir_);
    WriteProfile(peer_.Com(), 10, 9600, 1);
    WriteMatrixDelay(40);
    comm_ = CreateComm();
    ASSERT_NE(nullptr, comm_);
    ASSERT_EQ(COMM_OK, comm_->Connect(profileDir_.c_str()));
}

void SerialLink::TearDown()
{
    if (comm_)
        comm_->Release();
    comm_ = nullptr;
}

void SerialLink::WriteProfile(int port, int timeout, int baudRate, int log)
{
    std::ofstream out(JoinPath(profileDir_, "com.ini"), std::ios::binary | std::ios::trunc);
    out << "[comm]\r\ncommport=" << port << "\r\n";
    if (timeout >= 0)
        out << "timeout=" << timeout << "\r\n";
    if (baudRate >= 0)
        out << "baudrate=" << baudRate << "\r\n";
    out << "log=" << log << "\r\n";
}

void SerialLink::WriteMatrixDelay(int delayMs)
{
    std::string folder;
    ProgramFolder(folder);
    std::ofstream out(JoinPath(folder, "com.ini"), std::ios::binary | std::ios::trunc);
    out << "[comm_delay]\r\nmaxtrix_delay=" << delayMs << "\r\n";
}

std::vector<unsigned char> SerialLink::Sealed(const std::string& body)
{
    std::vector<unsigned char> frame = {0xAA, 0xBB};
    const std::vector<unsigned char> bytes = LinePeer::Hex(body);
    frame.insert(frame.end(), bytes.begin(), bytes.end());
    unsigned int sum = 0;
    for (unsigned char b : bytes)
        sum += b;
    frame.push_back(static_cast<unsigned char>(sum & 0xFF));
    return frame;
}

void SerialLink::ExpectLine(const std::vector<unsigned char>& expected, int timeoutMs)
{
    const std::vector<unsigned char> got = LinePeer::Join(peer_.WaitFor(expected.size(), timeoutMs));
    EXPECT_EQ(LinePeer::ToHex(expected), LinePeer::ToHex(got));
}

std::string SerialLink::LogContents()
{
    std::string folder;
    ProgramFolder(folder);
    std::ifstream in(JoinPath(folder, "tzview.log"), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
