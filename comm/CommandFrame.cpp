#include "comm/CommandFrame.h"

#include <cstdio>
#include <cstring>

unsigned char FrameChecksum(const unsigned char* frame)
{
    unsigned int sum = 0;
    for (int i = 2; i <= 10; ++i)
        sum += frame[i];
    return static_cast<unsigned char>(sum & 0xFF);
}

unsigned char ToBcd(int value)
{
    if (value < 0 || value > 99)
        return 0;
    return static_cast<unsigned char>((value / 10) * 16 + value % 10);
}

int FromBcd(unsigned char bcd)
{
    return (bcd % 16) + (bcd / 16) * 10;
}

void CFrameBuilder::Start(unsigned char* frame) const
{
    frame[0] = FRAME_MAGIC1;
    frame[1] = FRAME_MAGIC2;
    std::memset(frame + 3, FRAME_FILL, 8);
}

void CFrameBuilder::Device(unsigned char* frame, int event) const
{
    Start(frame);
    frame[2] = FRAME_DEST_DEVICE;
    Put(frame, 3, event);
}

void CFrameBuilder::Board(unsigned char* frame, int board, int event) const
{
    Start(frame);
    frame[2] = FRAME_DEST_BOARD;
    Put(frame, 3, board);
    Put(frame, 4, event);
}

void CFrameBuilder::Matrix(unsigned char* frame, const unsigned char* data) const
{
    Start(frame);
    frame[2] = FRAME_DEST_MATRIX;
    std::memcpy(frame + 3, data, 8);
}

void CFrameBuilder::Put(unsigned char* frame, int offset, int value) const
{
    frame[offset] = static_cast<unsigned char>(static_cast<unsigned int>(value) & 0xFF);
}

void CFrameBuilder::Seal(unsigned char* frame) const
{
    frame[11] = FrameChecksum(frame);
}

void FormatHexBytes(const unsigned char* bytes, std::size_t n, char* out, std::size_t outSize)
{
    if (outSize == 0)
        return;
    out[0] = '\0';
    std::size_t used = 0;
    for (std::size_t i = 0; i < n && used + 4 <= outSize; ++i)
        used += static_cast<std::size_t>(
            std::snprintf(out + used, outSize - used, i ? " %02x" : "%02x", bytes[i]));
}
