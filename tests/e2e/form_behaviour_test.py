"""The player's skinned window moved and sized by its own frame on a real X server,
without a window manager and under openbox: a drag on the caption moves it by the drag;
a drag on each corner and edge sizes it from there and stops at the smallest size the
skin allows; Alt+F4 closes it and leaves no unpacked files. Under openbox with trayer as
the tray host, the gallery's behaviours window goes to the tray by its caption button,
its icon shows in the tray, a click on the icon brings the program back, and the icon's
skinned menu restores it too. On a session bus with a StatusNotifierWatcher (a
stand-in) the icon is a StatusNotifierItem instead: it registers, carries the tooltip
and picture, the host's Activate brings the program back, its ContextMenu pops the
skinned menu, and a watcher that starts again gets the item again."""

import os
import queue
import subprocess
import sys
import threading
import time

sys.path.insert(0, os.path.dirname(__file__))
from desktop import Session  # noqa: E402
from form_states_test import viewable, wait  # noqa: E402
from skinned_controls_test import player_with_pages, window_geometry  # noqa: E402

# Points of the demo frame whose hit codes size the window (window coordinates for a
# window w x h); the frame's corners are cut, so the corner points lie a little in.
GRIPS = {
    "top-left": lambda w, h: (5, 0), "top-right": lambda w, h: (w - 8, 0),
    "bottom-left": lambda w, h: (0, h - 5), "bottom-right": lambda w, h: (w - 3, h - 4),
    "left": lambda w, h: (0, h // 2), "right": lambda w, h: (w - 3, h // 2),
    "top": lambda w, h: (w // 2, 0), "bottom": lambda w, h: (w // 2, h - 3),
}
# The smallest window the demo skin allows: its minimum width and its frame's height.
LEAST = (170, 25)


def sized(rect, grip, dx, dy):
    """rect (x, y, w, h) after its grip was dragged by dx, dy."""
    x, y, w, h = rect
    left, right = "left" in grip, "right" in grip
    top, bottom = grip.startswith("top"), grip.startswith("bottom")
    if left:
        x, w = x + dx, w - dx
    if right:
        w += dx
    if top:
        y, h = y + dy, h - dy
    if bottom:
        h += dy
    return x, y, w, h


def drag(display, start, delta):
    x, y = start
    display.drag((x, y), (x + delta[0] // 2, y + delta[1] // 2), (x + delta[0], y + delta[1]))


def run_player(display, program, pack, work, out, label):
    player, window, rect = player_with_pages(display, program, pack, work, title=f"E2E moves {label}")
    try:
        x0, y0, w, h = rect
        drag(display, (x0 + 300, y0 + 10), (100, 60))
        expected = (x0 + 100, y0 + 60, w, h)
        assert wait(lambda: window_geometry(display, window) == expected), \
            f"dragged by the caption: {window_geometry(display, window)}, not {expected}"
        display.screenshot(f"{out}/behaviour-{label}-1-moved.png")
        # Each corner and edge: outwards by 20, 12 (only the sides it holds move).
        for grip, at in GRIPS.items():
            time.sleep(0.6)  # no double click with the press before
            rect = window_geometry(display, window)
            gx, gy = at(rect[2], rect[3])
            dx = -20 if "left" in grip else 20 if "right" in grip else 0
            dy = -12 if grip.startswith("top") else 12 if grip.startswith("bottom") else 0
            drag(display, (rect[0] + gx, rect[1] + gy), (dx, dy))
            expected = sized(rect, grip, dx, dy)
            assert wait(lambda: window_geometry(display, window) == expected), \
                f"{grip}: {window_geometry(display, window)}, not {expected}"
        display.screenshot(f"{out}/behaviour-{label}-2-sized.png")
        # Far inwards from the bottom-right corner: it stops at the least size, the
        # top-left corner stays.
        time.sleep(0.6)
        x, y, w, h = window_geometry(display, window)
        gx, gy = GRIPS["bottom-right"](w, h)
        drag(display, (x + gx, y + gy), (5 - gx, 5 - gy))
        assert wait(lambda: window_geometry(display, window) == (x, y, *LEAST)), \
            f"shrunk: {window_geometry(display, window)}, not {(x, y, *LEAST)}"
        display.screenshot(f"{out}/behaviour-{label}-3-least.png")
        # Alt+F4 closes the player, which removes what it unpacked.
        display.xdotool("mousemove", x + 60, y + 10, "click", 1)
        time.sleep(0.3)
        display.xdotool("key", "alt+F4")
        assert player.process.wait(timeout=20) == 0
        assert os.listdir(player.tmp) == [], f"left behind: {os.listdir(player.tmp)}"
    finally:
        player.kill()


def tray_icon_shown(shot, area):
    """Whether the tray host's strip shows anything but its own grey (the icon)."""
    x, y, w, h = area
    grey = shot.pixel(x + 2, y + 2)
    return any(shot.pixel(px, py) != grey for px in range(x, x + w, 2) for py in range(y, y + h, 2))


def tray_button(x, y, w):
    """The tray button: the caption row's fifth from the right (close, maximise,
    minimise, roll-up, tray), 13 pixels each and 5 apart."""
    return x + w - 4 - 4 * 18 - 7, y + 11


def to_tray(display, window, at):
    """Clicks the tray button at at; the window leaves the screen."""
    display.xdotool("mousemove", *at)
    time.sleep(0.6)  # no double click with a click before
    display.xdotool("click", 1)
    assert wait(lambda: not viewable(display, window)), "the window did not leave for the tray"
    time.sleep(0.5)


def run_tray(display, gallery, out):
    tray = (1160, 0, 120, 24)
    host = subprocess.Popen(["trayer", "--edge", "top", "--align", "right", "--widthtype", "pixel", "--width",
                             str(tray[2]), "--heighttype", "pixel", "--height", str(tray[3]), "--SetDockType",
                             "true", "--transparent", "false", "--tint", "0x404040"],
                            env=display.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    time.sleep(1)
    assert host.poll() is None, "trayer did not start"
    # No session bus: the icon goes to the XEmbed host.
    env = {k: v for k, v in display.env.items() if k not in ("DBUS_SESSION_BUS_ADDRESS", "XDG_RUNTIME_DIR")}
    process = subprocess.Popen([gallery], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        window = display.wait_for_window("Tessel behaviours")
        time.sleep(1.5)
        x, y, w, _ = window_geometry(display, window)
        before = display.screenshot(f"{out}/tray-1-before.png")
        assert not tray_icon_shown(before, tray), "an icon before the window went to the tray"
        to_tray(display, window, tray_button(x, y, w))
        shot = display.screenshot(f"{out}/tray-2-in-tray.png")
        assert tray_icon_shown(shot, tray), "no icon in the tray"
        main = display.wait_for_window("Tessel gallery")
        assert not viewable(display, main), "the main window stayed"
        # A click on the icon brings the program back.
        display.xdotool("mousemove", tray[0] + tray[2] - 10, tray[1] + tray[3] // 2, "click", 1)
        assert wait(lambda: viewable(display, window) and viewable(display, main)), "not back from the tray"
        time.sleep(0.5)
        back = display.screenshot(f"{out}/tray-3-back.png")
        assert not tray_icon_shown(back, tray), "the icon stayed"
        # Again, and back by the icon's skinned menu (Restore, -, Close).
        to_tray(display, window, tray_button(x, y, w))
        display.xdotool("mousemove", tray[0] + tray[2] - 10, tray[1] + tray[3] // 2, "click", 3)
        time.sleep(1)
        menu = display.screenshot(f"{out}/tray-4-menu.png")
        assert menu.pixel(tray[0] + 30, 30) != shot.pixel(tray[0] + 30, 30), "no tray menu"
        # The menu stands inside the screen's right edge under the icon: Restore first.
        display.xdotool("mousemove", tray[0] + 30, 24, "click", 1)
        assert wait(lambda: viewable(display, window)), "the menu's Restore did not bring it back"
        display.screenshot(f"{out}/tray-5-restored.png")
    finally:
        process.kill()
        process.wait()
        host.terminate()
        host.wait()


class Lines:
    """A process's output lines, read on a thread, taken with a time limit."""

    def __init__(self, process):
        self.queue = queue.Queue()
        threading.Thread(target=lambda: [self.queue.put(line.strip()) for line in process.stdout],
                         daemon=True).start()

    def wait(self, prefix, timeout=10):
        deadline = time.time() + timeout
        while time.time() < deadline:
            try:
                line = self.queue.get(timeout=max(0.1, deadline - time.time()))
            except queue.Empty:
                break
            if line.startswith(prefix):
                return line
        raise AssertionError(f"no line starting {prefix!r}")


def start_watcher(env):
    tool = os.path.join(os.path.dirname(__file__), "tools", "sni_watcher.py")
    watcher = subprocess.Popen(["/usr/bin/python3", tool], env=env, stdout=subprocess.PIPE, text=True)
    lines = Lines(watcher)
    lines.wait("watching")
    return watcher, lines


def gdbus(env, name, *call):
    return subprocess.run(["gdbus", "call", "--session", "--dest", name, "--object-path", "/StatusNotifierItem",
                           "--method", *call], env=env, capture_output=True, text=True, check=True).stdout


def run_status_notifier(display, gallery, out):
    bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1"], stdout=subprocess.PIPE,
                           text=True)
    address = bus.stdout.readline().strip()
    env = dict(display.env, DBUS_SESSION_BUS_ADDRESS=address)
    watcher, lines = start_watcher(env)
    process = subprocess.Popen([gallery], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        window = display.wait_for_window("Tessel behaviours")
        time.sleep(1.5)
        x, y, w, _ = window_geometry(display, window)
        to_tray(display, window, tray_button(x, y, w))
        name = lines.wait("registered").split()[2]
        tip = gdbus(env, name, "org.freedesktop.DBus.Properties.Get", "org.kde.StatusNotifierItem", "ToolTip")
        assert "click to restore" in tip, tip
        pixmap = gdbus(env, name, "org.freedesktop.DBus.Properties.Get", "org.kde.StatusNotifierItem",
                       "IconPixmap")
        assert "16, 16" in pixmap, pixmap[:80]
        # The host's primary action is a click: the program comes back.
        gdbus(env, name, "org.kde.StatusNotifierItem.Activate", "100", "100")
        assert wait(lambda: viewable(display, window)), "Activate did not bring the program back"
        # A watcher that starts again gets the item again.
        to_tray(display, window, tray_button(x, y, w))
        lines.wait("registered")
        watcher.terminate()
        watcher.wait()
        watcher, lines = start_watcher(env)
        name = lines.wait("registered").split()[2]
        # Its context menu is the icon's skinned menu; Restore brings the program back.
        gdbus(env, name, "org.kde.StatusNotifierItem.ContextMenu", "1100", "30")
        time.sleep(1)
        menu = display.screenshot(f"{out}/sni-1-menu.png")
        assert menu.pixel(1150, 43) != (0, 0, 0), "no menu at the host's point"
        display.xdotool("mousemove", 1150, 43, "click", 1)
        assert wait(lambda: viewable(display, window)), "the menu's Restore did not bring it back"
    finally:
        process.kill()
        process.wait()
        watcher.terminate()
        watcher.wait()
        bus.terminate()
        bus.wait()


def main(program, pack, gallery, out):
    os.makedirs(out, exist_ok=True)
    with Session("tessel-e2e-behaviour-") as session:
        run_player(session.display, program, pack, os.path.join(session.work, "plain"), out, "plain")
        session.start_window_manager()
        run_player(session.display, program, pack, os.path.join(session.work, "openbox"), out, "openbox")
        run_tray(session.display, gallery, out)
        run_status_notifier(session.display, gallery, out)
        print("form behaviour: all checks passed")


if __name__ == "__main__":
    main(*sys.argv[1:5])
