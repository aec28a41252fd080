/* Times what appears on an X screen, for the end-to-end measurements.
 *
 *   paint-probe run [--timeout MS] [--watch NAME X Y (RRGGBB|changed)]... -- COMMAND ARGS...
 *       starts COMMAND, prints "pid N", then "NAME MS" the first time the root window's
 *       pixel at (X, Y) is near RRGGBB (or differs from what it was at the start);
 *       ends when every watch is met (0) or at the time-out (1); COMMAND keeps running.
 *   paint-probe wait [--timeout MS] X Y RRGGBB
 *       prints the milliseconds until the pixel is near RRGGBB (0 if it already is).
 *   paint-probe frames [--timeout MS] X Y WIDTH
 *       counts how often the row of WIDTH pixels from (X, Y) changes over the time-out
 *       (5000 ms unless given) and prints the changes a second: the frames a moving
 *       movie shows where its moving parts cross that row.
 *
 * Pixels are read with XGetImage every millisecond, so the figures are exact to a
 * millisecond or two, unlike screenshots taken by a separate program. */
#define _POSIX_C_SOURCE 200809L
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>
#include <unistd.h>

enum { kTolerance = 24, kMaxWatches = 16 };

typedef struct {
    const char* name;
    int x, y;
    int changed; /* 1: wait for any change from the first reading */
    unsigned long want;
    unsigned long first;
    int done;
} Watch;

static double NowMs(void)
{
    struct timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1000.0 + ts.tv_nsec / 1e6;
}

static unsigned long Pixel(Display* d, int x, int y)
{
    XImage* image = XGetImage(d, DefaultRootWindow(d), x, y, 1, 1, AllPlanes, ZPixmap);
    if (!image)
        return 0;
    unsigned long p = XGetPixel(image, 0, 0) & 0xFFFFFF;
    XDestroyImage(image);
    return p;
}

static int Near(unsigned long a, unsigned long b)
{
    for (int shift = 0; shift < 24; shift += 8) {
        int d = (int)((a >> shift) & 255) - (int)((b >> shift) & 255);
        if (d > kTolerance || d < -kTolerance)
            return 0;
    }
    return 1;
}

/* FNV-1a over a row of the root window. */
static unsigned long RowHash(Display* d, int x, int y, int width)
{
    XImage* image = XGetImage(d, DefaultRootWindow(d), x, y, (unsigned)width, 1, AllPlanes, ZPixmap);
    if (!image)
        return 0;
    unsigned long hash = 1469598103934665603UL;
    for (int k = 0; k < width; ++k) {
        hash ^= XGetPixel(image, k, 0) & 0xFFFFFF;
        hash *= 1099511628211UL;
    }
    XDestroyImage(image);
    return hash;
}

static int Met(Display* d, Watch* w)
{
    unsigned long p = Pixel(d, w->x, w->y);
    return w->changed ? p != w->first : Near(p, w->want);
}

static void Sleep1ms(void)
{
    struct timespec ts = { 0, 1000000 };
    nanosleep(&ts, NULL);
}

int main(int argc, char** argv)
{
    if (argc < 2) {
        fprintf(stderr, "usage: paint-probe run|wait|frames ...\n");
        return 2;
    }
    Display* d = XOpenDisplay(NULL);
    if (!d) {
        fprintf(stderr, "paint-probe: cannot open the display\n");
        return 2;
    }
    /* Counting frames lasts 5 s unless told; waiting gives up after 30 s. */
    double timeout = strcmp(argv[1], "frames") == 0 ? 5000 : 30000;
    int i = 2;
    if (i + 1 < argc && strcmp(argv[i], "--timeout") == 0) {
        timeout = atof(argv[i + 1]);
        i += 2;
    }
    if (strcmp(argv[1], "wait") == 0) {
        if (i + 3 > argc)
            return 2;
        Watch w = { "wait", atoi(argv[i]), atoi(argv[i + 1]), 0, strtoul(argv[i + 2], NULL, 16), 0, 0 };
        double start = NowMs();
        while (!Met(d, &w)) {
            if (NowMs() - start > timeout)
                return 1;
            Sleep1ms();
        }
        printf("%.1f\n", NowMs() - start);
        return 0;
    }
    if (strcmp(argv[1], "frames") == 0) {
        if (i + 3 > argc)
            return 2;
        int x = atoi(argv[i]), y = atoi(argv[i + 1]), width = atoi(argv[i + 2]);
        if (width <= 0)
            return 2;
        unsigned long last = RowHash(d, x, y, width);
        long changes = 0;
        double start = NowMs();
        while (NowMs() - start < timeout) {
            unsigned long now = RowHash(d, x, y, width);
            if (now != last)
                ++changes;
            last = now;
            Sleep1ms();
        }
        printf("%.1f\n", changes * 1000.0 / timeout);
        return 0;
    }
    Watch watches[kMaxWatches];
    int count = 0;
    for (; i < argc && strcmp(argv[i], "--"); i += 5) {
        if (i + 4 >= argc || strcmp(argv[i], "--watch") || count == kMaxWatches)
            return 2;
        Watch* w = &watches[count++];
        w->name = argv[i + 1];
        w->x = atoi(argv[i + 2]);
        w->y = atoi(argv[i + 3]);
        w->changed = strcmp(argv[i + 4], "changed") == 0;
        w->want = w->changed ? 0 : strtoul(argv[i + 4], NULL, 16);
        w->first = Pixel(d, w->x, w->y);
        w->done = 0;
    }
    if (i >= argc - 1)
        return 2;
    fflush(stdout);
    double start = NowMs();
    pid_t pid = fork();
    if (pid == 0) {
        /* The command must not hold this program's output open after it ends. */
        int null = open("/dev/null", O_WRONLY);
        if (null >= 0)
            dup2(null, STDOUT_FILENO);
        execvp(argv[i + 1], argv + i + 1);
        _exit(127);
    }
    printf("pid %d\n", (int)pid);
    fflush(stdout);
    int left = count;
    while (left > 0 && NowMs() - start < timeout) {
        for (int k = 0; k < count; ++k)
            if (!watches[k].done && Met(d, &watches[k])) {
                watches[k].done = 1;
                --left;
                printf("%s %.1f\n", watches[k].name, NowMs() - start);
                fflush(stdout);
            }
        Sleep1ms();
    }
    return left == 0 ? 0 : 1;
}
