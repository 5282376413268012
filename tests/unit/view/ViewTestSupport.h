// What the wall view tests share: the command tests' wall (4 x 2 panels of 200 x 200 view
// pixels, 8 MPD channels on a 1920 x 1080 output, a recording device link), a configuration that
// also names the matrix inputs and has a sub-grid on demand, a progress runner that records the
// titles it is given, and the working input counts of the input menus.
#pragma once

#include "app/core/profile/ProfileState.h"
#include "tests/unit/command/WallFixture.h"

#include <string>
#include <vector>

class ViewConfig : public TestConfig {
public:
    int subRows = 0;
    int subColumns = 0;
    void SubGrid(int* rows, int* columns) const override
    {
        *rows = subRows;
        *columns = subColumns;
    }
    CString MatrixInputName(int inputType, int n) const override
    {
        CString name;
        name.Format("%s%d", inputType == 2 ? "VGA" : inputType == 3 ? "视频" : "HDMI", n);
        return name;
    }
};

// Records each progress-runner title, then runs the command on a worker thread as the plain
// runner does.
class TitleRecorder : public ProgressPresenter {
public:
    std::vector<std::string> titles;
    int Present(LPCSTR lpszTitle, DeviceCommand& command) override
    {
        titles.emplace_back(lpszTitle);
        return m_runner.Present(lpszTitle, command);
    }

private:
    ThreadPresenter m_runner;
};

class ViewTest : public WallTest {
protected:
    void SetUp() override
    {
        WallTest::SetUp();
        CommandConfig::Install(&viewConfig);
        ProgressPresenter::Install(&titles);
        m_savedWorking = workingSystem();
        workingSystem().vgaInputs = 0;
        workingSystem().cvbsInputs = 0;
        workingSystem().dviInputs = 0;
    }
    void TearDown() override
    {
        workingSystem() = m_savedWorking;
        WallTest::TearDown();
    }

    // The messages shown so far, texts only.
    std::vector<std::string> Shown() const
    {
        std::vector<std::string> texts;
        for (const auto& m : Messages())
            texts.push_back(m.first);
        return texts;
    }

    ViewConfig viewConfig;
    TitleRecorder titles;

private:
    SystemConfig m_savedWorking;
};
