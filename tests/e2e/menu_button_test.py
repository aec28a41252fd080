"""The player's Games button on a real X server, without a window manager and under
openbox: hovering morphs it from its normal to its active look (the pictures on the
way differ from both ends, and both ends show exactly what vxskin renders for the
record's rectangles); pressing shows the down look and drops the skinned menu;
choosing an entry brings the button up and plays the game.
Usage: menu_button_test.py TESSEL TESSEL_PACK VXSKIN SKIN CONTENT_DIR SOURCE_CONTENT_DIR OUT_DIR"""

import glob
import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(__file__))
from desktop import Picture, Session  # noqa: E402
from player_test import COLOURS, FRAME_LEFT, FRAME_TOP, Player, full_package, near  # noqa: E402
from skinned_controls_test import differences, render, window_geometry  # noqa: E402

# The Games button lies at (3, 1) of the client area, 75 x 26 (the record's height).
BUTTON = (3, 1, 75, 26)
GRABBER = os.path.join(os.path.dirname(__file__), "tools", "grab_frames.py")


def outside_caption(x, y):
    """The pixels the caption never touches: the ends and the rows above and below."""
    return x < 8 or x >= 58 or y < 3 or y >= 23


def look(vxskin, skin, rect, out):
    return render_rect(vxskin, skin, rect, f"{out}/toolmenubutton-{rect}.png")


def render_rect(vxskin, skin, rect, path):
    subprocess.run([vxskin, "render", skin, "--control", "toolmenubutton", "--size", f"{BUTTON[2]}x{BUTTON[3]}",
                    "--rect", rect, "-o", path], check=True, stdout=subprocess.DEVNULL)
    return Picture(path)


def shows(shot, origin, picture):
    return not differences(shot, origin, picture, outside_caption)


def check_games_button(display, program, pack, vxskin, skin, content, source, work, out, label):
    os.makedirs(work)
    player = Player(display, program, os.path.join(work, "run"), full_package(pack, content, source, work))
    try:
        window = player.window("E2E games")
        x0, y0, _, _ = window_geometry(display, window)
        bx, by = x0 + FRAME_LEFT + BUTTON[0], y0 + FRAME_TOP + BUTTON[1]
        normal = look(vxskin, skin, "skinrect", out)
        active = look(vxskin, skin, "activeskinrect", out)
        down = look(vxskin, skin, "downskinrect", out)
        centre = (x0 + FRAME_LEFT + 447, y0 + FRAME_TOP + 322)
        display.xdotool("mousemove", *centre)
        time.sleep(1)

        # Hover: the frames of the morph, grabbed as they change.
        frames_dir = f"{out}/{label}-morph"
        for old in glob.glob(f"{frames_dir}/*.png"):
            os.remove(old)
        subprocess.run(["/usr/bin/python3", GRABBER, str(bx), str(by), str(BUTTON[2]), str(BUTTON[3]),
                        str(bx + 40), str(by + 12), "600", frames_dir], env=display.env, check=True,
                       stdout=subprocess.DEVNULL)
        frames = [Picture(p) for p in sorted(glob.glob(f"{frames_dir}/frame-*.png"))]
        assert len(frames) >= 3, f"{len(frames)} pictures of the morph in {frames_dir}"
        assert shows(frames[0], (0, 0), normal), f"before the hover: {differences(frames[0], (0, 0), normal, outside_caption)}"
        assert shows(frames[-1], (0, 0), active), f"after the morph: {differences(frames[-1], (0, 0), active, outside_caption)}"
        between = [f for f in frames[1:-1] if f.rgb != frames[0].rgb and f.rgb != frames[-1].rgb
                   and not shows(f, (0, 0), normal) and not shows(f, (0, 0), active)]
        assert between, "no picture between the normal and the active look"

        # Press: the down look, and the menu under the button.
        under = (bx + 20, by + BUTTON[3] + 10)
        before = player.pixel(*under)
        display.xdotool("mousedown", 1)
        time.sleep(0.5)
        shot = display.screenshot(f"{out}/{label}-pressed.png")
        assert shows(shot, (bx, by), down), f"pressed: {differences(shot, (bx, by), down, outside_caption)}"
        assert shot.pixel(*under) != before, "the Games menu did not drop"
        display.xdotool("mouseup", 1)
        time.sleep(0.3)
        shot = display.screenshot(f"{out}/{label}-open.png")
        assert shows(shot, (bx, by), down), "the button came up while its menu is open"

        # Choose Colours (the second entry): the button comes up, the game plays.
        display.xdotool("key", "Down")
        time.sleep(0.05)
        display.xdotool("key", "Return")
        player.wait_pixel(*centre, COLOURS)
        time.sleep(0.4)
        shot = display.screenshot(f"{out}/{label}-chosen.png")
        assert not shows(shot, (bx, by), down), "the button stayed down after the choice"
        display.xdotool("mousemove", *centre)
        time.sleep(0.5)
        shot = display.screenshot(f"{out}/{label}-after.png")
        assert shows(shot, (bx, by), normal), f"after: {differences(shot, (bx, by), normal, outside_caption)}"
        assert any(near(shot.pixel(*centre), c) for c in COLOURS)
        print(f"menu button ({label}): {len(frames)} pictures of the morph, {len(between)} between the looks")
    finally:
        player.kill()


def main(program, pack, vxskin, skin, content, source, out):
    os.makedirs(out, exist_ok=True)
    with Session("tessel-e2e-menubutton-", 1280, 900) as session:
        args = (session.display, program, pack, vxskin, skin, content, source)
        check_games_button(*args, os.path.join(session.work, "plain"), out, "plain")
        session.start_window_manager()
        check_games_button(*args, os.path.join(session.work, "openbox"), out, "openbox")
    print("menu button: all checks passed")


if __name__ == "__main__":
    main(*sys.argv[1:8])
