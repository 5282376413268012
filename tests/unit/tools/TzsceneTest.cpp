// tzscene on golden scenes built from the file layout: what check says of whole, truncated and
// damaged files (the operator's message and where reading stopped), the JSON dump with the
// device rectangles, the SVG, diff, the frames of the restore, and the command line.
#include "tests/unit/tools/SceneBytes.h"
#include "tools/tzscene/SceneTools.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

namespace fs = std::filesystem;

bool has(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

// A path as JSON writes it.
std::string json(std::string path)
{
    for (std::size_t at = 0; (at = path.find('\\', at)) != std::string::npos; at += 2)
        path.insert(at, 1, '\\');
    return path;
}

std::string fileText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

class Tzscene : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Absolute folders: the Windows profile functions read relative names elsewhere. One per
        // case: the cases run side by side and write files of the same names.
        const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = (fs::current_path() / (std::string("tzscene_files_") + info->name())).string();
        fs::create_directories(dir_);
        profile4_ = makeProfile("profile4", "mpdnums=3\r\nresolution=5\r\nmpdresolution=5\r\n");
        profile8_ = makeProfile("profile8", "mpdnums=7\r\nresolution=5\r\nmpdresolution=5\r\n");
        bare_ = makeProfile("bare", "");
        fs::remove(fs::path(bare_) / "TzView.ini");
        golden_ = path("golden.tzs");
        writeBytes(golden_, goldenScene().bytes());
    }

    std::string path(const char* name) const { return (fs::path(dir_) / name).string(); }

    std::string makeProfile(const char* name, const char* application)
    {
        const fs::path folder = fs::path(dir_) / name;
        fs::create_directories(folder);
        std::ofstream(folder / "TzView.ini", std::ios::binary | std::ios::trunc)
            << "[application]\r\n"
            << application;
        std::ofstream(folder / "com.ini", std::ios::binary | std::ios::trunc)
            << "[comm]\r\nbaudrate=9600\r\n[comm_delay]\r\nmaxtrix_delay=100\r\n";
        return folder.string();
    }

    int run(const std::vector<std::string>& args)
    {
        out_.clear();
        err_.clear();
        return runTzscene(args, out_, err_);
    }

    // check of bytes written to a file: the exit status; the text in out_.
    int checkBytes(const std::vector<std::uint8_t>& bytes, const std::string& profile)
    {
        const std::string file = path("damaged.tzs");
        writeBytes(file, bytes);
        return run({"check", file, "--profile", profile});
    }

    std::string dir_, profile4_, profile8_, bare_, golden_;
    std::string out_, err_;
};

TEST_F(Tzscene, GoldenSceneLoadsAgainstItsInstallationAndAlone)
{
    EXPECT_EQ(0, run({"check", golden_, "--profile", profile4_}));
    EXPECT_EQ(golden_ + ": the program loads it (1x1 wall, resolution 5 (1080i), MPD count 4; "
                        "1 cell, 2 PIP windows)\n",
              out_);
    EXPECT_EQ("", err_);
    EXPECT_EQ(0, run({"check", golden_, "--profile", bare_}));
    EXPECT_TRUE(has(out_, "the program loads it")) << out_;
    EXPECT_TRUE(has(out_, "not compared with an installation: no TzView.ini in " + bare_)) << out_;
}

TEST_F(Tzscene, AnotherInstallationRefusesWithTheProgramsMessage)
{
    EXPECT_EQ(1, run({"check", golden_, "--profile", profile8_}));
    EXPECT_EQ(golden_ +
                  ": the program refuses it\n"
                  "  the operator sees:\n" +
                  std::string(u8"    当前场景MPD为:8,加载场景MPD为:4\n"
                              u8"    当前场景与加载场景MPD数目不一致,加载失败!\n") +
                  "  why: the installation (" + profile8_ +
                  ") has a 1x1 wall, resolution 5 (1080i), MPD count 8; the file was made for a "
                  "1x1 wall, resolution 5 (1080i), MPD count 4\n",
              out_);
}

TEST_F(Tzscene, TruncatedFilesNameTheFieldWhereReadingStopped)
{
    const SceneBytes golden = goldenScene();
    ASSERT_EQ(413u, golden.size());
    struct Cut {
        std::size_t at;
        std::string why;
    };
    const Cut cuts[] = {
        {100, "reading stopped at byte 100 (0x64), in reserved bytes: the file ends inside it"},
        {215, "reading stopped at byte 214 (0xD6), in MPD count: the file ends inside it"},
        {228, "reading stopped at byte 228 (0xE4), in cell 1 class name: the file ends inside it"},
        {263, "reading stopped at byte 261 (0x105), in cell 1 (CCell) inputType: the file ends "
              "inside it"},
        {330, "reading stopped at byte 329 (0x149), in cell 1 (CCell) PIP window 1 (CPIPCell) "
              "transparency: the file ends inside it"},
        {412, "reading stopped at byte 409 (0x199), in cell 1 (CCell) PIP window 2 (CPIPCell) "
              "device height: the file ends inside it"},
    };
    for (const Cut& cut : cuts) {
        EXPECT_EQ(1, checkBytes(golden.cut(cut.at), profile4_)) << cut.at;
        // Before the header is whole the program has nothing to check; after it, the cells.
        EXPECT_TRUE(has(out_, u8"  the operator sees:\n    非法的场景文件,加载失败!\n")) << out_;
        EXPECT_TRUE(has(out_, "  why: " + cut.why + "\n")) << out_;
    }
}

TEST_F(Tzscene, DamagedFilesNameWhatIsWrong)
{
    // A window whose kind says "combined".
    std::vector<std::uint8_t> kind = goldenScene().bytes();
    kind[325] = 2;
    EXPECT_EQ(1, checkBytes(kind, profile4_));
    EXPECT_TRUE(has(out_,
                    "why: reading stopped at byte 327 (0x147), in cell 1 (CCell) PIP window 1 "
                    "(CPIPCell) kind: kind 2 does not match the cell's class\n"))
        << out_;
    // An unknown class name.
    std::vector<std::uint8_t> name = goldenScene().bytes();
    name[283] = 'X';
    EXPECT_EQ(1, checkBytes(name, profile4_));
    EXPECT_TRUE(has(out_, "in cell 1 (CCell) PIP window 1 class name: class \"CPIPXell\", which is "
                          "not a cell class the program knows\n"))
        << out_;
    // Window 3 referring back to window 2: a cell may belong to one list only.
    std::vector<std::uint8_t> shared = goldenScene().bytes();
    shared[349] = 0x04;
    shared[350] = 0x00;
    EXPECT_EQ(1, checkBytes(shared, profile4_));
    EXPECT_TRUE(has(out_, "reading stopped at byte 351 (0x15F), in cell 1 (CCell) PIP window 2 "
                          "object tag: tag 0x4: no such object or class"))
        << out_;
    // A bad magic and 128 rows are refused before the cells, with both of the program's messages.
    SceneBytes magic;
    magic.header(1, 1, 5, 4, 0x1234).w16(0);
    EXPECT_EQ(1, checkBytes(magic.bytes(), profile4_));
    EXPECT_TRUE(
        has(out_, std::string(u8"    非法的场景文件!\n  the operator sees:\n") +
                      u8"    非法的场景文件，加载失败!\n  why: magic 0x1234 is not 0x637A\n"))
        << out_;
    SceneBytes rows;
    rows.header(128, 1, 5, 4).w16(0);
    EXPECT_EQ(1, checkBytes(rows.bytes(), profile4_));
    EXPECT_TRUE(has(out_, "why: rows 128 is outside 1..127\n")) << out_;
    // A file that is not there is an I/O error, reported as the program reports it.
    EXPECT_EQ(2, run({"check", path("missing.tzs"), "--profile", profile4_}));
    EXPECT_TRUE(has(out_, u8"非法的场景文件,加载失败!")) << out_;
    EXPECT_TRUE(has(out_, "why: the file cannot be read")) << out_;
}

TEST_F(Tzscene, DumpShowsCellsAndTheGeometryTheRestoreSends)
{
    EXPECT_EQ(0, run({"dump", golden_, "--profile", profile4_}));
    const std::string expected =
        "{\n  \"file\":\"" + json(golden_) +
        "\",\n  \"complete\":true,\n"
        "  \"installation\":{\"folder\":\"" +
        json(profile4_) +
        "\",\"viewProfile\":true,\"mpdPixelSize\":[1920,1080]},\n"
        "  \"header\":{\"magic\":\"0x637A\",\"rows\":1,\"columns\":1,\"resolution\":5,"
        "\"resolutionName\":\"1080i\",\"mpdCount\":4},\n"
        "  \"cells\":[\n"
        "    "
        "{\"class\":\"CCell\",\"kind\":\"plain\",\"number\":1,\"order\":1,\"rect\":[0,0,800,600],"
        "\"flags\":0,\"mpd\":true,\"inputType\":12,\"inputNo\":0,\"input\":\"\",\"label\":\"\","
        "\"pips\":[\n"
        "      {\"class\":\"CPIPCell\",\"kind\":\"pip\",\"number\":2,\"order\":1,"
        "\"rect\":[100,60,300,210],\"flags\":0,\"mpd\":false,\"inputType\":2,\"inputNo\":0," +
        std::string(u8"\"input\":\"本地VGA\",\"label\":\"MPD1 本地VGA\",") +
        "\"transparency\":3,\"storedDeviceRect\":null,\"deviceRect\":[240,108,480,270],"
        "\"sent\":{\"size\":[480,270],\"position\":[240,108]},\"pips\":[]},\n"
        "      {\"class\":\"CPIPCell\",\"kind\":\"pip\",\"number\":3,\"order\":2,"
        "\"rect\":[500,300,790,590],\"flags\":0,\"mpd\":false,\"inputType\":6,\"inputNo\":0," +
        std::string(u8"\"input\":\"本地DVI\",\"label\":\"MPD2 本地DVI\",") +
        "\"transparency\":0,\"storedDeviceRect\":[100,200,640,360],"
        "\"deviceRect\":[100,200,640,360],\"sent\":{\"size\":[640,360],\"position\":[100,200]},"
        "\"pips\":[]}\n"
        "    ]}\n"
        "  ]\n}\n";
    EXPECT_EQ(expected, out_);

    // A truncated file is dumped as far as it was read, with the reason, and exit 1.
    writeBytes(path("cut.tzs"), goldenScene().cut(330));
    EXPECT_EQ(1, run({"dump", path("cut.tzs"), "--profile", profile4_}));
    EXPECT_TRUE(has(out_, "\"complete\":false,\n  \"why\":\"reading stopped at byte 329")) << out_;
}

TEST_F(Tzscene, RenderDrawsTheWallAsTheViewDoes)
{
    const std::string svg = path("wall.svg");
    EXPECT_EQ(0, run({"render", golden_, "-o", svg, "--profile", profile4_}));
    const std::string text = fileText(svg);
    EXPECT_TRUE(has(text, "viewBox=\"0 0 800 600\"")) << text;
    // The region: black frame, grey inside, no label; window 3 over it with its label centred
    // below the 10 px margin.
    EXPECT_TRUE(has(text, "<rect x=\"0\" y=\"0\" width=\"800\" height=\"600\" fill=\"#000000\"/>\n"
                          "<rect x=\"1\" y=\"1\" width=\"798\" height=\"598\" fill=\"#646464\"/>\n"
                          "<rect x=\"100\" y=\"60\""))
        << text;
    EXPECT_TRUE(
        has(text, "<rect x=\"501\" y=\"301\" width=\"288\" height=\"288\" fill=\"#646464\"/>"))
        << text;
    EXPECT_TRUE(has(text,
                    u8"<text x=\"645\" y=\"450\" fill=\"#FFFFFF\" font-size=\"12\" "
                    u8"text-anchor=\"middle\" dominant-baseline=\"central\">MPD2 本地DVI</text>"))
        << text;
    // Window 3 is drawn after window 2.
    EXPECT_LT(text.find(u8"MPD1 本地VGA"), text.find(u8"MPD2 本地DVI"));
}

TEST_F(Tzscene, RenderToPngTakesAnyFileNameAsItIs)
{
    // Quote, semicolon and space: a shell would have cut this name apart and run the rest.
    const std::string png = path("it's; touch stray.png");
    const int status = run({"render", golden_, "-o", png, "--profile", profile4_});
#ifdef _WIN32
    // No converter under Wine: said so, nothing left behind.
    if (status != 0) {
        EXPECT_EQ(2, status);
        EXPECT_TRUE(has(err_, "no PNG: neither rsvg-convert nor ImageMagick")) << err_;
        EXPECT_FALSE(fs::exists(png + ".svg"));
        return;
    }
#endif
    ASSERT_EQ(0, status) << err_;
    const std::string bytes = fileText(png);
    ASSERT_GE(bytes.size(), 24u);
    // The PNG signature, then the header chunk with the wall's 800 x 600.
    EXPECT_EQ(std::string("\x89PNG\r\n\x1a\n", 8), bytes.substr(0, 8));
    EXPECT_EQ("IHDR", bytes.substr(12, 4));
    EXPECT_EQ(std::string("\0\0\x03\x20\0\0\x02\x58", 8), bytes.substr(16, 8));
    // The intermediate SVG is gone, and nothing else appeared beside the picture.
    EXPECT_FALSE(fs::exists(png + ".svg"));
    EXPECT_FALSE(fs::exists(path("stray.png")));
    EXPECT_FALSE(fs::exists(path("stray.png.svg")));
    EXPECT_FALSE(fs::exists(fs::current_path() / "stray.png.svg"));
#ifndef _WIN32
    // A name starting with '-' or holding a colon is a name too, not an option or a format.
    const std::string odd = path("-wall:b.png");
    EXPECT_EQ(0, run({"render", golden_, "-o", odd, "--profile", profile4_})) << err_;
    EXPECT_EQ("\x89PNG", fileText(odd).substr(0, 4));
#endif
}

TEST_F(Tzscene, DiffOfASceneWithItselfIsEmptyAndChangesAreNamed)
{
    EXPECT_EQ(0, run({"diff", golden_, golden_, "--profile", profile4_}));
    EXPECT_EQ("", out_);

    SceneBytes changed;
    changed.header(1, 1, 5, 4).w16(1);
    changed.newClass("CCell").cell(0, 0, 800, 600, 0, 1, 1, 1, 12, 0, 0).w16(2);
    changed.newClass("CPIPCell").cell(120, 60, 300, 250, 0, 0, 2, 1, 6, 0, 1).w16(0);
    changed.pipFields(3, -1, -1, -1, -1);
    changed.w16(0x8003).cell(100, 100, 200, 200, 0, 0, 4, 2, 3, 0, 1).w16(0);
    changed.pipFields(0, -1, -1, -1, -1);
    writeBytes(path("changed.tzs"), changed.bytes());
    EXPECT_EQ(1, run({"diff", golden_, path("changed.tzs"), "--profile", profile4_}));
    EXPECT_EQ("panel 1: - PIP window 3\n"
              "panel 1: PIP window 2 moved from 100,60 to 120,60\n"
              "panel 1: PIP window 2 resized from 200x150 to 180x190\n" +
                  std::string(u8"panel 1: PIP window 2: input 本地VGA (type 2, input 0) -> "
                              u8"本地DVI (type 6, input 0)\n"
                              u8"panel 1: + PIP window 4 at 100,100 size 100x100, input 本地视频 "
                              u8"(type 3, input 0)\n"),
              out_);
}

TEST_F(Tzscene, FramesOfTheRestoreWithTheProtocolFloor)
{
    EXPECT_EQ(0, run({"frames", golden_, "--profile", profile4_}));
    const char* const operations[] = {"NewScene(0)",
                                      "SetResolution(0,5)",
                                      "SetLayout(5,1,1,1)",
                                      "SelectInput(1,12)",
                                      "SelectInput(2,4)",
                                      "SelectInput(3,4)",
                                      "SelectInput(4,4)",
                                      "SelectInput(5,0)",
                                      "SetPip(2,2,1,224,1,14)",
                                      "SetPip(2,1,0,240,0,108)",
                                      "SetPip(2,0,1,85,85,85)",
                                      "SelectPipInput(2,2)",
                                      "SetPip(2,3,3,85,85,85)",
                                      "SetPip(3,2,2,128,1,104)",
                                      "SetPip(3,1,0,100,0,200)",
                                      "SetPip(3,0,1,85,85,85)",
                                      "SelectPipInput(3,6)",
                                      "SetPip(3,3,0,85,85,85)"};
    std::istringstream lines(out_);
    std::string line;
    for (const char* operation : operations) {
        ASSERT_TRUE(std::getline(lines, line)) << out_;
        EXPECT_EQ(std::string("  ") + operation,
                  line.substr(line.size() - std::strlen(operation) - 2))
            << line;
    }
    EXPECT_TRUE(has(out_, "   4  AA BB 02 01 08 0C 55 55 55 55 55 C0  SelectInput(1,12)\n"))
        << out_;
    // 18 frames of 50 ms and 12 bytes at 9600 baud (com.ini): 0.900 s + 0.225 s.
    EXPECT_TRUE(has(out_, "18 frames, 18 writes; 17 counted commands (a preset keeps 270); "
                          "protocol floor 1.125 s at 9600 baud\n"))
        << out_;

    // Stored as preset 7: bracketed by RecordPreset, the same count.
    EXPECT_EQ(0, run({"frames", golden_, "--profile", profile4_, "--store", "7", "--baud", "0"}));
    EXPECT_TRUE(has(out_, "   1  AA BB 00 02 07 01 55 55 55 55 55 B3  RecordPreset(7,1)\n"))
        << out_;
    EXPECT_TRUE(has(out_, "  20  AA BB 00 02 07 00 55 55 55 55 55 B2  RecordPreset(7,0)\n"))
        << out_;
    EXPECT_TRUE(has(out_, "20 frames, 20 writes; 17 counted commands (a preset keeps 270); "
                          "protocol floor 1.000 s (pauses only: no baud rate)\n"))
        << out_;
}

TEST_F(Tzscene, CommandLine)
{
    EXPECT_EQ(0, run({"--help"}));
    EXPECT_EQ(0u, out_.find("usage: tzscene check FILE..."));
    EXPECT_EQ("", err_);
    EXPECT_EQ(0, run({"frames", "-h"}));
    EXPECT_EQ(0u, out_.find("usage: tzscene"));
    EXPECT_EQ(2, run({}));
    EXPECT_EQ(0u, err_.find("tzscene: no command given\n\nusage:"));
    EXPECT_EQ(2, run({"render", golden_}));
    EXPECT_EQ(0u, err_.find("tzscene: render needs -o PICTURE\n"));
    EXPECT_EQ(2, run({"diff", golden_}));
    EXPECT_EQ(2, run({"frames", golden_, "--store", "20"}));
    EXPECT_EQ(2, run({"check", golden_, "--bogus"}));
    EXPECT_EQ("", out_);
}

}  // namespace
