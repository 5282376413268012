// The profile service: reads and writes the program's three profiles. It keeps nothing but
// the paths it builds on every call; every operation returns 1, because a missing file,
// section or key simply reads as its default.
//
//   TzView.ini  beside the program: wall, MPD count, matrices and their names, panel size,
//               the most recent scene file
//   com.ini     beside the program: the serial link settings (TzComm reads the same file)
//   button.ini  in the working directory: the captions of the twenty preset buttons
#pragma once

#include "app/core/profile/ProfileRecords.h"

class ProfileReader;

class ProfileStore {
public:
    // Profiles beside the program.
    ProfileStore();
    // Profiles in another folder (tools and tests); button.ini stays in the working directory.
    explicit ProfileStore(const CString& directory);

    int readComm(CommSettings& settings) const;
    int writeComm(const CommSettings& settings) const;
    int readSubGrid(int* subRows, int* subColumns) const;
    int readSystem(SystemConfig& config) const;
    int readPanel(PanelGeometry& panel) const;
    int writePanel(const PanelGeometry& panel) const;
    // 0 when no recent scene is recorded or its file no longer exists.
    int readRecent(CString& path) const;
    int writeRecent(LPCSTR path) const;
    // "<program folder>\insidemode\newmode.tzs", creating the folder when it is missing.
    int newScenePath(CString& path) const;
    int readMatrices(MatrixConfig& config) const;
    // Caption of preset button n (0..19); its number when the profile has none.
    int readPresetCaption(int n, CString& caption) const;
    int writePresetCaption(int n, LPCSTR caption) const;

    CString resolutionName(int index) const;
    // Indexed by the working copy's mpdResolution.
    int mpdPixelSize(int* width, int* height) const;

    CString viewProfilePath() const;  // TzView.ini
    CString commProfilePath() const;  // com.ini
    static LPCSTR buttonProfilePath() { return ".\\button.ini"; }

    // The record readers on a given reader of TzView.ini (the bench compares readers).
    static void readSystemFrom(ProfileReader& reader, SystemConfig& config);
    static void readMatricesFrom(ProfileReader& reader, MatrixConfig& config);

private:
    CString pathOf(LPCSTR fileName) const;

    CString m_directory;
    bool m_besideProgram;
};
