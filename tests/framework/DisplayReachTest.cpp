#include "DisplayReach.h"

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

using Kind = DisplaySocket::Kind;
using Sockets = std::vector<DisplaySocket>;

TEST(X11DisplaySockets, AreTheOnesLibxcbTries) {
    const struct {
        const char* display;
        Sockets sockets;
    } rows[] = {
        {":0",
         {{Kind::Abstract, "/tmp/.X11-unix/X0"},
          {Kind::Path, "/tmp/.X11-unix/X0"},
          {Kind::Tcp, "localhost", 6000}}},
        {":12.1",
         {{Kind::Abstract, "/tmp/.X11-unix/X12"},
          {Kind::Path, "/tmp/.X11-unix/X12"},
          {Kind::Tcp, "localhost", 6012}}},
        {":012",
         {{Kind::Abstract, "/tmp/.X11-unix/X12"},
          {Kind::Path, "/tmp/.X11-unix/X12"},
          {Kind::Tcp, "localhost", 6012}}},
        {"unix:3", {{Kind::Abstract, "/tmp/.X11-unix/X3"}, {Kind::Path, "/tmp/.X11-unix/X3"}}},
        {"unix/:3", {{Kind::Abstract, "/tmp/.X11-unix/X3"}, {Kind::Path, "/tmp/.X11-unix/X3"}}},
        {"localhost:10.0", {{Kind::Tcp, "localhost", 6010}}},
        {"tcp/box.example:2", {{Kind::Tcp, "box.example", 6002}}},
        {"[::1]:1", {{Kind::Tcp, "[::1]", 6001}}},
        {"/run/x/socket.0", {{Kind::Path, "/run/x/socket.0"}, {Kind::Path, "/run/x/socket"}}},
        {"", {}},
        {"0", {}},
        {":", {}},
        {":x", {}},
        {":1.", {}},
        {":1.y", {}},
        {"decnet/box:1", {}},
        {"tcp/:1", {}},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(X11DisplaySockets(row.display), row.sockets) << "DISPLAY=" << row.display;
    }
}

TEST(WaylandDisplaySockets, AreTheOneLibwaylandConnectsTo) {
    EXPECT_EQ(WaylandDisplaySockets("wayland-1", "/run/user/7"),
              (Sockets{{Kind::Path, "/run/user/7/wayland-1"}}));
    EXPECT_EQ(WaylandDisplaySockets(nullptr, "/run/user/7"),
              (Sockets{{Kind::Path, "/run/user/7/wayland-0"}}));
    EXPECT_EQ(WaylandDisplaySockets("/tmp/w", nullptr), (Sockets{{Kind::Path, "/tmp/w"}}));
    EXPECT_EQ(WaylandDisplaySockets("wayland-1", nullptr), Sockets{});
    EXPECT_EQ(WaylandDisplaySockets("wayland-1", "relative"), Sockets{});
    EXPECT_EQ(WaylandDisplaySockets("", "/run/user/7"), Sockets{});
}

// A socket that a server listens on answers; the same path once the server is gone does not,
// nor does a path with nothing there.
TEST(AnySocketAnswers, OnlyWhereAServerListens) {
    char folder[] = "/tmp/display-reach-XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    const std::string path = std::string(folder) + "/server";
    const Sockets sockets{{Kind::Path, std::string(folder) + "/nothing"}, {Kind::Path, path}};
    EXPECT_FALSE(AnySocketAnswers(sockets));

    const int server = socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(server, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
    ASSERT_EQ(bind(server, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    ASSERT_EQ(listen(server, 4), 0);
    EXPECT_TRUE(AnySocketAnswers(sockets));

    close(server);
    EXPECT_FALSE(AnySocketAnswers(sockets)) << "a socket file with no server behind it";
    EXPECT_FALSE(AnySocketAnswers({{Kind::Abstract, path}}));
    unlink(path.c_str());
    rmdir(folder);
}

} // namespace
