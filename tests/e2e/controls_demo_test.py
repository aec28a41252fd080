"""The controls demo on a real X server: it opens, the mouse hovers, a hint shows,
the popup menu opens from the button, a submenu opens on hover and an entry chosen
by mouse colours the page, the menu works from the keyboard, the window moves and
sizes by its own frame, and Alt+F4 ends the program cleanly."""

import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(__file__))
from desktop import Display  # noqa: E402

FRAME = (40, 70, 120)
FACE = (240, 240, 240)
WHITE = (255, 255, 255)
HOVER = (232, 248, 255)
INFO = (255, 255, 225)
HIGHLIGHT = (51, 153, 255)
YELLOW = (255, 255, 0)
GREEN = (0, 160, 0)
BLACK = (0, 0, 0)


def expect(picture, x, y, colour, what):
    got = picture.pixel(x, y)
    if got != colour:
        raise AssertionError(f"{what}: pixel ({x}, {y}) of {picture.path} is {got}, not {colour}")


def main(program, out):
    os.makedirs(out, exist_ok=True)
    display = Display()
    demo = None
    try:
        demo = subprocess.Popen([program], env=display.env, stdout=subprocess.PIPE, stderr=subprocess.PIPE)
        display.wait_for_window("Tessel controls")
        time.sleep(0.5)
        x = display.xdotool
        # The window lies at (100, 100), 640 x 480, with a 4-pixel frame and a 24-pixel caption.
        shot = display.screenshot(f"{out}/1-open.png")
        expect(shot, 300, 110, FRAME, "caption")
        expect(shot, 500, 150, FACE, "tool bar")
        expect(shot, 400, 300, WHITE, "page")
        expect(shot, 200, 570, FACE, "status line")
        expect(shot, 50, 50, BLACK, "desktop")

        x("mousemove", 400, 300)
        x("mousemove", 170, 150)
        time.sleep(0.2)
        expect(display.screenshot(f"{out}/2-hover.png"), 130, 140, HOVER, "button under the mouse")
        time.sleep(0.8)
        shot = display.screenshot(f"{out}/3-hint.png")
        expect(shot, 200, 171, INFO, "hint below the cursor")

        x("click", 1)
        time.sleep(0.3)
        shot = display.screenshot(f"{out}/4-menu.png")
        expect(shot, 130, 200, FACE, "popup menu under the button")

        x("mousemove", 150, 246)
        time.sleep(0.6)
        x("mousemove", 240, 246)
        time.sleep(0.2)
        shot = display.screenshot(f"{out}/5-submenu.png")
        expect(shot, 240, 250, HIGHLIGHT, "hovered submenu entry")
        x("click", 1)
        time.sleep(0.3)
        shot = display.screenshot(f"{out}/6-chosen.png")
        expect(shot, 400, 300, YELLOW, "page coloured by the chosen entry")
        expect(shot, 130, 200, YELLOW, "menu closed")

        x("mousemove", 500, 400, "click", 3)
        time.sleep(0.3)
        x("key", "Down", "Down", "Return")
        time.sleep(0.3)
        expect(display.screenshot(f"{out}/7-keys.png"), 400, 300, GREEN, "entry chosen by keys")

        display.drag((300, 112), (330, 140), (370, 180), (400, 212))
        time.sleep(0.3)
        shot = display.screenshot(f"{out}/8-moved.png")
        expect(shot, 150, 110, BLACK, "old place")
        expect(shot, 400, 210, FRAME, "caption at the new place")
        expect(shot, 500, 400, GREEN, "page at the new place")

        display.drag((838, 678), (880, 700), (950, 730), (1000, 750))
        time.sleep(0.4)
        shot = display.screenshot(f"{out}/9-sized.png")
        expect(shot, 1000, 400, FRAME, "right border after sizing")
        expect(shot, 950, 650, GREEN, "page filling the larger window")
        expect(shot, 950, 735, FACE, "status line at the new bottom")
        expect(shot, 950, 260, FACE, "tool bar across the new width")

        x("key", "alt+F4")
        code = demo.wait(timeout=10)
        errors = demo.stderr.read().decode()
        if code != 0 or errors:
            raise AssertionError(f"the demo ended with {code}: {errors}")
        demo = None
        print("controls demo: all checks passed")
    finally:
        if demo:
            demo.kill()
        display.close()


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
