// A small X client for the end-to-end test and the start-up benchmark. It waits for a window with
// a given title to be mapped by listening for MapNotify events (no polling), closes windows the
// way a window manager's close box does, and tells whether a window is viewable.
//
//   xprobe launch NAME TIMEOUT_MS -- PROGRAM ARGS...   start PROGRAM, print "<pid> <ms to map>"
//   xprobe wait-map NAME TIMEOUT_MS                    wait until NAME is mapped
//   xprobe viewable NAME                               exit 0 when NAME is mapped and viewable
//   xprobe close NAME                                  send WM_DELETE_WINDOW to NAME
//   xprobe geometry NAME                               print "x y width height" of NAME
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

// A window listed by the server may be gone by the time it is asked about (a splash window that
// closes as the main menu opens): that window is simply no longer there. Any other error ends the
// probe, as Xlib's own handler would.
int IgnoreVanishedWindows(Display* display, XErrorEvent* error) {
  if (error->error_code == BadWindow || error->error_code == BadDrawable) return 0;
  char text[256];
  XGetErrorText(display, error->error_code, text, sizeof text);
  std::fprintf(stderr, "xprobe: X error: %s\n", text);
  std::exit(2);
}

std::string Title(Display* display, Window window) {
  const Atom netName = XInternAtom(display, "_NET_WM_NAME", False);
  const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
  Atom type;
  int format;
  unsigned long count, after;
  unsigned char* data = nullptr;
  std::string title;
  if (XGetWindowProperty(display, window, netName, 0, 4096, False, utf8, &type, &format, &count,
                         &after, &data) == Success &&
      data != nullptr) {
    title.assign(reinterpret_cast<char*>(data), count);
    XFree(data);
    return title;
  }
  char* name = nullptr;
  if (XFetchName(display, window, &name) && name != nullptr) {
    title = name;
    XFree(name);
  }
  return title;
}

bool Viewable(Display* display, Window window) {
  XWindowAttributes attributes;
  return XGetWindowAttributes(display, window, &attributes) && attributes.map_state == IsViewable;
}

// Top-level windows are children of the root when no window manager reparents them, and one
// level deeper when one does.
std::optional<Window> Find(Display* display, const std::string& name, bool mustBeViewable) {
  std::vector<Window> pending{DefaultRootWindow(display)};
  for (int depth = 0; depth < 3 && !pending.empty(); ++depth) {
    std::vector<Window> next;
    for (Window parent : pending) {
      Window root, grandparent, *children = nullptr;
      unsigned count = 0;
      if (!XQueryTree(display, parent, &root, &grandparent, &children, &count)) continue;
      std::vector<Window> found(children, children + count);
      if (children) XFree(children);
      for (Window child : found) {
        if (Title(display, child) == name && (!mustBeViewable || Viewable(display, child)))
          return child;
        next.push_back(child);
      }
    }
    pending.swap(next);
  }
  return std::nullopt;
}

// Waits for a MapNotify of a window titled NAME; returns false on timeout.
bool WaitMapped(Display* display, const std::string& name, int timeoutMs) {
  const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
  XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
  XSync(display, False);
  if (Find(display, name, true)) return true;
  const int fd = ConnectionNumber(display);
  while (true) {
    while (XPending(display)) {
      XEvent event;
      XNextEvent(display, &event);
      if (event.type == MapNotify && Title(display, event.xmap.window) == name) return true;
      if (event.type == ReparentNotify)
        XSelectInput(display, event.xreparent.parent, SubstructureNotifyMask);
    }
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    if (left <= 0) return false;
    pollfd descriptor{fd, POLLIN, 0};
    poll(&descriptor, 1, static_cast<int>(left));
  }
}

int Usage() {
  std::fprintf(stderr,
               "usage: xprobe launch NAME TIMEOUT_MS -- PROGRAM [ARGS...]\n"
               "       xprobe wait-map NAME TIMEOUT_MS\n"
               "       xprobe viewable NAME | close NAME | geometry NAME\n");
  return 2;
}

}  // namespace

int Run(Display* display, int argc, char* argv[]);

int main(int argc, char* argv[]) {
  if (argc < 3) return Usage();
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fprintf(stderr, "xprobe: cannot open display\n");
    return 3;
  }
  XSetErrorHandler(IgnoreVanishedWindows);
  const int status = Run(display, argc, argv);
  XCloseDisplay(display);
  return status;
}

int Run(Display* display, int argc, char* argv[]) {
  const std::string command = argv[1];
  const std::string name = argv[2];

  if (command == "wait-map" && argc == 4)
    return WaitMapped(display, name, std::atoi(argv[3])) ? 0 : 1;

  if (command == "launch" && argc >= 6 && std::strcmp(argv[4], "--") == 0) {
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);
    const auto start = Clock::now();
    pid_t pid;
    if (posix_spawn(&pid, argv[5], nullptr, nullptr, argv + 5, environ) != 0) {
      std::perror("xprobe: posix_spawn");
      return 3;
    }
    if (!WaitMapped(display, name, std::atoi(argv[3]))) {
      std::printf("%d timeout\n", static_cast<int>(pid));
      return 1;
    }
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    std::printf("%d %.1f\n", static_cast<int>(pid), ms);
    return 0;
  }

  std::optional<Window> window = Find(display, name, true);
  if (!window && command == "close") window = Find(display, name, false);
  if (command == "viewable") return window ? 0 : 1;
  if (!window) {
    std::fprintf(stderr, "xprobe: no window titled '%s'\n", name.c_str());
    return 1;
  }
  if (command == "geometry") {
    XWindowAttributes attributes;
    XGetWindowAttributes(display, *window, &attributes);
    int x = 0, y = 0;
    Window child;
    XTranslateCoordinates(display, *window, DefaultRootWindow(display), 0, 0, &x, &y, &child);
    std::printf("%d %d %d %d\n", x, y, attributes.width, attributes.height);
    return 0;
  }
  if (command == "close") {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = *window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, *window, False, NoEventMask, &event);
    XFlush(display);
    return 0;
  }
  return Usage();
}
