// The Windows section reader: each section as the platform reads it, one call per section.
#include "app/core/profile/ProfileReader.h"

#include <vector>

namespace {

// Sections are read into a buffer that doubles until the lines fit. The platform reports a
// section that does not fit with the size less two; 64 MiB stops a runaway file.
const DWORD kFirstSectionBuffer = 32 * 1024;
const DWORD kLargestSectionBuffer = 64u * 1024 * 1024;

}  // namespace

SectionProfileReader::SectionProfileReader(const CString& path) : m_path(path), m_askPlatform(true) {}

void SectionProfileReader::loadSection(const std::string& requested, const std::string& foldedName)
{
    std::vector<char> buffer(kFirstSectionBuffer);
    DWORD length = 0;
    for (;;) {
        const DWORD size = static_cast<DWORD>(buffer.size());
        length = GetPrivateProfileSectionA(requested.c_str(), buffer.data(), size, m_path);
        if (length < size - 2 || size >= kLargestSectionBuffer)
            break;
        buffer.resize(static_cast<size_t>(size) * 2);
    }
    // "name=value" lines, each ended by NUL (a missing or empty section has none); the first
    // section of the name is the one the platform returns.
    Section section;
    section.name = requested;
    const std::string lines(buffer.data(), length);
    size_t begin = 0;
    while (begin < lines.size()) {
        size_t end = lines.find('\0', begin);
        if (end == std::string::npos)
            end = lines.size();
        addKeyLine(section, lines, begin, end);
        begin = end + 1;
    }
    m_firstSection.emplace(foldedName, m_sections.size());
    m_sections.push_back(std::move(section));
}
