// The device of every window test in this process: a recording link, so that what the windows
// send at creation (the wall page sets up the blank scene) is answered instead of reported as
// "未联机" in a message box nobody closes. Tests that look at the traffic attach their own link and
// put this one back.
#include "app/core/command/DeviceLinkHolder.h"
#include "tests/unit/command/RecordingComm.h"

#include <gtest/gtest.h>

namespace {

class QuietDevice : public ::testing::Environment {
public:
    void SetUp() override { m_pPrevious = DeviceLinkHolder::Instance().Attach(&m_comm); }
    void TearDown() override { DeviceLinkHolder::Instance().Attach(m_pPrevious); }

private:
    RecordingComm m_comm;
    CComm* m_pPrevious = nullptr;
};

::testing::Environment* const g_quietDevice = ::testing::AddGlobalTestEnvironment(new QuietDevice);

}  // namespace
