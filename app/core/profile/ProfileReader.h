// Reading the keys of one profile file. The direct reader asks the private-profile functions
// key by key; the section reader reads the file once and answers from memory, with the same
// results (the profile case table runs against both).
#pragma once

#include "fx/core/String.h"

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

class ProfileReader {
public:
    virtual ~ProfileReader() = default;
    // As GetPrivateProfileIntA: the value as a signed integer, or the default.
    virtual int readInt(LPCSTR section, LPCSTR key, int defaultValue) = 0;
    // As GetPrivateProfileStringA with a section and a key: the length copied.
    virtual DWORD readString(LPCSTR section, LPCSTR key, LPCSTR defaultValue, LPSTR buffer, DWORD size) = 0;
};

class DirectProfileReader : public ProfileReader {
public:
    explicit DirectProfileReader(const CString& path) : m_path(path) {}
    int readInt(LPCSTR section, LPCSTR key, int defaultValue) override;
    DWORD readString(LPCSTR section, LPCSTR key, LPCSTR defaultValue, LPSTR buffer, DWORD size) override;

private:
    CString m_path;
};

// Reads the whole file on construction (a missing file reads as empty) and answers every key
// with the platform's rules: first matching section only, first matching key, ASCII letters in
// any case, trimmed names and values, one pair of quotes removed, GBK characters kept whole.
class SectionProfileReader : public ProfileReader {
public:
    explicit SectionProfileReader(const CString& path);
    int readInt(LPCSTR section, LPCSTR key, int defaultValue) override;
    DWORD readString(LPCSTR section, LPCSTR key, LPCSTR defaultValue, LPSTR buffer, DWORD size) override;

    // Reads a file's bytes as they are (used by the constructor; tests give bytes directly).
    static SectionProfileReader fromBytes(const std::string& bytes);

private:
    struct Key {
        std::string name;
        bool hasValue = false;
        std::string value;
    };
    struct Section {
        std::string name;
        std::vector<Key> keys;
        std::unordered_map<std::string, size_t> firstKey;  // folded name -> first key of that name
    };
    SectionProfileReader() = default;
    void parse(const std::string& bytes);
    const Key* find(LPCSTR section, LPCSTR key) const;

    std::vector<Section> m_sections;  // the first is the unnamed part before any header
    std::unordered_map<std::string, size_t> m_firstSection;  // folded name -> first section
};
