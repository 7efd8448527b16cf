#!/usr/bin/env python3
"""Kill test: drives the real shell under Xvfb, kills it with SIGKILL at random moments, restarts it.

After every kill the data directory is checked: every file whole (settings, simulator state, address
book, wallpaper pictures, cached pictures), no unreadable settings set aside, and every write the
screen had shown as done still there. Every start must reach its first frame and show the lock
screen once setup was shown done. Needs Xvfb and xdotool; pixels are read from X through libX11.

Sessions between kills: setup, the simulator's biometrics switch and contacts import (from the
menus), wallpapers from the stills and from a photo in ~/Pictures, the package manager's sources,
the store (its icons fill the picture cache).

  tools/killtest.py [--build build] [--kills 1000] [--jobs N] [--seed N] [--keep DIR]
Exit status 0 when nothing was found, 1 on findings, 77 when Xvfb or xdotool is missing.
"""
import argparse, ctypes, ctypes.util, os, random, re, select, shutil, signal, struct, subprocess
import json, sys, tempfile, threading, time, zlib

STILLS = [["Earth", "Moon", "EarthNight"], ["Wallpaper", "iOS10Wallpaper", "Mars"],
          ["Flower_Aechmea", "Flower_Gloriosa", "Flower_Aquilegia"]]
COLUMNS, ROWS = [70, 195, 320], [256, 514, 760]
# "Set Lock Screen", "Set Home Screen", "Set Both" in the sheet, with the keys each one writes.
TARGETS = [(626, ["Lockscreen"]), (683, ["Homescreen"]), (740, ["Lockscreen", "Homescreen"])]


# Custom photos: one solid colour each, told apart on the lock screen after a restart.
PALETTE = [(220, 30, 30), (20, 200, 60), (30, 60, 220), (230, 200, 20)]


def write_png(path, colour, w=60, h=120):
    chunk = lambda t, d: struct.pack(">I", len(d)) + t + d + struct.pack(">I", zlib.crc32(t + d))
    raw = b"".join(b"\0" + bytes(colour) * w for _ in range(h))
    with open(path, "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 2, 0, 0, 0))
                  + chunk(b"IDAT", zlib.compress(raw)) + chunk(b"IEND", b""))


CHILDREN = []  # processes to stop when the harness is stopped


def stop(*_):
    for child in CHILDREN:
        child.kill() if child.args[0] != sys.executable else child.terminate()
    os._exit(1)


class Gone(Exception):
    """The shell died (was killed) while being driven."""


class Stall(Exception):
    """The screen did not reach the state the driver waited for."""


class X:
    def __init__(self, display):
        c = ctypes
        self.lib = lib = c.CDLL(ctypes.util.find_library("X11"))
        lib.XOpenDisplay.restype = c.c_void_p
        lib.XOpenDisplay.argtypes = [c.c_char_p]
        lib.XGetImage.restype = c.c_void_p
        lib.XGetImage.argtypes = [c.c_void_p, c.c_ulong, c.c_int, c.c_int, c.c_uint, c.c_uint, c.c_ulong, c.c_int]
        lib.XDestroyImage.argtypes = [c.c_void_p]
        # A window that vanishes under a read must not end the harness: ignore X errors.
        self.handler = c.CFUNCTYPE(c.c_int, c.c_void_p, c.c_void_p)(lambda d, e: 0)
        lib.XSetErrorHandler(self.handler)
        self.display = lib.XOpenDisplay(display.encode())

    def grab(self, window, x, y, w, h):
        image = self.lib.XGetImage(self.display, window, x, y, w, h, 0xFFFFFFFF, 2)
        if not image:
            return None
        line = struct.unpack_from("i", ctypes.string_at(image + 44, 4))[0]
        raw = ctypes.string_at(ctypes.c_void_p.from_address(image + 16).value, line * h)
        self.lib.XDestroyImage(image)
        return [bytes(raw[r * line + i * 4 + 2 - k] for i in range(w) for k in range(3)) for r in range(h)]

    def pixel(self, window, x, y):
        rows = self.grab(window, x, y, 1, 1)
        return tuple(rows[0]) if rows else None

    def save_png(self, window, w, h, path):
        rows = self.grab(window, 0, 0, w, h)
        if not rows:
            return
        chunk = lambda t, d: struct.pack(">I", len(d)) + t + d + struct.pack(">I", zlib.crc32(t + d))
        with open(path, "wb") as out:
            out.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 2, 0, 0, 0))
                      + chunk(b"IDAT", zlib.compress(b"".join(b"\0" + r for r in rows))) + chunk(b"IEND", b""))


def near(p, q, tolerance=24):
    return p is not None and all(abs(a - b) <= tolerance for a, b in zip(p, q))


# ---- file checks --------------------------------------------------------------------------------

def read_ini(path):
    """INI as QSettings writes it; None when a line is neither a section, a key nor blank."""
    values, section = {}, "General"
    with open(path, "rb") as f:
        text = f.read().decode("utf-8")
    for line in text.splitlines():
        if not line.strip():
            continue
        m = re.fullmatch(r"\[(.+)\]", line)
        if m:
            section = m.group(1)
            continue
        key, sep, value = line.partition("=")
        if not sep:
            return None
        values[key if section == "General" else section + "/" + key] = value
    return values


def whole_png(data):
    if not data.startswith(b"\x89PNG\r\n\x1a\n"):
        return False
    at = 8
    while at + 12 <= len(data):
        size, kind = struct.unpack_from(">I4s", data, at)
        body = data[at + 4:at + 8 + size]
        if len(body) != size + 4 or struct.unpack_from(">I", data, at + 8 + size)[0] != zlib.crc32(body):
            return False
        if kind == b"IEND":
            return at + 12 + size == len(data)
        at += 12 + size
    return False


def whole_wallpaper_copy(data):
    """A decoded wallpaper kept by the shell: header, key, then exactly height rows of pixels."""
    if len(data) < 40 or not data.startswith(b"KWPC"):
        return False
    key_length, _, height, _, bytes_per_line = struct.unpack_from("<Iiiiq", data, 8)
    return len(data) == 40 + key_length + bytes_per_line * height


def whole_jpeg(data):
    return data.startswith(b"\xff\xd8") and data.rstrip(b"\0").endswith(b"\xff\xd9")


class Expected:
    """What the files must hold: per key the values allowed (the last shown, plus writes in flight)."""

    def __init__(self):
        self.settings = {}          # key -> set of allowed texts (None: absent)
        self.simulator = {}
        self.contacts = set()       # names shown imported
        self.sources = set()        # package sources shown added
        self.sources_pending = set()
        self.lock_colours = None    # colours the lock screen may show (None: a still, not checked)
        self.count = {}             # writes shown done, per kind

    def issue(self, table, key, value):
        table.setdefault(key, {None}).add(value)

    def shown(self, table, key, value):
        table[key] = {value}
        if not key.endswith("_Wallpaper"):  # counted once per screen through its _Custom key
            kind = ("photo" if value == "true" else "still") if key.endswith("_Custom") else key.split("_")[0]
            self.count[kind.split("/")[0].lower()] = self.count.get(kind.split("/")[0].lower(), 0) + 1


def check_files(data, expected, findings, litter):
    def find(text):
        findings.append(text)

    if os.path.exists(os.path.join(data, "settings.ini.broken")):
        find("settings.ini was unreadable and was set aside")
        os.remove(os.path.join(data, "settings.ini.broken"))
    for name, table in (("settings.ini", expected.settings), ("simulator.ini", expected.simulator)):
        path = os.path.join(data, name)
        values = read_ini(path) if os.path.exists(path) else {}
        if values is None:
            find(name + " is not a whole INI file")
            continue
        for key, allowed in table.items():
            if values.get(key) not in allowed:
                find("%s: %s is %r, expected one of %r" % (name, key, values.get(key), sorted(map(str, allowed))))
            else:
                table[key] = {values.get(key)}
    settings = open(os.path.join(data, "settings.ini"), "rb").read().decode("utf-8")
    items = re.search(r'^items_list="@ByteArray\((.*)\)"$', settings, re.M)
    try:
        listed = {i["repourl"] for i in json.loads(items.group(1).replace('\\"', '"'))} if items else set()
    except ValueError:
        find("the source list does not decode")
        listed = set()
    for url in expected.sources - listed:
        find("source list lost %s, shown added" % url)
    expected.sources |= listed & expected.sources_pending  # added as the kill came: from now on required
    book = os.path.join(data, "contacts.vcf")
    text = open(book, "rb").read().decode("utf-8") if os.path.exists(book) else ""
    if text.count("BEGIN:VCARD") != text.count("END:VCARD") or (text and not text.rstrip().endswith("END:VCARD")):
        find("contacts.vcf holds a cut card")
    for name in expected.contacts:
        if "FN:" + name not in text:
            find("contacts.vcf lost " + name + ", shown imported")
    for folder, check in (("Documents", whole_jpeg), ("Caches", whole_png)):
        for root, _, files in os.walk(os.path.join(data, folder)):
            for f in files:
                path = os.path.join(root, f)
                if f.startswith("."):
                    litter.add(path)
                elif not (whole_wallpaper_copy if os.path.basename(root) == "Wallpapers" and folder == "Caches"
                          else check)(open(path, "rb").read()):
                    find("%s is not a whole picture" % os.path.relpath(path, data))
                else:
                    kind = folder.lower() + " files checked"
                    expected.count[kind] = expected.count.get(kind, 0) + 1
    for f in os.listdir(data):
        if re.fullmatch(r"(settings|simulator)\.ini\..+|contacts\.vcf\..+", f) and not f.endswith(".broken"):
            litter.add(os.path.join(data, f))


# ---- driving the shell --------------------------------------------------------------------------

class Shell:
    def __init__(self, args, work, env, x):
        self.x, self.env, self.work = x, env, work
        self.proc = subprocess.Popen([os.path.join(args.build, "bin", "kestrel"), "--data-dir", args.data],
                                     cwd=os.path.join(work, "import"), env=env, stdin=subprocess.DEVNULL,
                                     stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
        CHILDREN[:] = [c for c in CHILDREN if c.poll() is None] + [self.proc]
        self.window = None

    def alive(self):
        return self.proc.poll() is None

    def wait_first_frame(self, timeout):
        end, seen = time.time() + timeout, b""
        while time.time() < end and self.alive():
            ready, _, _ = select.select([self.proc.stderr], [], [], 0.2)
            if ready:
                seen += os.read(self.proc.stderr.fileno(), 65536)
                if b"first frame swapped" in seen:
                    found = subprocess.run(["xdotool", "search", "--pid", str(self.proc.pid)], env=self.env,
                                           capture_output=True, text=True).stdout.split()
                    if found:
                        self.window = int(found[-1])
                        threading.Thread(target=self.drain, daemon=True).start()
                        return True
        return False

    def drain(self):
        try:
            while os.read(self.proc.stderr.fileno(), 65536):
                pass
        except (OSError, ValueError):
            pass

    def kill(self):
        if self.alive():
            self.proc.send_signal(signal.SIGKILL)
        self.proc.wait()

    def xdo(self, *words):
        if not self.alive():
            raise Gone()
        subprocess.run(["xdotool", *map(str, words)], env=self.env, capture_output=True)

    def click(self, x, y, repeat=1):
        self.xdo("mousemove", "--window", self.window, x, y, "click", "--repeat", repeat, "--delay", 80, 1)

    def swipe(self, x1, y1, x2, y2, steps=8):
        self.xdo("mousemove", "--window", self.window, x1, y1, "mousedown", 1)
        for i in range(1, steps + 1):
            self.xdo("mousemove", "--window", self.window, x1 + (x2 - x1) * i // steps, y1 + (y2 - y1) * i // steps)
            time.sleep(0.01)
        time.sleep(0.1)  # no fling: the list stops where the finger does
        self.xdo("mouseup", 1)

    def pixel(self, x, y):
        p = self.x.pixel(self.window, x, y)
        if p is None and not self.alive():
            raise Gone()
        return p or (-1000, -1000, -1000)  # an unreadable window matches no colour

    def wait_for(self, what, test, timeout=8.0, settle=0.0, retap=None):
        """Waits for the screen to pass test; retap: where to tap again when a tap went unseen."""
        end = time.time() + timeout
        tapped = time.time()
        while time.time() < end:
            if retap and time.time() - tapped > 2.5:
                self.click(*retap)
                tapped = time.time()
            if not self.alive():
                raise Gone()
            if test():
                time.sleep(settle)  # a page sliding in takes no taps until it is in place
                return
            time.sleep(0.03)
        raise Stall(what)


WHITE, SHEET, BANNER, BORDER = (255, 255, 255), (240, 240, 240), (45, 46, 51), (53, 54, 55)


def on_lock_or_home(shell):
    return shell.pixel(10, 20)[0] >= 0 and not near(shell.pixel(10, 400), WHITE, 4)


def unlock(shell):
    shell.click(195, 811)
    shell.wait_for("home screen", settle=0.3, test=lambda: near(shell.pixel(195, 669), WHITE, 30))  # the page dots


def menu_open(shell, border_x):
    return near(shell.pixel(border_x, 150), BORDER, 10)


def toggle_biometrics(shell, expected):
    enrolled = lambda: 0 <= shell.pixel(22, 113)[0] < 100  # the check mark
    shell.click(50, 19)
    shell.wait_for("hardware menu", lambda: menu_open(shell, 299))
    was = enrolled()
    expected.issue(expected.simulator, "Biometrics/Enrolled", str(not was).lower())
    shell.click(100, 113)
    shell.wait_for("hardware menu closed", lambda: not menu_open(shell, 299))
    shell.click(50, 19)
    shell.wait_for("enrolment shown", lambda: menu_open(shell, 299) and enrolled() != was)
    expected.shown(expected.simulator, "Biometrics/Enrolled", str(not was).lower())
    shell.click(50, 19)
    shell.wait_for("hardware menu closed", lambda: not menu_open(shell, 299))


def import_contact(shell, expected, work, serial):
    folder = os.path.join(work, "import")
    for f in os.listdir(folder):
        os.remove(os.path.join(folder, f))
    name = "Kay Test%d" % serial
    with open(os.path.join(folder, "card%d.vcf" % serial), "w") as f:
        f.write("BEGIN:VCARD\r\nVERSION:3.0\r\nN:Test%d;Kay;;;\r\nFN:%s\r\nTEL:555%07d\r\nEND:VCARD\r\n"
                % (serial, name, serial))
    # The banner of an earlier import must be gone, or it would be taken for this one's.
    shell.wait_for("earlier banner gone", lambda: not near(shell.pixel(24, 97), BANNER, 8), timeout=10)
    shell.click(153, 19)
    shell.wait_for("contacts menu", lambda: menu_open(shell, 90) and menu_open(shell, 389))
    shell.click(160, 245)
    shell.wait_for("import dialog", lambda: near(shell.pixel(40, 313), (0, 0, 0), 90))
    time.sleep(0.3)
    shell.click(100, 366, repeat=2)
    shell.wait_for("import banner", lambda: near(shell.pixel(24, 97), BANNER, 8), timeout=5)
    expected.contacts.add(name)
    expected.count["contacts"] = expected.count.get("contacts", 0) + 1


def open_choose(shell):
    shell.click(146, 545)
    shell.wait_for("settings", settle=0.3, retap=(146, 545), test=lambda: near(shell.pixel(5, 320), (242, 242, 247), 8))
    for _ in range(2):  # to the end of the list, where the rows stand still
        shell.swipe(195, 800, 195, 250, steps=5)
    time.sleep(0.4)
    shell.click(160, 389)
    shell.wait_for("wallpaper page", settle=0.3, retap=(160, 389), test=lambda: near(shell.pixel(195, 60), (249, 249, 249), 6)
                   and near(shell.pixel(5, 184), WHITE, 6) and near(shell.pixel(5, 150), (242, 242, 247), 6))
    shell.click(160, 184)
    shell.wait_for("choose page", settle=0.3, retap=(160, 184), test=lambda: near(shell.pixel(5, 300), WHITE, 4)
                   and not near(shell.pixel(195, 300), WHITE, 30))


def open_stills(shell):
    shell.click(195, 270)
    shell.wait_for("stills", settle=0.3, retap=(195, 270), test=lambda: not near(shell.pixel(70, 514), WHITE, 30))


def set_photo(shell, expected, colour):
    """All Photos, the one picture in ~/Pictures, Set; ends on the stills."""
    shell.click(56, 462)
    shell.wait_for("photo picker", settle=0.3, retap=(56, 462), test=lambda: near(shell.pixel(40, 313), (38, 40, 42), 20))
    shell.click(100, 366, repeat=2)
    shell.wait_for("photo set page", settle=0.3, test=lambda: near(shell.pixel(195, 400), colour, 16))
    shell.click(292, 818)
    shell.wait_for("set sheet", settle=0.3, test=lambda: near(shell.pixel(30, 740), SHEET, 8))
    y, screens = random.choice(TARGETS)
    for screen in screens:
        expected.issue(expected.settings, screen + "_Wallpaper_Custom", "true")
    if "Lockscreen" in screens and expected.lock_colours is not None:
        expected.lock_colours.add(colour)
    shell.click(195, y)
    shell.wait_for("stills again", settle=0.8, test=lambda: near(shell.pixel(195, 60), (249, 249, 249), 6))
    for screen in screens:
        expected.shown(expected.settings, screen + "_Wallpaper_Custom", "true")
    if "Lockscreen" in screens:
        expected.lock_colours = {colour}


def pick_still(shell, expected):
    row, column = random.randrange(3), random.randrange(3)
    name = STILLS[row][column]
    shell.click(COLUMNS[column], ROWS[row])
    shell.wait_for("set page", settle=0.3, test=lambda: near(shell.pixel(5, 818), (204, 204, 204), 12))
    shell.click(292, 818)
    shell.wait_for("set sheet", settle=0.3, test=lambda: near(shell.pixel(30, 740), SHEET, 8))
    y, screens = random.choice(TARGETS)
    for screen in screens:
        expected.issue(expected.settings, screen + "_Wallpaper", name)
        expected.issue(expected.settings, screen + "_Wallpaper_Custom", "false")
    if "Lockscreen" in screens:
        expected.lock_colours = None
    shell.click(195, y)
    shell.wait_for("stills again", settle=0.8, test=lambda: near(shell.pixel(195, 60), (249, 249, 249), 6))
    for screen in screens:
        expected.shown(expected.settings, screen + "_Wallpaper", name)
        expected.shown(expected.settings, screen + "_Wallpaper_Custom", "false")


def open_store(shell):
    shell.swipe(350, 400, 40, 400)
    time.sleep(0.5)
    shell.click(146, 440)
    shell.wait_for("store", lambda: near(shell.pixel(5, 400), (42, 22, 79), 6), timeout=10)


def open_sources(shell):
    shell.swipe(350, 400, 40, 400)
    time.sleep(0.5)
    shell.click(241, 440)
    shell.wait_for("package manager", settle=0.3, test=lambda: near(shell.pixel(38, 812), (0, 122, 255), 10), timeout=10)
    shell.click(116, 815)
    shell.wait_for("sources", settle=0.3, retap=(116, 815),
                   test=lambda: near(shell.pixel(116, 812), (0, 122, 255), 10) and near(shell.pixel(5, 300), WHITE, 4))


def add_source(shell, expected, serial):
    url = "http://127.0.0.1:9/source%d" % serial
    shell.click(32, 100)
    shell.wait_for("address alert", settle=0.3, test=lambda: near(shell.pixel(100, 330), (242, 242, 242), 4))
    shell.xdo("windowfocus", "--sync", shell.window)
    shell.xdo("type", "--delay", 15, url)
    expected.sources_pending.add(url)
    shell.click(262, 419)
    shell.wait_for("alert gone", settle=0.3, test=lambda: near(shell.pixel(5, 300), WHITE, 4))
    expected.sources.add(url)
    expected.count["sources"] = expected.count.get("sources", 0) + 1


def drive(shell, expected, work, serial, arm, colour):
    """One session: what a user does between two crashes. Returns when the shell is gone."""
    if near(shell.pixel(10, 400), WHITE, 2):  # the setup screen
        expected.issue(expected.settings, "Setup_Complete", "true")
        shell.swipe(195, 816, 195, 600)
        shell.wait_for("lock screen", lambda: on_lock_or_home(shell))
        expected.shown(expected.settings, "Setup_Complete", "true")
    # Most sessions write through the simulator's menus at once; some first walk to the wallpaper
    # stills (a long way) or to the store, whose icons fill the picture cache. The kill is armed
    # once the session is where its writes happen.
    place = random.choices(["menus", "stills", "store", "sources"], [0.55, 0.25, 0.1, 0.1])[0]
    if place != "menus":
        unlock(shell)
        if place == "store":
            open_store(shell)
        elif place == "sources":
            open_sources(shell)
        else:
            open_choose(shell)
            set_photo(shell, expected, colour) if random.random() < 0.5 else open_stills(shell)
    arm()
    for step in range(1000):
        task = random.random()
        if task < 0.3 or (place != "stills" and task < 0.6):
            toggle_biometrics(shell, expected)
        elif place == "sources" and task < 0.8:
            add_source(shell, expected, serial * 1000 + step)
        elif task < 0.6 or place != "stills":
            import_contact(shell, expected, work, serial * 1000 + step)
        else:
            pick_still(shell, expected)


def summary(r):
    return ("kills %d (during start-up %d), verified starts %d, screens that stalled %d\n"
            "writes shown done: %s\nleft-over temporary files: %d%s\nfindings: %d, seeds %s, %d s"
            % (r["kills"], r["early"], r["starts"], r["stalls"],
               ", ".join("%s %d" % kv for kv in sorted(r["writes"].items())), len(r["litter"]),
               "".join("\n  " + p for p in r["litter"][:5]), len(r["findings"]), r["seeds"], r["seconds"]))


def run_jobs(args):
    """Runs the kills as several independent harnesses (each its own Xvfb, shell and data) and adds up."""
    work = args.keep or tempfile.mkdtemp(prefix="kestrel-killtest-")
    jobs = []
    for j in range(args.jobs):
        kills = args.kills // args.jobs + (j < args.kills % args.jobs)
        jobs.append(subprocess.Popen([sys.executable, os.path.abspath(__file__), "--build", args.build, "--json",
                                      "--kills", str(kills), "--seed", str(args.seed + j),
                                      "--keep", os.path.join(work, "job%d" % j)], stdout=subprocess.PIPE, text=True))
        CHILDREN.append(jobs[-1])
    total = dict(kills=0, early=0, starts=0, stalls=0, writes={}, litter=[], findings=[], seeds=[], seconds=0)
    try:
        for job in jobs:
            for line in job.stdout:
                if not line.startswith("RESULT "):
                    print(line, end="", flush=True)
                    continue
                r = json.loads(line[7:])
                for k, v in r.items():
                    if isinstance(v, dict):
                        for kind, n in v.items():
                            total[k][kind] = total[k].get(kind, 0) + n
                    elif k == "seconds":
                        total[k] = max(total[k], v)
                    else:
                        total[k] += v
            job.wait()
    finally:
        for job in jobs:
            job.terminate()
    print(summary(total))
    if not args.keep:
        shutil.rmtree(work, ignore_errors=True)
    return 1 if total["findings"] or total["kills"] < args.kills else 0


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--build", default="build")
    parser.add_argument("--kills", type=int, default=1000)
    parser.add_argument("--seed", type=int, default=int(time.time()))
    parser.add_argument("--keep", help="keep the data directory and screenshots of stalls here")
    parser.add_argument("--jobs", type=int, default=1, help="phones killed side by side, each its own data")
    parser.add_argument("--json", action="store_true", help=argparse.SUPPRESS)
    args = parser.parse_args()
    if not shutil.which("Xvfb") or not shutil.which("xdotool"):
        print("killtest: needs Xvfb and xdotool; skipped")
        return 77
    signal.signal(signal.SIGTERM, stop)
    args.build = os.path.abspath(args.build)  # the shell runs in another folder
    if args.jobs > 1:
        return run_jobs(args)
    random.seed(args.seed)
    tag = "job %d: " % args.seed if args.json else ""  # a job's progress goes straight to the terminal
    log = lambda text: print(tag + text, file=sys.stderr if args.json else sys.stdout, flush=True)
    work = args.keep or tempfile.mkdtemp(prefix="kestrel-killtest-")
    args.data = os.path.join(work, "data")
    for d in ("import", "home/Pictures", "stalls"):
        os.makedirs(os.path.join(work, d), exist_ok=True)
    xvfb_display_r, xvfb_display_w = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(xvfb_display_w), "-screen", "0", "1280x1024x24",
                             "-nolisten", "tcp"], pass_fds=[xvfb_display_w], stderr=subprocess.DEVNULL)
    CHILDREN.append(xvfb)
    display = ":" + os.read(xvfb_display_r, 64).decode().strip()
    x = X(display)
    env = {k: v for k, v in os.environ.items() if not k.startswith(("XDG_", "QT_", "WAYLAND"))}
    env.update(DISPLAY=display, HOME=os.path.join(work, "home"), QT_QUICK_BACKEND="software",
               QT_QPA_PLATFORM="xcb", KESTREL_STARTUP_TIMELINE="1")
    expected, findings, litter = Expected(), [], set()
    counts = dict(kills=0, starts=0, early=0, stalls=0)
    began, shell = time.time(), None
    os.makedirs(args.data, exist_ok=True)
    with open(os.path.join(args.data, "settings.ini"), "w") as f:  # the store and package manager installed
        f.write("[General]\nCydia_Installed=true\nTessel_Installed=true\n")
    expected.settings.update({"Cydia_Installed": {"true"}, "Tessel_Installed": {"true"}})
    try:
        for serial in range(args.kills):
            before = len(findings)
            if random.random() < 0.3:  # the store fetches its icons again
                shutil.rmtree(os.path.join(args.data, "Caches"), ignore_errors=True)
            colour = random.choice(PALETTE)  # the photo this session may set
            write_png(os.path.join(work, "home", "Pictures", "photo.png"), colour)
            shell = Shell(args, work, env, x)
            delay = random.uniform(0.0, 1.2) if random.random() < 0.15 else None
            if delay is not None:  # killed while starting
                counts["early"] += 1
                time.sleep(delay)
            elif not shell.wait_first_frame(60):
                findings.append("start %d: no first frame (exit %s)" % (serial, shell.proc.poll()))
            else:
                counts["starts"] += 1
                # The lock screen's picture is decoded beside the first frame and drawn a moment
                # later: a slow machine (or a sanitizer build) may need seconds.
                shows_photo = lambda: any(near(shell.pixel(10, 400), c, 40) for c in expected.lock_colours)
                waited = time.time() + 5
                while expected.lock_colours and not shows_photo() and time.time() < waited:
                    time.sleep(0.1)
                if expected.settings.get("Setup_Complete") == {"true"} and not on_lock_or_home(shell):
                    findings.append("start %d: setup screen shown again" % serial)
                elif expected.lock_colours and not shows_photo():
                    findings.append("start %d: lock screen shows %r, not the photo shown set (%r)"
                                    % (serial, shell.pixel(10, 400), expected.lock_colours))
                timer = threading.Timer(random.uniform(0.05, 3.0), shell.kill)
                arm = lambda: timer.is_alive() or timer.finished.is_set() or timer.start()
                try:
                    drive(shell, expected, work, serial, arm, colour)
                except Gone:
                    pass
                except Stall as stall:
                    counts["stalls"] += 1
                    if counts["stalls"] <= 10:
                        x.save_png(shell.window, 390, 876, os.path.join(work, "stalls", "%d.png" % serial))
                        log("stall %d: %s" % (serial, stall))
                arm()
                timer.join()
            shell.kill()
            counts["kills"] += 1
            if shell.proc.returncode != -signal.SIGKILL:  # it ended on its own: a crash or an exit
                findings.append("the shell ended by itself with status %s" % shell.proc.returncode)
            check_files(args.data, expected, findings, litter)
            for f in findings[before:]:
                log("kill %d: %s" % (serial, f))
            if (serial + 1) % 50 == 0:
                log("%d kills, %d findings, %.0f s" % (serial + 1, len(findings), time.time() - began))
        if not expected.count:
            findings.append("no write was shown done: the screens could not be driven")
    finally:
        if shell is not None:
            shell.kill()
        xvfb.kill()
    result = dict(counts, writes=expected.count, litter=sorted(litter), findings=findings, seeds=[args.seed],
                  seconds=round(time.time() - began))
    print(("RESULT " + json.dumps(result)) if args.json else summary(result), flush=True)
    if not args.keep:
        shutil.rmtree(work, ignore_errors=True)
    return 1 if findings else 0


if __name__ == "__main__":
    sys.exit(main())
