#include "app/core/profile/ProfileStore.h"

#include "app/core/profile/ProfilePaths.h"
#include "app/core/profile/ProfileReader.h"
#include "app/core/profile/ProfileState.h"

#include <cstdio>

namespace {

const char kViewProfile[] = "TzView.ini";
const char kCommProfile[] = "com.ini";
const char kApplication[] = "application";

// Text values are read into a generous buffer and then cut to their limit at a character
// boundary, so a long GBK value never ends in half a character.
const DWORD kReadBuffer = 1024;

CString readText(ProfileReader& reader, LPCSTR section, LPCSTR key, LPCSTR defaultValue, size_t maxBytes)
{
    char buffer[kReadBuffer];
    reader.readString(section, key, defaultValue, buffer, kReadBuffer);
    return CString(buffer, static_cast<int>(gbkFitLength(buffer, maxBytes)));
}

int clampInt(int value, int low, int high)
{
    return value <= low ? low : value >= high ? high : value;
}

int notNegative(int value) { return value < 0 ? 0 : value; }

CString decimal(int value)
{
    CString text;
    text.Format("%d", value);
    return text;
}

const char* const kMatrixSections[MATRIX_KINDS] = {"CVBS_Matrix", "VGA_Matrix", "DVI_Matrix", "COMMON_Matrix"};
const char* const kNameFormats[MATRIX_KINDS] = {"视频%d", "VGA%d", "HDMI%d", "输入 %d"};
// The profile is read matrix by matrix in this order.
const MatrixKind kReadOrder[MATRIX_KINDS] = {MATRIX_DVI, MATRIX_VGA, MATRIX_CVBS, MATRIX_COMMON};

}  // namespace

ProfileStore::ProfileStore() : m_besideProgram(true) {}

ProfileStore::ProfileStore(const CString& directory) : m_directory(directory), m_besideProgram(false) {}

CString ProfileStore::pathOf(LPCSTR fileName) const
{
    CString path;
    path.Format("%s\\%s", m_besideProgram ? programDirectory().GetString() : m_directory.GetString(), fileName);
    return path;
}

CString ProfileStore::viewProfilePath() const { return pathOf(kViewProfile); }
CString ProfileStore::commProfilePath() const { return pathOf(kCommProfile); }

int ProfileStore::readComm(CommSettings& settings) const
{
    DirectProfileReader reader(commProfilePath());
    settings.commPort = reader.readInt("comm", "commport", 999);
    settings.timeout = clampInt(reader.readInt("comm", "timeout", 10), 10, 60);
    settings.baudRate = reader.readInt("comm", "baudrate", 0);
    return 1;
}

int ProfileStore::writeComm(const CommSettings& settings) const
{
    const CString path = commProfilePath();
    WritePrivateProfileStringA("comm", "commport", decimal(settings.commPort), path);
    WritePrivateProfileStringA("comm", "timeout", decimal(settings.timeout), path);
    WritePrivateProfileStringA("comm", "baudrate", decimal(settings.baudRate), path);
    return 1;
}

int ProfileStore::readSubGrid(int* subRows, int* subColumns) const
{
    SectionProfileReader reader(viewProfilePath());
    const MpdSubGrid grid = parseSubGrid(readText(reader, kApplication, "mpdsubcells", "", 98));
    *subRows = grid.rows;
    *subColumns = grid.columns;
    return 1;
}

void ProfileStore::readSystemFrom(ProfileReader& reader, SystemConfig& config)
{
    // The count is the key + 1; a key at the top of the integer range saturates rather than
    // overflowing.
    const int mpdKey = reader.readInt(kApplication, "mpdnums", -1);
    config.mpdCount = mpdKey >= 127 ? 127 : clampInt(mpdKey + 1, 0, 127);
    config.cvbsInputs = clampInt(reader.readInt("CVBS_Matrix", "numofinput", -1), 0, 255);
    config.vgaInputs = clampInt(reader.readInt("VGA_Matrix", "numofinput", -1), 0, 255);
    config.dviInputs = clampInt(reader.readInt("DVI_Matrix", "numofinput", -1), 0, 255);
    config.commonInputs = reader.readInt("COMMON_Matrix", "numofinput", -1);
    config.resolution = reader.readInt(kApplication, "resolution", -1);
    config.mpdResolution = reader.readInt(kApplication, "mpdresolution", -1);
    config.subColorR = reader.readInt(kApplication, "subcolorR", -1);
    config.subColorG = reader.readInt(kApplication, "subcolorG", -1);
    config.subColorB = reader.readInt(kApplication, "subcolorB", -1);
    config.subSource = reader.readInt(kApplication, "subsource", -1);
    // "cells" is parsed, but the wall is one row by one column whenever the profile is read;
    // a scene file's values take over while the file is read.
    int rows = 1, columns = 1;
    parseCells(readText(reader, kApplication, "cells", "", 98), &rows, &columns);
    config.wallRows = 1;
    config.wallColumns = 1;
}

int ProfileStore::readSystem(SystemConfig& config) const
{
    SectionProfileReader reader(viewProfilePath());
    readSystemFrom(reader, config);
    return 1;
}

int ProfileStore::readPanel(PanelGeometry& panel) const
{
    SectionProfileReader reader(viewProfilePath());
    panel.manualMode = reader.readInt("manuset", "manumode", 0);
    panel.width = notNegative(reader.readInt("manuset", "width", 0));
    panel.height = notNegative(reader.readInt("manuset", "height", 0));
    panel.leftEdge = notNegative(reader.readInt("manuset", "leftedge", 0));
    panel.rightEdge = notNegative(reader.readInt("manuset", "rightedge", 0));
    panel.topEdge = notNegative(reader.readInt("manuset", "topedge", 0));
    panel.bottomEdge = notNegative(reader.readInt("manuset", "bottomedge", 0));
    return 1;
}

int ProfileStore::writePanel(const PanelGeometry& panel) const
{
    const CString path = viewProfilePath();
    WritePrivateProfileStringA("manuset", "width", decimal(panel.width), path);
    WritePrivateProfileStringA("manuset", "height", decimal(panel.height), path);
    WritePrivateProfileStringA("manuset", "leftedge", decimal(panel.leftEdge), path);
    WritePrivateProfileStringA("manuset", "rightedge", decimal(panel.rightEdge), path);
    WritePrivateProfileStringA("manuset", "topedge", decimal(panel.topEdge), path);
    WritePrivateProfileStringA("manuset", "bottomedge", decimal(panel.bottomEdge), path);
    return 1;
}

int ProfileStore::readRecent(CString& path) const
{
    SectionProfileReader reader(viewProfilePath());
    path = readText(reader, kApplication, "recentfilename", "", 258);
    if (path.IsEmpty() || !pathExists(path))
        return 0;
    return 1;
}

int ProfileStore::writeRecent(LPCSTR path) const
{
    WritePrivateProfileStringA(kApplication, "recentfilename", path, viewProfilePath());
    return 1;
}

int ProfileStore::newScenePath(CString& path) const
{
    const CString directory = m_besideProgram ? programDirectory() : m_directory;
    CString folder;
    folder.Format("%s\\insidemode", directory.GetString());
    ensureFolder(folder);
    path.Format("%s\\insidemode\\%s", directory.GetString(), "newmode.tzs");
    return 1;
}

void ProfileStore::readMatricesFrom(ProfileReader& reader, MatrixConfig& config)
{
    for (MatrixKind kind : kReadOrder)
        config[kind].devNo = reader.readInt(kMatrixSections[kind], "devno", 0);
    for (MatrixKind kind : kReadOrder)
        config[kind].devFactory = reader.readInt(kMatrixSections[kind], "devfactory", 0);
    char key[32];
    for (MatrixKind kind : kReadOrder) {
        if (kind == MATRIX_COMMON)
            continue;
        for (int i = 0; i < kMatrixInputs; ++i) {
            std::snprintf(key, sizeof(key), "mpd%d", i + 1);
            config[kind].portMap[kMatrixInputs + i] = reader.readInt(kMatrixSections[kind], key, i + 1);
        }
    }
    for (MatrixKind kind : kReadOrder) {
        if (kind == MATRIX_COMMON)
            continue;
        for (int i = 0; i < kMatrixInputs; ++i) {
            std::snprintf(key, sizeof(key), "drv%d", i + 1);
            config[kind].portMap[i] = reader.readInt(kMatrixSections[kind], key, i + 1);
        }
    }
    char defaultName[32];
    for (MatrixKind kind : kReadOrder) {
        for (int i = 0; i < kMatrixInputs; ++i) {
            std::snprintf(key, sizeof(key), "input%d", i + 1);
            std::snprintf(defaultName, sizeof(defaultName), kNameFormats[kind], i + 1);
            const CString name = readText(reader, kMatrixSections[kind], key, defaultName, kMatrixNameSlot - 1);
            copyGbkCut(config[kind].inputNames[i], kMatrixNameSlot, name);
        }
    }
}

int ProfileStore::readMatrices(MatrixConfig& config) const
{
    SectionProfileReader reader(viewProfilePath());
    readMatricesFrom(reader, config);
    return 1;
}

int ProfileStore::readPresetCaption(int n, CString& caption) const
{
    DirectProfileReader reader(buttonProfilePath());
    char key[32];
    char number[16];
    std::snprintf(key, sizeof(key), "preset_button%d", n);
    std::snprintf(number, sizeof(number), "%d", n);
    caption = readText(reader, "quick2_text", key, number, 98);
    return 1;
}

int ProfileStore::writePresetCaption(int n, LPCSTR caption) const
{
    char key[32];
    std::snprintf(key, sizeof(key), "preset_button%d", n);
    WritePrivateProfileStringA("quick2_text", key, caption, buttonProfilePath());
    return 1;
}

CString ProfileStore::resolutionName(int index) const { return resolutionText(index); }

int ProfileStore::mpdPixelSize(int* width, int* height) const
{
    mpdPixelSizeFor(workingSystem().mpdResolution, width, height);
    return 1;
}
