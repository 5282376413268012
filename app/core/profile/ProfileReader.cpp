#include "app/core/profile/ProfileReader.h"

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

bool isLeadByte(unsigned char b) { return b >= 0x81 && b <= 0xFE; }
bool isTrailByte(unsigned char b) { return b >= 0x40 && b <= 0xFE && b != 0x7F; }

// Bytes of the character at s[i]: 2 for a GBK pair, else 1.
size_t charLength(const std::string& s, size_t i)
{
    return i + 1 < s.size() && isLeadByte(static_cast<unsigned char>(s[i])) &&
                   isTrailByte(static_cast<unsigned char>(s[i + 1]))
               ? 2
               : 1;
}

size_t charCount(const std::string& s)
{
    size_t count = 0;
    for (size_t i = 0; i < s.size(); i += charLength(s, i))
        ++count;
    return count;
}

std::string headChars(const std::string& s, size_t n)
{
    size_t i = 0;
    for (size_t k = 0; k < n && i < s.size(); ++k)
        i += charLength(s, i);
    return s.substr(0, i);
}

bool isBlank(unsigned char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f' || c == 0x1A;
}

std::string trimmed(const std::string& s, size_t begin, size_t end)
{
    while (begin < end && isBlank(static_cast<unsigned char>(s[begin])))
        ++begin;
    while (end > begin && isBlank(static_cast<unsigned char>(s[end - 1])))
        --end;
    return s.substr(begin, end - begin);
}

std::string cutAtNul(std::string s)
{
    const size_t nul = s.find('\0');
    if (nul != std::string::npos)
        s.resize(nul);
    return s;
}

char foldAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// The name as compared: ASCII letters folded, both bytes of a GBK pair kept. Two names match
// exactly when their folded forms are equal.
std::string folded(const std::string& name)
{
    std::string out(name);
    for (size_t i = 0; i < out.size();) {
        const size_t n = charLength(out, i);
        if (n == 1)
            out[i] = foldAscii(out[i]);
        i += n;
    }
    return out;
}

std::string requestName(LPCSTR name) { return trimmed(name, 0, std::strlen(name)); }

// The platform's copy of a value into `size` characters: one pair of matching quotes removed,
// cut to size - 1 characters, and one character fewer when a quoted value fills the buffer.
std::string copyEntry(std::string value, size_t size)
{
    bool quoted = false;
    if (value.size() > 1 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0]) {
        quoted = true;
        value.erase(0, 1);
    }
    std::string out = headChars(value, size - 1);
    if (quoted && size >= charCount(value) && !out.empty())
        out = headChars(out, charCount(out) - 1);
    return out;
}

// A default loses its trailing spaces, but keeps at least its first character.
std::string trimDefault(LPCSTR value)
{
    if (!value)
        return std::string();
    std::string s(value);
    size_t end = s.size();
    while (end > 1 && s[end - 1] == ' ')
        --end;
    s.resize(end);
    return s;
}

// Whole characters that fit in size - 1 bytes; when not all fit the result is size - 1 and the
// rest of the buffer is NUL, as the platform reports a cut result.
DWORD storeNarrow(const std::string& text, LPSTR buffer, DWORD size)
{
    const size_t room = size - 1;
    if (text.size() <= room) {
        std::memcpy(buffer, text.data(), text.size());
        buffer[text.size()] = '\0';
        return static_cast<DWORD>(text.size());
    }
    size_t fit = 0;
    while (fit < text.size() && fit + charLength(text, fit) <= room)
        fit += charLength(text, fit);
    std::memcpy(buffer, text.data(), fit);
    std::memset(buffer + fit, 0, size - fit);
    return static_cast<DWORD>(room);
}

// Leading bytes up to ' ' skipped, a sign, "0x"/"0o"/"0b" for base 16/8/2, digits until the
// first that does not belong; overflow wraps.
unsigned parseInteger(const std::string& text)
{
    size_t i = 0;
    while (i < text.size() && static_cast<unsigned char>(text[i]) <= ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    unsigned base = 10;
    if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'o' || text[i + 1] == 'b')) {
        base = text[i + 1] == 'x' ? 16 : text[i + 1] == 'o' ? 8 : 2;
        i += 2;
    }
    unsigned total = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        unsigned digit = 99;
        if (c >= '0' && c <= '9')
            digit = static_cast<unsigned>(c - '0');
        else if (c >= 'A' && c <= 'Z')
            digit = static_cast<unsigned>(c - 'A' + 10);
        else if (c >= 'a' && c <= 'z')
            digit = static_cast<unsigned>(c - 'a' + 10);
        if (digit >= base)
            break;
        total = total * base + digit;
    }
    return negative ? 0u - total : total;
}

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
        while (s < e && isBlank(static_cast<unsigned char>(bytes[s])))
            ++s;
        while (e > s && isBlank(static_cast<unsigned char>(bytes[e - 1])))
            --e;
        if (s == e)
            continue;
        if (bytes[s] == '[') {
            // The name runs to the last ']' that is a character of its own.
            size_t close = std::string::npos;
            for (size_t i = s + 1; i < e; i += charLength(bytes, i))
                if (bytes[i] == ']' && charLength(bytes, i) == 1)
                    close = i;
            if (close != std::string::npos) {
                Section section;
                section.name = cutAtNul(trimmed(bytes, s + 1, close));
                m_firstSection.emplace(folded(section.name), m_sections.size());
                m_sections.push_back(std::move(section));
                continue;
            }
        }
        addKeyLine(m_sections.back(), bytes, s, e);
    }
}

void SectionProfileReader::addKeyLine(Section& section, const std::string& bytes, size_t s, size_t e)
{
    while (s < e && isBlank(static_cast<unsigned char>(bytes[s])))
        ++s;
    while (e > s && isBlank(static_cast<unsigned char>(bytes[e - 1])))
        --e;
    if (s == e)
        return;
    Key key;
    const size_t equals = bytes.find('=', s);
    if (equals == std::string::npos || equals >= e) {
        key.name = cutAtNul(bytes.substr(s, e - s));
    } else {
        key.name = cutAtNul(trimmed(bytes, s, equals));
        key.hasValue = true;
        key.value = cutAtNul(trimmed(bytes, equals + 1, e));
    }
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
