"""The player's Games and Links menus as the skin's popup menus, on a real X server
without a window manager, and under openbox with xcompmgr compositing: the Games
button drops a shaped menu whose frame is the skin's POPUPWINDOW picture and whose
items are drawn from "menuitem"; with 99 games (and the settings: the package's
limit of 100 files) the menu scrolls, and games at its start, middle and end are
reached by keys and by the mouse and play; the Links menu opens its address."""

import os
import sys
import time

sys.path.insert(0, os.path.dirname(__file__))
from desktop import Session  # noqa: E402
from player_test import (CLICKER_GREY, COLOURS, FRAME_LEFT, FRAME_TOP, ORBIT_STAGE, SETTINGS, Player,  # noqa: E402
                         near, raw_package)
from skinned_controls_test import window_geometry  # noqa: E402

# The demo skin's popup frame: a grey outline with corners its mask cuts away; the
# selected item's light blue.
OUTLINE = (0x9A, 0xA5, 0xB2)
SELECTED = (0xDE, 0xE9, 0xFA)
# The Games button lies at 3 .. 78 of the tool bar (2 .. 27 high), the Links one at 84 .. 159.
GAMES_BUTTON = (3, 2, 78, 27)


def package(content):
    """99 games and the settings. Game 50 is the Orbit movie, game 99 the Clicker,
    every other one Colours."""
    movies = {name: open(os.path.join(content, f"{name}.swf"), "rb").read()
              for name in ("Colours", "Orbit", "Clicker")}
    entries = [(b"settings1.ini", SETTINGS.replace("E2E games", "E2E menus").encode())]
    for i in range(1, 100):
        movie = movies["Orbit"] if i == 50 else movies["Clicker"] if i == 99 else movies["Colours"]
        entries.append((f"Game {i:02}.swf".encode(), movie))
    return raw_package(entries)


def press(display, *keys):
    for key in keys:
        display.xdotool("key", key)
        time.sleep(0.03)


def run(display, program, content, work, out, label):
    player = Player(display, program, os.path.join(work, label), package(content))
    try:
        window = player.window("E2E menus")
        x0, y0, _, _ = window_geometry(display, window)

        def at(x, y):
            return x0 + FRAME_LEFT + x, y0 + FRAME_TOP + y

        time.sleep(3)
        games, links = at(40, 12), at(121, 12)
        corner, centre = at(200, 150), at(447, 322)
        display.xdotool("mousemove", *at(600, 400))
        before = display.screenshot(f"{out}/menus-{label}-1-before.png")

        # The menu is taller than the screen: it stands from the work area's top,
        # beside the button, and scrolls.
        display.xdotool("mousemove", *games, "click", 1)
        time.sleep(0.6)
        shot = display.screenshot(f"{out}/menus-{label}-2-open.png")
        left = at(GAMES_BUTTON[2], 0)[0] + 1
        top = 0
        assert shot.pixel(left, top) == before.pixel(left, top), "the popup's corner is not cut away"
        assert near(shot.pixel(left, top + 20), OUTLINE, 8), f"no popup frame at its left: {shot.pixel(left, top + 20)}"
        # The first game is selected as the menu opens, in the skin's selected look;
        # the scroll marker above it takes 10 pixels.
        assert near(shot.pixel(left + 6, top + 3 + 10 + 3), SELECTED, 12), shot.pixel(left + 6, top + 16)

        # Up from the first entry wraps to the last one, scrolling the window to the end.
        press(display, "Up", "Return")
        player.wait_pixel(*corner, [CLICKER_GREY])
        display.screenshot(f"{out}/menus-{label}-3-last.png")

        # The middle one by keys.
        display.xdotool("mousemove", *games, "click", 1)
        time.sleep(0.6)
        press(display, *["Down"] * 49)
        display.screenshot(f"{out}/menus-{label}-4-middle.png")
        press(display, "Return")
        player.wait_pixel(*corner, [ORBIT_STAGE])

        # The third one by the mouse.
        display.xdotool("mousemove", *games, "click", 1)
        time.sleep(0.6)
        item = (left + 30, top + 3 + 10 + 2 * 20 + 10)
        display.xdotool("mousemove", item[0], item[1] - 3)
        time.sleep(0.2)
        display.xdotool("mousemove", *item)
        time.sleep(0.2)
        display.screenshot(f"{out}/menus-{label}-5-hover.png")
        display.xdotool("click", 1)
        player.wait_pixel(*centre, COLOURS)

        # The Links menu opens its address.
        display.xdotool("mousemove", *links, "click", 1)
        time.sleep(0.6)
        press(display, "Down", "Return")
        deadline = time.time() + 10
        while time.time() < deadline and not os.path.exists(player.opened):
            time.sleep(0.1)
        assert open(player.opened).read().split() == ["https://example.org/two"], open(player.opened).read()
    finally:
        player.kill()


def main(program, content, out):
    os.makedirs(out, exist_ok=True)
    with Session("tessel-menus-", 1280, 900) as session:
        run(session.display, program, content, session.work, out, "plain")
        session.start_window_manager(compositor=True)
        run(session.display, program, content, session.work, out, "composited")
        print("menus: all checks passed")


if __name__ == "__main__":
    main(*sys.argv[1:4])
