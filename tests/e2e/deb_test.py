"""A collection shipped as a Debian package: Tessel installed from the build, its
tessel-pack makes a .deb of the demo collection (its bad input refused first, with
nothing left behind), Debian's checker lintian finds no error and no warning in it nor
in one of a long UTF-8 title and a description of its own, appstreamcli validates its
metadata and man reads its manual page without a warning, the package's dependencies
are met on this system (apt's simulation), it installs with dpkg into a throw-away
root and comes out again, and the installed program, started from its desktop entry
under openbox, plays a game.
Usage: deb_test.py BUILD_DIR OUT_DIR"""

import os
import signal
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(__file__))
from desktop import Session  # noqa: E402

NAME, TITLE = "demo-games", "Tessel demo games"
MAINTAINER, COPYRIGHT = "Tessel Shipper <shipper@example.org>", "2026 The Tessel developers"
LONG_TITLE = "Spiele für Kinder und Erwachsene: die große Sammlung der schönsten Flash-Spiele aus zwanzig Jahren"
ORBIT_STAGE = (0x10, 0x20, 0x60)
FRAME_LEFT, FRAME_TOP = 3, 22


def run(*args, **kw):
    return subprocess.run(args, check=True, capture_output=True, text=True, **kw).stdout


def check_refusals(pack, content, work, env):
    """Bad input: exit 1, a message that says what is wrong, no package, no staging."""
    out = os.path.join(work, "refused")
    os.makedirs(out)
    with open(os.path.join(work, "notes.png"), "w") as f:
        f.write("a text, not a picture")
    base = {"--name": NAME, "--version": "1.0", "--title": TITLE, "-o": os.path.join(out, "x.deb"),
            "--maintainer": MAINTAINER, "--copyright": COPYRIGHT}

    def given(package=content, **changed):
        options = dict(base, **{"--" + k.replace("_", "-"): v for k, v in changed.items()})
        return [a for option, value in options.items() for a in (option, value)] + [package]

    for args, said in (
            (given(name="Demo_Games"), "the name \"Demo_Games\""),
            (given(os.path.join(work, "missing.bin")), "No such file"),
            (given(icon=os.path.join(work, "notes.png")), "not a PNG picture"),
            (given(maintainer="Somebody <root@localhost>"), "Debian wants one people can write to"),
            (given(copyright=""), "the copyright line is empty or missing"),
            (given(description="x" * 10240), "longer than 4000 bytes"),
            (given(title="Two\nlines"), "control character")):
        result = subprocess.run([pack, "deb", *args], env=env, capture_output=True, text=True)
        assert result.returncode == 1, f"{args}: exit {result.returncode}"
        assert said in result.stderr, f"{args}: {result.stderr}"
        assert os.listdir(out) == [], f"{args}: left {os.listdir(out)}"
        assert os.listdir(env["TMPDIR"]) == [], f"{args}: left {os.listdir(env['TMPDIR'])}"


def player_pid(program):
    for entry in os.listdir("/proc"):
        if entry.isdigit():
            try:
                if os.readlink(f"/proc/{entry}/exe") == program:
                    return int(entry)
            except OSError:
                pass
    return None


def check_installed(session, root, out):
    display = session.display
    home = os.path.join(session.work, "home")
    tmp, runtime = os.path.join(home, "tmp"), os.path.join(home, "runtime")
    os.makedirs(tmp)
    os.makedirs(runtime, mode=0o700)
    env = dict(display.env, PATH=os.path.join(root, "usr/games") + ":" + os.environ["PATH"],
               XDG_DATA_DIRS=os.path.join(root, "usr/share") + ":/usr/share", TMPDIR=tmp,
               XDG_RUNTIME_DIR=runtime, XDG_STATE_HOME=os.path.join(home, "state"),
               XDG_DATA_HOME=os.path.join(home, "data"), XDG_CACHE_HOME=os.path.join(home, "cache"))
    # As a desktop menu starts it: by its entry, the program found on PATH.
    # The program inherits gio's output: it goes to a file, not to a pipe read to its end.
    with open(os.path.join(out, "deb-player-output.txt"), "w") as log:
        subprocess.run(["gio", "launch", os.path.join(root, f"usr/share/applications/{NAME}.desktop")], env=env,
                       stdout=log, stderr=log, check=True, timeout=30)
    program = os.path.join(root, f"usr/lib/{NAME}/tessel")
    window = display.wait_for_window(TITLE, timeout=30)
    pid = player_pid(program)
    assert pid, "the program running is not the installed one"
    try:
        time.sleep(3)
        geometry = dict(line.split("=") for line in run("xdotool", "getwindowgeometry", "--shell", window,
                                                          env=display.env).split())
        x, y = int(geometry["X"]) + FRAME_LEFT, int(geometry["Y"]) + FRAME_TOP
        # Games, its first entry (Orbit): the movie's stage colour shows in the panel.
        display.xdotool("mousemove", x + 40, y + 12, "click", 1)
        time.sleep(0.5)
        display.xdotool("key", "Return")
        deadline, seen = time.time() + 30, None
        while time.time() < deadline:
            seen = display.screenshot(f"{out}/deb-installed-player.png").pixel(x + 200, y + 150)
            if all(abs(a - b) < 24 for a, b in zip(seen, ORBIT_STAGE)):
                break
            time.sleep(0.5)
        else:
            raise AssertionError(f"the installed package shows no game: {seen}")
    finally:
        os.kill(pid, signal.SIGTERM)
        deadline = time.time() + 15
        while player_pid(program) and time.time() < deadline:
            time.sleep(0.2)
    assert not player_pid(program), "the player did not end on SIGTERM"
    assert os.listdir(tmp) == [], f"the player left {os.listdir(tmp)} in its TMPDIR"


def check_debian_way(deb, root_of, work):
    """What Debian and desktops check: lintian's errors and warnings (none), the
    metadata (appstreamcli, no error or warning), the manual page (man, no warning;
    lexgrog finds its name line)."""
    result = subprocess.run(["lintian", "--fail-on", "error,warning", "--display-info", "--pedantic", deb],
                            capture_output=True, text=True)
    problems = [line for line in result.stdout.splitlines() if line[:2] in ("E:", "W:")]
    assert result.returncode == 0 and not problems, f"lintian on {os.path.basename(deb)}:\n{result.stdout}{result.stderr}"
    root = os.path.join(work, root_of)
    run("dpkg-deb", "-x", deb, root)
    name = run("dpkg-deb", "-f", deb, "Package").strip()
    metainfo = os.path.join(root, f"usr/share/metainfo/{name}.metainfo.xml")
    validated = subprocess.run(["appstreamcli", "validate", "--no-net", "--pedantic", metainfo], capture_output=True,
                               text=True)
    assert validated.returncode == 0 and "W:" not in validated.stdout and "E:" not in validated.stdout, \
        validated.stdout + validated.stderr
    page = os.path.join(root, f"usr/share/man/man6/{name}.6.gz")
    shown = subprocess.run(["man", "--warnings", "-E", "UTF-8", "-l", page], capture_output=True, text=True,
                           env=dict(os.environ, MANWIDTH="80", LC_ALL="C.UTF-8"))
    assert shown.returncode == 0 and shown.stderr == "", shown.stderr
    assert "play the Flash games of" in shown.stdout, shown.stdout[:400]
    assert f"{name} - play the Flash games of" in run("lexgrog", page)
    return lintian_notes(result.stdout)


def lintian_notes(text):
    return sorted({line.split(":")[2].split()[0] for line in text.splitlines() if line[:2] in ("I:", "P:", "X:")})


def main(build, out):
    os.makedirs(out, exist_ok=True)
    with Session("tessel-deb-", 1280, 800) as session:
        session.start_window_manager()
        work = session.work
        prefix = os.path.join(work, "prefix")
        run("cmake", "--install", build, "--prefix", prefix)
        pack = os.path.join(prefix, "bin/tessel-pack")
        content = os.path.join(prefix, "lib/tessel/Data.bin")
        env = dict(os.environ, TMPDIR=os.path.join(work, "pack-tmp"))
        os.makedirs(env["TMPDIR"])
        check_refusals(pack, content, work, env)

        icon = os.path.join(work, "icon.png")
        run("convert", "-size", "64x64", "xc:#d04020", icon)
        deb = os.path.join(work, "debs", f"{NAME}.deb")
        os.makedirs(os.path.dirname(deb))
        start = time.time()
        run(pack, "deb", "--name", NAME, "--version", "1.0-1", "--title", TITLE, content, "--icon", icon,
            "-o", deb, "--copyright", COPYRIGHT, env=dict(env, DEBFULLNAME="Tessel Shipper",
                                                       DEBEMAIL="shipper@example.org"))
        print(f"deb: made {os.path.getsize(deb) // 1024} KiB in {time.time() - start:.1f} s")
        assert os.listdir(env["TMPDIR"]) == [], "the staging folder was left"
        assert run("dpkg-deb", "-f", deb, "Package", "Version").split() == ["Package:", NAME, "Version:", "1.0-1"]

        notes = check_debian_way(deb, "extracted", work)
        # A long UTF-8 title, a description of its own, Tessel's icons.
        other = os.path.join(work, "debs", "kinder.deb")
        run(pack, "deb", "--name", "kinder-spiele", "--version", "2.0", "--title", LONG_TITLE, content, "-o", other,
            "--maintainer", "Zoë Müller <zoe@example.org>", "--copyright", "2019-2026 Zoë Müller",
            "--description", "Die schönsten Spiele.\n\nFür Groß und Klein, mit Ton.", env=env)
        notes += check_debian_way(other, "extracted-other", work)
        print("deb: lintian finds no error or warning; its notes:", ", ".join(sorted(set(notes))))

        # apt would install it here: every dependency is met (a simulation, no change).
        simulated = run("apt-get", "-s", "-q", "install", deb)
        assert f"Inst {NAME} " in simulated, simulated

        # Installed into a throw-away root of its own, where dpkg knows it.
        root = os.path.join(work, "root")
        for folder in ("var/lib/dpkg/info", "var/lib/dpkg/updates"):
            os.makedirs(os.path.join(root, folder))
        open(os.path.join(root, "var/lib/dpkg/status"), "w").close()
        dpkg = ["dpkg", f"--root={root}", "--force-not-root", "--log=/dev/null"]
        run(*dpkg, "--force-depends", "-i", deb)
        assert "Status: install ok installed" in run(*dpkg, "-s", NAME)
        run("desktop-file-validate", os.path.join(root, f"usr/share/applications/{NAME}.desktop"))
        assert os.path.isfile(os.path.join(root, f"usr/share/icons/hicolor/64x64/apps/{NAME}.png"))
        check_installed(session, root, out)

        run(*dpkg, "-r", NAME)
        assert not os.path.exists(os.path.join(root, f"usr/lib/{NAME}")), "removing left the program"
        assert not os.path.exists(os.path.join(root, f"usr/games/{NAME}"))
        print("deb: made, refused bad input, installed, started from its entry, played, removed")


if __name__ == "__main__":
    main(*sys.argv[1:3])
