#include "tools/tzsim/MatrixProtocols.h"

#include <cctype>
#include <cstdlib>

namespace tzsim {

namespace {

// 4-byte binary switch, one command per frame chunk: instruction 0x01 (switch video), then input,
// output and machine number, each with the high bit set; the chunk's remaining four bytes are the
// zeroed rest of the record.
std::optional<Crosspoint> decodeP2000(const std::uint8_t d[8], std::string& why)
{
    if (!(d[1] & 0x80) || !(d[2] & 0x80) || !(d[3] & 0x80)) {
        why = "4-byte switch without the high bit on input, output and machine bytes";
        return std::nullopt;
    }
    if (d[4] || d[5] || d[6] || d[7]) {
        why = "4-byte switch followed by nonzero bytes";
        return std::nullopt;
    }
    Crosspoint c;
    c.protocol = "p2000";
    c.input = d[1] & 0x7F;
    c.output = d[2] & 0x7F;
    c.address = d[3] & 0x7F;
    if (c.input == 0 || c.output == 0) {
        why = "4-byte switch to input or output 0";
        return std::nullopt;
    }
    return c;
}

// 8-byte binary switch: A5, address, 01 (switch), kind, output, input, 00, then the sum of the
// six bytes before it.
std::optional<Crosspoint> decodeTzb8(const std::uint8_t d[8], std::string& why)
{
    unsigned sum = 0;
    for (int i = 1; i <= 6; ++i)
        sum += d[i];
    if ((sum & 0xFF) != d[7]) {
        why = "8-byte switch with a bad sum";
        return std::nullopt;
    }
    if (d[2] != 0x01 || d[6] != 0x00 || d[3] > 2) {
        why = "8-byte command that is not a switch";
        return std::nullopt;
    }
    Crosspoint c;
    c.protocol = "tzb8";
    c.address = d[1];
    c.kind = d[3];
    c.output = d[4];
    c.input = d[5];
    if (c.input == 0 || c.output == 0) {
        why = "8-byte switch to input or output 0";
        return std::nullopt;
    }
    return c;
}

}  // namespace

std::optional<Crosspoint> decodeMatrixData(const std::uint8_t data[8], std::string& why)
{
    if (data[0] == 0x01)
        return decodeP2000(data, why);
    if (data[0] == 0xA5)
        return decodeTzb8(data, why);
    why = "matrix frame in no known protocol";
    return std::nullopt;
}

std::optional<Crosspoint> decodeTextCommand(const std::string& command, std::string& why)
{
    // "<input>*<output>!" with decimal numbers, nothing else.
    const std::size_t star = command.find('*');
    const auto digits = [](const std::string& s) {
        if (s.empty() || s.size() > 3)
            return false;
        for (char c : s)
            if (!std::isdigit(static_cast<unsigned char>(c)))
                return false;
        return true;
    };
    if (star == std::string::npos || command.empty() || command.back() != kTextTerminator) {
        why = "text is not a tie command";
        return std::nullopt;
    }
    const std::string in = command.substr(0, star);
    const std::string out = command.substr(star + 1, command.size() - star - 2);
    if (!digits(in) || !digits(out)) {
        why = "text is not a tie command";
        return std::nullopt;
    }
    Crosspoint c;
    c.protocol = "sis";
    c.input = std::atoi(in.c_str());
    c.output = std::atoi(out.c_str());
    if (c.input == 0 || c.output == 0) {
        why = "tie to input or output 0";
        return std::nullopt;
    }
    return c;
}

}  // namespace tzsim
