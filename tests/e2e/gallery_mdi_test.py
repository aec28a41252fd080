"""The gallery's MDI window (tessel-gallery --mdi) on a real X server, without a
window manager and under openbox: a click on a tab brings its child in front, a tab
dragged past the next one takes its place, the up-down counts and narrows the tabs
until some are hidden, and the hidden-tabs button lists them; the skinned menu bar
opens by mouse (and follows the mouse to the next entry) and by Alt+letter, and its
Skin menu switches the skin.
Usage: gallery_mdi_test.py GALLERY OUT_DIR"""

import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(__file__))
from desktop import Session  # noqa: E402
from skinned_controls_test import window_geometry  # noqa: E402

FRAME_LEFT, FRAME_TOP = 3, 22
MENU, TABS, TOOL_BAR = 22, 21, 29  # the menu bar on top, the tabs bar, the tool bar


def region(shot, left, top, right, bottom):
    return [[shot.pixel(x, y) for x in range(left, right)] for y in range(top, bottom)]


def check(display, gallery, out, label):
    process = subprocess.Popen([gallery, "--mdi"], env=display.env, stdout=subprocess.DEVNULL,
                               stderr=subprocess.PIPE)
    try:
        window = display.wait_for_window("Tessel MDI")
        time.sleep(1.5)
        x0, y0, width, _ = window_geometry(display, window)
        cx, top = x0 + FRAME_LEFT, y0 + FRAME_TOP
        cy = top + MENU  # below the menu bar
        tabs_y, tools_y = cy + 10, cy + TABS + 14
        away = (x0 + width - 30, cy + 450)
        x = display.xdotool

        def click(px, py, pause=0.5):
            x("mousemove", px, py, "click", 1)
            time.sleep(pause)
            x("mousemove", *away)
            time.sleep(0.3)

        # Three children, tabs 100 wide from x = 15; the third is in front.
        first, third = (cx + 45, tabs_y), (cx + 245, tabs_y)
        children = (cx + 10, cy + TABS + TOOL_BAR + 10, cx + 430, cy + TABS + TOOL_BAR + 300)
        # The third child's own place (it lies at 58, 58 of the client, 360 x 240).
        third_place = (cx + 60, cy + TABS + TOOL_BAR + 60, cx + 416, cy + TABS + TOOL_BAR + 296)
        x("mousemove", *away)
        time.sleep(0.3)
        start = display.screenshot(f"{out}/mdi-{label}-1-start.png")
        click(*first)
        front = display.screenshot(f"{out}/mdi-{label}-2-first-in-front.png")
        assert region(front, *children) != region(start, *children), "the first tab did not bring its child"
        click(*third)
        again = display.screenshot(f"{out}/mdi-{label}-3-third-again.png")
        assert region(again, *third_place) == region(start, *third_place), \
            "the third tab did not bring its child back"

        # The first tab dragged past the centre of the second takes its place (the
        # close buttons left out).
        strip = lambda shot, i: region(shot, cx + 15 + 100 * i + 2, tabs_y - 8, cx + 15 + 100 * i + 78, tabs_y + 8)  # noqa: E731
        second_tab = strip(again, 1)
        display.drag(first, (first[0] + 20, first[1]), (first[0] + 80, first[1]))
        time.sleep(0.5)
        x("mousemove", *away)
        time.sleep(0.4)
        dragged = display.screenshot(f"{out}/mdi-{label}-4-dragged.png")
        assert strip(dragged, 0) == second_tab, "the second tab is not first after the drag"

        # Five more children; the up-down raises the least tab width by 40 a click,
        # and at 120 some tabs no longer fit: the hidden-tabs button lists them.
        for _ in range(5):
            click(cx + 34, tools_y, 0.4)
        label_area = (cx + 80, cy + TABS + 2, cx + 200, cy + TABS + 27)
        before = display.screenshot(f"{out}/mdi-{label}-5-eight.png")
        for _ in range(3):
            click(cx + 227, cy + TABS + 12, 0.3)
        narrowed = display.screenshot(f"{out}/mdi-{label}-6-narrowed.png")
        assert region(narrowed, *label_area) != region(before, *label_area), "the up-down did not count"
        hidden_button = (cx + width - 6 - 7, tabs_y)
        under = (hidden_button[0] + 12, tabs_y + 22)
        x("mousemove", *hidden_button, "click", 1)
        time.sleep(0.6)
        listed = display.screenshot(f"{out}/mdi-{label}-7-hidden-list.png")
        assert listed.pixel(*under) != narrowed.pixel(*under), "the hidden-tabs menu did not drop"
        x("key", "Escape")
        time.sleep(0.3)

        # The menu bar: File (about 9 ... 27 of the client) and Window (39 ... 82).
        file_at, window_at = (cx + 18, top + 11), (cx + 60, top + 11)
        in_file_only = (cx + 20, cy + 60)  # the third row of File's menu
        in_window_only = (cx + 165, cy + 12)  # right of File's menu, in Window's
        rest = display.screenshot(f"{out}/mdi-{label}-8-menu-rest.png")
        x("mousemove", *file_at, "click", 1)
        time.sleep(0.6)
        opened = display.screenshot(f"{out}/mdi-{label}-9-file-menu.png")
        assert opened.pixel(*in_file_only) != rest.pixel(*in_file_only), "File's menu did not drop"
        assert opened.pixel(*in_window_only) == rest.pixel(*in_window_only)
        x("mousemove", *window_at)
        time.sleep(0.6)
        moved = display.screenshot(f"{out}/mdi-{label}-10-window-menu.png")
        assert moved.pixel(*in_window_only) != rest.pixel(*in_window_only), "Window's menu did not follow"
        assert moved.pixel(*in_file_only) == rest.pixel(*in_file_only), "File's menu stayed open"
        x("key", "Escape")
        x("mousemove", *away)
        time.sleep(0.5)
        closed = display.screenshot(f"{out}/mdi-{label}-11-closed.png")
        assert closed.pixel(*in_window_only) == rest.pixel(*in_window_only), "Escape left the menu open"
        # Alt+F opens File; Enter runs its first entry, New document.
        x("key", "alt+f")
        time.sleep(0.6)
        keyed = display.screenshot(f"{out}/mdi-{label}-12-alt-f.png")
        assert keyed.pixel(*in_file_only) != rest.pixel(*in_file_only), "Alt+F did not open File"
        x("key", "Return")
        time.sleep(0.8)
        added = display.screenshot(f"{out}/mdi-{label}-13-new-document.png")
        assert added.pixel(*in_file_only) == rest.pixel(*in_file_only), "the menu stayed open"
        assert region(added, *children) != region(closed, *children), "New document made no child"
        # Skin, Ember: the whole window, menu bar included, takes the other skin.
        bar_point = (cx + 400, top + 11)
        x("key", "alt+s")
        time.sleep(0.5)
        x("key", "Down", "Return")
        time.sleep(1.5)
        ember = display.screenshot(f"{out}/mdi-{label}-14-ember.png")
        assert sum(ember.pixel(*bar_point)) < sum(added.pixel(*bar_point)) - 200, "the menu bar kept its skin"
        assert process.poll() is None, "the gallery ended"
    finally:
        process.terminate()
        _, err = process.communicate(timeout=10)
        if err.strip():
            print(err.decode(errors="replace"))


def main(gallery, out):
    os.makedirs(out, exist_ok=True)
    with Session("tessel-e2e-mdi-") as session:
        check(session.display, gallery, out, "plain")
        session.start_window_manager()
        check(session.display, gallery, out, "openbox")
    print("gallery MDI: all checks passed")


if __name__ == "__main__":
    main(*sys.argv[1:3])
