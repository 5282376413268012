#include "app/core/profile/ProfileReader.h"

#include "fx/seam/ProfileText.h"

#include <cstdio>
#include <cstring>

int DirectProfileReader::readInt(LPCSTR section, LPCSTR key, int defaultValue)
{
    return static_cast<int>(GetPrivateProfileIntA(section, key, defaultValue, m_path));
}

DWORD DirectProfileReader::readString(LPCSTR section, LPCSTR key, LPCSTR defaultValue, LPSTR buffer, DWORD size)
{
    return GetPrivateProfileStringA(section, key, defaultValue, buffer, size, m_path);
}

namespace {

using profile_text::copyEntry;
using profile_text::entryParts;
using profile_text::folded;
using profile_text::parseInteger;
using profile_text::requestName;
using profile_text::sectionHeader;
using profile_text::storeNarrow;
using profile_text::trimDefault;
using profile_text::trimSpan;

}  // namespace

#ifndef _WIN32
SectionProfileReader::SectionProfileReader(const CString& path) : m_path(path)
{
    std::string hostPath(path.GetString());
    for (char& c : hostPath)
        if (c == '\\')
            c = '/';
    std::string bytes;
    if (std::FILE* f = std::fopen(hostPath.c_str(), "rb")) {
        char chunk[16384];
        size_t n;
        while ((n = std::fread(chunk, 1, sizeof(chunk), f)) > 0)
            bytes.append(chunk, n);
        std::fclose(f);
    }
    parse(bytes);
}

void SectionProfileReader::loadSection(const std::string&, const std::string&) {}
#endif

SectionProfileReader SectionProfileReader::fromBytes(const std::string& bytes)
{
    SectionProfileReader reader;
    reader.parse(bytes);
    return reader;
}

void SectionProfileReader::parse(const std::string& bytes)
{
    m_sections.assign(1, Section());
    m_firstSection.clear();
    m_firstSection.emplace(std::string(), 0);
    size_t pos = 0;
    while (pos < bytes.size()) {
        size_t end = pos;
        while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n')
            ++end;
        const size_t lineEnd = end;
        while (end < bytes.size() && (bytes[end] == '\r' || bytes[end] == '\n'))
            ++end;
        size_t s = pos, e = lineEnd;
        pos = end;
        trimSpan(bytes, s, e);
        if (s == e)
            continue;
        std::string header;
        if (sectionHeader(bytes, s, e, header)) {
            m_firstSection.emplace(folded(header), m_sections.size());
            m_sections.emplace_back();
            m_sections.back().name = std::move(header);
            continue;
        }
        addKeyLine(m_sections.back(), bytes, s, e);
    }
}

void SectionProfileReader::addKeyLine(Section& section, const std::string& bytes, size_t s, size_t e)
{
    trimSpan(bytes, s, e);
    if (s == e)
        return;
    Key key;
    key.hasValue = entryParts(bytes, s, e, key.name, key.value);
    section.firstKey.emplace(folded(key.name), section.keys.size());
    section.keys.push_back(std::move(key));
}

const SectionProfileReader::Section* SectionProfileReader::section(LPCSTR name)
{
    const std::string requested = requestName(name);
    const std::string foldedName = folded(requested);
    auto s = m_firstSection.find(foldedName);
    if (s == m_firstSection.end() && m_askPlatform) {
        loadSection(requested, foldedName);
        s = m_firstSection.find(foldedName);
    }
    return s == m_firstSection.end() ? nullptr : &m_sections[s->second];
}

const SectionProfileReader::Key* SectionProfileReader::find(LPCSTR sectionName, LPCSTR key)
{
    // Only the first section of a name is searched, and the first key of a name wins.
    const Section* found = section(sectionName);
    if (found == nullptr)
        return nullptr;
    const auto k = found->firstKey.find(folded(requestName(key)));
    if (k == found->firstKey.end())
        return nullptr;
    const Key& entry = found->keys[k->second];
    return entry.hasValue ? &entry : nullptr;
}

bool SectionProfileReader::askKeyByKey(LPCSTR key) const
{
    // The platform leaves comment lines out of a section, yet answers a key named like one.
    return m_askPlatform && key != nullptr && requestName(key).compare(0, 1, ";") == 0;
}

DWORD SectionProfileReader::readString(LPCSTR section, LPCSTR key, LPCSTR defaultValue, LPSTR buffer, DWORD size)
{
    if (askKeyByKey(key))
        return DirectProfileReader(m_path).readString(section, key, defaultValue, buffer, size);
    if (!buffer || size == 0)
        return 0;
    const Key* found = section && key ? find(section, key) : nullptr;
    const std::string text = copyEntry(found ? found->value : trimDefault(defaultValue), size);
    return storeNarrow(text, buffer, size);
}

int SectionProfileReader::readInt(LPCSTR section, LPCSTR key, int defaultValue)
{
    if (askKeyByKey(key))
        return DirectProfileReader(m_path).readInt(section, key, defaultValue);
    // The platform reads the value into 30 characters first; an empty value is the default.
    const Key* found = section && key ? find(section, key) : nullptr;
    const std::string text = found ? copyEntry(found->value, 30) : std::string();
    if (text.empty())
        return defaultValue;
    return static_cast<int>(parseInteger(text));
}
