// Starts a program and times, from outside through the X server, how long it takes until its
// top-level window of the given name is mapped and then painted over its whole area; then reads
// the program's peak resident memory and ends it.
//
//   morvik_startwait NAME TIMEOUT_SECONDS PROGRAM [ARGUMENT...]
//
// Prints one line: milliseconds to mapped, milliseconds to painted, VmHWM in KiB.
// "Painted" is the moment the DAMAGE extension reports that the window's drawing covers it
// whole, so it counts the program's first paint and not merely the map.

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

namespace {

double nowMs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// Windows vanish and input-only windows refuse a damage object: neither is an error here.
int ignoreErrors(Display *, XErrorEvent *)
{
    return 0;
}

std::string windowName(Display *display, Window window)
{
    for (const char *property : {"_NET_WM_NAME", "WM_NAME"}) {
        Atom type = None;
        int format = 0;
        unsigned long count = 0;
        unsigned long after = 0;
        unsigned char *data = nullptr;
        const Atom atom = XInternAtom(display, property, False);
        if (XGetWindowProperty(display, window, atom, 0, 256, False, AnyPropertyType, &type,
                               &format, &count, &after, &data)
                    == Success
            && data != nullptr) {
            std::string name(reinterpret_cast<char *>(data), count);
            XFree(data);
            if (format == 8) {
                return name;
            }
        }
    }
    return {};
}

long peakResidentKiB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmHWM:", 0) == 0) {
            return std::stol(line.substr(6));
        }
    }
    return -1;
}

int fail(pid_t child, const char *message)
{
    std::fprintf(stderr, "morvik_startwait: %s\n", message);
    if (child > 0) {
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
    }
    return 1;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s NAME TIMEOUT_SECONDS PROGRAM [ARGUMENT...]\n", argv[0]);
        return 2;
    }
    const std::string wanted = argv[1];
    const double timeoutMs = std::stod(argv[2]) * 1e3;

    Display *display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        return fail(0, "cannot open the display");
    }
    int damageEvent = 0;
    int damageError = 0;
    if (!XDamageQueryExtension(display, &damageEvent, &damageError)) {
        return fail(0, "the X server has no DAMAGE extension");
    }
    XSetErrorHandler(ignoreErrors);
    fcntl(ConnectionNumber(display), F_SETFD, FD_CLOEXEC);
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const double start = nowMs();
    const pid_t child = fork();
    if (child < 0) {
        return fail(0, "cannot fork");
    }
    if (child == 0) {
        execvp(argv[3], argv + 3);
        std::perror(argv[3]);
        _exit(127);
    }

    Window target = None;
    int width = 0;
    int height = 0;
    double mapped = 0;
    double painted = 0;
    while (painted == 0) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == CreateNotify && event.xcreatewindow.parent == root) {
                // Watched from creation on, so no drawing after the map can be missed.
                XDamageCreate(display, event.xcreatewindow.window, XDamageReportBoundingBox);
            } else if (event.type == MapNotify && target == None
                       && windowName(display, event.xmap.window) == wanted) {
                mapped = nowMs();
                target = event.xmap.window;
                XWindowAttributes attributes;
                XGetWindowAttributes(display, target, &attributes);
                width = attributes.width;
                height = attributes.height;
            } else if (event.type == damageEvent + XDamageNotify) {
                const auto &damage = reinterpret_cast<const XDamageNotifyEvent &>(event);
                if (damage.drawable == target && target != None && damage.area.x <= 0
                    && damage.area.y <= 0 && damage.area.x + damage.area.width >= width
                    && damage.area.y + damage.area.height >= height) {
                    painted = nowMs();
                }
            }
        }
        if (painted != 0) {
            break;
        }
        if (waitpid(child, nullptr, WNOHANG) == child) {
            return fail(0, "the program ended before its window was painted");
        }
        const double left = start + timeoutMs - nowMs();
        if (left <= 0) {
            return fail(child, "timed out waiting for the window");
        }
        pollfd connection{ConnectionNumber(display), POLLIN, 0};
        poll(&connection, 1, static_cast<int>(left < 100 ? left + 1 : 100));
    }

    const long peak = peakResidentKiB(child);
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    XCloseDisplay(display);
    std::printf("%.2f %.2f %ld\n", mapped - start, painted - start, peak);
    return 0;
}
