"""The player's skinned window maximised, restored and minimised by its own caption
buttons on a real X server, without a window manager and under openbox: maximised it
fills the work area (a bare screen: one pixel in from every edge), restored it is back
on the same rectangle, and (under the window manager, which keeps minimised windows)
minimised it leaves the screen and comes back when the desktop activates it. A right
click on the caption opens the skinned system menu; without a window manager (which
keeps Alt+Space for its own) Alt+Space opens it too, and its Close ends the player."""

import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(__file__))
from desktop import Session  # noqa: E402
from skinned_controls_test import player_with_pages, window_geometry  # noqa: E402

# The caption buttons of a window w wide: close at the caption's right end, then
# maximise and minimise, 13 pixels each and 5 apart, 5 .. 18 down.
def maximise_button(x0, y0, w):
    return x0 + w - 4 - 13 - 5 - 7, y0 + 11


def minimise_button(x0, y0, w):
    return x0 + w - 4 - 2 * (13 + 5) - 7, y0 + 11


def work_area(display):
    out = subprocess.run(["xprop", "-root", "_NET_WORKAREA"], env=display.env, capture_output=True,
                         text=True).stdout
    if "=" in out:
        x, y, w, h = (int(v) for v in out.split("=")[1].split(",")[:4])
        return x, y, w, h
    size = subprocess.run(["xdotool", "getdisplaygeometry"], env=display.env, capture_output=True, text=True,
                          check=True).stdout.split()
    return 0, 0, int(size[0]), int(size[1])


def viewable(display, window):
    out = subprocess.run(["xwininfo", "-id", window], env=display.env, capture_output=True, text=True).stdout
    return "IsViewable" in out


def wait(condition, timeout=5):
    deadline = time.time() + timeout
    while time.time() < deadline:
        if condition():
            return True
        time.sleep(0.1)
    return condition()


def run(display, program, pack, work, out, label):
    player, window, (x0, y0, w, h) = player_with_pages(display, program, pack, work, title=f"E2E states {label}")
    try:
        area = work_area(display)
        # A work area as large as the screen loses a pixel on every side.
        expected = (area[0] + 1, area[1] + 1, area[2] - 2, area[3] - 2)
        display.xdotool("mousemove", *maximise_button(x0, y0, w))
        time.sleep(0.3)
        display.xdotool("click", 1)
        assert wait(lambda: window_geometry(display, window) == expected), \
            f"maximised: {window_geometry(display, window)}, not {expected}"
        display.screenshot(f"{out}/states-{label}-1-maximised.png")
        mx, my, mw, _ = expected
        display.xdotool("mousemove", *maximise_button(mx, my, mw))
        time.sleep(0.3)
        display.xdotool("click", 1)
        assert wait(lambda: window_geometry(display, window) == (x0, y0, w, h)), \
            f"restored: {window_geometry(display, window)}, not {(x0, y0, w, h)}"

        # A right click on the caption opens the system menu at the cursor.
        at = (x0 + 300, y0 + 10)
        before = display.screenshot(f"{out}/states-{label}-2-before-menu.png")
        display.xdotool("mousemove", *at)
        time.sleep(0.2)
        display.xdotool("click", 3)
        time.sleep(0.6)
        shot = display.screenshot(f"{out}/states-{label}-3-system-menu.png")
        assert shot.pixel(at[0], at[1] + 20) != before.pixel(at[0], at[1] + 20), "no system menu at the cursor"
        display.xdotool("key", "Escape")
        time.sleep(0.3)

        if label == "plain":
            # Alt+Space (a window manager keeps it for its own menu) opens it at the
            # system-menu button; its last entry, Close, ends the player.
            display.xdotool("key", "alt+space")
            time.sleep(0.6)
            display.screenshot(f"{out}/states-{label}-4-alt-space.png")
            display.xdotool("key", "Up")
            time.sleep(0.1)
            display.xdotool("key", "Return")
            assert player.process.wait(timeout=20) == 0
            return
        display.xdotool("mousemove", *minimise_button(x0, y0, w))
        time.sleep(0.3)
        display.xdotool("click", 1)
        assert wait(lambda: not viewable(display, window)), "the minimised window still shows"
        display.xdotool("windowactivate", window)
        assert wait(lambda: viewable(display, window)), "the window did not come back"
        display.screenshot(f"{out}/states-{label}-5-back.png")
    finally:
        player.kill()


def main(program, pack, out):
    os.makedirs(out, exist_ok=True)
    with Session("tessel-e2e-states-") as session:
        run(session.display, program, pack, os.path.join(session.work, "plain"), out, "plain")
        session.start_window_manager()
        run(session.display, program, pack, os.path.join(session.work, "openbox"), out, "openbox")
        print("form states: all checks passed")


if __name__ == "__main__":
    main(*sys.argv[1:4])
