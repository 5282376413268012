// The preset operations without a window: file and thumbnail names, captions from button.ini,
// and each operation's questions, messages, files and calls into the wall view, in order.
#include "app/core/preset/PresetScenes.h"
#include "app/core/profile/ProfileState.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// The wall view: records each call and answers as told.
class FakeOps : public PresetSceneOps {
public:
    std::vector<std::string> calls;
    BOOL saveResult = TRUE;
    BOOL storeResult = TRUE;
    BOOL loadScene(LPCSTR path) override
    {
        calls.push_back(std::string("load ") + path);
        return TRUE;
    }
    BOOL saveScene(LPCSTR path) override
    {
        calls.push_back(std::string("save ") + path);
        if (saveResult)
            std::ofstream(host(path)) << "scene";
        return saveResult;
    }
    BOOL storePreset(int n) override
    {
        calls.push_back("store " + std::to_string(n));
        return storeResult;
    }
    static std::string host(std::string path)
    {
#ifndef _WIN32
        for (char& c : path)
            if (c == '\\')
                c = '/';
#endif
        return path;
    }
};

// The operator: answers questions from a script (OK when it runs out), records everything.
class FakePrompts : public PresetPrompts {
public:
    std::vector<std::string> seen;
    std::vector<BOOL> answers;
    BOOL ask(LPCSTR question) override
    {
        seen.push_back(std::string("? ") + question);
        if (answers.empty())
            return TRUE;
        const BOOL answer = answers.front();
        answers.erase(answers.begin());
        return answer;
    }
    void tell(LPCSTR text, UINT type) override
    {
        seen.push_back(std::string(type == MB_ICONEXCLAMATION ? "! " : "  ") + text);
    }
};

}  // namespace

class PresetScenesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
        m_dir = fs::temp_directory_path() / (std::string("tavelo_preset_") + info->name());
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
        // button.ini lives in the working directory.
        m_previousDir = fs::current_path();
        fs::current_path(m_dir);
        m_savedConfigured = configuredSystem();
        configuredSystem().wallRows = 1;
        configuredSystem().wallColumns = 1;
    }
    void TearDown() override
    {
        configuredSystem() = m_savedConfigured;
        fs::current_path(m_previousDir);
        std::error_code ec;
        fs::remove_all(m_dir, ec);
    }
    CString programDir() const { return CString(m_dir.string().c_str()); }
    bool exists(const CString& path) const { return fs::exists(FakeOps::host(path.GetString())); }
    void touch(const CString& path) const { std::ofstream(FakeOps::host(path.GetString())) << "x"; }

    FakeOps ops;
    FakePrompts prompts;
    fs::path m_dir;

private:
    fs::path m_previousDir;
    SystemConfig m_savedConfigured;
};

TEST_F(PresetScenesTest, FilesAreNamedBySlotAndThumbnailsByWall)
{
    PresetScenes presets(ops, prompts, programDir());
    const std::string base = m_dir.string() + "\\insidemode\\";
    EXPECT_EQ(base + "tzinsidemode20.tzs", std::string(presets.scenePath(0)));
    EXPECT_EQ(base + "tzinsidemode39.tzs", std::string(presets.scenePath(19)));
    EXPECT_EQ(base + "tzinsidemode1X1-20.bmp", std::string(presets.thumbnailPath(0)));
    configuredSystem().wallRows = 2;
    configuredSystem().wallColumns = 4;
    EXPECT_EQ(base + "tzinsidemode2X4-33.bmp", std::string(presets.thumbnailPath(13)));
    // Forming a path makes the folder.
    EXPECT_TRUE(fs::is_directory(FakeOps::host(m_dir.string() + "\\insidemode")));

    EXPECT_EQ(0, presetOfButton(1003));
    EXPECT_EQ(9, presetOfButton(1004));
    EXPECT_EQ(10, presetOfButton(1005));
    EXPECT_EQ(19, presetOfButton(1006));
    EXPECT_EQ(8, presetOfButton(1061));
    EXPECT_EQ(18, presetOfButton(1069));
    EXPECT_EQ(-1, presetOfButton(1070));
}

TEST_F(PresetScenesTest, CaptionsComeFromButtonIniWithTheNumberAsDefault)
{
    EXPECT_EQ(CString("0"), PresetScenes::caption(0));
    EXPECT_EQ(CString("19"), PresetScenes::caption(19));
    std::ofstream("button.ini") << "[quick2_text]\r\npreset_button7=大厅\r\n";
    EXPECT_EQ(CString("大厅"), PresetScenes::caption(7));
    EXPECT_EQ(CString("6"), PresetScenes::caption(6));
}

TEST_F(PresetScenesTest, LoadRestoresTheFileOrWarnsThatThereIsNone)
{
    PresetScenes presets(ops, prompts, programDir());
    presets.load(3);
    EXPECT_EQ((std::vector<std::string>{"! 未存储该预设场景!"}), prompts.seen);
    EXPECT_TRUE(ops.calls.empty());

    touch(presets.scenePath(3));
    presets.load(3);
    EXPECT_EQ((std::vector<std::string>{"load " + std::string(presets.scenePath(3))}), ops.calls);
}

TEST_F(PresetScenesTest, SaveAndSendAsksSavesStoresAndReports)
{
    PresetScenes presets(ops, prompts, programDir());
    presets.saveAndSend(19);
    const std::string path = std::string(presets.scenePath(19));
    EXPECT_EQ((std::vector<std::string>{"? 确定要发送[预设场景19]吗?", "  保存并发送预设场景成功!"}),
              prompts.seen);
    EXPECT_EQ((std::vector<std::string>{"save " + path, "store 19"}), ops.calls);
    EXPECT_NE(std::string::npos, path.find("tzinsidemode39.tzs"));

    // The file exists now: a second question before overwriting; Cancel there stops.
    prompts.seen.clear();
    ops.calls.clear();
    prompts.answers = {TRUE, FALSE};
    presets.saveAndSend(19);
    EXPECT_EQ((std::vector<std::string>{"? 确定要发送[预设场景19]吗?", "? 该预设场景已经存在,是否覆盖?"}),
              prompts.seen);
    EXPECT_TRUE(ops.calls.empty());

    // Cancel at the first question stops too.
    prompts.seen.clear();
    prompts.answers = {FALSE};
    presets.saveAndSend(2);
    EXPECT_EQ((std::vector<std::string>{"? 确定要发送[预设场景2]吗?"}), prompts.seen);
    EXPECT_TRUE(ops.calls.empty());

    // OK to both overwrites and stores again.
    prompts.seen.clear();
    presets.saveAndSend(19);
    EXPECT_EQ((std::vector<std::string>{"save " + path, "store 19"}), ops.calls);
    EXPECT_EQ("  保存并发送预设场景成功!", prompts.seen.back());
}

TEST_F(PresetScenesTest, SuccessIsReportedOnlyWhenSaveAndStoreBothWorked)
{
    PresetScenes presets(ops, prompts, programDir());
    ops.saveResult = FALSE;
    presets.saveAndSend(4);
    EXPECT_EQ((std::vector<std::string>{"? 确定要发送[预设场景4]吗?"}), prompts.seen);
    EXPECT_EQ(2u, ops.calls.size()) << "the device still gets the preset";

    prompts.seen.clear();
    ops.saveResult = TRUE;
    ops.storeResult = FALSE;
    presets.saveAndSend(5);
    EXPECT_EQ((std::vector<std::string>{"? 确定要发送[预设场景5]吗?"}), prompts.seen);
}

TEST_F(PresetScenesTest, DeleteAsksOnlyWhenThereIsAFileAndRemovesTheThumbnail)
{
    PresetScenes presets(ops, prompts, programDir());
    presets.setRole(PresetScenes::kAdministratorRole);
    // No scene file: deleted without asking; the thumbnail goes too.
    touch(presets.thumbnailPath(1));
    presets.remove(1);
    EXPECT_TRUE(prompts.seen.empty());
    EXPECT_FALSE(exists(presets.thumbnailPath(1)));

    touch(presets.scenePath(1));
    touch(presets.thumbnailPath(1));
    prompts.answers = {FALSE};
    presets.remove(1);
    EXPECT_EQ((std::vector<std::string>{"? 确定要删除该预设场景吗?"}), prompts.seen);
    EXPECT_TRUE(exists(presets.scenePath(1)));
    EXPECT_TRUE(exists(presets.thumbnailPath(1)));

    presets.remove(1);
    EXPECT_FALSE(exists(presets.scenePath(1)));
    EXPECT_FALSE(exists(presets.thumbnailPath(1)));
    EXPECT_TRUE(ops.calls.empty()) << "nothing goes to the device";
}

TEST_F(PresetScenesTest, AUserCannotDeleteTheFirstNinePresets)
{
    PresetScenes presets(ops, prompts, programDir());
    for (int n = 0; n < kPresetCount; ++n) {
        EXPECT_EQ(n > 8, presets.offersDelete(n) != FALSE) << n;
    }
    touch(presets.scenePath(8));
    presets.remove(8);
    EXPECT_TRUE(exists(presets.scenePath(8)));
    EXPECT_TRUE(prompts.seen.empty());

    presets.setRole(PresetScenes::kAdministratorRole);
    EXPECT_TRUE(presets.offersDelete(0));
    presets.remove(8);
    EXPECT_FALSE(exists(presets.scenePath(8)));
}

TEST_F(PresetScenesTest, RenameRefusesAnEmptyNameAndWritesButtonIni)
{
    PresetScenes presets(ops, prompts, programDir());
    EXPECT_FALSE(presets.rename(12, ""));
    EXPECT_EQ((std::vector<std::string>{"  名称不能为空"}), prompts.seen);
    EXPECT_FALSE(fs::exists("button.ini"));

    EXPECT_TRUE(presets.rename(12, "会议模式"));
    EXPECT_EQ(CString("会议模式"), PresetScenes::caption(12));
    char text[64] = {};
    GetPrivateProfileStringA("quick2_text", "preset_button12", "", text, sizeof text, ".\\button.ini");
    EXPECT_EQ(std::string("会议模式"), text);
}
