// waitpage X Y W H COMMAND [ARGS...]: runs COMMAND (xdotool moving the
// pointer and clicking), then watches the screen's rectangle X Y W H until
// it shows text and has stayed unchanged for 1.5 s. Prints the milliseconds
// from the click (the pointer seen leaving where it was: xdotool presses and
// releases the button as it arrives, then idles for a while before it ends)
// to the first moment the rectangle showed what it finally shows, then the
// milliseconds to the first change of its left edge (8 pixels wide) after
// the click: the window that shows the page appearing, where the program's
// own main window, lying narrower beneath, changes nothing.
// Fails when the rectangle ends without text (a blank page) or nothing
// settles in 20 s.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>
#include <X11/extensions/Xdamage.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <utility>
#include <sys/ipc.h>
#include <sys/select.h>
#include <sys/shm.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr double kSettleMs = 1500;
constexpr double kTimeoutMs = 20000;
// Pixels in the colour of printed text (dark, but not the black of an empty
// screen) that make a page count as showing text.
constexpr long kTextPixels = 150;

constexpr int kEdgeWidth = 8;

struct Frame {
    double at;
    std::uint64_t hash;
    std::uint64_t edgeHash;
    long textPixels;
};

struct Grabber {
    Display *display;
    XImage *image = nullptr;
    XShmSegmentInfo shm{};
    int x, y;

    Grabber(Display *d, int x0, int y0, unsigned w, unsigned h) : display(d), x(x0), y(y0)
    {
        const int screen = DefaultScreen(d);
        image = XShmCreateImage(d, DefaultVisual(d, screen), DefaultDepth(d, screen), ZPixmap,
                                nullptr, &shm, w, h);
        if (!image)
            return;
        shm.shmid = shmget(IPC_PRIVATE, size_t(image->bytes_per_line) * h, IPC_CREAT | 0600);
        if (shm.shmid < 0)
            return;
        void *at = shmat(shm.shmid, nullptr, 0);
        if (at == reinterpret_cast<void *>(-1)) {
            shmctl(shm.shmid, IPC_RMID, nullptr);
            return;
        }
        shm.shmaddr = image->data = static_cast<char *>(at);
        shm.readOnly = False;
        XShmAttach(d, &shm);
        XSync(d, False);
        shmctl(shm.shmid, IPC_RMID, nullptr);
    }
    ~Grabber()
    {
        if (ready()) {
            XShmDetach(display, &shm);
            shmdt(shm.shmaddr);
        }
        if (image) {
            image->data = nullptr; // the shared segment, not the image's own
            XDestroyImage(image);
        }
    }
    bool ready() const { return image && shm.shmaddr; }

    Frame grab(double at)
    {
        XShmGetImage(display, DefaultRootWindow(display), image, x, y, AllPlanes);
        std::uint64_t hash = 1469598103934665603ull;
        std::uint64_t edge = hash;
        long text = 0;
        for (int row = 0; row < image->height; ++row) {
            const auto *line =
                reinterpret_cast<const std::uint32_t *>(image->data + row * image->bytes_per_line);
            for (int col = 0; col < image->width; ++col) {
                const std::uint32_t p = line[col] & 0xffffff;
                hash = (hash ^ p) * 1099511628211ull;
                if (col < kEdgeWidth)
                    edge = (edge ^ p) * 1099511628211ull;
                const unsigned r = p >> 16, g = (p >> 8) & 0xff, b = p & 0xff;
                const unsigned top = r > g ? (r > b ? r : b) : (g > b ? g : b);
                if (top > 12 && top < 100)
                    ++text;
            }
        }
        return {at, hash, edge, text};
    }
};

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 6) {
        std::fprintf(stderr, "usage: waitpage X Y W H COMMAND [ARGS...]\n");
        return 2;
    }
    const int x = std::atoi(argv[1]), y = std::atoi(argv[2]);
    const int w = std::atoi(argv[3]), h = std::atoi(argv[4]);
    Display *display = XOpenDisplay(nullptr);
    int damageEvent = 0, damageError = 0;
    if (!display || !XDamageQueryExtension(display, &damageEvent, &damageError)
        || !XShmQueryExtension(display) || w <= 0 || h <= 0) {
        std::fprintf(stderr, "waitpage: needs a display with DAMAGE and MIT-SHM\n");
        return 2;
    }
    // Every drawing anywhere on the screen is reported on the root window.
    const Damage damage =
        XDamageCreate(display, DefaultRootWindow(display), XDamageReportRawRectangles);
    // Ended before the display is closed, which its detaching needs.
    std::optional<Grabber> grabber(std::in_place, display, x, y, unsigned(w), unsigned(h));
    if (!grabber->ready()) {
        std::fprintf(stderr, "waitpage: no shared memory for the screen's pixels\n");
        return 2;
    }
    std::vector<Frame> frames;
    frames.reserve(4096);

    const Window root = DefaultRootWindow(display);
    auto pointer = [display, root] {
        Window r, c;
        int rx = 0, ry = 0, wx, wy;
        unsigned mask;
        XQueryPointer(display, root, &r, &c, &rx, &ry, &wx, &wy, &mask);
        return std::pair(rx, ry);
    };
    const std::pair<int, int> from = pointer();
    const auto start = std::chrono::steady_clock::now();
    auto elapsed = [&start] {
        return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
            .count();
    };
    const pid_t clicker = fork();
    if (clicker == 0) {
        execvp(argv[5], argv + 5);
        _exit(127);
    }
    frames.push_back(grabber->grab(0));
    double clickedAt = -1;
    bool done = false;
    const int fd = ConnectionNumber(display);
    while (true) {
        bool changed = false;
        while (XPending(display)) {
            XEvent ev;
            XNextEvent(display, &ev);
            if (ev.type != damageEvent + XDamageNotify)
                continue;
            const auto *d = reinterpret_cast<XDamageNotifyEvent *>(&ev);
            const XRectangle &a = d->area;
            if (a.x < x + w && a.x + a.width > x && a.y < y + h && a.y + a.height > y)
                changed = true;
        }
        const double now = elapsed();
        if (changed) {
            XDamageSubtract(display, damage, None, None);
            const Frame f = grabber->grab(now);
            if (f.hash != frames.back().hash)
                frames.push_back(f);
        }
        if (clickedAt < 0 && pointer() != from)
            clickedAt = now;
        if (!done) {
            int status = 0;
            if (waitpid(clicker, &status, WNOHANG) == clicker) {
                done = true;
                if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || clickedAt < 0) {
                    std::fprintf(stderr, "waitpage: the click command failed\n");
                    return 1;
                }
            }
        }
        const Frame &last = frames.back();
        if (done && last.at > clickedAt && now - last.at > kSettleMs)
            break;
        if (now > kTimeoutMs) {
            std::fprintf(stderr, "waitpage: the page did not settle in %.0f s\n", kTimeoutMs / 1000);
            return 1;
        }
        fd_set set;
        FD_ZERO(&set);
        FD_SET(fd, &set);
        // Fine steps until the click is seen.
        timeval tv{0, clickedAt < 0 ? 300 : 10000};
        select(fd + 1, &set, nullptr, nullptr, &tv);
    }
    const Frame &final = frames.back();
    if (final.textPixels < kTextPixels) {
        std::fprintf(stderr, "waitpage: the page settled without text (%ld text pixels)\n",
                     final.textPixels);
        return 1;
    }
    double changedAt = final.at;
    for (const Frame &f : frames)
        if (f.at > clickedAt && f.edgeHash != frames.front().edgeHash) {
            changedAt = f.at;
            break;
        }
    std::printf("%.1f %.1f\n", final.at - clickedAt, changedAt - clickedAt);
    grabber.reset();
    XDamageDestroy(display, damage);
    XCloseDisplay(display);
    return 0;
}
