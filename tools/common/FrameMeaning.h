// What a 12-byte frame on the line means, read back into the device-link operation that builds
// it: the operation's name and its arguments as the caller gave them (plain numbers, BCD decoded),
// and what is wrong with the frame (checksum, magic, frame class, a value where the operation
// leaves the fill, a date that is no BCD, a block bracket out of place). The frame layouts are
// the device link's own (comm/CommandFrame.h); the reading is stateful because block data frames
// and query replies mean something only after their bracket or request.
#pragma once

#include <string>
#include <vector>

struct FrameMeaning {
    enum Kind {
        kDevice,
        kBoard,
        kMatrix,
        kBracket,
        kBlockData,
        kReply,
        kUnknown
    };

    Kind kind = kUnknown;
    int board = -1;                     // board frames: the board id
    std::string operation;              // "SelectInput", "Transfer", "MatrixSwitch", ...
    std::vector<int> args;              // the operation's arguments, board first
    std::string detail;                 // what the frame is within its operation, if anything
    std::vector<std::string> problems;  // empty for a frame the link builds this way

    // "SelectInput(1,12)", "Transfer(13) data 1: 7 128 4 56", "ReadClock reply: 1 33 6 3 7 1 12".
    std::string text() const;
    // "device", "board", "matrix", or "?" for a frame of no known class.
    const char* destName() const;
};

class FrameInterpreter {
public:
    // The meaning of the next frame in line order.
    FrameMeaning next(const unsigned char* frame);

private:
    FrameMeaning device(const unsigned char* frame);
    FrameMeaning board(const unsigned char* frame);
    FrameMeaning bracket(const unsigned char* frame);
    FrameMeaning blockData(const unsigned char* frame);
    FrameMeaning reply(const unsigned char* frame, int query);

    int openBlock_ = -1;     // Transfer kind (10..13) of the block open, -1 none
    int blockPart_ = 0;      // data frames of the open block so far
    int pendingQuery_ = -1;  // query (0..3) whose reply may come next, -1 none
};

// "AA BB 00 ..." (upper-case hex, spaces) of n bytes.
std::string hexText(const unsigned char* bytes, std::size_t n);
