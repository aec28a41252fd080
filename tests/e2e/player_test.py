"""End to end: the real player under Xvfb, driven by xdotool, on packages the test
builds. Usage: player_test.py TESSEL TESSEL_PACK CONTENT_DIR SOURCE_CONTENT_DIR OUT_DIR"""

import glob
import os
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(__file__))
from desktop import Display, WindowManager  # noqa: E402

BLACK = (0, 0, 0)
COLOURS = [(0xE0, 0x20, 0x20), (0x20, 0xC0, 0x20), (0x20, 0x40, 0xE0), (0xF0, 0xE0, 0x20)]
ORBIT_STAGE = (0x10, 0x20, 0x60)
CLICKER_GREY, CLICKER_ORANGE, CLICKER_BUTTON = (0x80, 0x80, 0x80), (0xFF, 0x80, 0x00), (0x20, 0xA0, 0x40)
SAVER_FIRST, SAVER_AGAIN = (0x80, 0x20, 0xC0), (0x20, 0xB0, 0xB0)
# The skin's frame around the client area: 3 pixels left, right and below, 22 above.
FRAME_LEFT, FRAME_TOP, FRAME_RIGHT, FRAME_BOTTOM = 3, 22, 3, 3


def at(x, y):
    """A point of the client area on the screen (the window lies at the origin)."""
    return x + FRAME_LEFT, y + FRAME_TOP

SETTINGS = """[Main]
title=E2E games
width=900
height=700
[TopPanel]
height=60
link=top.html
[BottomPanel]
height=120
link=bottom.html
[Links]
ButtonName=Links
nr=3
title1=One
link1=https://example.org/one
title2=Two
link2=https://example.org/two
title3=Three
link3=https://example.org/three
"""


STRANGER_SETTINGS = """[Main]
title=E2E pages
width=900
height=700
[TopPanel]
height=60
link=spy.html
[BottomPanel]
height=120
link=data:text/html,<body style="margin:0;background:rgb(200,40,40)"></body>
[Links]
nr=1
title1=Spaced
link1=https://example.org/a b
"""
DRAWN_GREY, DRAWN_MAGENTA, DRAWN_BLUE = (0x30, 0x30, 0x30), (0xE0, 0x20, 0xC0), (0x20, 0x40, 0xE0)
CLOCK_TICKS = os.sysconf("SC_CLK_TCK")


def near(a, b, tolerance=24):
    return all(abs(x - y) <= tolerance for x, y in zip(a, b))


def raw_package(entries):
    """A Data.bin from (stored name bytes, contents) pairs, names taken as they are."""
    sizes = b"".join(struct.pack("<i", len(data)) for _, data in entries).ljust(400, b"\0")
    names = b"".join((bytes([len(n)]) + n).ljust(256, b"\0") for n, _ in entries).ljust(25600, b"\0")
    return struct.pack("<i", len(entries)) + sizes + names + b"".join(data for _, data in entries)


class Player:
    """One run of the program from a folder of its own, with its own temporary
    directory, data folders and a stand-in xdg-open that writes down what it opens."""

    def __init__(self, display, program, root, package=None, data=None, tmp=None):
        self.display = display
        self.root = root
        self.bin = os.path.join(root, "bin")
        os.makedirs(self.bin)
        shutil.copy(program, self.bin)
        os.symlink(os.path.join(os.path.dirname(os.path.abspath(program)), "ruffle"), os.path.join(self.bin, "ruffle"))
        if package is not None:
            with open(os.path.join(self.bin, "Data.bin"), "wb") as f:
                f.write(package)
        self.tmp = tmp or os.path.join(root, "tmp")
        os.makedirs(self.tmp, exist_ok=True)
        stubs = os.path.join(root, "stubs")
        os.makedirs(stubs)
        self.opened = os.path.join(root, "opened.txt")
        with open(os.path.join(stubs, "xdg-open"), "w") as f:
            f.write(f'#!/bin/sh\nprintf "%s\\n" "$1" >> "{self.opened}"\n')
        os.chmod(os.path.join(stubs, "xdg-open"), 0o755)
        data = data or root
        # A runtime folder of its own: without one, the sound library makes its
        # folder in TMPDIR, which the tests check is left empty.
        runtime = os.path.join(root, "runtime")
        os.makedirs(runtime, mode=0o700)
        env = dict(display.env, TMPDIR=self.tmp, XDG_RUNTIME_DIR=runtime, XDG_DATA_HOME=os.path.join(data, "data"),
                   XDG_STATE_HOME=os.path.join(data, "state"),
                   XDG_CACHE_HOME=os.path.join(data, "cache"), PATH=stubs + ":" + os.environ["PATH"])
        self.stderr = open(os.path.join(root, "stderr.txt"), "w+")
        self.process = subprocess.Popen([os.path.join(self.bin, "tessel")], env=env,
                                        stdout=subprocess.DEVNULL, stderr=self.stderr)

    def window(self, title, timeout=20):
        deadline = time.time() + timeout
        while time.time() < deadline:
            found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{title}$"],
                                   env=self.display.env, capture_output=True, text=True)
            if found.stdout.strip():
                return found.stdout.split()[0]
            if self.process.poll() is not None:
                raise AssertionError(f"the program ended with {self.process.returncode}")
            time.sleep(0.1)
        raise AssertionError(f"no window named {title!r}")

    def geometry(self, window):
        out = subprocess.run(["xdotool", "getwindowgeometry", "--shell", window], env=self.display.env,
                             capture_output=True, text=True, check=True).stdout
        values = dict(line.split("=") for line in out.split())
        return int(values["WIDTH"]), int(values["HEIGHT"])

    def pixel(self, x, y):
        data = subprocess.run(["import", "-window", "root", "-crop", f"1x1+{x}+{y}", "-depth", "8", "rgb:-"],
                              env=self.display.env, capture_output=True, check=True).stdout
        return tuple(data[:3])

    # A movie's first frame on a machine that runs other tests beside this one may
    # take many seconds (the web process then gets a small share of the cores).
    def wait_pixel(self, x, y, wanted, timeout=60):
        deadline = time.time() + timeout
        seen = None
        while time.time() < deadline:
            seen = self.pixel(x, y)
            if any(near(seen, w) for w in wanted):
                return seen
            time.sleep(0.02)
        shot = os.path.join(self.root, "failed.png")
        self.display.screenshot(shot)
        raise AssertionError(f"pixel ({x}, {y}) is {seen}, not one of {wanted} (see {shot})")

    def choose(self, button, entry, timeout=30):
        """Opens a menu button's menu and chooses its entry-th entry (from 1, counting
        round past the end) by keys: the first entry is selected as the menu opens.
        The keys go once the menu shows (a loaded machine may take seconds to draw
        it). Returns the time the entry was chosen."""
        below = (button[0], button[1] + 32)
        before = self.pixel(*below)
        self.display.xdotool("mousemove", *button, "click", 1)
        deadline = time.time() + timeout
        while self.pixel(*below) == before:
            if time.time() > deadline:
                shot = os.path.join(self.root, "failed.png")
                self.display.screenshot(shot)
                raise AssertionError(f"the menu of the button at {button} did not open (see {shot})")
            time.sleep(0.05)
        time.sleep(0.1)
        for _ in range(entry - 1):
            self.display.xdotool("key", "Down")
            time.sleep(0.05)
        self.display.xdotool("key", "Return")
        return time.time()

    def folder(self):
        made = self.folders()
        assert len(made) == 1, f"private folders: {made}"
        return made[0]

    def folders(self):
        """The private folders in the player's temporary directory (a test's own
        look-alikes are named tessel-nomark)."""
        return [f for f in glob.glob(os.path.join(self.tmp, "tessel-*")) if not f.endswith("tessel-nomark")]

    def resident_kib(self):
        """Resident memory of the program and every process below it, and how many
        of them are web page processes."""
        total, pages = 0, 0
        for pid in self.tree():
            try:
                for line in open(f"/proc/{pid}/status"):
                    if line.startswith("VmRSS:"):
                        total += int(line.split()[1])
                    if line.startswith("Name:") and "WebKitWebProces" in line:
                        pages += 1
            except OSError:
                pass
        return total, pages

    def cpu_percent(self, seconds):
        """CPU time of the program and every process below it over the next seconds,
        as a share of one core."""
        def used():
            total = 0
            for pid in self.tree():
                try:
                    fields = open(f"/proc/{pid}/stat").read().rsplit(")", 1)[1].split()
                    total += int(fields[11]) + int(fields[12])
                except OSError:
                    pass
            return total / CLOCK_TICKS
        before = used()
        time.sleep(seconds)
        return (used() - before) / seconds * 100

    def tree(self):
        children = {}
        for stat in glob.glob("/proc/[0-9]*/stat"):
            try:
                fields = open(stat).read().rsplit(")", 1)[1].split()
                children.setdefault(int(fields[1]), []).append(int(stat.split("/")[2]))
            except OSError:
                pass
        out, todo = [], [self.process.pid]
        while todo:
            pid = todo.pop()
            out.append(pid)
            todo += children.get(pid, [])
        return out

    def close(self, window):
        # A click on the tool bar takes the keys back from the movie, then Alt+F4.
        self.display.xdotool("mousemove", *at(400, 12), "click", 1)
        time.sleep(0.2)
        self.display.xdotool("key", "alt+F4")
        code = self.process.wait(timeout=20)
        assert code == 0, f"the program ended with {code}"

    def kill(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()


def full_package(pack, content, source, work):
    settings = os.path.join(work, "settings1.ini")
    with open(settings, "w") as f:
        f.write(SETTINGS)
    files = [os.path.join(content, "Orbit.swf"), settings, os.path.join(content, "Colours.swf"),
             os.path.join(content, "Clicker.swf"), os.path.join(source, "top.html"),
             os.path.join(source, "bottom.html")]
    subprocess.run([pack, "create", "-o", os.path.join(work, "Data.bin"), *files], check=True)
    return open(os.path.join(work, "Data.bin"), "rb").read()


def test_games_links_and_close(display, program, pack, content, source, work, out):
    player = Player(display, program, os.path.join(work, "full"), full_package(pack, content, source, work))
    try:
        window = player.window("E2E games")
        assert player.geometry(window) == (900, 700), player.geometry(window)
        # Time for the player page to warm up on its blank movie; then, with no game
        # chosen, the player rests.
        time.sleep(4)
        display.screenshot(f"{out}/player-1-start.png")
        # A loaded machine may take much longer to warm up (the web process compiles
        # the player's code in the background): look again, for up to half a minute.
        idle = player.cpu_percent(5)
        for _ in range(5):
            if idle < 10:
                break
            idle = min(idle, player.cpu_percent(5))
        assert idle < 10, f"the idle player uses {idle:.0f} % of a core"
        # The movie panel lies between the top panel (29 + 60) and the bottom one
        # (675 - 120) of the 894 x 675 client area.
        centre, corner = at(447, 322), at(200, 150)
        games, links = at(40, 12), at(121, 12)

        # The menu holds exactly the three movies, in package order: a fourth entry
        # wraps round to the first.
        started = player.choose(games, 2)
        player.wait_pixel(*centre, COLOURS)
        first_frame = time.time() - started
        seen = set()
        deadline = time.time() + 5
        while time.time() < deadline and len(seen) < 2:
            p = player.pixel(*centre)
            seen |= {i for i, c in enumerate(COLOURS) if near(p, c)}
            time.sleep(0.1)
        assert len(seen) >= 2, f"the Colours movie is not playing: {seen}"
        display.screenshot(f"{out}/player-2-colours.png")
        memory, pages = player.resident_kib()
        assert pages == 1, f"{pages} web page processes for the three views"

        player.choose(games, 1)
        player.wait_pixel(*corner, [ORBIT_STAGE])
        # As Flash's ShowAll: beside the stage the movie's background, not black bars.
        player.wait_pixel(*at(40, 322), [ORBIT_STAGE], timeout=3)
        display.screenshot(f"{out}/player-3-orbit.png")
        player.choose(games, 4)
        time.sleep(1.5)
        assert near(player.pixel(*corner), ORBIT_STAGE), "the fourth entry is not the first again"

        # A click into the movie closes an open menu.
        under_menu = at(40, 45)
        before = player.pixel(*under_menu)
        display.xdotool("mousemove", *games, "click", 1)
        deadline = time.time() + 30
        while player.pixel(*under_menu) == before:
            assert time.time() < deadline, "the Games menu did not open"
            time.sleep(0.05)
        display.xdotool("mousemove", *at(600, 450), "click", 1)
        player.wait_pixel(*under_menu, [before], timeout=5)

        started = player.choose(games, 3)
        player.wait_pixel(*corner, [CLICKER_GREY])
        second_frame = time.time() - started
        player.wait_pixel(*centre, [CLICKER_BUTTON])
        # Keys reach the game without a click into it first (the player takes the
        # focus when the movie has loaded, a moment after its first frame).
        time.sleep(0.5)
        display.xdotool("key", "space")
        player.wait_pixel(*corner, [CLICKER_ORANGE])
        display.screenshot(f"{out}/player-4-key.png")
        display.xdotool("mousemove", *centre, "click", 1)
        player.wait_pixel(*corner, [CLICKER_GREY])

        # Links: entry 3 opens what the settings file holds at the moment of the click.
        settings = os.path.join(player.folder(), "settings1.ini")
        text = open(settings).read().replace("https://example.org/three", "https://example.org/changed")
        with open(settings, "w") as f:
            f.write(text)
        player.choose(links, 3)
        deadline = time.time() + 5
        while time.time() < deadline and not os.path.exists(player.opened):
            time.sleep(0.1)
        time.sleep(0.2)
        opened = open(player.opened).read().split("\n")[0]
        assert opened == "https://example.org/changed", opened

        player.close(window)
        assert os.listdir(player.tmp) == [], f"left behind: {os.listdir(player.tmp)}"
        print(f"player: first frame {first_frame:.2f} s after choosing Colours, "
              f"{second_frame:.2f} s after choosing Clicker; resident memory of the process tree "
              f"{memory / 1024:.0f} MiB with {pages} page process; idle CPU {idle:.1f} %")
    finally:
        player.kill()


def test_no_package(display, program, work, out):
    player = Player(display, program, os.path.join(work, "none"))
    try:
        window = player.window("Tessel")
        # The designed client area of 956 x 782 inside the skin's frame.
        assert player.geometry(window) == (962, 807), player.geometry(window)
        time.sleep(1.5)
        probes = [at(20, 40), at(60, 60), at(120, 45), at(140, 70)]
        before = [player.pixel(*p) for p in probes]
        for button in (at(40, 12), at(121, 12)):
            display.xdotool("mousemove", *button, "click", 1)
            time.sleep(0.5)
            after = [player.pixel(*p) for p in probes]
            assert after == before, f"a menu opened under {button}: {before} -> {after}"
            display.xdotool("key", "Escape")
        display.screenshot(f"{out}/player-5-no-package.png")
        # Only the folder's marker (which names the run) is in it.
        assert os.listdir(player.folder()) == [".tessel-run"], "no file may be written"
        player.close(window)
        assert os.listdir(player.tmp) == [], f"left behind: {os.listdir(player.tmp)}"
    finally:
        player.kill()


def test_hostile_names_and_sigterm(display, program, content, work):
    movie = open(os.path.join(content, "Orbit.swf"), "rb").read()
    package = raw_package([(b"../up.txt", b"up"), (b"/etc/tessel-e2e-root.txt", b"root"), (b"a\\b:c", b"c"),
                           (b"..\\..\\win.txt", b"win"), (b"..", b"dots"), (b"good.swf", movie)])
    player = Player(display, program, os.path.join(work, "hostile"), package)
    try:
        player.window("Tessel")
        time.sleep(1)
        assert os.listdir(player.tmp) == [os.path.basename(player.folder())], os.listdir(player.tmp)
        inside = sorted(os.listdir(player.folder()))
        assert inside == [".tessel-run", "c", "good.swf", "tessel-e2e-root.txt", "up.txt", "win.txt"], inside
        assert not os.path.exists("/etc/tessel-e2e-root.txt")
        assert not os.path.exists(os.path.join(player.root, "up.txt"))
        # Ended by a signal, the program still removes what it unpacked.
        player.process.send_signal(signal.SIGTERM)
        player.process.wait(timeout=10)
        assert os.listdir(player.tmp) == [], f"left behind after SIGTERM: {os.listdir(player.tmp)}"
    finally:
        player.kill()


def test_save_data_survives_a_kill(display, program, content, work, out):
    """A game's save data (Ruffle keeps it in the page's local storage) is there
    again in the next run, even when the run before was killed."""
    package = raw_package([(b"Saver.swf", open(os.path.join(content, "Saver.swf"), "rb").read())])
    shared = os.path.join(work, "saves")
    for run, wanted in enumerate((SAVER_FIRST, SAVER_AGAIN)):
        player = Player(display, program, os.path.join(work, f"save-{run}"), package, data=shared)
        try:
            player.window("Tessel")
            time.sleep(3)
            player.choose(at(40, 12), 1)
            player.wait_pixel(*at(200, 150), [wanted])
            display.screenshot(f"{out}/player-6-save-run-{run + 1}.png")
            time.sleep(1.5)
            player.process.send_signal(signal.SIGKILL)
            player.process.wait(timeout=10)
        finally:
            player.kill()


def test_state_comes_back(display, program, content, work, out):
    """The window's place and size and the game played last come back at the next
    start of the same package."""
    settings = b"[Main]\ntitle=Kept\nwidth=900\nheight=700\n[Links]\nnr=0\n"
    package = raw_package([(b"settings1.ini", settings),
                           (b"Orbit.swf", open(os.path.join(content, "Orbit.swf"), "rb").read()),
                           (b"Colours.swf", open(os.path.join(content, "Colours.swf"), "rb").read())])
    shared = os.path.join(work, "kept")
    first = Player(display, program, os.path.join(work, "kept-1"), package, data=shared)
    try:
        window = first.window("Kept")
        time.sleep(1.5)
        first.choose(at(40, 12), 2)
        time.sleep(1)
        # Moved by its caption and sized by its corner, as a person does it.
        display.drag((450, 8), (500, 40), (600, 108))
        time.sleep(0.5)
        display.drag((150 + 897, 100 + 697), (150 + 850, 100 + 650), (150 + 797, 100 + 597))
        time.sleep(1)
        assert first.geometry(window) == (800, 600), first.geometry(window)
        # The close goes through the window's own keys, at its new place.
        display.xdotool("mousemove", 150 + 400, 100 + FRAME_TOP + 12, "click", 1)
        time.sleep(0.2)
        display.xdotool("key", "alt+F4")
        assert first.process.wait(timeout=20) == 0
    finally:
        first.kill()
    files = glob.glob(os.path.join(shared, "state", "tessel", "*.ini"))
    assert len(files) == 1, files
    kept = open(files[0]).read()
    assert "lastgame=Colours.swf" in kept, kept
    second = Player(display, program, os.path.join(work, "kept-2"), package, data=shared)
    try:
        window = second.window("Kept")
        time.sleep(1.5)
        out_geometry = subprocess.run(["xdotool", "getwindowgeometry", "--shell", window], env=display.env,
                                      capture_output=True, text=True, check=True).stdout
        values = dict(line.split("=") for line in out_geometry.split())
        assert (int(values["X"]), int(values["Y"])) == (150, 100), values
        assert second.geometry(window) == (800, 600), second.geometry(window)
        # The Games menu marks the game played last: its second entry differs from
        # the first by the mark beside it.
        games = (150 + FRAME_LEFT + 40, 100 + FRAME_TOP + 12)
        display.xdotool("mousemove", *games, "click", 1)
        time.sleep(0.6)
        shot = display.screenshot(f"{out}/player-7-state-back.png")
        display.xdotool("key", "Escape")
        first_mark = [shot.pixel(games[0] - 30 + dx, games[1] + 24 + dy) for dx in range(16) for dy in range(12)]
        second_mark = [shot.pixel(games[0] - 30 + dx, games[1] + 44 + dy) for dx in range(16) for dy in range(12)]
        assert first_mark != second_mark, "no entry is marked"
    finally:
        second.kill()


def test_pause_key(display, program, content, work, out, alt_click=True):
    """Ctrl+P, typed while the movie has the keyboard, stops a moving movie (two
    screenshots a second apart are equal) and a second Ctrl+P lets it move on; F11
    makes the movie fill the monitor and Escape brings the window back; so does a
    double click on the movie with Alt held (alt_click: where no window manager keeps
    Alt and the mouse for moving windows)."""
    package = raw_package([(b"Orbit.swf", open(os.path.join(content, "Orbit.swf"), "rb").read())])
    player = Player(display, program, os.path.join(work, "pause"), package)
    try:
        player.window("Tessel")
        time.sleep(1.5)
        player.choose(at(40, 12), 1)
        player.wait_pixel(*at(200, 150), [ORBIT_STAGE])
        time.sleep(1)
        area = (FRAME_LEFT + 1, FRAME_TOP + 30, FRAME_LEFT + 600, FRAME_TOP + 400)

        def stage(name):
            shot = display.screenshot(f"{out}/{name}")
            return [[shot.pixel(x, y) for x in range(area[0], area[2], 3)] for y in range(area[1], area[3], 3)]

        assert stage("player-8-moving-1.png") != stage("player-8-moving-2.png"), "the movie does not move"
        display.xdotool("key", "ctrl+p")
        # A loaded machine may take a moment (and Ruffle fades its own play button
        # in): the movie has stopped once two screenshots a second apart agree.
        paused, deadline = None, time.time() + 10
        while paused is None and time.time() < deadline:
            first = stage("player-9-paused-1.png")
            time.sleep(1)
            if stage("player-9-paused-2.png") == first:
                paused = first
        assert paused is not None, "Ctrl+P did not stop the movie"
        display.xdotool("key", "ctrl+p")
        deadline = time.time() + 10
        while stage("player-10-resumed.png") == paused:
            assert time.time() < deadline, "a second Ctrl+P did not let it move on"
            time.sleep(0.3)

        # F11: the movie fills the monitor; Escape: the window as it was.
        window = player.window("Tessel")
        windowed = player.geometry(window)
        # The Links button and the bar beside it (Games may be lit under the pointer).
        tool_bar = lambda shot: [shot.pixel(x, y) for x in range(FRAME_LEFT + 90, FRAME_LEFT + 300, 2)  # noqa: E731
                                 for y in range(FRAME_TOP, FRAME_TOP + 25, 2)]
        before = tool_bar(display.screenshot(f"{out}/player-10-before-full-screen.png"))

        def switch(key, wanted):
            start = time.time()
            display.xdotool(*(["key", key] if isinstance(key, str) else key))
            while time.time() - start < 5:
                if player.geometry(window) == wanted:
                    return (time.time() - start) * 1000
                time.sleep(0.005)
            raise AssertionError(f"{key}: the window is {player.geometry(window)}, not {wanted}")

        corners = ((2, 2), (display.width - 3, 2), (2, display.height - 3), (display.width - 3, display.height - 3))

        def fills(name, points):
            # The web process draws the movie at its new size a moment after the
            # window has it (seconds on a loaded machine).
            deadline = time.time() + 30
            while True:
                full = display.screenshot(f"{out}/{name}")
                missed = [p for p in points if not near(full.pixel(*p), ORBIT_STAGE)]
                if not missed:
                    return
                assert time.time() < deadline, f"the movie does not reach {missed} (see {name})"
                time.sleep(0.2)

        on = switch("F11", (display.width, display.height))
        fills("player-11-full-screen.png", corners)
        off = switch("Escape", windowed)
        deadline = time.time() + 10
        while tool_bar(display.screenshot(f"{out}/player-12-windowed-again.png")) != before:
            assert time.time() < deadline, "the tool bar is not back where it was"
            time.sleep(0.2)
        print(f"player: full screen on in {on:.0f} ms, off in {off:.0f} ms (key to the new size, polled)")
        if alt_click:
            movie = (FRAME_LEFT + 400, FRAME_TOP + 300)
            display.xdotool("mousemove", *movie)
            time.sleep(0.3)
            on = switch(["keydown", "alt", "click", "--repeat", "2", "--delay", "80", "1", "keyup", "alt"],
                        (display.width, display.height))
            fills("player-13-alt-double-click.png", corners[3:])
            off = switch(["keydown", "alt", "click", "--repeat", "2", "--delay", "80", "1", "keyup", "alt"],
                         windowed)
            print(f"player: Alt+double-click full screen on in {on:.0f} ms, off in {off:.0f} ms")
        assert player.process.poll() is None
    finally:
        player.kill()


def test_moved_by_the_desktop(display, program, content, work, out):
    """Under a window manager the window is moved by others than the program (a tool,
    Alt and a drag): clicks still land where they show. The Games button at the new
    place plays a game there, and the close button at the next place ends the player."""
    package = raw_package([(b"Orbit.swf", open(os.path.join(content, "Orbit.swf"), "rb").read())])
    player = Player(display, program, os.path.join(work, "moved"), package)
    try:
        window = player.window("Tessel")
        time.sleep(1.5)
        display.xdotool("windowmove", window, 40, 30)
        time.sleep(0.8)
        player.choose((40 + FRAME_LEFT + 40, 30 + FRAME_TOP + 12), 1)
        player.wait_pixel(40 + FRAME_LEFT + 200, 30 + FRAME_TOP + 150, [ORBIT_STAGE])
        display.xdotool("mousemove", 400, 300, "keydown", "alt", "mousedown", "1")
        for x, y in ((430, 320), (470, 330), (500, 340)):
            display.xdotool("mousemove", x, y)
            time.sleep(0.05)
        display.xdotool("mouseup", "1", "keyup", "alt")
        time.sleep(0.8)
        display.screenshot(f"{out}/player-14-moved-by-the-desktop.png")
        width, _ = player.geometry(window)
        display.xdotool("mousemove", 140 + width - 11, 70 + 11, "click", 1)
        assert player.process.wait(timeout=20) == 0, "the close button at the new place did not close"
    finally:
        player.kill()


def stage_point(x, y, panel=(1, 90, 892, 464), stage=(640, 480)):
    """Where a point of a 640 x 480 stage shows in the movie panel, scaled to fit."""
    scale = min(panel[2] / stage[0], panel[3] / stage[1])
    left = panel[0] + (panel[2] - stage[0] * scale) / 2
    top = panel[1] + (panel[3] - stage[1] * scale) / 2
    return at(round(left + x * scale), round(top + y * scale))


def test_strangers_and_the_renderer(display, program, pack, content, here, work, out):
    """Pages in the panels cannot read the player's files, open windows by themselves
    or stall the movie with a dialog; addresses with spaces load; the renderer draws
    what BitmapData.draw makes."""
    root = os.path.join(work, "strangers")
    os.makedirs(root)
    settings = os.path.join(root, "settings1.ini")
    with open(settings, "w") as f:
        f.write(STRANGER_SETTINGS)
    subprocess.run([pack, "create", "-o", os.path.join(root, "Data.bin"), os.path.join(content, "Drawn.swf"),
                    os.path.join(content, "Colours.swf"), settings, os.path.join(here, "pages", "spy.html")],
                   check=True, stdout=subprocess.DEVNULL)
    player = Player(display, program, os.path.join(root, "run"), open(os.path.join(root, "Data.bin"), "rb").read())
    try:
        window = player.window("E2E pages")
        # The top page read nothing of the player's (green, not red); the bottom page's
        # address holds spaces, quotes and brackets.
        player.wait_pixel(*at(450, 55), [(0, 255, 0), (255, 0, 0)])
        assert near(player.pixel(*at(450, 55)), (0, 255, 0)), "a stranger's page read the player's files"
        player.wait_pixel(*at(450, 615), [(200, 40, 40)])
        # Its alert shows as a small desktop dialog and blocks nothing.
        display.wait_for_window("Message from the page")
        display.screenshot(f"{out}/player-7-strangers.png")
        time.sleep(1)
        assert not os.path.exists(player.opened), "a page opened a window by itself"

        games = at(40, 12)
        player.choose(games, 2)
        player.wait_pixel(*stage_point(100, 100), COLOURS)
        seen = set()
        deadline = time.time() + 5
        while time.time() < deadline and len(seen) < 2:
            p = player.pixel(*stage_point(100, 100))
            seen |= {i for i, c in enumerate(COLOURS) if near(p, c)}
            time.sleep(0.1)
        assert len(seen) >= 2, f"the movie stands still beside a page's dialog: {seen}"

        # BitmapData.draw: the copy of the magenta square shows at x = 320 of the stage.
        player.choose(games, 1)
        player.wait_pixel(*stage_point(100, 100), [DRAWN_MAGENTA])
        player.wait_pixel(*stage_point(420, 100), [DRAWN_MAGENTA, DRAWN_BLUE], timeout=5)
        display.screenshot(f"{out}/player-8-drawn.png")
        assert near(player.pixel(*stage_point(420, 100)), DRAWN_MAGENTA), "BitmapData.draw drew nothing"
        assert near(player.pixel(*at(40, 300)), DRAWN_GREY), "black bars beside the stage"

        # A window the user asks for (a click on a link to a new window) goes to the
        # desktop's opener; so does a Links entry, its space escaped.
        display.xdotool("mousemove", *at(800, 55), "click", 1)
        player.choose(at(121, 12), 1)
        deadline, opened = time.time() + 5, []
        while time.time() < deadline and len(opened) < 2:
            time.sleep(0.1)
            opened = open(player.opened).read().split() if os.path.exists(player.opened) else []
        assert sorted(opened) == ["https://example.org/a%20b", "https://example.org/clicked"], opened
        player.close(window)
        # Only the player's own folder counts (the sound server's client may leave one).
        assert not glob.glob(os.path.join(player.tmp, "tessel-*")), f"left behind: {os.listdir(player.tmp)}"
    finally:
        player.kill()


def main(program, pack, content, source, out):
    os.makedirs(out, exist_ok=True)
    work = tempfile.mkdtemp(prefix="tessel-e2e-")
    try:
        display = Display(1280, 900)
        try:
            test_no_package(display, program, work, out)
            test_hostile_names_and_sigterm(display, program, content, work)
            test_games_links_and_close(display, program, pack, content, source, work, out)
            test_save_data_survives_a_kill(display, program, content, work, out)
            test_state_comes_back(display, program, content, work, out)
            test_pause_key(display, program, content, work, out)
            test_strangers_and_the_renderer(display, program, pack, content, os.path.dirname(__file__), work, out)
        finally:
            display.close()
        # The keys and the remembered state once more, under a window manager.
        display = Display(1280, 900)
        manager = WindowManager(display)
        try:
            managed_work, managed_out = os.path.join(work, "openbox"), os.path.join(out, "openbox")
            os.makedirs(managed_work)
            os.makedirs(managed_out, exist_ok=True)
            test_state_comes_back(display, program, content, managed_work, managed_out)
            test_pause_key(display, program, content, managed_work, managed_out, alt_click=False)
            test_moved_by_the_desktop(display, program, content, managed_work, managed_out)
        finally:
            manager.close()
            display.close()
        print("player: all checks passed")
    finally:
        if os.environ.get("KEEP_E2E"):
            print(f"kept {work}")
        else:
            shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main(*sys.argv[1:6])
