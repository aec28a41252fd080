"""Moves the pointer and grabs one screen rectangle as fast as the X server gives it,
to catch what changes within milliseconds (a button's morph). Run with the system
Python (python3-gi). Usage: grab_frames.py X Y W H POINTER_X POINTER_Y MS OUT_DIR
Writes OUT_DIR/frame-NNN.png for the rectangle before the move and for every
different picture after it, and prints how many it wrote."""

import os
import subprocess
import sys
import time

import gi

gi.require_version("Gdk", "3.0")
from gi.repository import Gdk  # noqa: E402


def main(x, y, w, h, px, py, ms, out):
    root = Gdk.get_default_root_window()
    os.makedirs(out, exist_ok=True)

    def grab():
        return Gdk.pixbuf_get_from_window(root, x, y, w, h)

    frames = [grab()]
    subprocess.run(["xdotool", "mousemove", str(px), str(py)], check=True)
    last = frames[0].get_pixels()
    deadline = time.time() + ms / 1000
    while time.time() < deadline:
        picture = grab()
        pixels = picture.get_pixels()
        if pixels != last:
            frames.append(picture)
            last = pixels
        time.sleep(0.002)
    for i, picture in enumerate(frames):
        picture.savev(os.path.join(out, f"frame-{i:03}.png"), "png", [], [])
    print(len(frames))


if __name__ == "__main__":
    main(*map(int, sys.argv[1:8]), sys.argv[8])
