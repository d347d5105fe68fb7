// SPDX-License-Identifier: MIT
// Starts a program and reports, event-driven, when its first visible top-level window is mapped, and how much
// memory the window's process holds a while later. Needs a display with no other clients mapping windows.
//
//   mapwait [-s SETTLE_MS] [-t TIMEOUT_MS] PROGRAM [ARGUMENTS...]
//
// Prints one line: "map_ms=... pid=... rss_kb=... hwm_kb=... size=WxH", then ends the program's whole process
// group.
#define _GNU_SOURCE
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <errno.h>
#include <poll.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static double NowMs(void)
{
    struct timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return (double)now.tv_sec * 1000.0 + (double)now.tv_nsec / 1e6;
}

// A window may be gone by the time it is asked about; that only means it was not the one.
static int IgnoreXError(Display* display, XErrorEvent* error)
{
    (void)display;
    (void)error;
    return 0;
}

static long CardinalProperty(Display* display, Window window, const char* name)
{
    Atom type;
    int format;
    unsigned long count, after;
    unsigned char* data = NULL;
    long value = -1;
    Atom atom = XInternAtom(display, name, False);
    if (XGetWindowProperty(
            display, window, atom, 0, 1, False, XA_CARDINAL, &type, &format, &count, &after, &data)
            == Success
        && data != NULL && format == 32 && count == 1) {
        value = *(long*)data;
    }
    if (data != NULL) {
        XFree(data);
    }
    return value;
}

static int IsSplash(Display* display, Window window)
{
    Atom type;
    int format;
    unsigned long count, after;
    unsigned char* data = NULL;
    int splash = 0;
    Atom typeAtom = XInternAtom(display, "_NET_WM_WINDOW_TYPE", False);
    Atom splashAtom = XInternAtom(display, "_NET_WM_WINDOW_TYPE_SPLASH", False);
    if (XGetWindowProperty(
            display, window, typeAtom, 0, 16, False, XA_ATOM, &type, &format, &count, &after, &data)
            == Success
        && data != NULL && format == 32) {
        for (unsigned long i = 0; i < count; ++i) {
            splash |= ((Atom*)data)[i] == splashAtom;
        }
    }
    if (data != NULL) {
        XFree(data);
    }
    return splash;
}

// Menus, tooltips and splash screens are not the program's window; neither is a 1 x 1 helper.
static int IsVisibleTopLevel(Display* display, Window window)
{
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes)) {
        return 0;
    }
    return !attributes.override_redirect && attributes.width > 1 && attributes.height > 1
        && !IsSplash(display, window);
}

static pid_t Launch(char** argv)
{
    pid_t child = fork();
    if (child == 0) {
        setpgid(0, 0);
        execvp(argv[0], argv);
        fprintf(stderr, "mapwait: cannot start %s: %s\n", argv[0], strerror(errno));
        _exit(127);
    }
    if (child > 0) {
        setpgid(child, child); // also here, so the group exists whichever of the two runs first
    }
    return child;
}

// Waits for the map, or returns 0 when the program ends or the time runs out first.
static Window WaitForMap(Display* display, pid_t child, double deadline)
{
    struct pollfd x = {ConnectionNumber(display), POLLIN, 0};
    for (;;) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && IsVisibleTopLevel(display, event.xmap.window)) {
                return event.xmap.window;
            }
        }
        if (waitpid(child, NULL, WNOHANG) == child) {
            return 0;
        }
        double left = deadline - NowMs();
        if (left <= 0) {
            return 0;
        }
        // Wakes at once on an X event; the short cap only notices a program that died without a window.
        poll(&x, 1, left < 100 ? (int)left + 1 : 100);
    }
}

static long StatusField(pid_t pid, const char* field)
{
    char path[64];
    char line[256];
    long value = -1;
    snprintf(path, sizeof path, "/proc/%d/status", (int)pid);
    FILE* status = fopen(path, "r");
    if (status == NULL) {
        return -1;
    }
    size_t length = strlen(field);
    while (fgets(line, sizeof line, status) != NULL) {
        if (strncmp(line, field, length) == 0 && line[length] == ':') {
            value = strtol(line + length + 1, NULL, 10);
            break;
        }
    }
    fclose(status);
    return value;
}

static void EndGroup(pid_t group, pid_t owner)
{
    kill(-group, SIGTERM);
    if (owner > 0 && owner != group) {
        kill(owner, SIGTERM);
    }
    for (int i = 0; i < 50 && waitpid(group, NULL, WNOHANG) == 0; ++i) {
        usleep(20000);
    }
    kill(-group, SIGKILL);
    if (owner > 0 && owner != group) {
        kill(owner, SIGKILL);
    }
    waitpid(group, NULL, 0);
}

int main(int argc, char** argv)
{
    long settleMs = 1000;
    long timeoutMs = 30000;
    int option;
    while ((option = getopt(argc, argv, "+s:t:")) != -1) {
        if (option == 's') {
            settleMs = strtol(optarg, NULL, 10);
        } else if (option == 't') {
            timeoutMs = strtol(optarg, NULL, 10);
        } else {
            return 2;
        }
    }
    if (optind >= argc) {
        fprintf(stderr, "usage: mapwait [-s SETTLE_MS] [-t TIMEOUT_MS] PROGRAM [ARGUMENTS...]\n");
        return 2;
    }
    Display* display = XOpenDisplay(NULL);
    if (display == NULL) {
        fprintf(stderr, "mapwait: cannot open the display\n");
        return 2;
    }
    XSetErrorHandler(IgnoreXError);
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    double start = NowMs();
    pid_t child = Launch(argv + optind);
    if (child < 0) {
        perror("mapwait: fork");
        return 2;
    }
    Window window = WaitForMap(display, child, start + (double)timeoutMs);
    double mapped = NowMs() - start;
    if (window == 0) {
        fprintf(stderr, "mapwait: %s mapped no window\n", argv[optind]);
        EndGroup(child, 0);
        return 1;
    }
    long owner = CardinalProperty(display, window, "_NET_WM_PID");
    pid_t pid = owner > 0 ? (pid_t)owner : child;
    struct timespec settle = {settleMs / 1000, (settleMs % 1000) * 1000000L};
    nanosleep(&settle, NULL);
    XWindowAttributes attributes = {0};
    XGetWindowAttributes(display, window, &attributes);
    printf("map_ms=%.1f pid=%d rss_kb=%ld hwm_kb=%ld size=%dx%d\n", mapped, (int)pid,
        StatusField(pid, "VmRSS"), StatusField(pid, "VmHWM"), attributes.width, attributes.height);
    fflush(stdout);
    EndGroup(child, pid);
    XCloseDisplay(display);
    return 0;
}
