// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

// Starts a program on the current X display, waits for its first window and
// a quiet spell, clicks at a point of that window's client area through the
// XTEST extension, as a mouse would, and reports the wall time from the click
// to the next window being mapped. Works with a window manager (the frame's
// map counts) and without one. Override-redirect windows (tooltips, menus)
// do not count.
// Usage: click_probe SETTLE_MS X Y PROGRAM [ARGS...]   Prints: "<milliseconds>".
#include <xcb/xcb.h>
#include <xcb/xtest.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

// The next top-level window mapped; the client it holds when a window
// manager framed it.
struct Mapped {
    xcb_window_t client = XCB_NONE;
    bool ok = false;
};

Mapped waitForMap(xcb_connection_t* c)
{
    Mapped m;
    while (xcb_generic_event_t* e = xcb_wait_for_event(c)) {
        const uint8_t type = e->response_type & 0x7f;
        if (type == XCB_REPARENT_NOTIFY) {
            m.client = reinterpret_cast<xcb_reparent_notify_event_t*>(e)->window;
        } else if (type == XCB_MAP_NOTIFY) {
            auto* map = reinterpret_cast<xcb_map_notify_event_t*>(e);
            if (!map->override_redirect) {
                if (m.client == XCB_NONE) m.client = map->window;
                m.ok = true;
            }
        }
        std::free(e);
        if (m.ok) return m;
    }
    return m;
}

void drain(xcb_connection_t* c)
{
    while (xcb_generic_event_t* e = xcb_poll_for_event(c)) std::free(e);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 5) {
        std::fprintf(stderr, "usage: %s SETTLE_MS X Y PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    const int settle = std::atoi(argv[1]);
    const auto x = static_cast<int16_t>(std::atoi(argv[2])), y = static_cast<int16_t>(std::atoi(argv[3]));
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "no X display\n");
        return 2;
    }
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, screen->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(c);

    const pid_t pid = fork();
    if (pid == 0) {
        execv(argv[4], argv + 4);
        _exit(127);
    }
    double ms = -1;
    const Mapped first = waitForMap(c);
    if (first.ok) {
        std::this_thread::sleep_for(std::chrono::milliseconds(settle));
        xcb_translate_coordinates_reply_t* at =
            xcb_translate_coordinates_reply(c, xcb_translate_coordinates(c, first.client, screen->root, x, y), nullptr);
        if (at) {
            // The pointer comes to rest first, as a hand brings it; then the click.
            xcb_test_fake_input(c, XCB_MOTION_NOTIFY, 0, XCB_CURRENT_TIME, screen->root, at->dst_x, at->dst_y, 0);
            xcb_flush(c);
            std::free(at);
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
            drain(c);
            const Clock::time_point t0 = Clock::now();
            xcb_test_fake_input(c, XCB_BUTTON_PRESS, 1, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
            xcb_test_fake_input(c, XCB_BUTTON_RELEASE, 1, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
            xcb_flush(c);
            if (waitForMap(c).ok) ms = std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
        }
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    xcb_disconnect(c);
    std::printf("%.1f\n", ms);
    return ms < 0 ? 1 : 0;
}
