#include "DisplayReach.h"

#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstring>

namespace {

using Kind = DisplaySocket::Kind;

bool AllDigits(const std::string& text) {
    return !text.empty() && text.size() <= 9 &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

class Socket {
  public:
    Socket(int family, int flags) : fd_(socket(family, SOCK_STREAM | SOCK_CLOEXEC | flags, 0)) {}
    ~Socket() {
        if (fd_ >= 0) {
            close(fd_);
        }
    }
    Socket(const Socket&) = delete;
    Socket& operator=(const Socket&) = delete;
    int Fd() const { return fd_; }

  private:
    int fd_;
};

bool UnixAnswers(const std::string& name, bool abstract) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    // An abstract name starts with a zero byte and has no terminating one; a path has one.
    const std::size_t offset = abstract ? 1 : 0;
    if (offset + name.size() >= sizeof address.sun_path) {
        return false;
    }
    std::memcpy(address.sun_path + offset, name.data(), name.size());
    const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + offset +
                                               name.size() + (abstract ? 0 : 1));
    const Socket socket(AF_UNIX, 0);
    return socket.Fd() >= 0 &&
           connect(socket.Fd(), reinterpret_cast<const sockaddr*>(&address), length) == 0;
}

bool TcpAnswers(std::string host, int port) {
    if (host.size() > 2 && host.front() == '[' && host.back() == ']') {
        host = host.substr(1, host.size() - 2);
    }
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found) != 0) {
        return false;
    }
    bool answers = false;
    for (const addrinfo* a = found; a != nullptr && !answers; a = a->ai_next) {
        const Socket socket(a->ai_family, SOCK_NONBLOCK);
        if (socket.Fd() < 0) {
            continue;
        }
        if (connect(socket.Fd(), a->ai_addr, a->ai_addrlen) == 0) {
            answers = true;
        } else if (errno == EINPROGRESS) {
            pollfd waiting{socket.Fd(), POLLOUT, 0};
            int error = 0;
            socklen_t size = sizeof error;
            answers = poll(&waiting, 1, 1000) == 1 &&
                      getsockopt(socket.Fd(), SOL_SOCKET, SO_ERROR, &error, &size) == 0 &&
                      error == 0;
        }
    }
    freeaddrinfo(found);
    return answers;
}

} // namespace

std::vector<DisplaySocket> X11DisplaySockets(const std::string& display) {
    if (display.starts_with('/')) {
        // A socket's path, perhaps with ".screen" behind it.
        std::vector<DisplaySocket> sockets{{Kind::Path, display}};
        const auto dot = display.rfind('.');
        if (dot != std::string::npos && dot > display.rfind('/') &&
            AllDigits(display.substr(dot + 1))) {
            sockets.push_back({Kind::Path, display.substr(0, dot)});
        }
        return sockets;
    }
    std::string name = display;
    std::string protocol;
    const auto slash = name.rfind('/');
    if (slash != std::string::npos) {
        protocol = name.substr(0, slash);
        name = name.substr(slash + 1);
    }
    const auto colon = name.rfind(':');
    if (colon == std::string::npos) {
        return {};
    }
    const std::string host = name.substr(0, colon);
    const std::string numbers = name.substr(colon + 1);
    const auto dot = numbers.find('.');
    const std::string number = numbers.substr(0, dot);
    if (!AllDigits(number) || (dot != std::string::npos && !AllDigits(numbers.substr(dot + 1)))) {
        return {};
    }
    const long n = std::stol(number);
    const int port = static_cast<int>(6000 + n);
    const bool local = protocol == "unix" || host.empty() || host == "unix";
    if (!local) {
        if (slash != std::string::npos && protocol != "tcp" && protocol != "inet" &&
            protocol != "inet6") {
            return {};
        }
        return {{Kind::Tcp, host, port}};
    }
    if (slash != std::string::npos && protocol != "unix") {
        return {};
    }
    const std::string file = "/tmp/.X11-unix/X" + std::to_string(n);
    std::vector<DisplaySocket> sockets{{Kind::Abstract, file}, {Kind::Path, file}};
    // ":n" with no protocol falls back to TCP on this machine.
    if (slash == std::string::npos && host.empty()) {
        sockets.push_back({Kind::Tcp, "localhost", port});
    }
    return sockets;
}

std::vector<DisplaySocket> WaylandDisplaySockets(const char* display, const char* runtimeDir) {
    const std::string name = display != nullptr ? display : "wayland-0";
    if (name.starts_with('/')) {
        return {{Kind::Path, name}};
    }
    if (name.empty() || runtimeDir == nullptr || *runtimeDir != '/') {
        return {};
    }
    return {{Kind::Path, std::string(runtimeDir) + "/" + name}};
}

bool AnySocketAnswers(const std::vector<DisplaySocket>& sockets) {
    return std::any_of(sockets.begin(), sockets.end(), [](const DisplaySocket& s) {
        switch (s.kind) {
        case Kind::Abstract:
            return UnixAnswers(s.address, true);
        case Kind::Path:
            return UnixAnswers(s.address, false);
        case Kind::Tcp:
            return TcpAnswers(s.address, s.port);
        }
        return false;
    });
}
