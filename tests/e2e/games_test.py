"""End to end: movies that do what published games do, in the real player under Xvfb.
They load files lying beside them, open their sponsors' links, go full screen by
their own button, and take options from the collection's settings.
Usage: games_test.py TESSEL TESSEL_PACK CONTENT_DIR OUT_DIR"""

import os
import signal
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(__file__))
from desktop import Session  # noqa: E402
from player_test import Player, at, near  # noqa: E402

GREY = (0x30, 0x30, 0x30)
LEVEL_BLUE = (0x20, 0x90, 0xD0)
PICTURE_ORANGE = (0xE0, 0x70, 0x10)
WORDS_GREEN = (0x40, 0xC0, 0x80)
VIDEO_FIRST, VIDEO_SECOND = (0xC0, 0x30, 0x90), (0x30, 0xC0, 0xC0)
WINDOWED, FULL_SCREEN = (0x50, 0x50, 0xA0), (0xA0, 0x50, 0x20)
ENTER_BUTTON, LEAVE_BUTTON = (0x20, 0xA0, 0x40), (0xC0, 0x20, 0x20)
FLASHVAR_COLOUR, BESIDE_STAGE = (0x00, 0xC0, 0xA0), (0xC0, 0x20, 0x80)
ORBIT_STAGE = (0x10, 0x20, 0x60)

SETTINGS = """[Main]
title=E2E real games
width=900
height=700
[TopPanel]
height=60
[BottomPanel]
height=60
[Links]
nr=0
[Game FlashVars]
flashvars=colour=00C0A0&other=1
background=#C02080
quality=low
framerate=30
[Game Orbit]
quality=ultra
framerate=100000
background=purple
"""

# The Games menu, in the package's order.
MOVIES = ["Levels", "Level2", "Picture", "Words", "Video", "Links", "FullScreen", "FlashVars", "Orbit"]
FILES = ["picture.png", "words.txt", "clip.flv"]


class Stage:
    """Where the 640 x 480 stage of the movies shows on the screen, as a movie that
    fills it draws it."""

    def __init__(self, box):
        self.left, self.top, self.right, self.bottom = box
        self.scale = (self.right - self.left + 1) / 640

    def point(self, x, y):
        return round(self.left + x * self.scale), round(self.top + y * self.scale)


def choose(player, movie):
    player.choose(at(40, 12), MOVIES.index(movie) + 1)


def wait_for(player, colour, timeout=15, least=400, tall=0):
    return player.display.wait_for_colour(colour, os.path.join(player.root, "look.png"), timeout, least, tall)


def opened(player):
    return open(player.opened).read().splitlines() if os.path.exists(player.opened) else []


def test_files_beside_the_movie(player, out):
    """Each movie loads a file lying beside it: a second movie, a picture, a text,
    a video."""
    choose(player, "Levels")
    stage = Stage(wait_for(player, LEVEL_BLUE, least=20000))
    player.display.screenshot(f"{out}/games-1-level.png")

    choose(player, "Picture")
    player.wait_pixel(*stage.point(160, 120), [PICTURE_ORANGE])
    assert near(player.pixel(*stage.point(480, 360)), GREY), "the picture is not where it was loaded"
    player.display.screenshot(f"{out}/games-2-picture.png")

    # The text read names the stage's colour and a message the movie shows.
    choose(player, "Words")
    player.wait_pixel(*stage.point(600, 450), [WORDS_GREEN])
    player.display.screenshot(f"{out}/games-3-words.png")

    # The video plays on past its first second; beside it the stage stays.
    choose(player, "Video")
    seen = set()
    deadline = time.time() + 8
    while time.time() < deadline and VIDEO_SECOND not in seen:
        p = player.pixel(*stage.point(320, 240))
        seen |= {c for c in (VIDEO_FIRST, VIDEO_SECOND) if near(p, c)}
        time.sleep(0.1)
    assert VIDEO_SECOND in seen, f"the video does not play: {seen}"
    assert near(player.pixel(*stage.point(60, 60)), GREY)
    player.display.screenshot(f"{out}/games-4-video.png")
    return stage


def test_options_per_game(player, stage, out):
    """A FlashVar from the game's section picks the stage's colour, and its
    background fills the space beside the stage; bad values are named on stderr and
    leave the game playing."""
    choose(player, "FlashVars")
    player.wait_pixel(*stage.point(320, 240), [FLASHVAR_COLOUR])
    player.wait_pixel(stage.left - 10, stage.point(0, 240)[1], [BESIDE_STAGE], timeout=5)
    player.display.screenshot(f"{out}/games-5-flashvars.png")

    choose(player, "Orbit")
    player.wait_pixel(*stage.point(20, 20), [ORBIT_STAGE])
    player.stderr.seek(0)
    told = player.stderr.read()
    for key in ("quality=ultra", "framerate=100000", "background=purple"):
        assert f"[Game Orbit] {key}" in told, f"{key} was not named: {told}"
    assert "[Game FlashVars]" not in told, told


def test_links(player, content, out):
    """After a click each web or mail address opens once in the desktop's browser,
    whatever window the movie names; nothing else opens, and nothing without a
    click."""
    choose(player, "Links")
    buttons = []
    for line in open(os.path.join(content, "Links.txt")).read().splitlines():
        r, g, b, verdict, address = line.split(" ", 4)
        buttons.append(((int(r), int(g), int(b)), verdict == "opens", address))
    wait_for(player, buttons[0][0])
    shot = player.display.screenshot(f"{out}/games-6-links.png")
    for colour, _, address in buttons:
        box = shot.find(colour, tolerance=6)
        assert box, f"no button for {address}"
        player.display.xdotool("mousemove", (box[0] + box[2]) // 2, (box[1] + box[3]) // 2, "click", 1)
        time.sleep(0.4)
    wanted = [address for _, opens, address in buttons if opens]
    deadline = time.time() + 10
    while time.time() < deadline and len(opened(player)) < len(wanted):
        time.sleep(0.2)
    time.sleep(1)
    assert opened(player) == wanted, opened(player)
    # The movie plays on, its buttons where they were.
    assert player.display.screenshot(os.path.join(player.root, "after.png")).find(buttons[-1][0], tolerance=6)
    player.stderr.seek(0)
    assert "a link of 131092 bytes is not opened" in player.stderr.read()


def test_full_screen_button(player, window, out):
    """The movie's own button gives it the monitor, as F11 does, and the movie sees
    itself full screen; Escape, or the movie's own way back, bring the window back
    at its rectangle and the movie sees itself windowed."""
    choose(player, "FullScreen")
    wait_for(player, ENTER_BUTTON)
    before = player.geometry(window)
    width, height = player.display.width, player.display.height
    for leave in ("Escape", "the movie's button"):
        box = wait_for(player, ENTER_BUTTON)
        player.display.xdotool("mousemove", (box[0] + box[2]) // 2, (box[1] + box[3]) // 2, "click", 1)
        deadline = time.time() + 10
        while time.time() < deadline and player.geometry(window) != (width, height):
            time.sleep(0.05)
        assert player.geometry(window) == (width, height), player.geometry(window)
        # The stage fills the monitor's height, and the movie's background the rest.
        wait_for(player, FULL_SCREEN, least=50000, tall=height - 8)
        for corner in ((1, 1), (width - 2, 1), (1, height - 2), (width - 2, height - 2)):
            assert any(near(player.pixel(*corner), c) for c in (WINDOWED, FULL_SCREEN)), corner
        player.display.screenshot(f"{out}/games-7-full-screen.png")
        if leave == "Escape":
            player.display.xdotool("key", "Escape")
        else:
            box = wait_for(player, LEAVE_BUTTON)
            player.display.xdotool("mousemove", (box[0] + box[2]) // 2, (box[1] + box[3]) // 2, "click", 1)
        deadline = time.time() + 10
        while time.time() < deadline and player.geometry(window) != before:
            time.sleep(0.05)
        assert player.geometry(window) == before, f"after {leave}: {player.geometry(window)}"
        # The movie knows: its stage is the windowed colour again.
        wait_for(player, WINDOWED, least=20000)
        assert player.display.screenshot(os.path.join(player.root, "back.png")).find(FULL_SCREEN) is None, leave
    player.display.screenshot(f"{out}/games-8-windowed-again.png")


def main(program, pack, content, out):
    os.makedirs(out, exist_ok=True)
    with Session("tessel-e2e-games-", 1280, 900) as session:
        settings = os.path.join(session.work, "settings1.ini")
        with open(settings, "w") as f:
            f.write(SETTINGS)
        package = os.path.join(session.work, "Data.bin")
        entries = [os.path.join(content, m + ".swf") for m in MOVIES[:8]] + [settings]
        entries += [os.path.join(content, f) for f in FILES] + [os.path.join(content, "Orbit.swf")]
        subprocess.run([pack, "create", "-o", package, *entries], check=True, stdout=subprocess.DEVNULL)
        player = Player(session.display, program, os.path.join(session.work, "run"), open(package, "rb").read())
        try:
            window = player.window("E2E real games")
            # The player page warms up on its blank movie first.
            time.sleep(3)
            stage = test_files_beside_the_movie(player, out)
            test_options_per_game(player, stage, out)
            test_links(player, content, out)
            test_full_screen_button(player, window, out)
            # A stray SIGUSR1 ends nothing: the movie player's engine uses a signal
            # of its own.
            os.kill(player.process.pid, signal.SIGUSR1)
            time.sleep(0.5)
            assert player.process.poll() is None, "SIGUSR1 ended the player"
            player.close(window)
            assert not player.folders(), f"left behind: {os.listdir(player.tmp)}"
            # On the terminal: only the program's own lines about real problems.
            player.stderr.seek(0)
            for line in player.stderr.read().splitlines():
                assert line.startswith("tessel: "), f"a stranger's line on stderr: {line!r}"
        finally:
            player.kill()
    print("games: all checks passed")


if __name__ == "__main__":
    main(*sys.argv[1:5])
