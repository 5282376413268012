// The test's view of line_peer.py, the processor's end of the line: what arrived (with the
// peer's time stamps) and which replies to give on cue.
#pragma once

#include <string>
#include <vector>

struct LineChunk {
    double ms;                        // peer time of arrival
    std::vector<unsigned char> bytes;
};

class LinePeer {
public:
    // From TAVELO_PEER_DIR and TAVELO_TEST_COM; Available() is false when run without the peer.
    LinePeer();
    bool Available() const { return com_ > 0; }
    int Com() const { return com_; }

    // Forgets what arrived and every rule.
    void Reset();
    // Replaces the rules: lines "<trigger hex> -> <reply hex> [delay=ms] [split=ms]".
    void SetRules(const std::string& rules);
    // Waits until at least count bytes have arrived (or timeoutMs passed) and returns the chunks.
    std::vector<LineChunk> WaitFor(std::size_t count, int timeoutMs = 3000) const;
    // The chunks so far.
    std::vector<LineChunk> Chunks() const;

    static std::vector<unsigned char> Join(const std::vector<LineChunk>& chunks);
    static std::vector<unsigned char> Hex(const std::string& hex);
    static std::string ToHex(const std::vector<unsigned char>& bytes);

private:
    std::string File(const char* name) const;

    std::string dir_;
    int com_ = 0;
};
