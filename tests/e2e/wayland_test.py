"""End to end: the player in a Wayland session. weston runs in a window of an Xvfb
server, with Xwayland; weston follows the server's pointer once it has come in from
outside its window, so xdotool drives it. The player comes up through Xwayland,
shows its window titled from the settings with its pages, plays a game and ends on
a close request leaving nothing behind; the gallery comes up beside it. Without an
X display the player says so and exits 1.
Usage: wayland_test.py TESSEL TESSEL_PACK CONTENT_DIR WM_CLOSE OUT_DIR [GALLERY]"""

import os
import re
import shutil
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(__file__))
from desktop import Session  # noqa: E402
from player_test import Player  # noqa: E402

ORBIT_STAGE = (0x10, 0x20, 0x60)
TOP_PAGE, BOTTOM_PAGE = (0x30, 0x90, 0x30), (0x90, 0x30, 0x90)
SETTINGS = """[Main]
title=E2E Wayland games
width=900
height=700
[TopPanel]
height=60
link=top.html
[BottomPanel]
height=80
link=bottom.html
[Links]
nr=0
"""
PAGE = '<body style="margin:0;background:rgb({},{},{})"></body>'


class Weston:
    """weston with Xwayland on the outer display, in a runtime folder of its own. Its
    X display is the one it names in its log; its programs get both displays, as a
    Wayland desktop gives them."""

    def __init__(self, work, outer):
        self.runtime = os.path.join(work, "runtime")
        os.makedirs(self.runtime, mode=0o700)
        self.socket = "tessel-e2e-wayland"
        log = os.path.join(work, "weston.log")
        # weston's window leaves a margin of the outer screen, where the pointer waits.
        outer.xdotool("mousemove", outer.width - 2, outer.height - 2)
        self.process = subprocess.Popen(
            ["weston", "--backend=x11-backend.so", "--use-pixman", "--xwayland", f"--socket={self.socket}",
             f"--width={outer.width - 40}", f"--height={outer.height - 40}", "--idle-time=0", f"--log={log}"],
            env=dict(outer.env, XDG_RUNTIME_DIR=self.runtime), stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL)
        deadline = time.time() + 20
        self.x_display = None
        while self.x_display is None:
            text = open(log).read() if os.path.exists(log) else ""
            if time.time() > deadline or self.process.poll() is not None:
                raise AssertionError("weston did not start Xwayland: " + text)
            found = re.search(r"xserver listening on display (:\d+)", text)
            self.x_display = found.group(1) if found else None
            time.sleep(0.1)
        self.env = dict(os.environ, XDG_RUNTIME_DIR=self.runtime, WAYLAND_DISPLAY=self.socket,
                        DISPLAY=self.x_display)
        self.env.pop("GDK_BACKEND", None)

    def close(self):
        self.process.terminate()
        self.process.wait()

    def window(self, title, process, timeout=40):
        deadline = time.time() + timeout
        while time.time() < deadline:
            found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{title}$"], env=self.env,
                                   capture_output=True, text=True).stdout.split()
            if found:
                return found[0]
            assert process.poll() is None, f"the program ended with {process.returncode}"
            time.sleep(0.2)
        raise AssertionError(f"no window named {title!r}")


def wait_for(outer, colour, work, timeout=20, tall=20):
    """The box of the colour on the desktop, once it is that tall."""
    return outer.wait_for_colour(colour, os.path.join(work, "look.png"), timeout, least=0, tall=tall, tolerance=6)


def main(program, pack, content, wm_close, out, gallery=None):
    os.makedirs(out, exist_ok=True)
    with Session("tessel-e2e-wayland-", 1280, 900) as session:
        work, outer = session.work, session.display
        weston = Weston(work, outer)
        try:
            run(program, pack, content, wm_close, out, gallery, weston, work, outer)
        finally:
            weston.close()
    print("wayland: all checks passed")


def run(program, pack, content, wm_close, out, gallery, weston, work, outer):
    """The checks, in a weston session on the outer display."""
    # Without an X display (a Wayland session without Xwayland) the player and the
    # gallery say so.
    no_x = dict(weston.env)
    no_x.pop("DISPLAY")
    for shown in [program] + ([gallery] if gallery else []):
        ended = subprocess.run([shown], env=no_x, capture_output=True, text=True, timeout=30)
        assert ended.returncode == 1, f"{shown}: {ended.returncode}"
        assert "no X display" in ended.stderr and "Xwayland" in ended.stderr, ended.stderr
        assert "CRITICAL" not in ended.stderr, ended.stderr

    pages = []
    for name, colour in (("top.html", TOP_PAGE), ("bottom.html", BOTTOM_PAGE)):
        pages.append(os.path.join(work, name))
        with open(pages[-1], "w") as f:
            f.write(PAGE.format(*colour))
    settings = os.path.join(work, "settings1.ini")
    with open(settings, "w") as f:
        f.write(SETTINGS)
    package = os.path.join(work, "Data.bin")
    subprocess.run([pack, "create", "-o", package, os.path.join(content, "Orbit.swf"), settings, *pages],
                   check=True, stdout=subprocess.DEVNULL)
    player = Player(weston, program, os.path.join(work, "run"), open(package, "rb").read())
    try:
        window = weston.window("E2E Wayland games", player.process)
        # The window, titled from the settings, shows its pages, top and bottom.
        top, bottom = wait_for(outer, TOP_PAGE, work), wait_for(outer, BOTTOM_PAGE, work)
        assert top[3] < bottom[1], (top, bottom)
        time.sleep(2)
        # Games is the tool bar's first button, just above the top page; the pointer
        # comes into weston's window from the margin.
        outer.xdotool("mousemove", outer.width - 2, outer.height - 2)
        time.sleep(0.2)
        outer.xdotool("mousemove", top[0] + 40, top[1] - 14)
        time.sleep(0.3)
        outer.xdotool("click", 1)
        time.sleep(0.6)
        outer.xdotool("key", "Return")
        stage = wait_for(outer, ORBIT_STAGE, work, tall=100)
        assert top[3] < stage[1] and stage[3] < bottom[1], "the movie is not between the pages"
        outer.screenshot(os.path.join(out, "wayland-player.png"))

        if gallery:
            shown = subprocess.Popen([gallery], env=weston.env, stdout=subprocess.DEVNULL,
                                     stderr=subprocess.PIPE, text=True)
            try:
                weston.window("Tessel gallery", shown)
                time.sleep(1)
                outer.screenshot(os.path.join(out, "wayland-gallery.png"))
            finally:
                shown.terminate()
                _, errors = shown.communicate(timeout=20)
            assert "CRITICAL" not in errors, errors

        # The desktop's close request ends it, its files gone.
        subprocess.run([wm_close, window], env=weston.env, check=True)
        code = player.process.wait(timeout=20)
        assert code == 0, f"the player ended with {code}"
        assert not player.folders(), f"left behind: {os.listdir(player.tmp)}"
        player.stderr.seek(0)
        told = player.stderr.read()
        assert "CRITICAL" not in told and "Gdk-" not in told, told
    finally:
        player.kill()


if __name__ == "__main__":
    main(*sys.argv[1:7])
