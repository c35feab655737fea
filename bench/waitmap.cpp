// waitmap PROGRAM [ARGS...]: starts PROGRAM, waits until it maps its first
// top-level window on $DISPLAY, lets it settle for a second, then prints
// "<milliseconds to map> <peak resident KiB>" and ends it.
#include <X11/Xlib.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <csignal>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

long peakKiB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: waitmap PROGRAM [ARGS...]\n");
        return 2;
    }
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "waitmap: no display\n");
        return 2;
    }
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    long ms = -1;
    const int fd = ConnectionNumber(display);
    while (ms < 0) {
        while (XPending(display)) {
            XEvent ev;
            XNextEvent(display, &ev);
            if (ev.type == MapNotify && ev.xmap.event == root && !ev.xmap.override_redirect) {
                ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                         std::chrono::steady_clock::now() - start)
                         .count();
                break;
            }
        }
        if (ms >= 0)
            break;
        int status = 0;
        if (waitpid(child, &status, WNOHANG) == child) {
            std::fprintf(stderr, "waitmap: program ended before mapping a window\n");
            return 1;
        }
        fd_set set;
        FD_ZERO(&set);
        FD_SET(fd, &set);
        timeval tv{0, 20000};
        select(fd + 1, &set, nullptr, nullptr, &tv);
        if (std::chrono::steady_clock::now() - start > std::chrono::seconds(30)) {
            kill(child, SIGKILL);
            std::fprintf(stderr, "waitmap: timed out\n");
            return 1;
        }
    }
    std::this_thread::sleep_for(std::chrono::seconds(1));
    const long kib = peakKiB(child);
    kill(child, SIGTERM);
    int status = 0;
    waitpid(child, &status, 0);
    std::printf("%ld %ld\n", ms, kib);
    XCloseDisplay(display);
    return 0;
}
