// Scene files written by hand from the file layout (header, object list, cell records), a
// scratch folder per test, and a fixture wiring the wall, the scene operations and the fakes.
#pragma once

#include "app/core/scene/SceneController.h"
#include "tests/unit/scene/FakeSceneHost.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

typedef std::vector<unsigned char> Bytes;

// Little-endian record writer for golden files.
class SceneBytes {
public:
    Bytes b;

    SceneBytes& u16(unsigned v)
    {
        b.push_back(static_cast<unsigned char>(v & 0xFF));
        b.push_back(static_cast<unsigned char>((v >> 8) & 0xFF));
        return *this;
    }
    SceneBytes& i32(long long v)
    {
        const unsigned long long u = static_cast<unsigned long long>(v);
        for (int i = 0; i < 4; ++i)
            b.push_back(static_cast<unsigned char>((u >> (8 * i)) & 0xFF));
        return *this;
    }
    SceneBytes& header(int rows, int columns, int resolution, int mpdCount)
    {
        u16(0x637A);
        b.insert(b.end(), 200, 0);
        return i32(rows).i32(columns).i32(resolution).i32(mpdCount);
    }
    // 0xFFFF, schema 0, name length, name.
    SceneBytes& newClass(const char* name)
    {
        u16(0xFFFF).u16(0).u16(static_cast<unsigned>(std::strlen(name)));
        b.insert(b.end(), name, name + std::strlen(name));
        return *this;
    }
    SceneBytes& classRef(unsigned index) { return u16(0x8000 | index); }
    // The cell record up to (not including) the PIP list.
    SceneBytes& cell(int l, int t, int r, int btm, unsigned flags, unsigned isMpd, int number,
                     int order, int inputType, int inputNo, unsigned kind)
    {
        i32(l).i32(t).i32(r).i32(btm).i32(flags).u16(isMpd);
        i32(number).i32(order).i32(inputType).i32(inputNo);
        return u16(kind);
    }
    SceneBytes& count(unsigned n) { return u16(n); }
    SceneBytes& pipTail(int transparency, int x, int y, int w, int h)
    {
        return i32(transparency).i32(x).i32(y).i32(w).i32(h);
    }
};

// The mixed wall of the scene tests, as the layout table says it is stored: a 2 x 2 wall
// (resolution 6, four MPD channels) whose top row is one combined cell, whose bottom-left cell
// is an MPD region with two PIP windows in a 2 x 2 sub-grid, and whose bottom-right cell is a
// plain cell on CVBS matrix input 5.
inline Bytes goldenMixedScene()
{
    SceneBytes s;
    s.header(2, 2, 6, 4);
    s.count(3);
    // Index 1: class CCell; 2: the region.
    s.newClass("CCell").cell(0, 150, 200, 300, 0, 1, 3, 3, 12, 0, 0).count(2);
    // Index 3: class CPIPCell; 4: window 2 (x snapped to 0, so its cache counts as unset).
    s.newClass("CPIPCell").cell(0, 150, 100, 225, 0, 0, 2, 1, 12, 0, 1).count(0);
    s.pipTail(0, 0, 0, 960, 540);
    // 5: window 3 on local DVI, transparency 5, widened to the right edge.
    s.classRef(3).cell(100, 150, 200, 225, 0, 0, 3, 2, 6, 0, 1).count(0);
    s.pipTail(5, 960, 0, 960, 540);
    // 6: the plain cell (it was selected when saved: stored deselected).
    s.classRef(1).cell(200, 150, 400, 300, 0, 0, 4, 4, 3, 5, 0).count(0);
    // 7: class CCombineCell; 8: the combined cell; 9, 10: its members.
    s.newClass("CCombineCell").cell(0, 0, 400, 150, 0, 0, 0, 0, 12, 0, 2).count(0);
    s.count(2);
    s.classRef(1).cell(0, 0, 200, 150, 2, 0, 1, 1, 12, 0, 0).count(0);
    s.classRef(1).cell(200, 0, 400, 150, 2, 0, 2, 2, 12, 0, 0).count(0);
    return s.b;
}

// A scratch folder for one test, removed afterwards.
class ScratchFolder {
public:
    ScratchFolder()
    {
        const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
        m_path = std::filesystem::temp_directory_path() /
                 (std::string("tavelo_scene_") + info->test_suite_name() + "_" + info->name());
        std::filesystem::remove_all(m_path);
        std::filesystem::create_directories(m_path);
    }
    ~ScratchFolder()
    {
        std::error_code ec;
        std::filesystem::remove_all(m_path, ec);
    }
    std::string file(const char* name) const { return (m_path / name).string(); }
    std::vector<std::string> names() const
    {
        std::vector<std::string> out;
        for (const auto& entry : std::filesystem::directory_iterator(m_path))
            out.push_back(entry.path().filename().string());
        return out;
    }

private:
    std::filesystem::path m_path;
};

inline void writeBytes(const std::string& path, const Bytes& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

inline Bytes readBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class SceneTest : public ::testing::Test {
protected:
    FakeWallServices services;
    ScopedWallServices installed{&services};
    FakeSceneHost host{services};
    CCellObjImp wall;
    SceneController scenes{wall, host};
    ScratchFolder folder;

    void SetUp() override
    {
        host.configured = {2, 2, 6, 4};
        host.working = host.configured;
        services.mpd = 4;
        services.subRows = 2;
        services.subColumns = 2;
    }

    // The mixed wall of goldenMixedScene, made through the model's own operations.
    void buildMixedWall()
    {
        wall.setLayout(2, 2, host.client);
        CCell* c1 = wall.cells().GetAt(0);
        CCell* c2 = wall.cells().GetAt(1);
        CCell* c3 = wall.cells().GetAt(2);
        CCell* c4 = wall.cells().GetAt(3);
        wall.select(c1, FALSE);
        wall.select(c2, TRUE);
        ASSERT_NE(wall.combineSelected(c1), nullptr);
        c3->setMpd(TRUE);
        wall.addPipTo(c3);
        CPIPCell* second = wall.addPipTo(c3);
        ASSERT_NE(second, nullptr);
        second->setInputType(INPUT_DVI);
        second->setTransparency(5);
        c4->setInputType(INPUT_CVBS);
        c4->setInputNo(5);
        wall.select(c4, FALSE);
        services.log.clear();
    }

    std::vector<std::string> blankSceneLog(int cells)
    {
        return {"新建场景", "设置位置",
                "设置分辨率 " + std::to_string(host.configured.resolution) + " " +
                    std::to_string(cells),
                std::string("recent ") + static_cast<LPCSTR>(host.defaultPath)};
    }
};
