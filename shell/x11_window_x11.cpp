#include "shell/x11_window_x11.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdio>

namespace sorvane {

namespace {

constexpr int kOwnWidth = 800;
constexpr int kOwnHeight = 600;

Display* Dpy(void* display) { return static_cast<Display*>(display); }

// An X error (a window number that names no window, a window destroyed under
// the hack) ends the hack in order, where Xlib's own handler would end the
// process at once.
bool xErrorSeen = false;
int NoteXError(Display*, XErrorEvent*) {
  xErrorSeen = true;
  return 0;
}

}  // namespace

X11Window::~X11Window() {
  if (!display_) return;
  if (gc_) XFreeGC(Dpy(display_), static_cast<GC>(gc_));
  if (own_) XDestroyWindow(Dpy(display_), window_);
  XCloseDisplay(Dpy(display_));
}

bool X11Window::Open(const HackTarget& target, std::string* error) {
  Display* d = XOpenDisplay(nullptr);
  if (!d) {
    *error = "no X display (for a picture without one, use --snapshot)";
    return false;
  }
  display_ = d;
  XSetErrorHandler(NoteXError);
  const int screen = DefaultScreen(d);
  if (target.kind == TargetKind::Own) {
    own_ = true;
    window_ = XCreateSimpleWindow(d, RootWindow(d, screen), 0, 0, kOwnWidth, kOwnHeight, 0, BlackPixel(d, screen),
                                  BlackPixel(d, screen));
    XStoreName(d, window_, "sorvane");
    Atom deleteWindow = XInternAtom(d, "WM_DELETE_WINDOW", False);
    XSetWMProtocols(d, window_, &deleteWindow, 1);
    deleteAtom_ = deleteWindow;
    XSelectInput(d, window_, KeyPressMask | StructureNotifyMask);
    XMapRaised(d, window_);
  } else {
    window_ = target.windowId != 0 ? target.windowId : RootWindow(d, screen);
    // Someone else's window: only its size changes and its end are ours to hear.
    XSelectInput(d, window_, StructureNotifyMask);
    XSync(d, False);
    if (xErrorSeen) {
      char id[24];
      std::snprintf(id, sizeof id, "0x%lx", window_);
      *error = std::string("there is no window ") + id;
      return false;
    }
  }
  XWindowAttributes attributes;
  XGetWindowAttributes(d, window_, &attributes);
  size_ = {attributes.width, attributes.height};
  return true;
}

int X11Window::fd() const { return ConnectionNumber(Dpy(display_)); }

WindowEvents X11Window::Pump() {
  Display* d = Dpy(display_);
  WindowEvents events;
  while (XPending(d) > 0) {
    XEvent event;
    XNextEvent(d, &event);
    switch (event.type) {
      case ConfigureNotify:
        if (event.xconfigure.window == window_) size_ = {event.xconfigure.width, event.xconfigure.height};
        break;
      case DestroyNotify:
        events.endRequested |= event.xdestroywindow.window == window_;
        break;
      case KeyPress:
        events.endRequested |= own_;
        break;
      case ClientMessage:
        events.endRequested |= own_ && static_cast<unsigned long>(event.xclient.data.l[0]) == deleteAtom_;
        break;
      default:
        break;
    }
  }
  events.endRequested |= xErrorSeen;
  events.size = size_;
  return events;
}

void X11Window::DrawReadout(const std::string& text) {
  Display* d = Dpy(display_);
  if (!gc_) {
    const int screen = DefaultScreen(d);
    XGCValues values;
    values.foreground = WhitePixel(d, screen);
    values.background = BlackPixel(d, screen);
    gc_ = XCreateGC(d, window_, GCForeground | GCBackground, &values);
  }
  constexpr int kMargin = 10;
  XDrawImageString(d, window_, static_cast<GC>(gc_), kMargin, size_.height - kMargin, text.c_str(),
                   static_cast<int>(text.size()));
  XFlush(d);
}

}  // namespace sorvane
