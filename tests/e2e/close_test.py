"""End to end: a close request (as a window manager sends it) and SIGTERM at random
moments of a run — start-up, the pages loading, the player's warm-up, a game loading
and playing, a menu open, the window being moved — with two busy processes beside
the player, under openbox and without a window manager. Every one must end the
player within 2 s, with its files gone.
Usage: close_test.py TESSEL CONTENT_DIR WM_CLOSE OUT_DIR [ROUNDS [SEED]]"""

import os
import random
import signal
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(__file__))
from desktop import Session  # noqa: E402
from player_test import ORBIT_STAGE, Player, at, raw_package  # noqa: E402

SETTINGS = b"""[Main]
title=Closing
width=900
height=700
[TopPanel]
height=60
link=top.html
[BottomPanel]
height=120
link=about:blank
[Links]
nr=1
title1=One
link1=https://example.org/one
"""
PAGE = b'<body style="margin:0;background:rgb(40,160,40)">top</body>'
ALLOWED = 2.0


def moments(display, player, rng):
    """The moments a request may come at: each drives the player there."""
    def start_up():
        time.sleep(rng.uniform(0, 0.6))

    def pages_and_warm_up():
        time.sleep(rng.uniform(0.6, 3))

    def game_loading():
        time.sleep(1)
        player.choose(at(40, 12), rng.choice([1, 2]))
        time.sleep(rng.uniform(0, 0.8))

    def game_playing():
        time.sleep(1)
        player.choose(at(40, 12), 1)
        player.wait_pixel(*at(200, 150), [ORBIT_STAGE])
        time.sleep(rng.uniform(0, 1))

    def menu_open():
        time.sleep(rng.uniform(0.5, 2))
        display.xdotool("mousemove", *at(rng.choice([40, 121]), 12), "click", 1)
        time.sleep(rng.uniform(0, 0.5))

    def moving():
        # The caption, right of its text: the pointer holds it and moves on while
        # the request comes.
        time.sleep(rng.uniform(0.5, 2))
        display.xdotool("mousemove", 400, 10, "mousedown", 1)
        for step in range(rng.randint(1, 5)):
            display.xdotool("mousemove", 400 + 7 * step, 10 + 3 * step)
            time.sleep(0.03)

    return [start_up, pages_and_warm_up, game_loading, game_playing, menu_open, moving]


def package(content):
    return raw_package([(b"settings1.ini", SETTINGS), (b"top.html", PAGE),
                        (b"Orbit.swf", open(os.path.join(content, "Orbit.swf"), "rb").read()),
                        (b"Clicker.swf", open(os.path.join(content, "Clicker.swf"), "rb").read())])


def request(display, wm_close, player, how):
    if how == "SIGTERM":
        player.process.send_signal(signal.SIGTERM)
        return
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Closing$"], env=display.env,
                           capture_output=True, text=True).stdout.split()
    assert found, "no window to close"
    subprocess.run([wm_close, found[0]], env=display.env, check=True)


def one_round(display, program, wm_close, data, root, rng, index, how):
    """Starts a player, brings it to the moment and asks it to end; how long it took."""
    player = Player(display, program, root, data)
    name = MOMENTS[index]
    try:
        player.window("Closing")
        moments(display, player, rng)[index]()
        asked = time.time()
        request(display, wm_close, player, how)
        try:
            code = player.process.wait(timeout=15)
        except subprocess.TimeoutExpired:
            shot = os.path.join(root, "lost.png")
            display.screenshot(shot)
            raise AssertionError(f"{how} at {name} was lost (see {shot})")
        took = time.time() - asked
        wanted = -signal.SIGTERM if how == "SIGTERM" else 0
        assert code == wanted, f"{how} at {name}: ended with {code}"
        assert not player.folders(), f"{how} at {name}: left {os.listdir(player.tmp)}"
        return took
    finally:
        display.xdotool("mouseup", 1)
        player.kill()


MOMENTS = ["start-up", "pages and warm-up", "a game loading", "a game playing", "a menu open", "a move"]


def main(program, content, wm_close, out, rounds="24", seed=None):
    os.makedirs(out, exist_ok=True)
    seed = int(seed) if seed else random.randrange(1 << 30)
    rng = random.Random(seed)
    print(f"close: seed {seed}")
    data = package(content)
    load = [subprocess.Popen([sys.executable, "-c", "while True: pass"]) for _ in range(2)]
    times = {"close": [], "SIGTERM": []}
    try:
        with Session("tessel-close-", 1280, 900) as session:
            for i in range(int(rounds)):
                # The second half of the rounds under a window manager.
                if i == int(rounds) // 2:
                    session.start_window_manager()
                how = "SIGTERM" if i % 2 else "close"
                index = rng.randrange(len(MOMENTS))
                took = one_round(session.display, program, wm_close, data, os.path.join(session.work, f"round-{i}"),
                                 rng, index, how)
                times[how].append(took)
                where = "openbox" if session.helpers else "no window manager"
                print(f"close: round {i}, {how} at {MOMENTS[index]} ({where}): ended in {took:.2f} s", flush=True)
    finally:
        for p in load:
            p.kill()
            p.wait()
    for how, seen in times.items():
        seen.sort()
        print(f"close: {len(seen)} of {len(seen)} {how} requests ended the player; "
              f"median {seen[len(seen) // 2]:.2f} s, slowest {seen[-1]:.2f} s")
        assert seen[-1] <= ALLOWED, f"a {how} request took {seen[-1]:.2f} s (more than {ALLOWED} s)"


if __name__ == "__main__":
    main(*sys.argv[1:7])
