// Starts a program on the X display and reports, on one line, the time from
// launch until it maps its first top-level window and the peak resident
// memory it reached by then:  <milliseconds> <kilobytes>
#include <xcb/xcb.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "no X display\n");
        return 2;
    }
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(x)).data;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, screen->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(x);

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execv(argv[1], argv + 1);
        _exit(127);
    }
    bool mapped = false;
    while (!mapped) {
        xcb_generic_event_t* event = xcb_wait_for_event(x);
        if (!event)
            break;
        mapped = (event->response_type & 0x7f) == XCB_MAP_NOTIFY;
        std::free(event);
    }
    const auto elapsed = std::chrono::steady_clock::now() - start;
    kill(child, SIGKILL);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    xcb_disconnect(x);
    if (!mapped)
        return 1;
    std::printf("%.1f %ld\n", std::chrono::duration<double, std::milli>(elapsed).count(),
                usage.ru_maxrss);
    return 0;
}
