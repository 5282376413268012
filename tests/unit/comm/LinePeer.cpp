#include "tests/unit/comm/LinePeer.h"

#include "fx/seam/Win32Seam.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

LinePeer::LinePeer()
{
    const char* dir = std::getenv("TAVELO_PEER_DIR");
    const char* com = std::getenv("TAVELO_TEST_COM");
    if (dir && com) {
        dir_ = dir;
        com_ = std::atoi(com);
    }
}

std::string LinePeer::File(const char* name) const
{
#ifdef _WIN32
    return dir_ + "\\" + name;
#else
    return dir_ + "/" + name;
#endif
}

void LinePeer::Reset()
{
    std::ofstream(File("rules"), std::ios::trunc);
    std::ofstream(File("received"), std::ios::trunc);
}

void LinePeer::SetRules(const std::string& rules)
{
    std::ofstream out(File("rules"), std::ios::trunc);
    out << rules << "\n";
}

std::vector<LineChunk> LinePeer::Chunks() const
{
    std::vector<LineChunk> chunks;
    std::ifstream in(File("received"));
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        LineChunk chunk;
        std::string hex;
        if (!(fields >> chunk.ms >> hex))
            continue;
        chunk.bytes = Hex(hex);
        chunks.push_back(chunk);
    }
    return chunks;
}

std::vector<LineChunk> LinePeer::WaitFor(std::size_t count, int timeoutMs) const
{
    const DWORD start = GetTickCount();
    for (;;) {
        std::vector<LineChunk> chunks = Chunks();
        if (Join(chunks).size() >= count || static_cast<int>(GetTickCount() - start) > timeoutMs)
            return chunks;
        Sleep(20);
    }
}

std::vector<unsigned char> LinePeer::Join(const std::vector<LineChunk>& chunks)
{
    std::vector<unsigned char> all;
    for (const LineChunk& chunk : chunks)
        all.insert(all.end(), chunk.bytes.begin(), chunk.bytes.end());
    return all;
}

std::vector<unsigned char> LinePeer::Hex(const std::string& hex)
{
    std::vector<unsigned char> bytes;
    std::string digits;
    for (char c : hex) {
        if (c != ' ')
            digits += c;
    }
    for (std::size_t i = 0; i + 1 < digits.size(); i += 2)
        bytes.push_back(static_cast<unsigned char>(std::strtol(digits.substr(i, 2).c_str(), nullptr, 16)));
    return bytes;
}

std::string LinePeer::ToHex(const std::vector<unsigned char>& bytes)
{
    std::string text;
    char part[4];
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        std::snprintf(part, sizeof(part), i ? " %02X" : "%02X", bytes[i]);
        text += part;
    }
    return text;
}
