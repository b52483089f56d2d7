#pragma once

#include <string>
#include <vector>

// Where a display server listens, and whether one answers there. Only the socket is tried,
// never the display system's own library: a broken library may be what stopped the start.
struct DisplaySocket {
    enum class Kind { Abstract, Path, Tcp };
    Kind kind;
    std::string address; // an abstract socket's name, a socket's path, or a host
    int port = 0;        // Tcp only
    bool operator==(const DisplaySocket&) const = default;
};

// The sockets libxcb tries, in its order, for an X11 display name
// ([protocol/][host]:number[.screen], or a socket's path); none for a name it cannot read.
std::vector<DisplaySocket> X11DisplaySockets(const std::string& display);

// The socket libwayland connects to: WAYLAND_DISPLAY (wayland-0 where it is unset), a path
// of its own or a name in XDG_RUNTIME_DIR. A null pointer is a variable that is not set.
std::vector<DisplaySocket> WaylandDisplaySockets(const char* display, const char* runtimeDir);

// Whether a server accepts a connection at one of the sockets; a remote host gets a second.
bool AnySocketAnswers(const std::vector<DisplaySocket>& sockets);
