// waitmap PROGRAM [ARGS...]: starts PROGRAM, waits until a top-level window
// of it is drawn into while viewable (the first paint reaching the screen;
// the first window mapped is timed too), lets it settle for a second, then
// prints "<ms to painted> <ms to mapped> <peak resident KiB>" and ends it.
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
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

// Windows may be gone before their damage object is made; that is no error.
int ignoreErrors(Display *, XErrorEvent *)
{
    return 0;
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
    int damageEvent = 0;
    int damageError = 0;
    if (!XDamageQueryExtension(display, &damageEvent, &damageError)) {
        std::fprintf(stderr, "waitmap: the X server has no DAMAGE extension\n");
        return 2;
    }
    XSetErrorHandler(ignoreErrors);
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const auto start = std::chrono::steady_clock::now();
    auto elapsed = [&start] {
        return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
            .count();
    };
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    double mappedMs = -1;
    double paintedMs = -1;
    const int fd = ConnectionNumber(display);
    while (paintedMs < 0) {
        while (paintedMs < 0 && XPending(display)) {
            XEvent ev;
            XNextEvent(display, &ev);
            if (ev.type == CreateNotify && ev.xcreatewindow.parent == root
                && !ev.xcreatewindow.override_redirect) {
                // Watched from its creation, so that no paint is missed.
                XDamageCreate(display, ev.xcreatewindow.window, XDamageReportNonEmpty);
            } else if (ev.type == MapNotify && ev.xmap.event == root
                       && !ev.xmap.override_redirect) {
                if (mappedMs < 0)
                    mappedMs = elapsed();
            } else if (ev.type == damageEvent + XDamageNotify) {
                // Viewable rather than mapped by itself: under a window
                // manager the window is mapped inside a frame of its own.
                const auto *damage = reinterpret_cast<XDamageNotifyEvent *>(&ev);
                XWindowAttributes attributes;
                if (XGetWindowAttributes(display, damage->drawable, &attributes)
                    && attributes.map_state == IsViewable)
                    paintedMs = elapsed();
                else // drawn while hidden: wait for the next drawing
                    XDamageSubtract(display, damage->damage, None, None);
            }
        }
        if (paintedMs >= 0)
            break;
        int status = 0;
        if (waitpid(child, &status, WNOHANG) == child) {
            std::fprintf(stderr, "waitmap: program ended before painting a window\n");
            return 1;
        }
        fd_set set;
        FD_ZERO(&set);
        FD_SET(fd, &set);
        timeval tv{0, 20000};
        select(fd + 1, &set, nullptr, nullptr, &tv);
        if (elapsed() > 30000) {
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
    std::printf("%.1f %.1f %ld\n", paintedMs, mappedMs, kib);
    XCloseDisplay(display);
    return 0;
}
