// Native private-profile functions of Win32Seam.h.
//
// Reading follows the Windows functions as Wine implements them (Wine is where the program is
// tested): sections and keys are compared without regard to ASCII case, the first matching
// section is the only one searched and the first matching key wins, names and values are
// trimmed of white space, one pair of surrounding quotes is removed from a value, a line
// without '=' has no value, and ';' lines are skipped when keys are listed. Text is GBK: a
// two-byte character is one character when a result is cut to the caller's buffer, and a trail
// byte is never folded as if it were an ASCII letter.
//
// Writing edits the file in place as Windows does: the one line that changes is replaced,
// a new key goes after the last non-blank line of its section, a new section goes at the end,
// and every other byte of the file stays as it was (GBK text, CRLF or LF line ends, comments,
// blank lines).
//
// A file name may use '\' as the separator, as the program's paths do ("%s\%s"); it is read
// with '/'.
#include "ProfileText.h"
#include "Win32Seam.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace {

using profile_text::charCount;
using profile_text::copyEntry;
using profile_text::cutAtNul;
using profile_text::entryParts;
using profile_text::headChars;
using profile_text::isBlank;
using profile_text::parseInteger;
using profile_text::requestName;
using profile_text::sameName;
using profile_text::sectionHeader;
using profile_text::trimDefault;
using profile_text::trimSpan;

// The narrow result of a lookup: the first `count` characters of `wide`, cut to the buffer.
DWORD storeNarrow(const std::string& wide, size_t count, LPSTR buffer, DWORD size)
{
    return profile_text::storeNarrow(headChars(wide, count), buffer, size);
}

std::string hostPath(const char* fileName)
{
    std::string path(fileName);
    for (char& c : path)
        if (c == '\\')
            c = '/';
    return path;
}

// One line of a profile file with its place in the bytes.
struct Line {
    enum Kind { Blank, Header, Entry };
    size_t begin = 0;  // first byte of the line
    size_t end = 0;    // end of its text, before the line break
    size_t next = 0;   // first byte of the following line
    Kind kind = Blank;
    std::string name;  // section name of a header, key name of an entry
    bool hasValue = false;
    std::string value;
};

// The lines of a profile file's bytes.
struct ParsedProfile {
    std::string bytes;
    std::vector<Line> lines;
};

// Sorts a line into blank, header or entry, with its name and value.
void classify(const std::string& bytes, Line& line)
{
    size_t s = line.begin, e = line.end;
    trimSpan(bytes, s, e);
    if (s == e)
        return;
    if (sectionHeader(bytes, s, e, line.name)) {
        line.kind = Line::Header;
        return;
    }
    line.kind = Line::Entry;
    line.hasValue = entryParts(bytes, s, e, line.name, line.value);
}

// Lines end at CR LF, LF or CR.
void splitLines(const std::string& bytes, std::vector<Line>& lines)
{
    size_t pos = 0;
    while (pos < bytes.size()) {
        Line line;
        line.begin = pos;
        size_t end = pos;
        while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n')
            ++end;
        line.end = end;
        if (end < bytes.size())
            end += (bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n') ? 2 : 1;
        line.next = end;
        classify(bytes, line);
        lines.push_back(line);
        pos = end;
    }
}

std::shared_ptr<const ParsedProfile> parseProfile(std::string bytes)
{
    auto parsed = std::make_shared<ParsedProfile>();
    parsed->bytes = std::move(bytes);
    splitLines(parsed->bytes, parsed->lines);
    return parsed;
}

// Start-up asks a large TzView.ini for thousands of keys, and splitting it anew for each would
// cost far more than reading it. As the platform does, the lines of recently read files are
// kept; a file is still read on every call and its kept lines are used only when its bytes are
// exactly the ones they were made from.
std::shared_ptr<const ParsedProfile> parsedProfile(const std::string& path, std::string bytes)
{
    static std::mutex mutex;
    static std::map<std::string, std::shared_ptr<const ParsedProfile>> kept;
    {
        std::lock_guard<std::mutex> lock(mutex);
        const auto found = kept.find(path);
        if (found != kept.end() && found->second->bytes == bytes)
            return found->second;
    }
    std::shared_ptr<const ParsedProfile> parsed = parseProfile(std::move(bytes));
    std::lock_guard<std::mutex> lock(mutex);
    if (kept.size() >= 8 && kept.find(path) == kept.end())
        kept.erase(kept.begin());
    kept[path] = parsed;
    return parsed;
}

// A profile file read whole and split into lines. Index 0 of sections() is the unnamed part
// before the first header. An edit works on a copy of the bytes.
class ProfileFile {
public:
    explicit ProfileFile(const char* fileName) : path_(hostPath(fileName))
    {
        // Plain descriptor reads: a start-up reads a profile thousands of times, and a stdio
        // stream would allocate (and free) a buffer for each.
        std::string bytes;
        const int fd = ::open(path_.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd >= 0) {
            exists_ = true;
            char chunk[16384];
            ssize_t n;
            while ((n = ::read(fd, chunk, sizeof(chunk))) > 0 || (n < 0 && errno == EINTR))
                if (n > 0)
                    bytes.append(chunk, static_cast<size_t>(n));
            ::close(fd);
        }
        parsed_ = parsedProfile(path_, std::move(bytes));
    }

    bool exists() const { return exists_; }
    const std::vector<Line>& lines() const { return parsed_->lines; }

    // Headers of the sections in file order; -1 stands for the unnamed part at the top.
    std::vector<long> sectionHeaders() const
    {
        std::vector<long> headers{-1};
        for (size_t i = 0; i < lines().size(); ++i)
            if (lines()[i].kind == Line::Header)
                headers.push_back(static_cast<long>(i));
        return headers;
    }

    static std::string headerName(const ProfileFile& f, long header)
    {
        return header < 0 ? std::string() : f.lines()[static_cast<size_t>(header)].name;
    }

    // Lines of the section whose header is at `header`: [first, last).
    void sectionRange(long header, size_t& first, size_t& last) const
    {
        first = static_cast<size_t>(header + 1);
        last = first;
        while (last < lines().size() && lines()[last].kind != Line::Header)
            ++last;
    }

    // The first section whose name matches; only that one is searched for keys.
    bool findSection(const std::string& name, long& header) const
    {
        for (long h : sectionHeaders()) {
            if (sameName(headerName(*this, h), name)) {
                header = h;
                return true;
            }
        }
        return false;
    }

    const Line* findKey(long header, const std::string& key) const
    {
        size_t first, last;
        sectionRange(header, first, last);
        for (size_t i = first; i < last; ++i)
            if (lines()[i].kind == Line::Entry && sameName(lines()[i].name, key))
                return &lines()[i];
        return nullptr;
    }

    // One edit per call: the offsets of lines() refer to the bytes as read.
    void replace(size_t begin, size_t end, const std::string& text)
    {
        if (!changed_)
            edited_ = parsed_->bytes;
        edited_.replace(begin, end - begin, text);
        changed_ = true;
    }
    void insert(size_t at, const std::string& text) { replace(at, at, text); }
    const std::string& bytes() const { return changed_ ? edited_ : parsed_->bytes; }

    BOOL save() const
    {
        if (!changed_)
            return TRUE;
        std::FILE* f = std::fopen(path_.c_str(), "wb");
        if (!f)
            return FALSE;
        const bool ok = std::fwrite(edited_.data(), 1, edited_.size(), f) == edited_.size();
        return std::fclose(f) == 0 && ok ? TRUE : FALSE;
    }

    // Whether the folder that would hold the file exists (a write may create the file only).
    bool folderExists() const
    {
        const size_t slash = path_.find_last_of('/');
        if (slash == std::string::npos)
            return true;
        struct stat st;
        const std::string folder = slash == 0 ? std::string("/") : path_.substr(0, slash);
        return stat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
    }

private:
    std::string path_;
    std::shared_ptr<const ParsedProfile> parsed_;
    std::string edited_;
    bool exists_ = false;
    bool changed_ = false;
};


// Names of the sections, each followed by a NUL, the list ended by another NUL; cut short,
// the last name is cut and the result is size - 2 characters.
std::string sectionNames(const ProfileFile& file, size_t size, size_t& count)
{
    std::string out;
    count = 0;
    if (size == 1)
        return out;
    size_t room = size - 1;
    for (long h : file.sectionHeaders()) {
        const std::string name = ProfileFile::headerName(file, h);
        if (name.empty())
            continue;
        const size_t needed = charCount(name) + 1;
        if (needed >= room) {
            if (room > 0) {
                out += headChars(name, room - 1);
                out += '\0';
            }
            out += '\0';
            count = size - 2;
            return out;
        }
        out += name;
        out += '\0';
        room -= needed;
    }
    count = charCount(out);
    out += '\0';
    return out;
}

// Key names of the first section called `section` (exact length, any ASCII case), in the same
// list form. Comment lines and lines without '=' are not listed.
std::string keyNames(const ProfileFile& file, const std::string& section, size_t size, size_t& count)
{
    std::string out;
    count = 0;
    for (long h : file.sectionHeaders()) {
        if (!sameName(ProfileFile::headerName(file, h), section))
            continue;
        size_t first, last;
        file.sectionRange(h, first, last);
        size_t room = size;
        for (size_t i = first; i < last; ++i) {
            const Line& line = file.lines()[i];
            if (room <= 2)
                break;
            if (line.kind != Line::Entry || (!line.name.empty() && line.name[0] == ';') || !line.hasValue)
                continue;
            const std::string piece = headChars(line.name, room - 2);
            out += piece;
            out += '\0';
            room -= charCount(piece) + 1;
            if (room < 2)
                break;
        }
        out += '\0';
        count = room <= 1 ? size - 2 : size - room;
        return out;
    }
    out += '\0';
    return out;
}

// What the platform's wide function would leave in a buffer of `size` characters.
std::string lookup(const char* section, const char* key, const char* defaultValue, size_t size,
                   const char* fileName, size_t& count)
{
    const ProfileFile file(fileName);
    const std::string fallback = trimDefault(defaultValue);
    if (!section)
        return sectionNames(file, size, count);
    if (!key) {
        std::string list = keyNames(file, section, size, count);
        if (!list.empty() && list[0] != '\0')
            return list;
    } else {
        long header;
        const Line* line = nullptr;
        if (file.findSection(requestName(section), header))
            line = file.findKey(header, requestName(key));
        if (line && line->hasValue) {
            std::string out = copyEntry(line->value, size);
            count = charCount(out);
            return out;
        }
    }
    std::string out = copyEntry(fallback, size);
    count = charCount(out);
    return out;
}


bool deleteSection(ProfileFile& file, const std::string& section)
{
    for (long h : file.sectionHeaders()) {
        if (!sameName(ProfileFile::headerName(file, h), section))
            continue;
        size_t first, last;
        file.sectionRange(h, first, last);
        const auto& lines = file.lines();
        const size_t from = h < 0 ? 0 : lines[static_cast<size_t>(h)].begin;
        const size_t to = last < lines.size() ? lines[last].begin : file.bytes().size();
        if (from != to)
            file.replace(from, to, std::string());
        return true;
    }
    return false;
}

void deleteKey(ProfileFile& file, const std::string& section, const std::string& key)
{
    for (long h : file.sectionHeaders()) {
        if (!sameName(ProfileFile::headerName(file, h), section))
            continue;
        size_t first, last;
        file.sectionRange(h, first, last);
        for (size_t i = first; i < last; ++i) {
            const Line& line = file.lines()[i];
            if (line.kind == Line::Entry && sameName(line.name, key)) {
                file.replace(line.begin, line.next, std::string());
                return;
            }
        }
    }
}

void setKey(ProfileFile& file, const std::string& section, const std::string& key, const char* value)
{
    while (isBlank(static_cast<unsigned char>(*value)))
        ++value;
    const std::string text(value);
    long header;
    if (file.findSection(section, header)) {
        if (const Line* line = file.findKey(header, key)) {
            if (line->hasValue && line->value == text)
                return;
            file.replace(line->begin, line->end, line->name + "=" + text);
            return;
        }
        // After the section's last non-blank line (its header when it has none).
        size_t first, last;
        file.sectionRange(header, first, last);
        long after = header;
        for (size_t i = first; i < last; ++i)
            if (file.lines()[i].kind != Line::Blank)
                after = static_cast<long>(i);
        std::string entry = key + "=" + text + "\r\n";
        if (after < 0) {
            file.insert(0, entry);
            return;
        }
        const Line& line = file.lines()[static_cast<size_t>(after)];
        if (line.next == line.end)
            entry = "\r\n" + entry;
        file.insert(line.next, entry);
        return;
    }
    std::string block;
    const std::string& bytes = file.bytes();
    if (!bytes.empty() && bytes.back() != '\n' && bytes.back() != '\r')
        block = "\r\n";
    block += "[" + section + "]\r\n" + key + "=" + text + "\r\n";
    file.insert(bytes.size(), block);
}

}  // namespace

DWORD GetPrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR defaultValue, LPSTR buffer,
                               DWORD size, LPCSTR fileName)
{
    if (!buffer || size == 0)
        return 0;
    if (!fileName) {
        buffer[0] = '\0';
        return 0;
    }
    size_t count = 0;
    const std::string wide = lookup(section, key, defaultValue, size, fileName, count);
    return storeNarrow(wide, count, buffer, size);
}

UINT GetPrivateProfileIntA(LPCSTR section, LPCSTR key, INT defaultValue, LPCSTR fileName)
{
    // The platform reads the value into a 30-character buffer first.
    if (!fileName)
        return static_cast<UINT>(defaultValue);
    size_t count = 0;
    const std::string text = lookup(section, key, "", 30, fileName, count);
    if (count == 0)
        return static_cast<UINT>(defaultValue);
    return parseInteger(cutAtNul(headChars(text, count)));
}

BOOL WritePrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR value, LPCSTR fileName)
{
    if (!fileName || !section)
        return FALSE;
    ProfileFile file(fileName);
    if (!file.exists() && !file.folderExists())
        return FALSE;
    if (!key)
        deleteSection(file, section);
    else if (!value)
        deleteKey(file, section, key);
    else
        setKey(file, requestName(section), requestName(key), value);
    return file.save();
}
