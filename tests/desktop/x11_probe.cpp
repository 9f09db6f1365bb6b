// SPDX-License-Identifier: GPL-3.0-or-later
// Talks to a running window the way a desktop does, for the desktop tests:
//   x11_probe ping WINDOW   asks the window's event loop to answer (_NET_WM_PING)
//                           and exits 0 once it has, 1 after five seconds without
//   x11_probe close WINDOW  asks the window to close (WM_DELETE_WINDOW)
// WINDOW is a decimal X window id, as xdotool prints it.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <poll.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string_view>

namespace {

struct DisplayCloser {
    void operator()(Display* display) const { XCloseDisplay(display); }
};

void sendProtocol(Display* display, Window window, Atom protocol, long extra) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(protocol);
    event.xclient.data.l[1] = CurrentTime;
    event.xclient.data.l[2] = extra;
    XSendEvent(display, window, False, NoEventMask, &event);
    XFlush(display);
}

// The answer to a ping comes back to the root window.
bool ping(Display* display, Window window) {
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask | SubstructureRedirectMask);
    const Atom pingAtom = XInternAtom(display, "_NET_WM_PING", False);
    sendProtocol(display, window, pingAtom, static_cast<long>(window));
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (std::chrono::steady_clock::now() < deadline) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == ClientMessage &&
                static_cast<Atom>(event.xclient.data.l[0]) == pingAtom) {
                return true;
            }
        }
        pollfd descriptor{ConnectionNumber(display), POLLIN, 0};
        poll(&descriptor, 1, 100);
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s ping|close WINDOW\n", argv[0]);
        return 2;
    }
    const std::unique_ptr<Display, DisplayCloser> display(XOpenDisplay(nullptr));
    if (!display) {
        std::fprintf(stderr, "x11_probe: no display\n");
        return 2;
    }
    const auto window = static_cast<Window>(std::strtoul(argv[2], nullptr, 10));
    const std::string_view command = argv[1];
    if (command == "ping") {
        return ping(display.get(), window) ? 0 : 1;
    }
    if (command == "close") {
        sendProtocol(display.get(), window, XInternAtom(display.get(), "WM_DELETE_WINDOW", False),
                     0);
        return 0;
    }
    std::fprintf(stderr, "x11_probe: unknown command %s\n", argv[1]);
    return 2;
}
