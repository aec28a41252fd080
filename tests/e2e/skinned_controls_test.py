"""The skinned controls on a real X server. The player's tool bar and the frames of
both web panels show exactly the pixels vxskin renders for the same records at the
same sizes; in the gallery the tool bar's scroll buttons scroll its buttons by the
scroll offset and back, dragging the status bar's grip sizes the window, and the
"Skin" menu switches the windows to the ember skin and back, without a window
manager and under openbox."""

import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(__file__))
from desktop import Picture, Session  # noqa: E402
from player_test import FRAME_BOTTOM, FRAME_LEFT, FRAME_RIGHT, FRAME_TOP, Player  # noqa: E402

SETTINGS = """[Main]
title=E2E skin
width=900
height=700

[TopPanel]
height=60
link=top.html

[BottomPanel]
height=120
link=bottom.html

[Links]
nr=0
"""
PAGE = '<html><body style="margin:0;background:#2060a0"></body></html>'


def window_geometry(display, window):
    """The window's client area on the screen: x, y, width, height. (xwininfo, as
    xdotool counts a window manager's frame offset twice.)"""
    out = subprocess.run(["xwininfo", "-id", window], env=display.env, capture_output=True, text=True,
                         check=True).stdout
    v = {k.strip(): val.strip() for k, _, val in (line.partition(":") for line in out.splitlines())}
    return (int(v["Absolute upper-left X"]), int(v["Absolute upper-left Y"]), int(v["Width"]),
            int(v["Height"]))


def render(vxskin, skin, control, width, height, out):
    subprocess.run([vxskin, "render", skin, "--control", control, "--size", f"{width}x{height}", "-o", out],
                   check=True, stdout=subprocess.DEVNULL)
    return Picture(out)


def differences(shot, origin, picture, keep):
    """The pixels of picture where keep(x, y) holds that the screenshot does not show
    at origin + (x, y); up to five of them."""
    found = []
    for y in range(picture.height):
        for x in range(picture.width):
            if keep(x, y) and shot.pixel(origin[0] + x, origin[1] + y) != picture.pixel(x, y):
                found.append((x, y, shot.pixel(origin[0] + x, origin[1] + y), picture.pixel(x, y)))
                if len(found) == 5:
                    return found
    return found


def player_with_pages(display, program, pack, work, title="E2E skin"):
    """The player on a package whose two panels show plain blue pages, once both
    pages show: the player, its window and the window's place and size."""
    os.makedirs(work)
    for name in ("settings1.ini", "top.html", "bottom.html"):
        with open(os.path.join(work, name), "w") as f:
            f.write(SETTINGS.replace("E2E skin", title) if name.endswith(".ini") else PAGE)
    package = os.path.join(work, "Data.bin")
    subprocess.run([pack, "create", "-o", package, *(os.path.join(work, n) for n in
                    ("settings1.ini", "top.html", "bottom.html"))], check=True, stdout=subprocess.DEVNULL)
    player = Player(display, program, os.path.join(work, "run"), open(package, "rb").read())
    window = player.window(title)
    x0, y0, width, height = window_geometry(display, window)
    assert (width, height) == (900, 700), (width, height)
    # The pages have loaded when the panels show their blue.
    cx, cy = x0 + FRAME_LEFT, y0 + FRAME_TOP
    player.wait_pixel(cx + 450, cy + 29 + 30, [(0x20, 0x60, 0xA0)])
    player.wait_pixel(cx + 450, cy + 555 + 60, [(0x20, 0x60, 0xA0)])
    return player, window, (x0, y0, width, height)


def test_player_frames(display, program, pack, vxskin, skin, work, out):
    player, _, (x0, y0, _, _) = player_with_pages(display, program, pack, work)
    try:
        shot = display.screenshot(f"{out}/player-frames.png")
        # The client area (894 x 675) lies inside the skin's frame.
        cx, cy, cw, ch = x0 + FRAME_LEFT, y0 + FRAME_TOP, 900 - FRAME_LEFT - FRAME_RIGHT, 700 - FRAME_TOP - FRAME_BOTTOM
        # The tool bar outside its two menu buttons (3..78 and 84..159).
        bar = render(vxskin, skin, "toolpanel", cw, 29, f"{out}/toolpanel.png")
        wrong = differences(shot, (cx, cy), bar, lambda x, y: x >= 160 or x < 3 or 78 <= x < 84)
        assert not wrong, f"tool bar pixels (x, y, shown, rendered): {wrong}"
        # Each panel's frame: the two-pixel ring around the web view.
        for top, h in ((29, 60), (ch - 120, 120)):
            panel = render(vxskin, skin, "panel", cw, h, f"{out}/panel-{h}.png")
            ring = lambda x, y, h=h: x < 2 or x >= cw - 2 or y < 2 or y >= h - 2  # noqa: E731
            wrong = differences(shot, (cx, cy + top), panel, ring)
            assert not wrong, f"frame of the panel at y {top} (x, y, shown, rendered): {wrong}"
    finally:
        player.kill()


def toolbar_rows(shot, x0, y0, left, right):
    return [[shot.pixel(x0 + x, y0 + y) for x in range(left, right)] for y in range(2, 27)]


def test_gallery(display, gallery, out, label):
    process = subprocess.Popen([gallery], env=display.env, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
    try:
        window = display.wait_for_window("Tessel gallery")
        time.sleep(1)
        x0, y0, width, height = window_geometry(display, window)
        assert (width, height) == (760, 520), (width, height)
        x = display.xdotool
        step, button = 81, 12
        before = display.screenshot(f"{out}/gallery-{label}-1.png")
        # A click on the right scroll button moves every button one step left.
        x("mousemove", x0 + width - button // 2, y0 + 14, "click", 1)
        time.sleep(0.4)
        x("mousemove", x0 + 300, y0 + 400)
        time.sleep(0.2)
        after = display.screenshot(f"{out}/gallery-{label}-2-scrolled.png")
        inner = (button, width - button - step)
        moved = toolbar_rows(before, x0 + step, y0, *inner)
        assert toolbar_rows(after, x0, y0, *inner) == moved, "the buttons did not scroll one step"
        # The left one brings them back.
        x("mousemove", x0 + button // 2, y0 + 14, "click", 1)
        time.sleep(0.4)
        x("mousemove", x0 + 300, y0 + 400)
        time.sleep(0.2)
        back = display.screenshot(f"{out}/gallery-{label}-3-back.png")
        assert toolbar_rows(back, x0, y0, *inner) == toolbar_rows(before, x0, y0, *inner), \
            "the buttons did not scroll back"

        # The grip sizes the window by the drag.
        grip = (x0 + width - 4, y0 + height - 4)
        display.drag(grip, (grip[0] + 20, grip[1] + 10), (grip[0] + 60, grip[1] + 40))
        time.sleep(0.5)
        display.screenshot(f"{out}/gallery-{label}-4-sized.png")
        sized = window_geometry(display, window)
        assert sized[2:] == (width + 60, height + 40), f"after the drag: {sized}"
        assert sized[:2] == (x0, y0), f"the window moved: {sized}"
    finally:
        process.terminate()
        _, err = process.communicate(timeout=10)
        if err.strip():
            print(err.decode(errors="replace"))


def mean_colour(shot, x, y, size=30):
    """The mean colour of a size x size block from (x, y)."""
    total = [0, 0, 0]
    for py in range(y, y + size):
        for px in range(x, x + size):
            for i, c in enumerate(shot.pixel(px, py)):
                total[i] += c
    return tuple(t // (size * size) for t in total)


def test_skin_switch(display, gallery, out, label):
    """The gallery's "Skin" menu switches every window but the frame objects' one to
    the dark ember skin (their faces go dark), and back to the demo skin."""
    process = subprocess.Popen([gallery], env=display.env, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
    try:
        window = display.wait_for_window("Tessel gallery")
        time.sleep(1.5)
        names = ["Tessel gallery", "Tessel menus and hints", "Tessel buttons", "Tessel behaviours",
                 "Tessel frame objects"]
        places = {}
        for name in names:
            x, y, w, h = window_geometry(display, display.wait_for_window(name))
            places[name] = (x + w // 2 - 15, y + h // 2 + 10)
        x0, y0, _, _ = window_geometry(display, window)
        x = display.xdotool
        x("mousemove", 300, 790)
        time.sleep(0.3)
        before = display.screenshot(f"{out}/skins-{label}-1-demo.png")

        def choose(entry):
            # The third tool-bar button drops the skins: Demo, Ember.
            x("mousemove", x0 + 3 + 2 * 81 + 30, y0 + 14, "click", 1)
            time.sleep(0.5)
            for _ in range(entry - 1):
                x("key", "Down")
                time.sleep(0.05)
            x("key", "Return")
            time.sleep(1)
            x("mousemove", 300, 790)
            time.sleep(0.5)

        choose(2)
        ember = display.screenshot(f"{out}/skins-{label}-2-ember.png")
        for name in names:
            a, b = mean_colour(before, *places[name]), mean_colour(ember, *places[name])
            darker = sum(a) - sum(b)
            if name == "Tessel frame objects":
                assert abs(darker) < 30, f"{name} followed the switch: {a} -> {b}"
            else:
                assert darker > 150, f"{name} did not take the ember skin: {a} -> {b}"
        choose(1)
        back = display.screenshot(f"{out}/skins-{label}-3-demo.png")
        for name in names:
            a, c = mean_colour(before, *places[name]), mean_colour(back, *places[name])
            assert sum(abs(p - q) for p, q in zip(a, c)) < 12, f"{name} did not come back: {a} -> {c}"
    finally:
        process.terminate()
        _, err = process.communicate(timeout=10)
        if err.strip():
            print(err.decode(errors="replace"))


def main(program, pack, vxskin, skin, gallery, out):
    os.makedirs(out, exist_ok=True)
    with Session("tessel-e2e-skin-") as session:
        test_player_frames(session.display, program, pack, vxskin, skin, os.path.join(session.work, "player"), out)
        test_gallery(session.display, gallery, out, "plain")
        test_skin_switch(session.display, gallery, out, "plain")
        session.start_window_manager()
        test_gallery(session.display, gallery, out, "openbox")
        test_skin_switch(session.display, gallery, out, "openbox")
        print("skinned controls: all checks passed")


if __name__ == "__main__":
    main(*sys.argv[1:7])
