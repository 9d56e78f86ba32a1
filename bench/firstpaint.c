/*
 * firstpaint PROGRAM [ARGS...]: starts a program on the X display and prints
 * the seconds until its window has been painted, seen from outside: the
 * pixel at the centre of the screen stops showing the bare root window. The
 * program is then ended, and the processor seconds it used (all its threads,
 * user and system) are printed after the first figure: on a machine busy
 * with other work they vary less than the time on the clock. Used by
 * scripts/bench under Xvfb, where no window manager draws frames or
 * backgrounds of its own.
 *
 * The root is filled first with a colour that no window of the program uses,
 * so a window whose centre happens to match the root cannot go unseen, and
 * each run waits until the window of the run before it is gone.
 */
#define _DEFAULT_SOURCE
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

/* A dark grey-blue, one step off black in each channel. */
static const unsigned long RootColour = 0x010203;
static const double GiveUpSeconds = 30;
static const double SettleSeconds = 5;

static double now(void)
{
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return (double)t.tv_sec + (double)t.tv_nsec / 1e9;
}

static unsigned long pixelAt(Display *display, Window root, int x, int y)
{
    XImage *image = XGetImage(display, root, x, y, 1, 1, AllPlanes, ZPixmap);
    unsigned long pixel = XGetPixel(image, 0, 0) & 0xFFFFFF;
    XDestroyImage(image);
    return pixel;
}

/* Paints the root in RootColour and waits until nothing covers its centre. */
static int bareRoot(Display *display, Window root, int x, int y)
{
    XSetWindowBackground(display, root, RootColour);
    XClearWindow(display, root);
    XSync(display, False);
    double start = now();
    while (pixelAt(display, root, x, y) != RootColour) {
        if (now() - start > SettleSeconds)
            return 0;
        usleep(5000);
    }
    return 1;
}

static double seconds(struct timeval t)
{
    return (double)t.tv_sec + (double)t.tv_usec / 1e6;
}

/* Seconds from the start of the program to its first paint, or -1 when it
 * ended or showed nothing in time. The program is ended either way, and
 * *cpu is set to the processor time it used. */
static double timeToFirstPaint(Display *display, Window root, int x, int y, char **command,
                               double *cpu)
{
    double start = now();
    pid_t child = fork();
    if (child < 0) {
        perror("firstpaint: fork");
        return -1;
    }
    if (child == 0) {
        execvp(command[0], command);
        _exit(127);
    }
    double painted = -1;
    struct rusage usage;
    int ended = 0;
    while (now() - start < GiveUpSeconds) {
        if (pixelAt(display, root, x, y) != RootColour) {
            painted = now() - start;
            break;
        }
        if (wait4(child, NULL, WNOHANG, &usage) == child) {
            ended = 1;
            break;
        }
        usleep(1000);
    }
    if (!ended) {
        kill(child, SIGTERM);
        wait4(child, NULL, 0, &usage);
    }
    *cpu = seconds(usage.ru_utime) + seconds(usage.ru_stime);
    return painted;
}

int main(int argc, char **argv)
{
    if (argc < 2) {
        fprintf(stderr, "usage: firstpaint PROGRAM [ARGS...]\n");
        return 2;
    }
    Display *display = XOpenDisplay(NULL);
    if (!display) {
        fprintf(stderr, "firstpaint: no X display\n");
        return 2;
    }
    Window root = DefaultRootWindow(display);
    int x = DisplayWidth(display, DefaultScreen(display)) / 2;
    int y = DisplayHeight(display, DefaultScreen(display)) / 2;
    if (!bareRoot(display, root, x, y)) {
        fprintf(stderr, "firstpaint: a window still covers the centre of the screen\n");
        XCloseDisplay(display);
        return 1;
    }
    double cpu = 0;
    double painted = timeToFirstPaint(display, root, x, y, argv + 1, &cpu);
    XCloseDisplay(display);
    if (painted < 0) {
        fprintf(stderr, "firstpaint: %s showed no window\n", argv[1]);
        return 1;
    }
    printf("%.4f %.4f\n", painted, cpu);
    return 0;
}
