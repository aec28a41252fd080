"""The library as its users get it: installed from the build into a folder of its own,
the "first skinned window" example copied out of the source tree and built on the
installed package twice (find_package(Tessel COMPONENTS gtk), and pkg-config), then run
under Xvfb: its window shows and its button answers a click. The "testing" example
(a test on the virtual desktop) builds with find_package(Tessel) where GTK and X11
cannot be found, links no GTK, and passes without a display; the gtk component is
refused there with a message. Every public header, through the one header of each
layer, compiles with the installed include folder alone. The player as a desktop program
from the same install: its desktop entry and AppStream metadata validate, its icons
are there at the usual sizes, and the installed program opens the demo collection
and plays a game.
Usage: package_test.py BUILD_DIR EXAMPLES_DIR OUT_DIR"""

import os
import shutil
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(__file__))
from desktop import Display  # noqa: E402

TITLE = "My first skinned window"


def run(*args, **kw):
    subprocess.run(args, check=True, stdout=subprocess.DEVNULL, **kw)


def run_out(*args):
    return subprocess.run(args, check=True, capture_output=True, text=True).stdout


def check_layout(prefix):
    wanted = ["include/tessel/skin/controls/TvxSkinButton.h", "include/tessel/platform/DesktopBackend.h",
              "include/tessel/skin/form/objects/TvxSkinButtonObject.h", "lib/cmake/Tessel/TesselConfig.cmake",
              "lib/cmake/Tessel/TesselTargets.cmake", "lib/pkgconfig/tessel.pc", "lib/libtessel_skin_form.a",
              "lib/tessel/libtessel-webkit.so", "share/tessel/skins/demo.vxs",
              "lib/cmake/Tessel/TesselGtkTargets.cmake", "include/tessel/framework/TTestDesktop.h"]
    wanted += [f"include/tessel/{layer}.h" for layer in ("platform", "framework", "media", "skin")]
    missing = [w for w in wanted if not os.path.exists(os.path.join(prefix, w))]
    assert not missing, f"not installed: {missing}"
    assert not os.path.exists(os.path.join(prefix, "include/tessel/platform/gtk")), \
        "the GTK backend's own headers were installed"


def check_player(display, prefix, out):
    wanted = ["bin/tessel", "lib/tessel/tessel", "lib/tessel/Data.bin", "lib/tessel/ruffle/ruffle.js",
              "share/applications/tessel.desktop", "share/metainfo/dev.tessel.player.metainfo.xml"]
    wanted += [f"share/icons/hicolor/{n}x{n}/apps/tessel.png" for n in (16, 24, 32, 48, 64, 128, 256)]
    pages = ["share/man/man6/tessel.6", "share/man/man1/tessel-pack.1", "share/man/man1/vxskin.1"]
    wanted += pages + ["bin/tessel-pack", "bin/vxskin"]
    missing = [w for w in wanted if not os.path.exists(os.path.join(prefix, w))]
    assert not missing, f"not installed: {missing}"
    # The manual pages read without a warning, and name what they are about.
    for page in pages:
        shown = subprocess.run(["man", "--warnings", "-E", "UTF-8", "-l", os.path.join(prefix, page)],
                               capture_output=True, text=True, env=dict(os.environ, MANWIDTH="80", LC_ALL="C.UTF-8"))
        assert shown.returncode == 0 and shown.stderr == "", f"{page}: {shown.stderr}"
        program = os.path.basename(page).rsplit(".", 1)[0]
        assert f"{program} - " in run_out("lexgrog", os.path.join(prefix, page)), page
    run("desktop-file-validate", os.path.join(prefix, "share/applications/tessel.desktop"))
    run("appstreamcli", "validate", "--no-net", "--pedantic",
        os.path.join(prefix, "share/metainfo/dev.tessel.player.metainfo.xml"))
    icon = subprocess.run(["identify", "-format", "%w %h %[channels]",
                           os.path.join(prefix, "share/icons/hicolor/48x48/apps/tessel.png")],
                          capture_output=True, text=True, check=True).stdout
    assert icon.startswith("48 48") and "a" in icon.split()[-1], f"the 48-pixel icon: {icon}"
    # The installed program, started as the desktop entry starts it (by the link in
    # bin), finds its module, Ruffle and the collection beside itself.
    work = tempfile.mkdtemp(prefix="tessel-installed-")
    env = dict(display.env, TMPDIR=work, XDG_STATE_HOME=os.path.join(work, "state"),
               XDG_DATA_HOME=os.path.join(work, "data"), XDG_CACHE_HOME=os.path.join(work, "cache"))
    process = subprocess.Popen([os.path.join(prefix, "bin/tessel")], env=env, stdout=subprocess.DEVNULL,
                               stderr=subprocess.PIPE)
    try:
        display.wait_for_window("Tessel demo games")
        time.sleep(3)
        # Games, its first entry (Orbit): the movie's stage colour shows in the panel.
        display.xdotool("mousemove", 3 + 40, 22 + 12, "click", 1)
        time.sleep(0.5)
        display.xdotool("key", "Return")
        deadline, seen = time.time() + 20, None
        while time.time() < deadline:
            seen = display.screenshot(f"{out}/installed-player.png").pixel(3 + 200, 22 + 150)
            if all(abs(a - b) < 24 for a, b in zip(seen, (0x10, 0x20, 0x60))):
                break
            time.sleep(0.5)
        else:
            raise AssertionError(f"the installed player shows no game: {seen}")
        assert process.poll() is None, "the installed player ended"
    finally:
        process.terminate()
        process.communicate(timeout=10)
        shutil.rmtree(work, ignore_errors=True)


def check_program(display, program, out, label):
    process = subprocess.Popen([program], env=display.env, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
    try:
        display.wait_for_window(TITLE)
        time.sleep(1.5)
        before = display.screenshot(f"{out}/first-window-{label}-1.png")
        # The window lies at (100, 100); its "Say hello" button 20 pixels into the
        # client area, which starts under the skin's caption.
        x, y = 100 + 3 + 20 + 50, 100 + 22 + 20 + 12
        display.xdotool("mousemove", x, y, "click", 1)
        time.sleep(0.5)
        display.xdotool("mousemove", 700, 500)
        time.sleep(0.5)
        after = display.screenshot(f"{out}/first-window-{label}-2-clicked.png")
        changed = [(px, py) for px in range(x - 45, x + 45) for py in range(y - 8, y + 8)
                   if before.pixel(px, py) != after.pixel(px, py)]
        assert changed, "the button's caption did not change on the click"
        assert process.poll() is None, "the program ended"
    finally:
        process.terminate()
        _, err = process.communicate(timeout=10)
        assert b"no web views" not in err, err.decode(errors="replace")


def without_gtk(work):
    """A pkg-config folder with every module of the system but GTK's, GDK's and WebKit's,
    and CMake told that X11 is not there: a machine without their development files."""
    folder = os.path.join(work, "pkgconfig-without-gtk")
    os.makedirs(folder)
    dirs = subprocess.run(["pkg-config", "--variable", "pc_path", "pkg-config"], capture_output=True,
                          text=True, check=True).stdout.strip().split(":")
    for d in dirs:
        if not os.path.isdir(d):
            continue
        for name in os.listdir(d):
            hidden = name.startswith(("gtk", "gdk", "webkit", "javascriptcore", "x11"))
            if name.endswith(".pc") and not hidden and not os.path.exists(os.path.join(folder, name)):
                os.symlink(os.path.join(d, name), os.path.join(folder, name))
    env = dict(os.environ, PKG_CONFIG_LIBDIR=folder, PKG_CONFIG_PATH="")
    assert subprocess.run(["pkg-config", "--exists", "gtk+-3.0"], env=env).returncode != 0
    return env, ["-DCMAKE_DISABLE_FIND_PACKAGE_X11=ON"]


def check_headless(prefix, examples, work):
    env, flags = without_gtk(work)
    source = os.path.join(work, "testing")
    shutil.copytree(os.path.join(examples, "testing"), source)
    tree = os.path.join(work, "build-testing")
    run("cmake", "-S", source, "-B", tree, "-G", "Ninja", f"-DCMAKE_PREFIX_PATH={prefix}", *flags, env=env)
    run("cmake", "--build", tree, env=env)
    program = os.path.join(tree, "hello-test")
    libs = subprocess.run(["ldd", program], capture_output=True, text=True, check=True).stdout
    assert "libgtk" not in libs and "libX11" not in libs, f"the headless test links GTK or X11:\n{libs}"
    headless = {k: v for k, v in env.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY")}
    result = subprocess.run(["ctest", "--test-dir", tree, "--output-on-failure"], env=headless,
                            capture_output=True, text=True)
    assert result.returncode == 0, result.stdout + result.stderr

    # Asking for the desktop backend there is refused, and says what is missing.
    asks = os.path.join(work, "asks-gtk")
    os.makedirs(asks)
    with open(os.path.join(asks, "CMakeLists.txt"), "w") as f:
        f.write("cmake_minimum_required(VERSION 3.25)\nproject(AsksGtk LANGUAGES CXX)\n"
                "find_package(Tessel REQUIRED COMPONENTS gtk)\n")
    result = subprocess.run(["cmake", "-S", asks, "-B", os.path.join(asks, "build"), f"-DCMAKE_PREFIX_PATH={prefix}",
                             *flags], env=env, capture_output=True, text=True)
    assert result.returncode != 0, "the gtk component was found without GTK"
    assert "gtk+-3.0" in result.stderr + result.stdout, result.stderr


def check_headers(prefix, work):
    env = dict(os.environ, PKG_CONFIG_PATH=os.path.join(prefix, "lib", "pkgconfig"))
    flags = subprocess.run(["pkg-config", "--cflags", "tessel"], env=env, capture_output=True, text=True,
                           check=True).stdout.split()
    included = [os.path.realpath(f[2:]) for f in flags if f.startswith("-I")]
    assert os.path.realpath(os.path.join(prefix, "include")) in included, flags
    assert os.path.realpath(os.path.join(prefix, "include", "tessel")) not in included, flags
    source = os.path.join(work, "all_headers.cpp")
    with open(source, "w") as f:
        for layer in ("platform", "framework", "media", "skin"):
            f.write(f"#include <tessel/{layer}.h>\n")
        f.write("int main() { return 0; }\n")
    run("c++", "-std=c++20", "-fsyntax-only", source, *flags)


def main(build, examples, out):
    os.makedirs(out, exist_ok=True)
    work = tempfile.mkdtemp(prefix="tessel-package-")
    display = Display(800, 600)
    try:
        prefix = os.path.join(work, "prefix")
        run("cmake", "--install", build, "--prefix", prefix)
        check_layout(prefix)
        check_player(display, prefix, out)
        check_headers(prefix, work)
        check_headless(prefix, examples, work)
        source = os.path.join(work, "first-window")
        shutil.copytree(os.path.join(examples, "first-window"), source)

        # find_package(Tessel) from a tree of its own.
        tree = os.path.join(work, "build")
        run("cmake", "-S", source, "-B", tree, "-G", "Ninja", f"-DCMAKE_PREFIX_PATH={prefix}")
        run("cmake", "--build", tree)
        check_program(display, os.path.join(tree, "first-window"), out, "cmake")

        # pkg-config, by hand.
        env = dict(os.environ, PKG_CONFIG_PATH=os.path.join(prefix, "lib", "pkgconfig"))
        flags = subprocess.run(["pkg-config", "--cflags", "--libs", "tessel"], env=env, capture_output=True,
                               text=True, check=True).stdout.split()
        skin = subprocess.run(["pkg-config", "--variable=demoskin", "tessel"], env=env, capture_output=True,
                              text=True, check=True).stdout.strip()
        program = os.path.join(work, "first-window-pc")
        run("c++", "-std=c++20", "-O1", "-o", program, os.path.join(source, "main.cpp"),
            f'-DFIRST_WINDOW_SKIN="{skin}"', *flags)
        check_program(display, program, out, "pkg-config")
        print("package: installed; every header compiles; the headless test builds without GTK and passes; "
              "first-window built twice outside the tree, both programs run")
    finally:
        display.close()
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main(*sys.argv[1:4])
