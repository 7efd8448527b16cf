#!/usr/bin/env python3
"""Writes Kestrel's vector artwork: the app icons (assets/icons) and the small named pictures
(assets/pictures), as SVG that Qt's SVG renderer draws (paths, shapes, gradients, text; no
filters, masks or CSS). Every picture is original. Run from anywhere:

    tools/make-artwork.py            # writes into the repository's assets/
    tools/make-artwork.py OUT_DIR    # writes OUT_DIR/icons and OUT_DIR/pictures

The wallpapers are raster pictures drawn by tools/make-artwork.cpp.
"""
import math
import os
import sys

SIZE = 180


def fmt(v):
    return ('%.2f' % v).rstrip('0').rstrip('.')


class Svg:
    """One 180 x 180 picture built from shapes; gradients get unique ids."""

    def __init__(self):
        self.defs = []
        self.body = []
        self.ids = 0

    def _id(self):
        self.ids += 1
        return 'g%d' % self.ids

    def linear(self, stops, x1=0, y1=0, x2=0, y2=SIZE):
        gid = self._id()
        s = ''.join('<stop offset="%s" stop-color="%s"%s/>' % (fmt(o), c, '' if a == 1 else ' stop-opacity="%s"' % fmt(a))
                    for o, c, a in _stops(stops))
        self.defs.append('<linearGradient id="%s" gradientUnits="userSpaceOnUse" x1="%s" y1="%s" x2="%s" y2="%s">%s</linearGradient>'
                         % (gid, fmt(x1), fmt(y1), fmt(x2), fmt(y2), s))
        return 'url(#%s)' % gid

    def radial(self, stops, cx, cy, r, fx=None, fy=None):
        gid = self._id()
        s = ''.join('<stop offset="%s" stop-color="%s"%s/>' % (fmt(o), c, '' if a == 1 else ' stop-opacity="%s"' % fmt(a))
                    for o, c, a in _stops(stops))
        self.defs.append('<radialGradient id="%s" gradientUnits="userSpaceOnUse" cx="%s" cy="%s" r="%s" fx="%s" fy="%s">%s</radialGradient>'
                         % (gid, fmt(cx), fmt(cy), fmt(r), fmt(cx if fx is None else fx), fmt(cy if fy is None else fy), s))
        return 'url(#%s)' % gid

    def add(self, element):
        self.body.append(element)

    def rect(self, x, y, w, h, fill, rx=0, **kw):
        self.add('<rect x="%s" y="%s" width="%s" height="%s"%s fill="%s"%s/>'
                 % (fmt(x), fmt(y), fmt(w), fmt(h), ' rx="%s" ry="%s"' % (fmt(rx), fmt(rx)) if rx else '', fill, _attrs(kw)))

    def circle(self, cx, cy, r, fill, **kw):
        self.add('<circle cx="%s" cy="%s" r="%s" fill="%s"%s/>' % (fmt(cx), fmt(cy), fmt(r), fill, _attrs(kw)))

    def ellipse(self, cx, cy, rx, ry, fill, **kw):
        self.add('<ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="%s"%s/>' % (fmt(cx), fmt(cy), fmt(rx), fmt(ry), fill, _attrs(kw)))

    def path(self, d, fill, **kw):
        self.add('<path d="%s" fill="%s"%s/>' % (d, fill, _attrs(kw)))

    def line(self, x1, y1, x2, y2, stroke, width, **kw):
        kw.setdefault('stroke_linecap', 'round')
        self.add('<line x1="%s" y1="%s" x2="%s" y2="%s" stroke="%s" stroke-width="%s"%s/>'
                 % (fmt(x1), fmt(y1), fmt(x2), fmt(y2), stroke, fmt(width), _attrs(kw)))

    def polygon(self, points, fill, **kw):
        self.path('M' + ' L'.join('%s %s' % (fmt(x), fmt(y)) for x, y in points) + ' Z', fill, **kw)

    def text(self, x, y, content, size, fill, weight='bold', anchor='middle', family='Inter', **kw):
        self.add('<text x="%s" y="%s" font-family="%s" font-size="%s" font-weight="%s" text-anchor="%s" fill="%s"%s>%s</text>'
                 % (fmt(x), fmt(y), family, fmt(size), weight, anchor, fill, _attrs(kw), content))

    def group(self, transform, build):
        self.add('<g transform="%s">' % transform)
        build()
        self.add('</g>')

    def background(self, top, bottom=None):
        fill = top if bottom is None else self.linear([(0, top), (1, bottom)])
        self.rect(0, 0, SIZE, SIZE, fill)

    def svg(self):
        return ('<?xml version="1.0" encoding="UTF-8"?>\n'
                '<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" '
                'width="%d" height="%d" viewBox="0 0 %d %d">\n<defs>%s</defs>\n%s\n</svg>\n'
                % (SIZE, SIZE, SIZE, SIZE, ''.join(self.defs), '\n'.join(self.body)))


def _stops(stops):
    for s in stops:
        yield (s[0], s[1], s[2] if len(s) > 2 else 1)


def _attrs(kw):
    return ''.join(' %s="%s"' % (k.replace('_', '-'), fmt(v) if isinstance(v, float) else v) for k, v in kw.items())


def arc_point(cx, cy, r, deg):
    a = math.radians(deg)
    return cx + r * math.cos(a), cy + r * math.sin(a)


def star_points(cx, cy, outer, inner, n=5, rotation=-90):
    pts = []
    for i in range(n * 2):
        r = outer if i % 2 == 0 else inner
        pts.append(arc_point(cx, cy, r, rotation + i * 180 / n))
    return pts


def gear_path(cx, cy, outer, inner, teeth, hole):
    """A toothed wheel with a round hole (even-odd fill)."""
    pts = []
    step = 360 / teeth
    for i in range(teeth):
        a = i * step
        pts += [arc_point(cx, cy, inner, a - step * 0.5), arc_point(cx, cy, inner, a - step * 0.28),
                arc_point(cx, cy, outer, a - step * 0.17), arc_point(cx, cy, outer, a + step * 0.17),
                arc_point(cx, cy, inner, a + step * 0.28)]
    d = 'M' + ' L'.join('%s %s' % (fmt(x), fmt(y)) for x, y in pts) + ' Z'
    d += ' M%s %s a%s %s 0 1 0 %s 0 a%s %s 0 1 0 %s 0 Z' % (fmt(cx - hole), fmt(cy), fmt(hole), fmt(hole), fmt(2 * hole),
                                                            fmt(hole), fmt(hole), fmt(-2 * hole))
    return d


def ring_path(cx, cy, r_out, r_in):
    return ('M%s %s a%s %s 0 1 0 %s 0 a%s %s 0 1 0 %s 0 Z M%s %s a%s %s 0 1 0 %s 0 a%s %s 0 1 0 %s 0 Z'
            % (fmt(cx - r_out), fmt(cy), fmt(r_out), fmt(r_out), fmt(2 * r_out), fmt(r_out), fmt(r_out), fmt(-2 * r_out),
               fmt(cx - r_in), fmt(cy), fmt(r_in), fmt(r_in), fmt(2 * r_in), fmt(r_in), fmt(r_in), fmt(-2 * r_in)))


WHITE = '#ffffff'

# ---------------------------------------------------------------- app icons


def settings_icon(s):
    s.background('#a3a8b0', '#6d737c')
    s.path(gear_path(90, 90, 70, 57, 24, 0), '#3f444b')
    s.circle(90, 90, 52, s.linear([(0, '#d9dce1'), (1, '#9aa0a8')], 0, 38, 0, 142))
    s.path(gear_path(90, 90, 42, 33, 9, 13), '#4d535b')
    for i in range(3):
        x1, y1 = arc_point(90, 90, 14, 90 + i * 120)
        x2, y2 = arc_point(90, 90, 34, 90 + i * 120)
        s.line(x1, y1, x2, y2, '#4d535b', 7)
    s.circle(90, 90, 9, '#c7cbd1')


def phone_icon(s):
    s.background('#5ee27a', '#1fb141')
    s.path('M58 40 C66 36 72 40 76 48 L84 64 C87 71 85 76 79 80 L72 85 C78 100 88 110 101 116 L106 109 '
           'C110 103 115 101 122 104 L138 112 C146 116 149 122 145 130 C140 142 128 148 116 146 '
           'C80 139 47 106 38 70 C35 57 44 46 58 40 Z', WHITE)


def messages_icon(s):
    s.background('#6ee46d', '#13b936')
    s.ellipse(90, 84, 60, 48, WHITE)
    s.path('M52 112 C50 124 42 134 32 139 C50 140 64 134 74 126 Z', WHITE)
    for x in (66, 90, 114):
        s.circle(x, 84, 7, '#2dc24e')


def music_icon(s):
    s.background('#ff6b8a', '#f0233f')
    s.path('M74 48 L134 36 L134 118 A18 15 0 1 1 122 104 L122 62 L86 69 L86 128 A18 15 0 1 1 74 114 Z', WHITE)


def safari_icon(s):
    # A compass rose: finding your way around the web.
    s.background('#3ec2ff', '#1460d8')
    s.circle(90, 90, 64, 'none', stroke=WHITE, stroke_width=5, stroke_opacity=0.9)
    for i in range(8):
        x1, y1 = arc_point(90, 90, 64, i * 45 + 22.5)
        x2, y2 = arc_point(90, 90, 54, i * 45 + 22.5)
        s.line(x1, y1, x2, y2, WHITE, 3, stroke_opacity=0.8)
    for i, colour in enumerate((WHITE, '#d5ecff', WHITE, '#d5ecff')):
        a = -90 + i * 90
        s.polygon([(90, 90), arc_point(90, 90, 11, a - 45), arc_point(90, 90, 50, a), arc_point(90, 90, 11, a + 45)], colour)
    s.polygon([(90, 90), arc_point(90, 90, 12, 150), arc_point(90, 90, 58, -120), arc_point(90, 90, 12, -30)], '#ff3b30')
    s.polygon([(90, 90), arc_point(90, 90, 12, -30), arc_point(90, 90, 58, 60), arc_point(90, 90, 12, 150)], '#f2f5f8')
    s.circle(90, 90, 6, '#1460d8')


def wallet_icon(s):
    s.background('#1d1d1f', '#000000')
    for i, colour in enumerate(('#4c8ef7', '#f5b82e', '#4cd06b', '#f2554b')):
        s.rect(30, 40 + i * 16, 120, 50, colour, 10)
    s.path('M26 100 L70 100 C76 100 78 112 90 112 C102 112 104 100 110 100 L154 100 L154 140 C154 148 148 154 140 154 '
           'L40 154 C32 154 26 148 26 140 Z', '#2c2c2e')


def app_store_icon(s):
    s.background('#2fb7ff', '#0a6cf0')
    # A shopping bag holding four app tiles.
    s.path('M70 62 L70 54 A20 20 0 0 1 110 54 L110 62', 'none', stroke=WHITE, stroke_width=8, stroke_linecap='round')
    s.path('M44 62 L136 62 L142 142 C142 148 138 152 132 152 L48 152 C42 152 38 148 38 142 Z', WHITE)
    for x, y, colour in ((68, 82, '#2fb7ff'), (94, 82, '#0a6cf0'), (68, 108, '#0a6cf0'), (94, 108, '#2fb7ff')):
        s.rect(x, y, 20, 20, colour, 5)


def itunes_store_icon(s):
    # A price tag with a star: the shop for songs and films.
    s.background('#f25fe6', '#9b2cf0')
    s.path('M40 92 L92 40 L140 40 L140 88 L88 140 C82 146 74 146 68 140 L40 112 C34 106 34 98 40 92 Z', WHITE)
    s.circle(120, 60, 8, '#c443ec')
    s.polygon(star_points(88, 96, 24, 10, rotation=-45), '#c443ec')


def books_icon(s):
    s.background('#ffb02e', '#ff7a00')
    s.path('M90 56 C76 46 54 44 34 48 L34 132 C54 128 76 130 90 140 Z', WHITE)
    s.path('M90 56 C104 46 126 44 146 48 L146 132 C126 128 104 130 90 140 Z', WHITE, fill_opacity=0.85)
    s.line(90, 56, 90, 140, '#ff9a14', 3)


def health_icon(s):
    s.background('#ffffff', '#f1f1f4')
    s.path('M90 146 C60 122 30 100 30 70 C30 50 45 36 63 36 C75 36 85 43 90 53 C95 43 105 36 117 36 '
           'C135 36 150 50 150 70 C150 100 120 122 90 146 Z', s.linear([(0, '#ff6d8a'), (1, '#ff2d55')], 0, 36, 0, 146))


def reminders_icon(s):
    s.background('#ffffff', '#f3f3f5')
    for i, colour in enumerate(('#0a84ff', '#ff3b30', '#ff9f0a')):
        y = 50 + i * 40
        s.circle(46, y, 13, 'none', stroke=colour, stroke_width=5)
        s.circle(46, y, 7, colour)
        s.rect(70, y - 4, 76, 8, '#c7c7cc', 4)


def notes_icon(s):
    s.background('#fffdf3', '#f3efdf')
    s.rect(0, 0, 180, 44, s.linear([(0, '#ffd84d'), (1, '#ffc400')], 0, 0, 0, 44))
    for y in range(70, 170, 22):
        s.rect(18, y, 144, 2.5, '#d6d1c0')


def apple_tv_icon(s):
    s.background('#2c2c2e', '#000000')
    s.rect(28, 42, 124, 80, 'none', 10, stroke=WHITE, stroke_width=7)
    s.polygon([(80, 66), (80, 98), (108, 82)], WHITE)
    s.rect(70, 132, 40, 6, WHITE, 3)


def stocks_icon(s):
    s.background('#1c1c1e', '#000000')
    for y in (52, 84, 116, 148):
        s.rect(20, y, 140, 1.5, '#3a3a3c')
    pts = [(20, 132), (42, 118), (60, 124), (80, 96), (100, 104), (122, 70), (140, 78), (160, 46)]
    area = 'M20 160 L' + ' L'.join('%d %d' % p for p in pts) + ' L160 160 Z'
    s.path(area, s.linear([(0, '#30d158', 0.45), (1, '#30d158', 0)], 0, 46, 0, 160))
    s.path('M' + ' L'.join('%d %d' % p for p in pts), 'none', stroke='#30d158', stroke_width=6,
           stroke_linejoin='round', stroke_linecap='round')


def weather_icon(s):
    s.background('#4aa8ff', '#1c6fe0')
    s.circle(64, 70, 30, s.radial([(0, '#fff36b'), (1, '#ffc61a')], 64, 70, 30))
    s.path('M52 140 A24 24 0 0 1 56 92 A32 32 0 0 1 116 80 A26 26 0 0 1 142 116 A24 24 0 0 1 128 140 Z', WHITE)


def home_icon(s):
    s.background('#ffffff', '#f2f2f7')
    s.path('M90 34 L154 88 L142 100 L90 56 L38 100 L26 88 Z', '#ff9f0a')
    s.path('M48 96 L90 60 L132 96 L132 148 L104 148 L104 116 L76 116 L76 148 L48 148 Z', '#ff9f0a')


def clock_icon(s):
    s.background('#1c1c1e', '#000000')
    s.circle(90, 90, 72, WHITE)
    for i in range(12):
        x1, y1 = arc_point(90, 90, 64, i * 30)
        x2, y2 = arc_point(90, 90, 56 if i % 3 == 0 else 59, i * 30)
        s.line(x1, y1, x2, y2, '#1c1c1e', 4 if i % 3 == 0 else 2.5)
    s.line(90, 90, *arc_point(90, 90, 34, -150), '#1c1c1e', 6)   # hour hand near ten
    s.line(90, 90, *arc_point(90, 90, 52, -30), '#1c1c1e', 4.5)  # minute hand near two
    s.line(*arc_point(90, 90, 12, 30 + 180), *arc_point(90, 90, 58, 30), '#ff9500', 2)
    s.circle(90, 90, 5, '#ff9500')


def maps_icon(s):
    s.background('#e9f1dc')
    s.polygon([(0, 0), (70, 0), (30, 70), (0, 90)], '#bfe3a8')
    s.polygon([(120, 180), (180, 110), (180, 180)], '#a8d4f5')
    s.path('M-10 128 C50 110 90 110 190 40', 'none', stroke=WHITE, stroke_width=16)
    s.path('M60 -10 C70 60 90 120 110 190', 'none', stroke='#ffd95a', stroke_width=12)
    s.path('M30 160 C60 140 80 100 118 72', 'none', stroke='#0a84ff', stroke_width=7, stroke_linecap='round')
    s.path('M118 24 C134 24 146 36 146 52 C146 70 118 92 118 92 C118 92 90 70 90 52 C90 36 102 24 118 24 Z', '#ff3b30')
    s.circle(118, 51, 9, WHITE)


def mail_icon(s):
    s.background('#3fb8ff', '#0a6cf0')
    s.rect(30, 52, 120, 80, WHITE, 10)
    s.path('M34 58 L90 100 L146 58', 'none', stroke='#2b8af5', stroke_width=5, stroke_linejoin='round')


def photos_icon(s):
    s.background('#ffffff', '#eeeef3')
    s.rect(26, 36, 128, 108, s.linear([(0, '#7cc6ff'), (1, '#d6f0ff')], 0, 36, 0, 144), 12)
    s.circle(118, 66, 13, '#ffcc33')
    s.path('M26 128 L66 80 L94 112 L112 92 L154 134 L154 132 C154 139 148 144 142 144 L38 144 C31 144 26 139 26 132 Z', '#34c759')
    s.path('M26 138 L60 112 L154 144 L38 144 C31 144 26 141 26 138 Z', '#248a3d')
    s.rect(26, 36, 128, 108, 'none', 12, stroke='#c7c7cc', stroke_width=3)


def camera_icon(s):
    s.background('#d9dce1', '#9da3ab')
    s.path('M66 50 L74 38 L106 38 L114 50 Z', '#2c2c2e')
    s.rect(24, 48, 132, 92, '#2c2c2e', 14)
    s.circle(90, 94, 34, '#8e8e93')
    s.circle(90, 94, 27, s.radial([(0, '#4a6a9a'), (0.6, '#1c2a44'), (1, '#0b0f18')], 84, 88, 27))
    s.circle(80, 84, 6, WHITE, fill_opacity=0.55)
    s.circle(136, 64, 5, '#ffcc00')


def facetime_icon(s):
    s.background('#5ee27a', '#1fb141')
    s.rect(28, 58, 86, 64, WHITE, 14)
    s.path('M118 82 L150 62 L150 118 L118 98 Z', WHITE)


def podcasts_icon(s):
    s.background('#cf6cf7', '#8a2be2')
    for r, width in ((58, 8), (40, 8)):
        s.path('M%s %s A%s %s 0 1 1 %s %s' % (fmt(90 - r * 0.7), fmt(80 + r * 0.7), r, r, fmt(90 + r * 0.7), fmt(80 + r * 0.7)),
               'none', stroke=WHITE, stroke_width=width, stroke_linecap='round')
    s.circle(90, 80, 17, WHITE)
    s.path('M80 106 L100 106 L96 150 C95 156 85 156 84 150 Z', WHITE)


def calculator_icon(s):
    s.background('#3a3a3c', '#1c1c1e')
    for row in range(4):
        for col in range(4):
            x, y = 22 + col * 36, 22 + row * 36
            colour = '#ff9f0a' if col == 3 else ('#a5a5a5' if row == 0 else '#505050')
            s.circle(x + 14, y + 14, 15, colour)
    # The operator keys carry their signs: divide, times, minus, plus.
    cx = 22 + 3 * 36 + 14
    s.rect(cx - 7, 35, 14, 2.5, WHITE); s.circle(cx, 30, 2, WHITE); s.circle(cx, 42, 2, WHITE)
    s.line(cx - 5, 67, cx + 5, 77, WHITE, 3); s.line(cx + 5, 67, cx - 5, 77, WHITE, 3)
    s.rect(cx - 7, 107, 14, 3, WHITE)
    s.rect(cx - 7, 142, 14, 3, WHITE); s.rect(cx - 1.5, 136.5, 3, 14, WHITE)


def watch_icon(s):
    s.background('#1c1c1e', '#000000')
    s.rect(66, 10, 48, 160, '#3a3a3c', 12)
    s.rect(46, 44, 88, 92, '#8e8e93', 24)
    s.rect(52, 50, 76, 80, '#000000', 19)
    s.circle(90, 90, 26, 'none', stroke='#30d158', stroke_width=6)
    s.circle(90, 90, 17, 'none', stroke='#0a84ff', stroke_width=6)
    s.rect(134, 78, 6, 20, '#b0b0b5', 2)


def garageband_icon(s):
    s.background('#ff9d2e', '#f05a00')
    s.group('rotate(-35 90 90)', lambda: (
        s.rect(84, 14, 12, 74, '#3b2313', 3),
        s.rect(80, 8, 20, 16, '#2a180c', 4),
        s.path('M90 84 C110 82 120 94 114 108 C128 114 132 134 120 148 C108 162 72 162 60 148 C48 134 52 114 66 108 '
               'C60 94 70 82 90 84 Z', '#2b1a10'),
        s.circle(90, 118, 11, '#f05a00'),
        s.rect(80, 138, 20, 5, '#f5c089', 2)))


def files_icon(s):
    s.background('#ffffff', '#f2f2f7')
    s.path('M26 52 C26 46 30 42 36 42 L72 42 L84 54 L144 54 C150 54 154 58 154 64 L154 74 L26 74 Z', '#4aa3ff')
    s.rect(26, 64, 128, 80, s.linear([(0, '#62b4ff'), (1, '#1e7cf2')], 0, 64, 0, 144), 10)


def clips_icon(s):
    s.background('#4ad8ff', '#0f8bf0')
    s.rect(34, 76, 112, 70, WHITE, 10)
    s.group('rotate(-14 34 72)', lambda: s.rect(34, 50, 112, 20, WHITE, 6))
    for i in range(4):
        x = 46 + i * 26
        s.group('rotate(-14 34 72)', lambda x=x: s.polygon([(x, 50), (x + 12, 50), (x + 4, 70), (x - 8, 70)], '#0f8bf0'))
    s.polygon([(80, 94), (80, 128), (108, 111)], '#0f8bf0')


def imovie_icon(s):
    # A film reel feeding a strip of frames.
    s.background('#8f5cff', '#3b1d9a')
    s.path('M90 134 C120 150 150 150 166 140', 'none', stroke='#1a0d4d', stroke_width=16)
    s.circle(84, 84, 54, WHITE)
    s.circle(84, 84, 10, '#5a34c8')
    for i in range(5):
        x, y = arc_point(84, 84, 31, -90 + i * 72)
        s.circle(x, y, 13, '#5a34c8')
    s.rect(112, 128, 56, 28, '#1a0d4d', 4)
    for i in range(3):
        s.rect(118 + i * 16, 134, 10, 16, '#b8a3ff', 2)


def pages_icon(s):
    s.background('#ffb340', '#ff7b00')
    s.rect(42, 30, 86, 118, WHITE, 8)
    for y in (52, 66, 80, 94):
        s.rect(54, y, 62 if y != 94 else 40, 5, '#ffc98a', 2.5)
    s.group('rotate(40 118 112)', lambda: (
        s.rect(110, 60, 16, 64, '#3a2a1a', 3),
        s.polygon([(110, 124), (126, 124), (118, 144)], '#f5d3a8'),
        s.polygon([(115.5, 136), (120.5, 136), (118, 144)], '#3a2a1a')))


def keynote_icon(s):
    s.background('#3faaff', '#0a5fd6')
    s.rect(28, 36, 124, 80, WHITE, 8)
    s.path('M42 100 L70 70 L90 88 L112 58 L138 100 Z', '#6ac0ff')
    s.rect(86, 116, 8, 22, WHITE)
    s.path('M62 156 L90 136 L118 156', 'none', stroke=WHITE, stroke_width=8, stroke_linecap='round', stroke_linejoin='round')


def numbers_icon(s):
    s.background('#47d76c', '#0f9d3a')
    for x, h in ((40, 50), (72, 84), (104, 66), (136, 108)):
        s.rect(x - 12, 150 - h, 24, h, WHITE, 4)
    s.rect(22, 150, 136, 5, WHITE, 2.5)


def itunes_u_icon(s):
    s.background('#ffa42e', '#f26a00')
    s.polygon([(90, 44), (160, 76), (90, 108), (20, 76)], WHITE)
    s.path('M50 92 L50 124 C64 140 116 140 130 124 L130 92 L90 110 Z', WHITE)
    s.line(150, 80, 150, 122, WHITE, 4)
    s.circle(150, 126, 6, WHITE)


def tessel_artwork(s, circle=False):
    """The store's mark: white triangles tessellating into a hexagon on its purple-to-blue gradient."""
    s.background(s.linear([(0, '#9b3ce6'), (1, '#3f6ff2')], 0, 0, 180, 180))
    cx, cy, r = 90, 90, 56 if not circle else 50
    corners = [arc_point(cx, cy, r, -90 + i * 60) for i in range(6)]
    shades = (1.0, 0.82, 0.64, 0.9, 0.72, 0.55)
    for i in range(6):
        s.polygon([(cx, cy), corners[i], corners[(i + 1) % 6]], WHITE, fill_opacity=shades[i],
                  stroke='#5d55ec', stroke_width=2.5, stroke_linejoin='round')


def tessel_icon(s):
    tessel_artwork(s)


def cydia_icon(s):
    s.background('#c98a4b', '#8a5426')
    # An open parcel: the shell's package manager.
    s.polygon([(90, 40), (148, 66), (90, 92), (32, 66)], '#f2c98f')
    s.polygon([(32, 66), (90, 92), (90, 152), (32, 126)], '#d9a362')
    s.polygon([(148, 66), (90, 92), (90, 152), (148, 126)], '#b57b3d')
    s.polygon([(61, 53), (119, 79), (119, 96), (107, 91), (107, 85), (49, 59)], '#fff4e0', fill_opacity=0.9)
    s.path('M32 66 L90 92 L148 66 L90 40 Z M90 92 L90 152', 'none', stroke='#6b3e17', stroke_width=3, stroke_linejoin='round')


ICONS = {
    'SettingsIcon': settings_icon, 'PhoneIcon': phone_icon, 'MessagesIcon': messages_icon, 'MusicIcon': music_icon,
    'SafariIcon': safari_icon, 'WalletIcon': wallet_icon, 'AppStoreIcon': app_store_icon,
    'iTunesStoreIcon': itunes_store_icon, 'BooksIcon': books_icon, 'HealthIcon': health_icon,
    'RemindersIcon': reminders_icon, 'NotesIcon': notes_icon, 'AppleTVIcon': apple_tv_icon, 'StocksIcon': stocks_icon,
    'WeatherIcon': weather_icon, 'HomeIcon': home_icon, 'ClockIcon': clock_icon, 'MapsIcon': maps_icon,
    'MailIcon': mail_icon, 'PhotosIcon': photos_icon, 'CameraIcon': camera_icon, 'FaceTimeIcon': facetime_icon,
    'PodcastsIcon': podcasts_icon, 'CalculatorIcon': calculator_icon, 'WatchIcon': watch_icon,
    'GarageBandIcon': garageband_icon, 'FilesIcon': files_icon, 'ClipsIcon': clips_icon, 'iMovieIcon': imovie_icon,
    'PagesIcon': pages_icon, 'KeynoteIcon': keynote_icon, 'NumbersIcon': numbers_icon, 'iTunesUIcon': itunes_u_icon,
    'TesselIcon': tessel_icon, 'CydiaIcon': cydia_icon,
}

# ---------------------------------------------------------------- pictures


def siri_picture(s):
    s.background('#0b0b14', '#000000')
    s.circle(90, 90, 70, s.radial([(0, '#1a1a40'), (1, '#05050c')], 90, 90, 70))
    s.circle(72, 78, 44, s.radial([(0, '#ff4fa0', 0.95), (1, '#ff4fa0', 0)], 72, 78, 44))
    s.circle(108, 82, 44, s.radial([(0, '#3d8bff', 0.95), (1, '#3d8bff', 0)], 108, 82, 44))
    s.circle(92, 110, 42, s.radial([(0, '#2ee6c8', 0.9), (1, '#2ee6c8', 0)], 92, 110, 42))
    s.circle(90, 90, 22, s.radial([(0, '#ffffff', 0.95), (1, '#ffffff', 0)], 90, 90, 22))
    s.circle(90, 90, 70, 'none', stroke='#6f7bff', stroke_width=2, stroke_opacity=0.6)


def tessel_circle_picture(s):
    tessel_artwork(s, circle=True)


def flower_picture(s):
    # Transparent behind the flower: it is drawn on the Settings row's own coloured tile.
    for i in range(6):
        s.group('rotate(%d 90 90)' % (i * 60), lambda: s.ellipse(90, 50, 24, 40, s.linear(
            [(0, '#ffffff'), (1, '#ffd1ec')], 0, 10, 0, 90)))
    s.circle(90, 90, 22, s.radial([(0, '#fff27a'), (1, '#ffb300')], 90, 90, 22))


def bluetooth_picture(s):
    # A wireless-link mark (a node radiating both ways), white on the row's own tile.
    s.circle(90, 90, 14, WHITE)
    for r in (36, 58):
        for side in (-1, 1):
            a0, a1 = (140, 220) if side < 0 else (-40, 40)
            x1, y1 = arc_point(90, 90, r, a0)
            x2, y2 = arc_point(90, 90, r, a1)
            s.path('M%s %s A%s %s 0 0 %d %s %s' % (fmt(x1), fmt(y1), r, r, 1, fmt(x2), fmt(y2)), 'none',
                   stroke=WHITE, stroke_width=12, stroke_linecap='round')


def facebook_picture(s):
    # Friends: two overlapping people on indigo.
    s.background('#5b7cf5', '#2f4cc9')
    s.circle(70, 70, 20, WHITE, fill_opacity=0.75)
    s.path('M34 132 C34 108 50 96 70 96 C90 96 106 108 106 132 Z', WHITE, fill_opacity=0.75)
    s.circle(108, 78, 22, WHITE)
    s.path('M68 144 C68 118 86 104 108 104 C130 104 148 118 148 144 Z', WHITE)


def twitter_picture(s):
    # Short messages: a speech bubble with a typing ellipsis on sky blue.
    s.background('#5cc8ff', '#1d9bf0')
    s.path('M44 46 L136 46 C146 46 152 52 152 62 L152 108 C152 118 146 124 136 124 L84 124 L56 146 L60 124 L44 124 '
           'C34 124 28 118 28 108 L28 62 C28 52 34 46 44 46 Z', WHITE)
    for x in (66, 90, 114):
        s.circle(x, 85, 8, '#1d9bf0')


def themes_picture(s):
    s.background('#ff9a8b', '#c952ff')
    s.path('M90 32 C136 32 156 62 152 94 C149 116 128 112 118 118 C108 124 118 142 104 148 C94 152 84 150 72 146 '
           'C44 136 28 114 28 90 C28 56 56 32 90 32 Z', '#fff7ef')
    for (x, y), colour in zip(((62, 72), (88, 56), (116, 66), (132, 90), (56, 104)),
                              ('#ff3b30', '#ffcc00', '#34c759', '#0a84ff', '#af52de')):
        s.circle(x, y, 11, colour)
    s.circle(92, 124, 12, '#d8c9b8')


def letter_mark(letter, top, bottom):
    """A favourite site's mark: its initial in white on a colour, not the site's own logo."""
    def draw(s):
        s.background(top, bottom)
        s.text(90, 124, letter, 104, WHITE)
    return draw


PICTURES = {
    'SiriIcon': siri_picture, 'TesselIconCircle': tessel_circle_picture, 'Flower': flower_picture,
    'Bluetooth': bluetooth_picture, 'FacebookIcon': facebook_picture, 'TwitterIcon': twitter_picture,
    'ThemesIcon': themes_picture,
    'AppleFav': letter_mark('A', '#6e6e73', '#2c2c2e'), 'BingFav': letter_mark('B', '#2ec4b6', '#11867c'),
    'GoogleFav': letter_mark('G', '#5a8dee', '#2a5bd7'), 'YahooFav': letter_mark('Y', '#9a5cf0', '#6228c8'),
}


def write_all(out_dir):
    for folder, table in (('icons', ICONS), ('pictures', PICTURES)):
        path = os.path.join(out_dir, folder)
        os.makedirs(path, exist_ok=True)
        for name, draw in table.items():
            s = Svg()
            draw(s)
            with open(os.path.join(path, name + '.svg'), 'w', encoding='utf-8') as f:
                f.write(s.svg())
    print('wrote %d icons and %d pictures into %s' % (len(ICONS), len(PICTURES), out_dir))


if __name__ == '__main__':
    here = os.path.dirname(os.path.abspath(__file__))
    write_all(sys.argv[1] if len(sys.argv) > 1 else os.path.normpath(os.path.join(here, '..', 'assets')))
