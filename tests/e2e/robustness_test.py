"""End to end: the real player under Xvfb on bad input and bad endings — window sizes
from the settings, a lost display, a window destroyed under it, signals, folders left
by killed runs, an upper-case movie name, and close requests at every stage of
start-up (with the machine loaded).
Usage: robustness_test.py TESSEL CONTENT_DIR WM_CLOSE OUT_DIR"""

import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(__file__))
from desktop import Display  # noqa: E402
from player_test import ORBIT_STAGE, Player, at, raw_package  # noqa: E402


def settings(title, extra=""):
    return f"[Main]\ntitle={title}\n{extra}\n[Links]\nnr=0\n".encode()


def wait_end(player, timeout=15):
    try:
        return player.process.wait(timeout=timeout)
    except subprocess.TimeoutExpired:
        raise AssertionError("the player did not end")


def request_close(display, wm_close, player, dry=False):
    """Asks every visible window of the player to close, as a window manager would
    (only looks for them when dry); whether there was one."""
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(player.process.pid)],
                           env=display.env, capture_output=True, text=True).stdout.split()
    for window in [] if dry else found:
        subprocess.run([wm_close, window], env=display.env, capture_output=True)
    return bool(found)


def test_window_sizes(display, program, wm_close, work, out):
    cases = [("0", "0", (170, 176)), ("100000", "2147483647", (1280, 900)), ("-5", "40000", (170, 900)),
             ("16000", "16000", (1280, 900))]
    for i, (width, height, wanted) in enumerate(cases):
        package = raw_package([(b"settings1.ini", settings("Sized", f"width={width}\nheight={height}"))])
        player = Player(display, program, os.path.join(work, f"size-{i}"), package)
        try:
            window = player.window("Sized")
            time.sleep(0.5)
            assert player.geometry(window) == wanted, (width, height, player.geometry(window))
            if i == 1:
                display.screenshot(f"{out}/robust-1-largest.png")
            request_close(display, wm_close, player)
            assert wait_end(player) == 0
            assert not player.folders(), f"left behind: {os.listdir(player.tmp)}"
        finally:
            player.kill()


def test_lost_display(program, work):
    own = Display(1024, 768)
    player = Player(own, program, os.path.join(work, "lost"), raw_package([(b"a.txt", b"a")]))
    try:
        player.window("Tessel")
        time.sleep(1)
        assert player.folders()
        own.server.kill()
        own.server.wait()
        code = wait_end(player)
        assert code == 1, f"ended with {code} when the display went"
        player.stderr.seek(0)
        assert "the connection to the display is lost" in player.stderr.read()
        assert not player.folders(), f"left behind: {os.listdir(player.tmp)}"
    finally:
        player.kill()


def test_destroyed_window(display, program, work):
    player = Player(display, program, os.path.join(work, "destroyed"), raw_package([(b"a.txt", b"a")]))
    try:
        window = player.window("Tessel")
        time.sleep(1.5)
        display.xdotool("windowclose", window)
        code = wait_end(player)
        assert code == 0, f"ended with {code} when its window was destroyed"
        assert not player.folders(), f"left behind: {os.listdir(player.tmp)}"
    finally:
        player.kill()


def test_signals_and_folders_of_killed_runs(display, program, content, wm_close, work, out):
    tmp = os.path.join(work, "shared-tmp")
    os.makedirs(tmp)
    # Look-alikes that are not ours stay whatever happens.
    os.makedirs(os.path.join(tmp, "tessel-nomark"))
    with open(os.path.join(tmp, "tessel-nomark", "keep.txt"), "w") as f:
        f.write("mine")
    movie = open(os.path.join(content, "Orbit.swf"), "rb").read()
    package = raw_package([(b"GAME.SWF", movie)])
    first = Player(display, program, os.path.join(work, "killed"), package, tmp=tmp)
    try:
        first.window("Tessel")
        time.sleep(2)
        for stray in (signal.SIGUSR1, signal.SIGUSR2, signal.SIGPIPE):
            first.process.send_signal(stray)
        time.sleep(1)
        assert first.process.poll() is None, f"a stray signal ended the player ({first.process.returncode})"
        # The upper-case movie is a game, and plays.
        first.choose(at(40, 12), 1)
        first.wait_pixel(*at(200, 150), [ORBIT_STAGE])
        display.screenshot(f"{out}/robust-2-upper-case.png")
        killed = first.folder()
        first.process.send_signal(signal.SIGKILL)
        first.process.wait(timeout=10)
        assert os.path.isdir(killed), "a killed run cannot clean up: its folder stays until the next run"
    finally:
        first.kill()
    second = Player(display, program, os.path.join(work, "next"), package, tmp=tmp)
    try:
        second.window("Tessel")
        time.sleep(1)
        assert not os.path.exists(killed), "the next run did not remove the killed run's folder"
        assert open(os.path.join(tmp, "tessel-nomark", "keep.txt")).read() == "mine"
        assert len(second.folders()) == 1
        request_close(display, wm_close, second)
        assert wait_end(second) == 0
        assert not second.folders()
    finally:
        second.kill()


def test_close_requests_at_every_stage(display, program, content, wm_close, work, rounds=1):
    """One close request, as a window manager sends it, at each stage of start-up
    from the moment the window exists (the web engine starting, the pages loading,
    Ruffle warming up): each must end the player."""
    movie = open(os.path.join(content, "Orbit.swf"), "rb").read()
    package = raw_package([(b"settings1.ini", settings("Stages", "width=900\nheight=700")),
                           (b"Orbit.swf", movie)])
    # Two busy processes load the machine, as a loaded desktop would.
    load = [subprocess.Popen([sys.executable, "-c", "while True: pass"]) for _ in range(2)]
    try:
        for i, delay in enumerate([0, 0.02, 0.05, 0.1, 0.2, 0.4, 0.7, 1.0, 1.5, 2.5] * rounds):
            player = Player(display, program, os.path.join(work, f"stage-{i}"), package)
            try:
                deadline = time.time() + 20
                while not request_close(display, wm_close, player, dry=True) and time.time() < deadline:
                    time.sleep(0.005)
                time.sleep(delay)
                request_close(display, wm_close, player)
                # The machine is loaded on purpose (and by the other tests running
                # beside this one): a web engine still starting may take a while to
                # wind down, but a request that was heard ends the player well
                # within this.
                try:
                    code = player.process.wait(timeout=30)
                except subprocess.TimeoutExpired:
                    raise AssertionError(f"a close request {delay} s after the window came was lost")
                assert code == 0, f"a close request {delay} s after the window came: ended with {code}"
                assert not player.folders(), f"left behind after a close at {delay} s"
            finally:
                player.kill()
    finally:
        for p in load:
            p.kill()
            p.wait()


def main(program, content, wm_close, out):
    os.makedirs(out, exist_ok=True)
    work = tempfile.mkdtemp(prefix="tessel-robust-")
    display = Display(1280, 900)
    try:
        test_window_sizes(display, program, wm_close, work, out)
        test_lost_display(program, work)
        test_destroyed_window(display, program, work)
        test_signals_and_folders_of_killed_runs(display, program, content, wm_close, work, out)
        test_close_requests_at_every_stage(display, program, content, wm_close, work)
        print("robustness: all checks passed")
    finally:
        display.close()
        if os.environ.get("KEEP_E2E"):
            print(f"kept {work}")
        else:
            shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main(*sys.argv[1:5])
