// Builds expected archive bytes field by field, independently of the archive code.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

class TestBytes {
public:
    TestBytes& w16(std::uint32_t v)
    {
        m_bytes.push_back(static_cast<std::uint8_t>(v));
        m_bytes.push_back(static_cast<std::uint8_t>(v >> 8));
        return *this;
    }
    TestBytes& w32(std::uint32_t v)
    {
        for (int i = 0; i < 4; ++i)
            m_bytes.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
        return *this;
    }
    TestBytes& str(const char* s)
    {
        m_bytes.insert(m_bytes.end(), s, s + std::strlen(s));
        return *this;
    }
    // A new-class record: the tag, schema, name length and name.
    TestBytes& newClass(std::uint32_t schema, const char* name)
    {
        return w16(0xFFFF).w16(schema).w16(static_cast<std::uint32_t>(std::strlen(name))).str(name);
    }
    const std::vector<std::uint8_t>& bytes() const { return m_bytes; }
    std::size_t size() const { return m_bytes.size(); }

private:
    std::vector<std::uint8_t> m_bytes;
};
