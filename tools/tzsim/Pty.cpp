#include "tools/tzsim/Pty.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <limits.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace tzsim {

Pty::Pty()
{
    // Neither end is inherited by the command tzsim runs: a copy of the master held open there
    // would keep the line up after the device vanished.
    master_ = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master_ < 0)
        return;
    if (grantpt(master_) != 0 || unlockpt(master_) != 0 || !ptsname(master_)) {
        close();
        return;
    }
    slavePath_ = ptsname(master_);
    slave_ = ::open(slavePath_.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (slave_ < 0) {
        close();
        return;
    }
    // Raw bytes both ways until the client sets its own line settings: no echo, no line editing,
    // no translation of CR or LF.
    termios t{};
    if (tcgetattr(slave_, &t) == 0) {
        cfmakeraw(&t);
        tcsetattr(slave_, TCSANOW, &t);
    }
    fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
}

Pty::~Pty() { close(); }

bool Pty::link(const std::string& prefix, int com, std::string& error)
{
    const std::string dir = prefix + "/dosdevices";
    ::mkdir(prefix.c_str(), 0755);
    ::mkdir(dir.c_str(), 0755);
    const std::string path = dir + "/com" + std::to_string(com);
    ::unlink(path.c_str());
    if (::symlink(slavePath_.c_str(), path.c_str()) != 0) {
        error = path + ": " + std::strerror(errno);
        return false;
    }
    linkPath_ = path;
    return true;
}

void Pty::close()
{
    if (!linkPath_.empty()) {
        // Only our own link: another simulator may have taken the name since.
        char target[PATH_MAX];
        const ssize_t n = ::readlink(linkPath_.c_str(), target, sizeof target - 1);
        if (n > 0 && std::string(target, static_cast<std::size_t>(n)) == slavePath_)
            ::unlink(linkPath_.c_str());
        linkPath_.clear();
    }
    if (slave_ >= 0)
        ::close(slave_);
    if (master_ >= 0)
        ::close(master_);
    slave_ = master_ = -1;
}

}  // namespace tzsim
