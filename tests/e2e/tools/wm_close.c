/* Asks a window to close as a window manager's close button does: sends it the
 * WM_DELETE_WINDOW client message of the WM_PROTOCOLS protocol.
 *
 *   wm-close WINDOW-ID
 */
#include <X11/Xlib.h>
#include <stdio.h>
#include <stdlib.h>

int main(int argc, char** argv)
{
    if (argc != 2) {
        fprintf(stderr, "usage: wm-close WINDOW-ID\n");
        return 2;
    }
    Display* d = XOpenDisplay(NULL);
    if (!d) {
        fprintf(stderr, "wm-close: cannot open the display\n");
        return 2;
    }
    XEvent event = { 0 };
    event.xclient.type = ClientMessage;
    event.xclient.window = (Window)strtoul(argv[1], NULL, 0);
    event.xclient.message_type = XInternAtom(d, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = (long)XInternAtom(d, "WM_DELETE_WINDOW", False);
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(d, event.xclient.window, False, NoEventMask, &event);
    XSync(d, False);
    XCloseDisplay(d);
    return 0;
}
