// The simulator's end of the serial line: a pseudo-terminal whose slave a program opens as its
// serial port, optionally linked as comN in a Wine prefix.
#pragma once

#include <string>

namespace tzsim {

class Pty {
public:
    Pty();                       // opens the master and holds the slave; check ok()
    ~Pty();
    Pty(const Pty&) = delete;
    Pty& operator=(const Pty&) = delete;

    bool ok() const { return master_ >= 0; }
    const std::string& slavePath() const { return slavePath_; }
    int master() const { return master_; }
    // Makes PREFIX/dosdevices/comN point at the slave; removed again on close.
    bool link(const std::string& prefix, int com, std::string& error);
    // The line goes away: master and slave closed, link removed.
    void close();

private:
    int master_ = -1;
    int slave_ = -1;   // held open so the line stays up between the client's sessions
    std::string slavePath_;
    std::string linkPath_;
};

}  // namespace tzsim
