// What every command-layer test sets up: the recording device link in the holder, a working
// configuration of the test's choosing, the program's wall services over the command layer, a
// recorder for the messages the layer shows itself, and a progress runner without a window.
#pragma once

#include "app/core/command/CommandConfig.h"
#include "app/core/command/CommandRunner.h"
#include "app/core/command/CommandState.h"
#include "app/core/command/CommandWallServices.h"
#include "app/core/command/DeviceLinkHolder.h"
#include "tests/unit/command/RecordingComm.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// Working configuration of a test: 8 MPD channels on a 1920 x 1080 output unless changed.
class TestConfig : public CommandConfig {
public:
    int mpdCount = 8;
    int resolution = 6;
    int pixelWidth = 1920;
    int pixelHeight = 1080;
    int makers[3] = {21, 22, 23};
    int addresses[3] = {1, 2, 3};
    std::vector<int> ports[3];   // empty: entry e maps to 100 * (kind + 1) + e

    int MpdCount() const override { return mpdCount; }
    int Resolution() const override { return resolution; }
    void MpdPixelSize(int* w, int* h) const override { *w = pixelWidth; *h = pixelHeight; }
    int MatrixMaker(int kind) const override { return makers[kind]; }
    int MatrixAddress(int kind) const override { return addresses[kind]; }
    int MatrixPort(int kind, int entry) const override
    {
        const std::vector<int>& p = ports[kind];
        return entry < static_cast<int>(p.size()) ? p[entry] : 1000 * (kind + 1) + entry;
    }
    void SubGrid(int* rows, int* columns) const override { *rows = 0; *columns = 0; }
    CString MatrixInputName(int, int) const override { return CString(); }
};

class CommandTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_previousLink = DeviceLinkHolder::Instance().Attach(&link);
        m_previousConfig = CommandConfig::Install(&config);
        m_previousServices = WallServices::install(&services);
        m_previousPresenter = ProgressPresenter::Install(&presenter);
        m_previousMessage = SetCommandMessageProc(&RecordMessage);
        Messages().clear();
        g_nOnline = 1;
        g_nCommandCount = 0;
        g_nCurrentInputType = 0;
    }
    void TearDown() override
    {
        SetCommandMessageProc(m_previousMessage);
        ProgressPresenter::Install(m_previousPresenter);
        WallServices::install(m_previousServices);
        CommandConfig::Install(m_previousConfig);
        DeviceLinkHolder::Instance().Attach(m_previousLink);
        g_nOnline = 1;
    }

    // Texts the command layer showed, with their message-box types.
    static std::vector<std::pair<std::string, UINT>>& Messages()
    {
        static std::vector<std::pair<std::string, UINT>> messages;
        return messages;
    }

    // Fails every call whose text starts with `prefix` with `code`.
    void FailCalls(const std::string& prefix, int code)
    {
        link.respond = [prefix, code](const std::string& call, int) {
            return call.compare(0, prefix.size(), prefix) == 0 ? code : 0;
        };
    }

    RecordingComm link;
    TestConfig config;
    CommandWallServices services;
    ThreadPresenter presenter;

private:
    static void RecordMessage(LPCSTR text, UINT type) { Messages().emplace_back(text, type); }

    CComm* m_previousLink = nullptr;
    const CommandConfig* m_previousConfig = nullptr;
    WallServices* m_previousServices = nullptr;
    ProgressPresenter* m_previousPresenter = nullptr;
    CommandMessageProc m_previousMessage = nullptr;
};
