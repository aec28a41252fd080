"""Helpers for end-to-end tests: a private Xvfb display, a program on it, xdotool
input and screenshots read back as pixels."""

import os
import shutil
import subprocess
import tempfile
import time


class Display:
    """An Xvfb server on a display number it picks itself (-displayfd), so tests
    that run at the same time never share one."""

    def __init__(self, width=1280, height=800):
        self.width, self.height = width, height
        read_end, write_end = os.pipe()
        self.server = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-noreset", "-nolisten", "tcp", "-screen", "0",
             f"{width}x{height}x24"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, pass_fds=(write_end,))
        os.close(write_end)
        number = b""
        deadline = time.time() + 10
        while not number.endswith(b"\n"):
            if time.time() > deadline:
                raise RuntimeError("Xvfb did not start")
            chunk = os.read(read_end, 16)
            if not chunk:
                raise RuntimeError("Xvfb ended before it named its display")
            number += chunk
        os.close(read_end)
        self.name = ":" + number.decode().strip()
        self.env = dict(os.environ, DISPLAY=self.name)
        while subprocess.run(["xdotool", "getdisplaygeometry"], env=self.env,
                             capture_output=True).returncode != 0:
            if time.time() > deadline:
                raise RuntimeError("Xvfb did not start")
            time.sleep(0.1)

    def close(self):
        self.server.terminate()
        self.server.wait()

    def xdotool(self, *args):
        subprocess.run(["xdotool", *map(str, args)], env=self.env, check=True)

    def drag(self, start, *path):
        """Presses the left button at start, moves through path and releases there."""
        self.xdotool("mousemove", *start, "mousedown", 1)
        for point in path:
            self.xdotool("mousemove", *point)
            time.sleep(0.05)
        self.xdotool("mouseup", 1)

    def wait_for_window(self, title, timeout=15):
        deadline = time.time() + timeout
        while time.time() < deadline:
            found = subprocess.run(["xdotool", "search", "--name", title], env=self.env,
                                   capture_output=True, text=True)
            if found.returncode == 0 and found.stdout.strip():
                return found.stdout.split()[0]
            time.sleep(0.1)
        raise AssertionError(f"no window named {title!r} appeared")

    def screenshot(self, path):
        subprocess.run(["import", "-window", "root", path], env=self.env, check=True)
        return Picture(path)

    def wait_for_colour(self, colour, path, timeout=15, least=400, tall=0, tolerance=12):
        """The box of the colour on the screen (screenshots to path) once it covers at
        least that many looked-at pixels and is at least that tall."""
        deadline = time.time() + timeout
        while True:
            shot = self.screenshot(path)
            box = shot.find(colour, tolerance)
            if box and (box[2] - box[0]) * (box[3] - box[1]) >= least * 4 and box[3] - box[1] >= tall:
                return box
            if time.time() > deadline:
                raise AssertionError(f"{colour} does not show (see {path})")
            time.sleep(0.2)


class WindowManager:
    """openbox on a display. scripts/bootstrap installs it: a missing one is a failure,
    not a skip."""

    def __init__(self, display):
        self.process = subprocess.Popen(["openbox"], env=display.env, stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL)
        time.sleep(1)

    def close(self):
        self.process.terminate()
        self.process.wait()


class Picture:
    """A screenshot's pixels."""

    def __init__(self, path):
        self.path = path
        size = subprocess.run(["identify", "-format", "%w %h", path], capture_output=True, text=True,
                              check=True).stdout.split()
        self.width, self.height = int(size[0]), int(size[1])
        self.rgb = subprocess.run(["convert", path, "-depth", "8", "rgb:-"], capture_output=True,
                                  check=True).stdout

    def pixel(self, x, y):
        i = (y * self.width + x) * 3
        return tuple(self.rgb[i:i + 3])

    def find(self, colour, tolerance=12, step=2):
        """The bounding box (left, top, right, bottom; right and bottom inclusive) of
        the pixels near the colour, looked at every step pixels; None where none is."""
        box = None
        for y in range(0, self.height, step):
            row = y * self.width * 3
            for x in range(0, self.width, step):
                i = row + x * 3
                if all(abs(self.rgb[i + k] - colour[k]) <= tolerance for k in range(3)):
                    box = (x, y, x, y) if box is None else (min(box[0], x), min(box[1], y), max(box[2], x),
                                                            max(box[3], y))
        return box


class Session:
    """A work folder and an Xvfb display for one test script, removed at the end
    (the folder kept with KEEP_E2E set); a window manager, and a compositor, on request."""

    def __init__(self, prefix, width=1280, height=800):
        self.work = tempfile.mkdtemp(prefix=prefix)
        self.display = Display(width, height)
        self.helpers = []

    def start_window_manager(self, compositor=False):
        self.helpers.append(WindowManager(self.display))
        if compositor:
            process = subprocess.Popen(["xcompmgr"], env=self.display.env, stdout=subprocess.DEVNULL,
                                       stderr=subprocess.DEVNULL)
            time.sleep(0.5)
            assert process.poll() is None, "xcompmgr did not start"
            self.helpers.append(process)

    def __enter__(self):
        return self

    def __exit__(self, *_):
        for helper in reversed(self.helpers):
            if isinstance(helper, WindowManager):
                helper.close()
            else:
                helper.terminate()
                helper.wait()
        self.display.close()
        if os.environ.get("KEEP_E2E"):
            print(f"kept {self.work}")
        else:
            shutil.rmtree(self.work, ignore_errors=True)
