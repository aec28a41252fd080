"""Measures the real player beside a plain GTK window, in one run under one Xvfb:
exec to first painted window, exec to the top page shown, choice to a game's first
frame, idle CPU of the whole process tree over 10 s (before any game, a game playing,
minimised) and its proportional memory (PSS).

Usage: measure_player.py TESSEL TESSEL_PACK CONTENT_DIR SOURCE_CONTENT_DIR PROBE PLAIN_WINDOW [ROUNDS [OTHER_TESSEL]]
With OTHER_TESSEL (an earlier build, say) both players are measured, by turns.
Prints a table; asserts nothing (the goals are checked by the tests)."""

import glob
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(__file__))
from desktop import Display  # noqa: E402
from player_test import SETTINGS, at  # noqa: E402

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
    try:
        os.kill(pid, 9)
        os.waitpid(pid, 0)
    except (OSError, ChildProcessError):
        pass


def install(program, work, name):
    """The program in a folder of its own, beside Ruffle's files and the package."""
    folder = os.path.join(work, name)
    os.makedirs(folder)
    shutil.copy(program, folder)
    os.symlink(os.path.join(os.path.dirname(os.path.abspath(program)), "ruffle"), os.path.join(folder, "ruffle"))
    shutil.copy(os.path.join(work, "Data.bin"), folder)
    return os.path.join(folder, os.path.basename(program))


def measure_player(display, probe, program, env, label, first, results, cpu):
    pid, t = start(display, probe, [("window", 400, 12, "changed"), ("page", 10, 32, "1A2A6C")], [program], env)
    results.setdefault(f"{label} window", []).append(t.get("window", float("nan")))
    results.setdefault(f"{label} top page", []).append(t.get("page", float("nan")))
    time.sleep(4)
    if first:
        cpu[f"{label}, idle before any game"] = (idle_cpu(pid), pss_mib(pid))
    # Colours is the second entry; its first frame is one of its four colours.
    display.xdotool("mousemove", *at(40, 12), "click", 1)
    time.sleep(0.4)
    display.xdotool("key", "Down", "Down")
    begun = time.time()
    display.xdotool("key", "Return")
    wait = subprocess.run([probe, "wait", "--timeout", "15000", *map(str, at(447, 322)), "E02020"], env=env,
                          capture_output=True, text=True)
    results.setdefault(f"{label} choice to frame", []).append(
        (time.time() - begun) * 1000 if wait.returncode == 0 else float("nan"))
    if first:
        time.sleep(2)
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


def main(program, pack, content, source, probe, plain, rounds=5, other=None):
    rounds = int(rounds)
    work = tempfile.mkdtemp(prefix="tessel-measure-")
    settings = os.path.join(work, "settings1.ini")
    open(settings, "w").write(SETTINGS)
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
        for r in range(rounds):
            pid, t = start(display, probe, [("window", 450, 350, "F0F0F0")], [plain, "900", "700"], env)
            results["plain window"].append(t.get("window", float("nan")))
            if r == 0:
                time.sleep(3)
                cpu["plain window, idle"] = (idle_cpu(pid), pss_mib(pid))
            stop(pid)
            time.sleep(0.5)
            for label, path in players:
                measure_player(display, probe, path, env, label, r == 0, results, cpu)
        print(f"{'measure':32} {'median ms':>10} {'min':>8} {'max':>8}   ({rounds} rounds)")
        for name, values in results.items():
            good = [v for v in values if v == v]
            if good:
                print(f"{name:32} {statistics.median(good):10.0f} {min(good):8.0f} {max(good):8.0f}")
            else:
                print(f"{name:32} {'-':>10}")
        print(f"{'process tree':32} {'CPU % (10 s)':>12} {'PSS MiB':>9}")
        for name, (c, m) in cpu.items():
            print(f"{name:32} {c:12.1f} {m:9.0f}")
    finally:
        display.close()
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main(*sys.argv[1:])
