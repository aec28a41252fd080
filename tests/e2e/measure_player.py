"""Measures the real player beside a plain GTK window, in one run under one Xvfb:
exec to first painted window, exec to the top page shown, choice to a game's first
frame, the frames a second a moving game shows in the window and full screen, idle
CPU of the whole process tree over 10 s (before any game, a game playing,
minimised) and its proportional memory (PSS).

Usage: measure_player.py [--check] TESSEL TESSEL_PACK CONTENT_DIR SOURCE_CONTENT_DIR PROBE PLAIN_WINDOW [ROUNDS [OTHER_TESSEL]]
With OTHER_TESSEL (an earlier build, say) both players are measured, by turns.
Prints a table and judges no figure; with --check it fails where a row could not be
measured (the tool no longer finds what it looks for)."""

import glob
import os
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(__file__))
from desktop import Display  # noqa: E402
from player_test import SETTINGS  # noqa: E402

BLACK = (0, 0, 0)
# The colours the demo pages begin with (top.html's gradient, bottom.html's page).
TOP_LEFT_COLOUR, BOTTOM_PAGE = (0x1A, 0x2A, 0x6C), (0xF4, 0xF1, 0xE8)
# Orbit plays at 60 frames a second here: a moving movie that asks for every frame.
MEASURE_SETTINGS = SETTINGS + "[Game Orbit]\nframerate=60\n"

CLOCK = os.sysconf("SC_CLK_TCK")


def tree(pid):
    children = {}
    for stat in glob.glob("/proc/[0-9]*/stat"):
        try:
            fields = open(stat).read().rsplit(")", 1)[1].split()
            children.setdefault(int(fields[1]), []).append(int(stat.split("/")[2]))
        except OSError:
            pass
    out, todo = [], [pid]
    while todo:
        p = todo.pop()
        out.append(p)
        todo += children.get(p, [])
    return out


def cpu_seconds(pid):
    total = 0
    for p in tree(pid):
        try:
            fields = open(f"/proc/{p}/stat").read().rsplit(")", 1)[1].split()
            total += int(fields[11]) + int(fields[12])
        except OSError:
            pass
    return total / CLOCK


def pss_mib(pid):
    total = 0
    for p in tree(pid):
        try:
            for line in open(f"/proc/{p}/smaps_rollup"):
                if line.startswith("Pss:"):
                    total += int(line.split()[1])
        except OSError:
            pass
    return total / 1024


def idle_cpu(pid, seconds=10):
    before = cpu_seconds(pid)
    time.sleep(seconds)
    return (cpu_seconds(pid) - before) / seconds * 100


def start(display, probe, watches, command, env):
    args = [probe, "run", "--timeout", "30000"]
    for name, x, y, want in watches:
        args += ["--watch", name, str(x), str(y), want]
    proc = subprocess.Popen(args + ["--", *command], env=env, stdout=subprocess.PIPE, text=True)
    pid, times = None, {}
    for line in proc.stdout:
        key, value = line.split()
        if key == "pid":
            pid = int(value)
        else:
            times[key] = float(value)
    proc.wait()
    return pid, times


def stop(pid):
    """Ends a program as a desktop's session does (a player removes its unpacked files
    then, so that the next round finds no stale folder to sweep), and outright if it
    takes more than five seconds. The program is no child of this one (the probe
    started it), so its end is seen by its process id going."""
    for sig in (signal.SIGTERM, signal.SIGKILL):
        try:
            os.kill(pid, sig)
        except ProcessLookupError:
            return
        deadline = time.time() + 5
        while time.time() < deadline:
            try:
                os.kill(pid, 0)
            except ProcessLookupError:
                return
            time.sleep(0.05)


def install(program, work, name):
    """The program in a folder of its own, beside Ruffle's files and the package, and
    beside its web module where one lies beside it (a kept build; the program finds
    it there before the build's library folder)."""
    folder = os.path.join(work, name)
    os.makedirs(folder)
    shutil.copy(program, folder)
    module = os.path.join(os.path.dirname(os.path.abspath(program)), "libtessel-webkit.so")
    if os.path.exists(module):
        shutil.copy(module, folder)
    os.symlink(os.path.join(os.path.dirname(os.path.abspath(program)), "ruffle"), os.path.join(folder, "ruffle"))
    shutil.copy(os.path.join(work, "Data.bin"), folder)
    return os.path.join(folder, os.path.basename(program))


class Layout:
    """Where the player draws its parts, read once from a screenshot of it at rest:
    the top page (its gradient begins with TOP_LEFT_COLOUR at its left edge), the
    movie panel between it and the bottom page, the Games button (the first dark
    text of the tool bar above the top page) and a point of the tool bar itself."""

    def __init__(self, picture):
        page = picture.find(TOP_LEFT_COLOUR, tolerance=8, step=1)
        bottom = picture.find(BOTTOM_PAGE, tolerance=4, step=1)
        if page is None or bottom is None:
            raise RuntimeError(f"the pages are not on {picture.path}")
        self.page = (page[0] + 2, (page[1] + page[3]) // 2)
        left, right = page[0], bottom[2]
        # The movie panel: the rows between the pages, on the pages' columns.
        below = page[3] + 1
        while below < bottom[1] and picture.pixel(left + 20, below) != BLACK:
            below += 1
        above = bottom[1] - 1
        while above > below and picture.pixel(left + 20, above) != BLACK:
            above -= 1
        self.movie = (left, below, right, above)
        self.games = None
        for y in range(page[1] - 1, 0, -1):
            dark = [x for x in range(left, left + (right - left) // 3) if sum(picture.pixel(x, y)) < 240]
            if dark:
                self.games = (dark[0], y)
                break
        if self.games is None:
            raise RuntimeError(f"no tool bar text above the top page on {picture.path}")
        self.tool_bar = ((left + right) // 2, self.games[1])

    def movie_centre(self):
        return (self.movie[0] + self.movie[2]) // 2, (self.movie[1] + self.movie[3]) // 2


def bands(rows):
    """Runs of consecutive row numbers, as (first, last) pairs."""
    out = []
    for y in sorted(rows):
        if out and y == out[-1][1] + 1:
            out[-1][1] = y
        else:
            out.append([y, y])
    return [tuple(b) for b in out]


def changed_rows(a, b, box):
    left, top, right, bottom = box
    return [y for y in range(top, bottom + 1) if any(a.pixel(x, y) != b.pixel(x, y) for x in range(left, right + 1, 2))]


class Menu:
    """The Games menu as it draws itself, learnt once with nothing moving behind it:
    its box (the pixels that change as it opens), its background (its commonest
    colour) and its entries' bands of rows. A Down moves the highlight from one
    entry's band to the next; the first entry is the highest band of mostly
    background above them. Later the menu is read only inside its box, so a movie
    playing behind it does not count, and an entry is chosen by a click on its band."""

    def __init__(self, display, work, layout):
        self.display, self.work, self.layout = display, work, layout
        before = self.shot()
        self.open()
        area = (layout.movie[0], layout.games[1] + 4, layout.movie[2], layout.movie[3])
        deadline = time.time() + 15
        while not changed_rows(before, self.shot(), area):
            if time.time() > deadline:
                raise RuntimeError("the Games menu did not open")
            time.sleep(0.1)
        time.sleep(0.3)
        opened = self.shot()
        rows = changed_rows(before, opened, area)
        columns = [x for x in range(area[0], area[2] + 1, 2)
                   if any(before.pixel(x, y) != opened.pixel(x, y) for y in rows[::2])]
        self.box = (columns[0], rows[0], columns[-1], rows[-1])
        counts = {}
        for y in range(self.box[1], self.box[3] + 1):
            for x in range(self.box[0], self.box[2] + 1, 2):
                counts[opened.pixel(x, y)] = counts.get(opened.pixel(x, y), 0) + 1
        self.background = max(counts, key=counts.get)
        self.display.xdotool("key", "Down")
        time.sleep(0.3)
        moved = bands(changed_rows(opened, self.shot(), self.box))
        self.display.xdotool("key", "Escape")
        time.sleep(0.3)
        if len(moved) != 2:
            raise RuntimeError(f"Down changed the rows {moved} of the menu, not two entries")
        self.pitch = abs(moved[1][0] - moved[0][0])
        self.height = max(b[1] - b[0] + 1 for b in moved)
        self.first = min(b[0] for b in moved)
        while self.first - self.pitch >= self.box[1] and self.mostly_background(opened, self.first - self.pitch):
            self.first -= self.pitch

    def shot(self):
        return self.display.screenshot(os.path.join(self.work, "menu.png"))

    def open(self):
        self.display.xdotool("mousemove", *self.layout.games, "click", 1)

    def plain(self, picture, top):
        return sum(picture.pixel(x, y) == self.background for y in range(top, top + self.height)
                   for x in range(self.box[0], self.box[2] + 1, 2))

    def mostly_background(self, picture, top):
        return self.plain(picture, top) * 2 > self.height * ((self.box[2] - self.box[0]) // 2 + 1)

    def choose(self, entry):
        """Opens the menu and clicks its entry-th entry (from 0) once the menu shows;
        returns the time of the click."""
        self.open()
        tops = range(self.first, self.box[3] - self.height + 2, self.pitch)
        deadline = time.time() + 15
        while sum(self.mostly_background(self.shot(), top) for top in tops) < len(tops) - 1:
            if time.time() > deadline:
                raise RuntimeError("the Games menu did not open")
            time.sleep(0.1)
        self.display.xdotool("mousemove", (self.box[0] + self.box[2]) // 2, tops[entry] + self.height // 2)
        time.sleep(0.3)
        begun = time.time()
        self.display.xdotool("click", 1)
        return begun

def frames(display, probe, y, left, right, seconds=5):
    out = subprocess.run([probe, "frames", "--timeout", str(seconds * 1000), str(left), str(y), str(right - left + 1)],
                         env=display.env, capture_output=True, text=True)
    return float(out.stdout) if out.returncode == 0 and out.stdout.strip() else float("nan")


def calibrate(display, probe, program, env, work):
    """The player's layout and its Games menu, read off a run of it at rest."""
    pid, _ = start(display, probe, [], [program], env)
    time.sleep(6)
    layout = Layout(display.screenshot(os.path.join(work, "layout.png")))
    menu = Menu(display, work, layout)
    stop(pid)
    time.sleep(0.5)
    return layout, menu


def measure_player(display, probe, program, env, label, first, results, cpu, layout, menu):
    colour = f"{TOP_LEFT_COLOUR[0]:02X}{TOP_LEFT_COLOUR[1]:02X}{TOP_LEFT_COLOUR[2]:02X}"
    pid, t = start(display, probe, [("window", *layout.tool_bar, "changed"), ("page", *layout.page, colour)],
                   [program], env)
    results.setdefault(f"{label} window", []).append(t.get("window", float("nan")))
    results.setdefault(f"{label} top page", []).append(t.get("page", float("nan")))
    time.sleep(4)
    if first:
        cpu[f"{label}, idle before any game"] = (idle_cpu(pid), pss_mib(pid))
    # Colours is the second entry; its first frame is one of its four colours.
    begun = menu.choose(1)
    wait = subprocess.run([probe, "wait", "--timeout", "60000", *map(str, layout.movie_centre()), "E02020"],
                          env=env, capture_output=True, text=True)
    results.setdefault(f"{label} choice to frame", []).append(
        (time.time() - begun) * 1000 if wait.returncode == 0 else float("nan"))
    # Orbit moves every frame (at the rate the settings give it) across the stage's
    # middle row; the frames shown are counted there, in the window and full screen.
    time.sleep(0.5)
    menu.choose(0)
    if subprocess.run([probe, "wait", "--timeout", "60000", *map(str, layout.movie_centre()), "102060"],
                      env=env, capture_output=True, text=True).returncode != 0:
        raise RuntimeError(f"Orbit did not start (see {display.screenshot(os.path.join(menu.work, 'failed.png')).path})")
    time.sleep(1)
    middle = layout.movie_centre()[1]
    results.setdefault(f"{label} fps 900 x 700", []).append(
        frames(display, probe, middle, layout.movie[0], layout.movie[2]))
    display.xdotool("key", "F11")
    time.sleep(1.5)
    results.setdefault(f"{label} fps full screen", []).append(
        frames(display, probe, display.height // 2, 0, display.width - 1))
    display.xdotool("key", "F11")
    time.sleep(1)
    if first:
        cpu[f"{label}, a game playing"] = (idle_cpu(pid), pss_mib(pid))
        wm = subprocess.Popen(["openbox"], env=display.env, stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL) if shutil.which("openbox") else None
        if wm:
            time.sleep(1.5)
            found = subprocess.run(["xdotool", "search", "--name", "^E2E games$"], env=display.env,
                                   capture_output=True, text=True).stdout.split()
            if found:
                display.xdotool("windowminimize", found[0])
                time.sleep(2)
                cpu[f"{label}, minimised"] = (idle_cpu(pid), pss_mib(pid))
            wm.terminate()
            wm.wait()
    stop(pid)
    time.sleep(0.5)


def main(program, pack, content, source, probe, plain, rounds=5, other=None, check=False):
    rounds = int(rounds)
    work = tempfile.mkdtemp(prefix="tessel-measure-")
    settings = os.path.join(work, "settings1.ini")
    open(settings, "w").write(MEASURE_SETTINGS)
    subprocess.run([pack, "create", "-o", os.path.join(work, "Data.bin"), os.path.join(content, "Orbit.swf"),
                    settings, os.path.join(content, "Colours.swf"), os.path.join(source, "top.html"),
                    os.path.join(source, "bottom.html")], check=True, stdout=subprocess.DEVNULL)
    players = [("player", install(program, work, "player"))]
    if other:
        players.append(("other", install(other, work, "other")))
    display = Display(1280, 900)
    env = dict(display.env, TMPDIR=work, XDG_DATA_HOME=os.path.join(work, "data"),
               XDG_CACHE_HOME=os.path.join(work, "cache"))
    results, cpu = {"plain window": []}, {}
    try:
        layout, menu = calibrate(display, probe, players[0][1], env, work)
        for r in range(rounds):
            pid, t = start(display, probe, [("window", 450, 350, "F0F0F0")], [plain, "900", "700"], env)
            results["plain window"].append(t.get("window", float("nan")))
            if r == 0:
                time.sleep(3)
                cpu["plain window, idle"] = (idle_cpu(pid), pss_mib(pid))
            stop(pid)
            time.sleep(0.5)
            for label, path in players:
                measure_player(display, probe, path, env, label, r == 0, results, cpu, layout, menu)
        print(f"{'measure':32} {'median':>10} {'min':>8} {'max':>8}   ({rounds} rounds; ms, fps)")
        for name, values in results.items():
            good = [v for v in values if v == v]
            if good:
                print(f"{name:32} {statistics.median(good):10.0f} {min(good):8.0f} {max(good):8.0f}")
            else:
                print(f"{name:32} {'-':>10}")
        print(f"{'process tree':32} {'CPU % (10 s)':>12} {'PSS MiB':>9}")
        for name, (c, m) in cpu.items():
            print(f"{name:32} {c:12.1f} {m:9.0f}")
        missing = [name for name, values in results.items() if not any(v == v for v in values)]
        missing += [f"{label}, {state}" for label, _ in players for state in ("idle before any game",
                    "a game playing", "minimised") if f"{label}, {state}" not in cpu]
        if check and missing:
            print("not measured: " + ", ".join(missing))
            return 1
        return 0
    finally:
        display.close()
        if os.environ.get("KEEP_E2E") or sys.exc_info()[0] is not None:
            print(f"kept {work}")
        else:
            shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    arguments = sys.argv[1:]
    checking = "--check" in arguments
    if checking:
        arguments.remove("--check")
    sys.exit(main(*arguments, check=checking))
