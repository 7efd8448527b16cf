#!/usr/bin/env python3
"""Writes the maker's site (maker/site) from maker/catalogue.tsv.

Everything under maker/site is generated here: the update document, the install manifests, the
default package source, the "/AddToKestrel" page, and the icon and screenshot pictures, which are
drawn pixel by pixel and written as PNG with zlib. Standard library only.

Run it after changing the catalogue, the packages below or the drawing code, and commit its
output: python3 maker/tools/make-site.py
With --check it writes nothing and fails when the committed site differs from what it would write.
With --cxx FILE it writes only the shell's compiled catalogue table (the build runs this), so the
store's rows and the site's manifests, icons and screenshots come from the same lines.
"""

import colorsys
import hashlib
import json
import math
import re
import struct
import sys
import zlib
from pathlib import Path
from xml.sax.saxutils import escape

MAKER = Path(__file__).resolve().parent.parent
REPO = MAKER.parent
SITE = MAKER / "site"
CATALOGUE = MAKER / "catalogue.tsv"
COLUMNS = ["name", "icon", "plist", "section", "banner", "twitter", "website", "description", "dev",
           "screenshots"]
SECTIONS = ["Emulators"] * 6 + ["Jailbreaks"] + ["Entertainment"] * 2 + ["Other"] * 2 \
    + ["Tweaked"] * 11 + ["Jailbreaks"] + ["Games"] * 2 + ["Other"] * 3
ICON_SIZE = 120
SCREENSHOT_SIZE = (240, 480)


def cmake_cache_default(name):
    text = (REPO / "CMakeLists.txt").read_text(encoding="utf-8")
    match = re.search(r'set\(%s "([^"]*)" CACHE' % re.escape(name), text)
    if not match:
        sys.exit("make-site: %s not found in the top CMakeLists.txt" % name)
    return match.group(1)


VERSION = cmake_cache_default("KESTREL_VERSION")
MAKER_URL = cmake_cache_default("KESTREL_MAKER_URL")
ICON_URL = cmake_cache_default("KESTREL_ICON_URL")


# --- catalogue -------------------------------------------------------------------------------

def read_catalogue():
    lines = CATALOGUE.read_text(encoding="utf-8").split("\n")
    if lines[0].split("\t") != COLUMNS:
        sys.exit("make-site: catalogue header must be: " + "\t".join(COLUMNS))
    rows = [dict(zip(COLUMNS, line.split("\t"))) for line in lines[1:] if line]
    for number, line in enumerate((l for l in lines[1:] if l), start=1):
        if len(line.split("\t")) != len(COLUMNS):
            sys.exit("make-site: catalogue row %d has not %d columns" % (number, len(COLUMNS)))
    check_catalogue(rows)
    return rows


def check_catalogue(rows):
    """Holds the catalogue to the shape the store relies on; stops at the first row that breaks it."""
    def fail(message):
        sys.exit("make-site: catalogue: " + message)

    if len(rows) != 28:
        fail("%d rows, want 28" % len(rows))
    for number, (row, section) in enumerate(zip(rows, SECTIONS), start=1):
        stem = row["name"].replace(" ", "")
        if row["section"] != section:
            fail("row %d is in %r, want %r" % (number, row["section"], section))
        if row["icon"] != stem + "Icon":
            fail("row %d icon key %r, want %r" % (number, row["icon"], stem + "Icon"))
        if row["banner"] not in ("", stem + "Banner"):
            fail("row %d banner key %r" % (number, row["banner"]))
        if not re.fullmatch(r"[A-Za-z0-9+]+", row["plist"]):
            fail("row %d manifest name %r" % (number, row["plist"]))
        has_description = number in (7, 23, 26, 27, 28)
        if bool(row["description"]) != has_description:
            fail("row %d description presence" % number)
        if bool(row["screenshots"]) != (number in (7, 9, 11, 23)):
            fail("row %d screenshot presence" % number)
        contacts = (row["twitter"], row["website"], row["dev"])
        if number in (4, 5, 7, 10, 11, 17, 18, 23, 26, 27, 28):
            if not any(contacts):
                fail("row %d wants a handle, website or developer" % number)
        elif number == 24:
            if contacts[0] or contacts[1] or not contacts[2]:
                fail("row 24 has a developer name only")
        elif number in (8, 9):
            if contacts[0] or not contacts[1] or contacts[2]:
                fail("row %d has a website only" % number)
        elif any(contacts):
            fail("row %d has no handle, website or developer" % number)
    if sum(1 for row in rows if row["banner"]) != 16:
        fail("16 rows carry a banner")
    for row in rows[25:]:
        if not all(row[key] for key in ("banner", "twitter", "website", "description", "dev")):
            fail("the maker's own rows carry banner, handle, website, description and developer")
    differing = [row for row in rows if row["plist"] != row["name"].replace(" ", "")]
    if len(differing) != 2:
        fail("exactly two manifest names differ from their display names, not %d" % len(differing))
    if "\u200b" not in rows[6]["description"]:
        fail("row 7's tagline keeps its zero-width space")
    if len({row["name"] for row in rows}) != 28 or len({row["plist"] for row in rows}) != 28:
        fail("names and manifest names are unique")


# --- packages of the default source ----------------------------------------------------------

def icon(key):
    """A package's icon address on the icon server."""
    return ICON_URL + key + ".png"


def packages():
    return [
        {"PackageName": "Clear Dock", "PackageID": "org.kestrel.tessel.cleardock", "Category": "Tweaks",
         "PackageVersion": "1.2", "AppIcon": icon("ClearDockPackage"),
         "AuthorEmail": "mara.quist@kestrel.example", "ContactEmail": "help@kestrel.example",
         "Website": "https://kestrel.example/cleardock",
         "Description": "Makes the dock platter fully transparent; the icons stay where they are.",
         "DockOpacity": 0},
        {"PackageName": "Solid Dock", "PackageID": "org.kestrel.tessel.soliddock", "Category": "Tweaks",
         "PackageVersion": "1.0", "AppIcon": icon("SolidDockPackage"),
         "AuthorEmail": "mara.quist@kestrel.example", "ContactEmail": "help@kestrel.example",
         "Description": "Brings back the normal dock platter.", "DockOpacity": 1},
        {"PackageName": "Dense Dock", "PackageID": "org.kestrel.tessel.densedock", "Category": "Tweaks",
         "PackageVersion": "0.9", "AppIcon": icon("DenseDockPackage"),
         "Website": "https://kestrel.example/densedock",
         "Description": "Asks for five times the usual opacity. The dock cannot get more solid than solid.",
         "DockOpacity": 5},
        {"PackageName": "Dock Reset", "PackageID": "org.kestrel.tessel.dockreset", "Category": "Tweaks",
         "PackageVersion": "1.0"},
        {"PackageName": "Dusk Theme", "PackageID": "org.kestrel.tessel.dusktheme", "Category": "Themes",
         "PackageVersion": "2.1", "AppIcon": icon("DuskThemePackage"),
         "AuthorEmail": "ody.brant@kestrel.example", "Website": "https://kestrel.example/dusk",
         "Description": "Evening colours for every icon on the home screen."},
        {"PackageName": "Battery Sage", "PackageID": "org.kestrel.tessel.batterysage", "Category": "Utilities",
         "PackageVersion": "3.0.4", "AppIcon": icon("BatterySagePackage"),
         "ContactEmail": "sage@kestrel.example",
         "Description": "Shows how long the battery will last at the current pace."},
        {"PackageName": "Icon Tide", "PackageID": "org.kestrel.tessel.icontide", "Category": "Themes",
         "PackageVersion": "1.1", "AppIcon": icon("IconTidePackage"),
         "Description": "Soft sea-glass icons in seven shades."},
    ]


# --- PNG pictures ----------------------------------------------------------------------------

# 5 x 7 glyphs, one string of seven rows of five cells each ("#" is ink).
FONT = {
    "A": ".###. #...# #...# ##### #...# #...# #...#",
    "B": "####. #...# #...# ####. #...# #...# ####.",
    "C": ".###. #...# #.... #.... #.... #...# .###.",
    "D": "####. #...# #...# #...# #...# #...# ####.",
    "E": "##### #.... #.... ####. #.... #.... #####",
    "F": "##### #.... #.... ####. #.... #.... #....",
    "G": ".###. #...# #.... #.### #...# #...# .####",
    "H": "#...# #...# #...# ##### #...# #...# #...#",
    "I": ".###. ..#.. ..#.. ..#.. ..#.. ..#.. .###.",
    "J": "..### ...#. ...#. ...#. ...#. #..#. .##..",
    "K": "#...# #..#. #.#.. ##... #.#.. #..#. #...#",
    "L": "#.... #.... #.... #.... #.... #.... #####",
    "M": "#...# ##.## #.#.# #.#.# #...# #...# #...#",
    "N": "#...# #...# ##..# #.#.# #..## #...# #...#",
    "O": ".###. #...# #...# #...# #...# #...# .###.",
    "P": "####. #...# #...# ####. #.... #.... #....",
    "Q": ".###. #...# #...# #...# #.#.# #..#. .##.#",
    "R": "####. #...# #...# ####. #.#.. #..#. #...#",
    "S": ".#### #.... #.... .###. ....# ....# ####.",
    "T": "##### ..#.. ..#.. ..#.. ..#.. ..#.. ..#..",
    "U": "#...# #...# #...# #...# #...# #...# .###.",
    "V": "#...# #...# #...# #...# #...# .#.#. ..#..",
    "W": "#...# #...# #...# #.#.# #.#.# #.#.# .#.#.",
    "X": "#...# #...# .#.#. ..#.. .#.#. #...# #...#",
    "Y": "#...# #...# .#.#. ..#.. ..#.. ..#.. ..#..",
    "Z": "##### ....# ...#. ..#.. .#... #.... #####",
    "0": ".###. #...# #..## #.#.# ##..# #...# .###.",
    "1": "..#.. .##.. ..#.. ..#.. ..#.. ..#.. .###.",
    "2": ".###. #...# ....# ...#. ..#.. .#... #####",
    "3": "####. ....# ....# .###. ....# ....# ####.",
    "4": "...#. ..##. .#.#. #..#. ##### ...#. ...#.",
    "5": "##### #.... ####. ....# ....# #...# .###.",
    "6": "..##. .#... #.... ####. #...# #...# .###.",
    "7": "##### ....# ...#. ..#.. .#... .#... .#...",
    "8": ".###. #...# #...# .###. #...# #...# .###.",
    "9": ".###. #...# #...# .#### ....# ...#. .##..",
    "+": "..... ..#.. ..#.. ##### ..#.. ..#.. .....",
    " ": " ".join(["....."] * 7),
}


class Canvas:
    def __init__(self, width, height):
        self.width, self.height = width, height
        self.pixels = bytearray(width * height * 4)

    def blend(self, x, y, colour, alpha):
        if alpha <= 0 or not (0 <= x < self.width and 0 <= y < self.height):
            return
        i = (y * self.width + x) * 4
        r, g, b = colour
        below = self.pixels[i + 3] / 255
        out = alpha + below * (1 - alpha)
        for c, value in enumerate((r, g, b)):
            mixed = (value * alpha + self.pixels[i + c] * below * (1 - alpha)) / out
            self.pixels[i + c] = max(0, min(255, round(mixed)))
        self.pixels[i + 3] = round(out * 255)

    def fill(self, coverage, paint, box=None):
        """coverage(x, y) -> 0..1 at the pixel centre; paint(x, y) -> (r, g, b)."""
        x0, y0, x1, y1 = box or (0, 0, self.width, self.height)
        for y in range(max(0, y0), min(self.height, y1)):
            for x in range(max(0, x0), min(self.width, x1)):
                a = coverage(x + 0.5, y + 0.5)
                if a > 0:
                    self.blend(x, y, paint(x, y), a)

    def rounded_rect(self, x0, y0, x1, y1, radius, paint, alpha=1.0):
        def coverage(px, py):
            dx = max(x0 + radius - px, 0, px - (x1 - radius))
            dy = max(y0 + radius - py, 0, py - (y1 - radius))
            return alpha * edge(math.hypot(dx, dy) - radius)
        self.fill(coverage, as_paint(paint), (int(x0), int(y0), math.ceil(x1), math.ceil(y1)))

    def circle(self, cx, cy, r, paint, alpha=1.0, inner=0.0):
        def coverage(px, py):
            d = math.hypot(px - cx, py - cy)
            return alpha * edge(d - r) * (1 - edge(d - inner) if inner else 1)
        self.fill(coverage, as_paint(paint), (int(cx - r - 1), int(cy - r - 1), math.ceil(cx + r + 1),
                                              math.ceil(cy + r + 1)))

    def text(self, x, y, text, scale, colour, alpha=1.0):
        for n, ch in enumerate(text.upper()):
            glyph = FONT.get(ch, FONT[" "]).replace(" ", "")
            for i, bit in enumerate(glyph):
                if bit != "#":
                    continue
                gx, gy = x + (n * 6 + i % 5) * scale, y + (i // 5) * scale
                for yy in range(gy, gy + scale):
                    for xx in range(gx, gx + scale):
                        self.blend(xx, yy, colour, alpha)

    def png(self):
        rows = b"".join(b"\x00" + bytes(self.pixels[y * self.width * 4:(y + 1) * self.width * 4])
                        for y in range(self.height))

        def chunk(kind, data):
            return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

        header = struct.pack(">IIBBBBB", self.width, self.height, 8, 6, 0, 0, 0)
        return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(rows, 9))
                + chunk(b"IEND", b""))


def edge(distance):
    return max(0.0, min(1.0, 0.5 - distance))


def as_paint(paint):
    return paint if callable(paint) else (lambda x, y: paint)


def mix(a, b, t):
    return tuple(round(a[i] + (b[i] - a[i]) * t) for i in range(3))


def palette(key):
    digest = hashlib.md5(key.encode("utf-8")).digest()
    hue = digest[0] / 255
    sat = 0.55 + digest[1] / 255 * 0.25

    def rgb(h, s, v):
        return tuple(round(c * 255) for c in colorsys.hsv_to_rgb(h % 1.0, s, v))
    return rgb(hue, sat, 0.95), rgb(hue + 0.09 + digest[2] / 255 * 0.08, sat + 0.1, 0.62), digest


def initials(name):
    words = [w for w in name.replace("+", " ").split() if w]
    letters = "".join(w[0] for w in words[:2]).upper()
    return letters if all(ch in FONT for ch in letters) else "K"


WHITE, BLACK = (255, 255, 255), (0, 0, 0)


def draw_icon(key, name):
    size = ICON_SIZE
    light, dark, digest = palette(key)
    canvas = Canvas(size, size)
    canvas.rounded_rect(0, 0, size, size, 26, lambda x, y: mix(light, dark, (x + y) / (2 * size)))
    motif = digest[3] % 4
    if motif == 0:
        canvas.circle(size * 0.78, size * 0.22, size * 0.42, WHITE, 0.18)
    elif motif == 1:
        canvas.circle(size / 2, size / 2, size * 0.44, WHITE, 0.22, inner=size * 0.36)
    elif motif == 2:
        canvas.fill(lambda px, py: 0.14 if int((px + py) / 14) % 2 and
                    math.hypot(max(26 - px, 0, px - 94), max(26 - py, 0, py - 94)) < 26 else 0,
                    as_paint(WHITE))
    else:
        for i in range(3):
            canvas.rounded_rect(14 + i * 34, 92, 38 + i * 34, 104, 6, WHITE, 0.25)
    letters = initials(name)
    scale = 10 if len(letters) == 1 else 7
    width, height = (len(letters) * 6 - 1) * scale, 7 * scale
    x, y = (size - width) // 2, (size - height) // 2 - (4 if motif == 3 else 0)
    canvas.text(x + 2, y + 3, letters, scale, BLACK, 0.22)
    canvas.text(x, y, letters, scale, WHITE)
    return canvas.png()


def draw_tessel_icon():
    size = ICON_SIZE
    canvas = Canvas(size, size)
    top, bottom = (132, 94, 230), (58, 32, 128)
    canvas.rounded_rect(0, 0, size, size, 26, lambda x, y: mix(top, bottom, y / size))
    # A tessellation of triangles, every other one lighter.
    step = 24

    def coverage(px, py):
        row, fy = divmod(py, step)
        fx = (px + (row % 2) * step / 2) % step
        upper = fy / step < 1 - abs(fx / step * 2 - 1)
        inside_icon = math.hypot(max(26 - px, 0, px - 94), max(26 - py, 0, py - 94)) < 26
        return 0.16 if upper and inside_icon else 0
    canvas.fill(coverage, as_paint(WHITE))
    canvas.text(35, 25, "T", 10, BLACK, 0.25)
    canvas.text(33, 22, "T", 10, WHITE)
    return canvas.png()


def draw_screenshot(prefix, name, number):
    width, height = SCREENSHOT_SIZE
    light, dark, _ = palette(prefix + "Screenshot")
    canvas = Canvas(width, height)
    pale = mix(light, WHITE, 0.82)
    canvas.fill(lambda px, py: 1.0, lambda x, y: mix(pale, WHITE, y / height))
    canvas.fill(lambda px, py: 1.0, lambda x, y: mix(light, dark, x / width), (0, 0, width, 64))
    title = name.upper()[:16]
    canvas.text((width - (len(title) * 6 - 1) * 2) // 2, 30, title, 2, WHITE)
    if number == 1:
        # A list: five cards, each with a round picture and two lines of text.
        for i in range(5):
            top = 80 + i * 76
            canvas.rounded_rect(12, top, width - 12, top + 64, 12, WHITE)
            canvas.rounded_rect(12, top, width - 12, top + 64, 12, dark, 0.06)
            canvas.circle(44, top + 32, 20, mix(light, dark, i / 4))
            canvas.rounded_rect(76, top + 18, 76 + 120 - i * 12, top + 28, 5, (90, 90, 100))
            canvas.rounded_rect(76, top + 38, 76 + 80 + i * 10, top + 46, 4, (170, 170, 180))
    else:
        # A grid of six tiles, the first holding the app's initials.
        for i in range(6):
            col, row = i % 2, i // 2
            x0, y0 = 12 + col * 114, 80 + row * 128
            canvas.rounded_rect(x0, y0, x0 + 102, y0 + 116, 14,
                                lambda x, y, t=i / 5, top=y0: mix(mix(light, dark, t), dark, (y - top) / 232))
        letters = initials(name)
        canvas.text(12 + (102 - (len(letters) * 6 - 1) * 5) // 2, 80 + 40, letters, 5, WHITE)
    canvas.rounded_rect(width / 2 - 50, height - 14, width / 2 + 50, height - 8, 3, (40, 40, 48))
    return canvas.png()


# --- documents -------------------------------------------------------------------------------

def manifest(package_url, icon_url, identifier, version, title):
    def string(value):
        return "<string>%s</string>" % escape(value)

    def asset(kind, url, indent):
        pad = "\t" * indent
        return (f"{pad}<dict>\n{pad}\t<key>kind</key>\n{pad}\t{string(kind)}\n"
                f"{pad}\t<key>url</key>\n{pad}\t{string(url)}\n{pad}</dict>\n")

    return ('<?xml version="1.0" encoding="UTF-8"?>\n'
            '<!DOCTYPE plist PUBLIC "-//Apple//DTD PLIST 1.0//EN" '
            '"http://www.apple.com/DTDs/PropertyList-1.0.dtd">\n'
            '<plist version="1.0">\n<dict>\n\t<key>items</key>\n\t<array>\n\t\t<dict>\n'
            '\t\t\t<key>assets</key>\n\t\t\t<array>\n'
            + asset("software-package", package_url, 4)
            + asset("display-image", icon_url, 4)
            + asset("full-size-image", icon_url, 4)
            + '\t\t\t</array>\n\t\t\t<key>metadata</key>\n\t\t\t<dict>\n'
            f'\t\t\t\t<key>bundle-identifier</key>\n\t\t\t\t{string(identifier)}\n'
            f'\t\t\t\t<key>bundle-version</key>\n\t\t\t\t{string(version)}\n'
            f'\t\t\t\t<key>kind</key>\n\t\t\t\t{string("software")}\n'
            f'\t\t\t\t<key>title</key>\n\t\t\t\t{string(title)}\n'
            '\t\t\t</dict>\n\t\t</dict>\n\t</array>\n</dict>\n</plist>\n')


def bundle_identifier(manifest_name):
    return "org.kestrel.tessel." + re.sub(r"[^a-z0-9]", "", manifest_name.lower().replace("++", "plus"))


ADD_TO_KESTREL = """<!DOCTYPE html>
<html lang="en">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>Tessel for Kestrel</title>
<style>
  body { margin: 0; min-height: 100vh; display: flex; align-items: center; justify-content: center;
         font-family: sans-serif; color: #fff; background: linear-gradient(160deg, #845ee6, #3a2080); }
  main { text-align: center; padding: 32px; }
  img { border-radius: 26px; box-shadow: 0 8px 24px rgba(0, 0, 0, 0.3); }
  h1 { font-size: 28px; margin: 24px 0 8px; }
  p { font-size: 17px; opacity: 0.85; margin: 6px 0; }
</style>
</head>
<body>
<main>
  <img src="/icons/TesselIcon.png" alt="" width="96" height="96">
  <h1>Welcome to Tessel</h1>
  <p>The Tessel store has been added to your home screen.</p>
  <p>Swipe up to go home, then tap Tessel to browse apps.</p>
</main>
</body>
</html>
"""


# --- the package manager's second repository and social profile pages --------------------------

# A repository a user adds by hand in the Sources tab; the default one is "/Cydia.json".
SECOND_REPOSITORY = "repos/Lighthouse.json"


def second_repository_packages():
    return [
        {"PackageName": "Half Dock", "PackageID": "org.lighthouse.halfdock", "Category": "Tweaks",
         "PackageVersion": "0.5", "AppIcon": icon("HalfDockPackage"),
         "AuthorEmail": "pell.arno@lighthouse.example",
         "Description": "Asks for a half-clear dock; whole numbers only, so it comes out clear.",
         "DockOpacity": 0},
        {"PackageName": "Harbour Glow", "PackageID": "org.lighthouse.harbourglow", "Category": "Tweaks",
         "PackageVersion": "1.3", "AppIcon": icon("HarbourGlowPackage"), "Website": "https://lighthouse.example",
         "DockOpacity": 1},
        {"PackageName": "Fog Icons", "PackageID": "org.lighthouse.fogicons", "Category": "Themes",
         "PackageVersion": "2.0", "AppIcon": icon("FogIconsPackage")},
        {"PackageName": "Keel Tweak", "PackageID": "org.lighthouse.keel", "Category": "tweaks",
         "PackageVersion": "1.0", "Description": "Filed under a lower-case section, so it is not a tweak here."},
    ]


PROFILE_PAGE = """<!DOCTYPE html>
<html lang="en">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>{title}</title>
<style>
  body {{ margin: 0; font-family: sans-serif; background: #f0f2f5; color: #1c1e21; }}
  header {{ height: 120px; background: linear-gradient(135deg, {start}, {end}); }}
  main {{ padding: 0 20px 32px; }}
  .avatar {{ width: 88px; height: 88px; border-radius: 44px; margin-top: -44px; border: 4px solid #fff;
             background: {end}; color: #fff; font-size: 36px; font-weight: bold; display: flex;
             align-items: center; justify-content: center; }}
  h1 {{ font-size: 24px; margin: 12px 0 2px; }}
  .handle {{ color: #65676b; margin: 0 0 16px; }}
  .post {{ background: #fff; border-radius: 12px; padding: 14px 16px; margin: 10px 0; }}
  .network {{ color: #65676b; font-size: 13px; margin-top: 24px; }}
</style>
</head>
<body>
<header></header>
<main>
  <div class="avatar">{initial}</div>
  <h1>{name}</h1>
  <p class="handle">{handle}</p>
{posts}
  <p class="network">{network}: a made-up social network page, served by the maker's site.</p>
</main>
</body>
</html>
"""


def profile_page(title, name, handle, network, colours, posts):
    return PROFILE_PAGE.format(title=escape(title), name=escape(name), handle=escape(handle),
                               network=escape(network), start=colours[0], end=colours[1],
                               initial=escape(name[0]),
                               posts="\n".join('  <div class="post">%s</div>' % escape(post) for post in posts))


def package_manager_files():
    """The second repository with its icons and the two profile pages the home tab opens."""
    files = {SECOND_REPOSITORY: json.dumps(second_repository_packages(), indent=2, ensure_ascii=False) + "\n"}
    for package in second_repository_packages():
        if "AppIcon" in package:
            key = package["AppIcon"][len(ICON_URL):-len(".png")]
            files["icons/%s.png" % key] = draw_icon(key, package["PackageName"])
    files["profiles/cydia"] = profile_page(
        "Cydia on Circlet", "Cydia", "circlet.example/cydia", "Circlet", ("#5b7cfa", "#2b3f9e"),
        ["Sources, tweaks and a dock that does what you tell it.",
         "New in the Tessel repository: Dense Dock, for people who like their dock solid."])
    files["profiles/wren_hollis"] = profile_page(
        "@wren_hollis on Chirrup", "Wren Hollis", "@wren_hollis", "Chirrup", ("#35b6a8", "#1d6f66"),
        ["Building a phone shell in my spare evenings. The dock can be see-through now.",
         "Tip: add a source by hand from the Sources tab, Add, then the address."])
    return files
# --- the shell's compiled catalogue ---------------------------------------------------------

def cxx_string(text):
    """A char16_t literal; everything outside printable ASCII escaped, so the zero-width space
    survives any editor or compiler source charset."""
    out = []
    for ch in text:
        if ch in '"\\?':
            out.append("\\" + ch)
        elif " " <= ch <= "~":
            out.append(ch)
        else:
            out.append("\\u%04x" % ord(ch) if ord(ch) < 0x10000 else "\\U%08x" % ord(ch))
    return 'u"' + "".join(out) + '"'


def catalogue_table(rows):
    lines = ["// Generated by maker/tools/make-site.py from maker/catalogue.tsv at build time; do not edit.",
             "// Columns: " + ", ".join(COLUMNS) + ".",
             "// plist is the manifest name and screenshots the screenshot prefix: the shell makes the",
             "// full addresses from its compiled-in maker address.",
             "static constexpr CatalogueRow CatalogueRows[] = {"]
    for row in rows:
        lines.append("    {" + ", ".join(cxx_string(row[column]) for column in COLUMNS) + "},")
    lines.append("};")
    return "\n".join(lines) + "\n"


def write_if_changed(path, text):
    path = Path(path)
    if not path.exists() or path.read_text(encoding="utf-8") != text:
        path.parent.mkdir(parents=True, exist_ok=True)
        path.write_text(text, encoding="utf-8")


# --- output ----------------------------------------------------------------------------------

def write_tree(files, check):
    """Writes every generated file and removes the ones a previous run made that are gone now.
    With check, only lists what would change; returns the number of such files."""
    changes = 0
    for folder in ("plist", "icons", "Screenshots"):
        for old in (SITE / folder).glob("*"):
            if old.relative_to(SITE).as_posix() not in files:
                changes += 1
                if check:
                    print("make-site: stale " + old.relative_to(SITE).as_posix())
                else:
                    old.unlink()
    for relative, data in sorted(files.items()):
        path = SITE / relative
        if isinstance(data, str):
            data = data.encode("utf-8")
        if path.exists() and path.read_bytes() == data:
            continue
        changes += 1
        if check:
            print("make-site: out of date " + relative)
        else:
            path.parent.mkdir(parents=True, exist_ok=True)
            path.write_bytes(data)
    return changes


def main():
    if len(sys.argv) == 3 and sys.argv[1] == "--cxx":
        write_if_changed(sys.argv[2], catalogue_table(read_catalogue()))
        return
    check = sys.argv[1:] == ["--check"]
    if sys.argv[1:] and not check:
        sys.exit("usage: make-site.py [--check | --cxx FILE]")
    rows = read_catalogue()
    files = {}
    for row in rows:
        files["plist/%s.plist" % row["plist"]] = manifest(
            "%s/packages/%s.ipa" % (MAKER_URL, row["plist"]), ICON_URL + row["icon"] + ".png",
            bundle_identifier(row["plist"]), "1.0", row["name"])
        files["icons/%s.png" % row["icon"]] = draw_icon(row["icon"], row["name"])
        if row["screenshots"]:
            for number in (1, 2):
                files["Screenshots/%sScreenshot%d.png" % (row["screenshots"], number)] = draw_screenshot(
                    row["screenshots"], row["name"], number)
    files["plist/Kestrel.plist"] = manifest("%s/packages/Kestrel.ipa" % MAKER_URL, ICON_URL + "KestrelIcon.png",
                                            "org.kestrel.shell", VERSION, "Kestrel")
    files["icons/KestrelIcon.png"] = draw_icon("KestrelIcon", "Kestrel")
    files["icons/TesselIcon.png"] = draw_tessel_icon()
    for package in packages():
        if "AppIcon" in package:
            key = package["AppIcon"][len(ICON_URL):-len(".png")]
            files["icons/%s.png" % key] = draw_icon(key, package["PackageName"])
    files["Cydia.json"] = json.dumps(packages(), indent=2, ensure_ascii=False) + "\n"
    # The published build first, then a newer one, so the Software Update page shows both its
    # "up to date" block and an update card against a shell of the published version.
    parts = VERSION.split(".")
    newer = ".".join(parts[:-1] + [str(int(parts[-1]) + 1)])
    files["Kestrelapp/KestrelUpdate.json"] = json.dumps(
        [{"version": VERSION,
          "log": "Kestrel %s: the first public build, with the Tessel store and dock tweaks." % VERSION},
         {"version": newer,
          "log": "Kestrel %s: smoother folder animations, a brighter dock and fixes for the passcode keypad." % newer}],
        indent=2) + "\n"
    files["AddToKestrel"] = ADD_TO_KESTREL
    files.update(package_manager_files())
    changes = write_tree(files, check)
    if check:
        if changes:
            sys.exit("make-site: %d files differ; run maker/tools/make-site.py and commit the site" % changes)
        print("make-site: all %d files are current" % len(files))
    else:
        print("make-site: %d of %d files changed under %s" % (changes, len(files), SITE))


if __name__ == "__main__":
    main()
