"""The player's skinned frame on a real X server, without a window manager and under
openbox: the frame shows what `vxskin render --form` gives at the window's size
(outside the caption's row of objects), the window's shape is `vxskin region --form`,
the settings' title is drawn in the caption, the close button changes under the
pointer, and a click on it ends the player with nothing left behind. Under openbox
the window carries no frame of the window manager's."""

import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(__file__))
from desktop import Picture, Session  # noqa: E402
from player_test import FRAME_BOTTOM, FRAME_LEFT, FRAME_RIGHT, FRAME_TOP  # noqa: E402
from skinned_controls_test import player_with_pages  # noqa: E402

WIDTH, HEIGHT = 900, 700
# The caption's row: the system-menu button, the title and the caption buttons lie
# inside it; the frame's own pixels are everywhere else.
CAPTION_ROW = (4, 3, WIDTH - 4, 20)
# The close button: 13 x 13 at the caption rectangle's right end (100 + 900 - 104).
CLOSE = (WIDTH - 4 - 13, 5, WIDTH - 4, 18)
TITLE_ACTIVE, TITLE_SHADOW = (0x48, 0x48, 0x48), (0xC0, 0xC0, 0xC0)


def tool(vxskin, skin, what, out):
    subprocess.run([vxskin, what, skin, "--form", "--size", f"{WIDTH}x{HEIGHT}", "-o", out], check=True,
                   stdout=subprocess.DEVNULL)
    return Picture(out)


def inside(rect, x, y):
    return rect[0] <= x < rect[2] and rect[1] <= y < rect[3]


def check_frame(shot, x0, y0, frame, region):
    """The frame ring shows the rendered frame inside the shape and the screen's
    black outside it."""
    client = (FRAME_LEFT, FRAME_TOP, WIDTH - FRAME_RIGHT, HEIGHT - FRAME_BOTTOM)
    wrong, compared, cut = [], 0, 0
    for y in range(HEIGHT):
        for x in range(WIDTH):
            if inside(client, x, y) or inside(CAPTION_ROW, x, y):
                continue
            shown = shot.pixel(x0 + x, y0 + y)
            if region.pixel(x, y) == (0, 0, 0):
                compared += 1
                if shown != frame.pixel(x, y):
                    wrong.append((x, y, shown, frame.pixel(x, y)))
            else:
                cut += 1
                if shown != (0, 0, 0):
                    wrong.append((x, y, shown, "outside the shape"))
            if len(wrong) == 5:
                break
        if len(wrong) == 5:
            break
    assert not wrong, f"frame pixels (x, y, shown, wanted): {wrong}"
    assert compared > 2 * (WIDTH + HEIGHT) and cut > 0, (compared, cut)


def crop(shot, x0, y0, rect):
    return [shot.pixel(x0 + x, y0 + y) for y in range(rect[1], rect[3]) for x in range(rect[0], rect[2])]


def test_frame(display, program, pack, vxskin, skin, work, out, label):
    player, window, (x0, y0, _, _) = player_with_pages(display, program, pack, work, "E2E frame")
    try:
        if label == "openbox":
            # The window manager draws no frame of its own around ours.
            extents = subprocess.run(["xprop", "-id", window, "_NET_FRAME_EXTENTS"], env=display.env,
                                     capture_output=True, text=True).stdout
            assert "= 0, 0, 0, 0" in extents, extents
        # The pointer rests over the client area (the last run's close click left it
        # where this window's close button is).
        for step in range(4):
            display.xdotool("mousemove", x0 + 450 + step, y0 + 400 + step)
            time.sleep(0.25)
        shot = display.screenshot(f"{out}/frame-{label}-1.png")
        frame = tool(vxskin, skin, "render", f"{out}/frame-render.png")
        region = tool(vxskin, skin, "region", f"{out}/frame-region.png")
        check_frame(shot, x0, y0, frame, region)

        # The title in the caption, with its shadow.
        row = crop(shot, x0, y0, (20, 3, 400, 20))
        assert row.count(TITLE_ACTIVE) > 40 and row.count(TITLE_SHADOW) > 20, "no title in the caption"

        # The close button changes under the pointer; a click on it ends the player.
        before = crop(shot, x0, y0, CLOSE)
        # The pointer comes to rest on the button as a hand brings it, in small steps.
        # (The GTK backend shows a picture drawn from a timer only with the next event
        # from the X server: the steps after the morph's end bring it to the screen.)
        for step in range(4):
            display.xdotool("mousemove", x0 + CLOSE[0] + 4 + step, y0 + CLOSE[1] + 4 + step)
            time.sleep(0.25)
        hovered = display.screenshot(f"{out}/frame-{label}-2-hover.png")
        assert crop(hovered, x0, y0, CLOSE) != before, "the close button did not change under the pointer"
        display.xdotool("click", 1)
        code = player.process.wait(timeout=20)
        assert code == 0, f"the player ended with {code}"
        assert not player.folders(), f"left behind: {os.listdir(player.tmp)}"
    finally:
        player.kill()


def main(program, pack, vxskin, skin, out):
    os.makedirs(out, exist_ok=True)
    with Session("tessel-e2e-form-") as session:
        test_frame(session.display, program, pack, vxskin, skin, os.path.join(session.work, "plain"), out, "plain")
        session.start_window_manager()
        test_frame(session.display, program, pack, vxskin, skin, os.path.join(session.work, "openbox"), out,
                   "openbox")
        print("skinned form: all checks passed")


if __name__ == "__main__":
    main(*sys.argv[1:6])
