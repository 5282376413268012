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

// Answers every key with the platform's rules: first matching section only, first matching key,
// ASCII letters in any case, trimmed names and values, one pair of quotes removed, GBK
// characters kept whole. Natively it reads the whole file on construction (a missing file reads
// as empty) and parses it. On Windows it asks the platform for each section once
// (GetPrivateProfileSectionA), so a file the platform reads in its own way (a Unicode file with
// a byte-order mark, say) gives the values the key-by-key functions give.
class SectionProfileReader : public ProfileReader {
public:
    explicit SectionProfileReader(const CString& path);
    int readInt(LPCSTR section, LPCSTR key, int defaultValue) override;
    DWORD readString(LPCSTR section, LPCSTR key, LPCSTR defaultValue, LPSTR buffer, DWORD size) override;

    // Reads a file's bytes as they are, on either build (tests give bytes directly).
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
    // One "name=value" line (or a bare name) of bytes[begin, end); a blank line adds nothing.
    static void addKeyLine(Section& section, const std::string& bytes, size_t begin, size_t end);
    // The first section of that name, or null. A reader of a file on Windows loads it first.
    const Section* section(LPCSTR name);
    // Asks the platform for the section's lines (Windows only).
    void loadSection(const std::string& requested, const std::string& foldedName);
    const Key* find(LPCSTR section, LPCSTR key);
    // A key the sections cannot answer, asked of the platform on its own (Windows only).
    bool askKeyByKey(LPCSTR key) const;

    CString m_path;
    bool m_askPlatform = false;  // sections come from the platform one by one
    std::vector<Section> m_sections;  // parsed: the first is the unnamed part before any header
    std::unordered_map<std::string, size_t> m_firstSection;  // folded name -> first section
};
