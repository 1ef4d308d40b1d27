#!/usr/bin/env python3
"""Draws the pictures of the eleven windows as SVG files.

Each picture control ImageM of window FormN gets art/formN/ImageM.svg, whose
viewBox is the control's own size in pixels, so one SVG unit is one screen
pixel at 96 dpi. Figures are laid out under the labels and cells that the
windows place over them; the coordinates of those controls, relative to the
picture, are noted beside each figure.

The drawings keep to what QtSvg renders (SVG Tiny 1.2): shapes, paths,
gradients and text in DejaVu Sans; arrowheads are drawn as polygons because
markers are not available.

Run from anywhere: python3 art/make_art.py  (rewrites the SVGs in place).
"""
import math
import os

HERE = os.path.dirname(os.path.abspath(__file__))

# One palette for every picture.
INK = "#1d3557"        # outlines and annotation text
DIM = "#4a5568"        # dimension lines, braces, guide lines
BLOCK = "#2f5bd3"      # blocks
BLOCK_EDGE = "#1a3a8f"
PURE_BLUE = "#0000ff"  # the three blocks that carry blue labels
PULLEY = "#1e88e5"
PULLEY_AXLE = "#0d3c7a"
FORCE = "#d62828"      # forces
MOTION = "#2a9d8f"     # velocities and directions of motion
BALL = "#f28c28"
GROUND = "#e9d8b4"
GROUND_LINE = "#7a5c2e"
CEILING = "#c3ccd6"
WOOD = "#c68642"
WOOD_DARK = "#8b5a2b"
SKIN = "#ffe0bd"
HAIR = "#eef1f4"
ROPE = "#5b4636"
BANNER_A = "#0b3d91"
BANNER_B = "#008080"
ACCENT = "#ffd23f"
FONT = "DejaVu Sans"


def f(v):
    """Coordinates with at most two decimals, no trailing zeros."""
    s = ("%.2f" % v).rstrip("0").rstrip(".")
    return "0" if s in ("-0", "") else s


class Svg:
    def __init__(self, w, h):
        self.w, self.h = w, h
        self.defs = []
        self.body = []

    def add(self, s):
        self.body.append(s)

    def text(self):
        head = ('<?xml version="1.0" encoding="UTF-8"?>\n'
                '<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" '
                'width="%d" height="%d" viewBox="0 0 %d %d">\n' % (self.w, self.h, self.w, self.h))
        defs = ("<defs>\n" + "\n".join(self.defs) + "\n</defs>\n") if self.defs else ""
        return head + defs + "\n".join(self.body) + "\n</svg>\n"

    # -- primitives -------------------------------------------------------
    def rect(self, x, y, w, h, fill="none", stroke=None, sw=2, rx=0, extra=""):
        s = '<rect x="%s" y="%s" width="%s" height="%s"' % (f(x), f(y), f(w), f(h))
        if rx:
            s += ' rx="%s"' % f(rx)
        s += ' fill="%s"' % fill
        if stroke:
            s += ' stroke="%s" stroke-width="%s" stroke-linejoin="round"' % (stroke, f(sw))
        self.add(s + extra + "/>")

    def line(self, x1, y1, x2, y2, stroke=INK, sw=2, dash=None, cap="round"):
        s = '<line x1="%s" y1="%s" x2="%s" y2="%s" stroke="%s" stroke-width="%s" stroke-linecap="%s"' % (
            f(x1), f(y1), f(x2), f(y2), stroke, f(sw), cap)
        if dash:
            s += ' stroke-dasharray="%s"' % dash
        self.add(s + "/>")

    def circle(self, cx, cy, r, fill="none", stroke=None, sw=2):
        s = '<circle cx="%s" cy="%s" r="%s" fill="%s"' % (f(cx), f(cy), f(r), fill)
        if stroke:
            s += ' stroke="%s" stroke-width="%s"' % (stroke, f(sw))
        self.add(s + "/>")

    def ellipse(self, cx, cy, rx, ry, fill="none", stroke=None, sw=2):
        s = '<ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="%s"' % (f(cx), f(cy), f(rx), f(ry), fill)
        if stroke:
            s += ' stroke="%s" stroke-width="%s"' % (stroke, f(sw))
        self.add(s + "/>")

    def poly(self, pts, fill="none", stroke=None, sw=2, closed=True):
        tag = "polygon" if closed else "polyline"
        s = '<%s points="%s" fill="%s"' % (tag, " ".join("%s,%s" % (f(x), f(y)) for x, y in pts), fill)
        if stroke:
            s += ' stroke="%s" stroke-width="%s" stroke-linejoin="round" stroke-linecap="round"' % (stroke, f(sw))
        self.add(s + "/>")

    def path(self, d, fill="none", stroke=INK, sw=2, dash=None, extra=""):
        s = '<path d="%s" fill="%s"' % (d, fill)
        if stroke:
            s += ' stroke="%s" stroke-width="%s" stroke-linejoin="round" stroke-linecap="round"' % (stroke, f(sw))
        if dash:
            s += ' stroke-dasharray="%s"' % dash
        self.add(s + extra + "/>")

    def label(self, x, y, s, size=11, fill=INK, bold=True, anchor="start", rotate=None, italic=False):
        attrs = 'x="%s" y="%s" font-family="%s" font-size="%s" fill="%s"' % (f(x), f(y), FONT, f(size), fill)
        if bold:
            attrs += ' font-weight="bold"'
        if italic:
            attrs += ' font-style="italic"'
        if anchor != "start":
            attrs += ' text-anchor="%s"' % anchor
        if rotate is not None:
            attrs += ' transform="rotate(%s %s %s)"' % (f(rotate), f(x), f(y))
        s = s.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")
        self.add("<text %s>%s</text>" % (attrs, s))

    def gradient(self, gid, c1, c2, x2="1", y2="0"):
        self.defs.append('<linearGradient id="%s" x1="0" y1="0" x2="%s" y2="%s">'
                         '<stop offset="0" stop-color="%s"/><stop offset="1" stop-color="%s"/>'
                         '</linearGradient>' % (gid, x2, y2, c1, c2))

    # -- drawing pieces -----------------------------------------------------
    def arrow(self, x1, y1, x2, y2, color=FORCE, sw=3, head=10, width=None):
        """A straight arrow from (x1, y1) with its tip at (x2, y2)."""
        dx, dy = x2 - x1, y2 - y1
        n = math.hypot(dx, dy)
        ux, uy = dx / n, dy / n
        width = width or head * 0.75
        bx, by = x2 - ux * head, y2 - uy * head
        self.line(x1, y1, bx + ux * 1, by + uy * 1, color, sw)
        px, py = -uy * width / 2, ux * width / 2
        self.poly([(x2, y2), (bx + px, by + py), (bx - px, by - py)], fill=color)

    def double_arrow(self, x1, y1, x2, y2, color=DIM, sw=1.3, head=7):
        dx, dy = x2 - x1, y2 - y1
        n = math.hypot(dx, dy)
        ux, uy = dx / n, dy / n
        w = head * 0.7
        px, py = -uy * w / 2, ux * w / 2
        self.line(x1 + ux * head, y1 + uy * head, x2 - ux * head, y2 - uy * head, color, sw, cap="butt")
        self.poly([(x2, y2), (x2 - ux * head + px, y2 - uy * head + py), (x2 - ux * head - px, y2 - uy * head - py)], fill=color)
        self.poly([(x1, y1), (x1 + ux * head + px, y1 + uy * head + py), (x1 + ux * head - px, y1 + uy * head - py)], fill=color)

    def arc(self, cx, cy, r, a0, a1, stroke=DIM, sw=1.5, fill="none"):
        """Arc of radius r from angle a0 to a1, degrees measured counter-clockwise
        from the +x axis as on paper (screen y grows downwards)."""
        p0 = (cx + r * math.cos(math.radians(a0)), cy - r * math.sin(math.radians(a0)))
        p1 = (cx + r * math.cos(math.radians(a1)), cy - r * math.sin(math.radians(a1)))
        large = 1 if abs(a1 - a0) > 180 else 0
        sweep = 0 if a1 > a0 else 1
        d = "M%s %sA%s %s 0 %d %d %s %s" % (f(p0[0]), f(p0[1]), f(r), f(r), large, sweep, f(p1[0]), f(p1[1]))
        if fill != "none":
            d = "M%s %sL" % (f(cx), f(cy)) + d[1:] + "Z"
        self.path(d, fill=fill, stroke=stroke, sw=sw)

    def brace(self, x1, y1, x2, y2, depth=8, color=DIM, sw=1.5):
        """A curly brace from (x1, y1) to (x2, y2), its tip bulging to the left of
        the direction of travel (screen coordinates) by depth."""
        dx, dy = x2 - x1, y2 - y1
        n = math.hypot(dx, dy)
        ux, uy = dx / n, dy / n
        nx, ny = uy, -ux  # left of travel on screen

        def pt(t, h):
            return (x1 + ux * t + nx * h, y1 + uy * t + ny * h)
        m = n / 2
        d = depth
        pts = [pt(0, 0), pt(0, d * 0.6), pt(d * 0.4, d * 0.5), pt(min(d, m / 2), d * 0.5),
               pt(m - d * 0.6, d * 0.5), pt(m - d * 0.1, d * 0.55), pt(m, d),
               pt(m + d * 0.1, d * 0.55), pt(m + d * 0.6, d * 0.5), pt(n - min(d, m / 2), d * 0.5),
               pt(n - d * 0.4, d * 0.5), pt(n, d * 0.6), pt(n, 0)]
        s = "M%s %s" % (f(pts[0][0]), f(pts[0][1]))
        s += "Q%s %s %s %s" % (f(pts[1][0]), f(pts[1][1]), f(pts[3][0]), f(pts[3][1]))
        s += "L%s %s" % (f(pts[4][0]), f(pts[4][1]))
        s += "Q%s %s %s %s" % (f(pts[5][0]), f(pts[5][1]), f(pts[6][0]), f(pts[6][1]))
        s += "Q%s %s %s %s" % (f(pts[7][0]), f(pts[7][1]), f(pts[8][0]), f(pts[8][1]))
        s += "L%s %s" % (f(pts[9][0]), f(pts[9][1]))
        s += "Q%s %s %s %s" % (f(pts[11][0]), f(pts[11][1]), f(pts[12][0]), f(pts[12][1]))
        self.path(s, stroke=color, sw=sw)
        return pt(m, d)

    def ground(self, x1, x2, y, depth=8, fill=GROUND):
        self.rect(x1, y, x2 - x1, depth, fill=fill)
        self.line(x1, y, x2, y, GROUND_LINE, 2, cap="butt")

    def hatch(self, x1, x2, y, down=True, step=8, length=6, color=DIM):
        x = x1 + 2
        sgn = 1 if down else -1
        while x < x2:
            self.line(x, y, x - length * 0.7, y + sgn * length, color, 1.2)
            x += step

    def block(self, x, y, w, h, letter=None, fill=BLOCK, edge=BLOCK_EDGE, size=13, angle=0, pivot=None):
        """A block with an optional white letter; angle rotates it (degrees, counter-clockwise
        on paper) about pivot."""
        if angle:
            px, py = pivot
            self.add('<g transform="rotate(%s %s %s)">' % (f(-angle), f(px), f(py)))
        self.rect(x, y, w, h, fill=fill, stroke=edge, sw=2, rx=2)
        if letter:
            self.label(x + w / 2, y + h / 2 + size * 0.37, letter, size=size, fill="#ffffff", anchor="middle")
        if angle:
            self.add("</g>")

    def pulley(self, cx, cy, r):
        self.circle(cx, cy, r, fill=PULLEY, stroke=PULLEY_AXLE, sw=1.5)
        self.circle(cx, cy, max(2, r * 0.28), fill=PULLEY_AXLE)

    def ball(self, cx, cy, r, fill=BALL, seams=True):
        self.circle(cx, cy, r, fill=fill, stroke=INK, sw=1.5)
        if seams and r >= 5:
            self.line(cx - r, cy, cx + r, cy, INK, 1)
            self.line(cx, cy - r, cx, cy + r, INK, 1)

    def head(self, cx, cy, s=1.0, sw=2.5):
        """The program's cartoon scientist, head only; s = 1 is about 110 px high."""
        def P(x, y):
            return "%s %s" % (f(cx + x * s), f(cy + y * s))
        w = sw * max(0.55, s)
        # hair tufts behind the head
        self.path("M" + P(-46, -10) + "Q" + P(-70, -22) + " " + P(-58, -44) + "Q" + P(-72, -60) + " " + P(-46, -62)
                  + "Q" + P(-40, -86) + " " + P(-14, -72) + "Q" + P(0, -92) + " " + P(16, -72)
                  + "Q" + P(42, -86) + " " + P(46, -60) + "Q" + P(72, -58) + " " + P(58, -42)
                  + "Q" + P(72, -22) + " " + P(46, -10) + "Z", fill=HAIR, stroke=INK, sw=w)
        self.ellipse(cx, cy - 8 * s, 44 * s, 50 * s, fill=SKIN, stroke=INK, sw=w)
        # ears
        self.ellipse(cx - 45 * s, cy - 4 * s, 7 * s, 11 * s, fill=SKIN, stroke=INK, sw=w * 0.8)
        self.ellipse(cx + 45 * s, cy - 4 * s, 7 * s, 11 * s, fill=SKIN, stroke=INK, sw=w * 0.8)
        # glasses
        self.circle(cx - 17 * s, cy - 14 * s, 13 * s, fill="#ffffff", stroke=INK, sw=w)
        self.circle(cx + 17 * s, cy - 14 * s, 13 * s, fill="#ffffff", stroke=INK, sw=w)
        self.line(cx - 4 * s, cy - 15 * s, cx + 4 * s, cy - 15 * s, INK, w)
        self.circle(cx - 15 * s, cy - 13 * s, 3.5 * s, fill=INK)
        self.circle(cx + 19 * s, cy - 13 * s, 3.5 * s, fill=INK)
        # eyebrows
        self.path("M" + P(-30, -34) + "Q" + P(-18, -42) + " " + P(-6, -34), stroke=INK, sw=w)
        self.path("M" + P(6, -34) + "Q" + P(18, -42) + " " + P(30, -34), stroke=INK, sw=w)
        # nose
        self.path("M" + P(0, -4) + "Q" + P(-7, 8) + " " + P(2, 10), stroke=INK, sw=w * 0.8)
        # moustache and smile
        self.path("M" + P(-22, 22) + "Q" + P(-12, 10) + " " + P(0, 16) + "Q" + P(12, 10) + " " + P(22, 22)
                  + "Q" + P(10, 20) + " " + P(0, 22) + "Q" + P(-10, 20) + " " + P(-22, 22) + "Z",
                  fill=HAIR, stroke=INK, sw=w * 0.8)
        self.path("M" + P(-10, 29) + "Q" + P(0, 36) + " " + P(10, 29), stroke=INK, sw=w * 0.8)


def write(rel, svg):
    path = os.path.join(HERE, rel)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding="utf-8") as out:
        out.write(svg.text())


def along(p, q, t):
    return (p[0] + (q[0] - p[0]) * t, p[1] + (q[1] - p[1]) * t)


# ---------------------------------------------------------------------------
# Bars and banners shared by several windows
# ---------------------------------------------------------------------------

def bar(w, h, at=None, t=6, span=None):
    """A separator bar along the long side of its control. The stripe, t thick
    (6 at most), lies at offset at across the control (centred when None), so
    it can keep to the side of the box where no text stands; span = (start,
    end) shortens it along the control. The stripe carries the id "stripe": the
    tests find it by that name and check that it clears every text."""
    s = Svg(w, h)
    horizontal = w >= h
    gid = "bar"
    across = h if horizontal else w
    t = min(t, across - 2)
    at = (across - t) / 2 if at is None else at
    a, b = span or (1, (w if horizontal else h) - 1)
    if horizontal:
        s.gradient(gid, BANNER_A, BANNER_B)
        s.rect(a, at, b - a, t, fill="url(#%s)" % gid, rx=t / 2, extra=' id="stripe"')
        if t >= 4:
            s.line(a + t / 2, at + t / 4, b - t / 2, at + t / 4, "#ffffff", 1, cap="round")
    else:
        s.gradient(gid, BANNER_A, BANNER_B, x2="0", y2="1")
        s.rect(at, a, t, b - a, fill="url(#%s)" % gid, rx=t / 2, extra=' id="stripe"')
        if t >= 4:
            s.line(at + t / 4, a + t / 2, at + t / 4, b - t / 2, "#ffffff", 1, cap="round")
    return s


def banner_frame(s, w, h):
    s.gradient("bg", BANNER_A, BANNER_B)
    s.rect(1, 1, w - 2, h - 2, fill="url(#bg)", stroke=INK, sw=2, rx=10)


def topic_banner(w, h, lines, motif, drawn=None, drawn_h=None):
    """Topic banner: the scientist at the left, TAVEK 1 and the topic's name at the
    right, and a small drawing of the topic along the bottom. drawn and drawn_h
    shrink the banner inside its control where statement lines or a separator
    bar of the window lie over the control's edge; the rest stays empty."""
    s = Svg(w, h)
    w_full, h_full = w, h
    w, h = drawn or w, drawn_h or h
    banner_frame(s, w, h)
    s.w, s.h = w_full, h_full
    scale = (h - 28) / 118.0
    hx = 12 + 60 * scale
    s.head(hx, h / 2 + 10 * scale, scale)
    tx = hx + 62 * scale + 4
    s.label(tx, 24, "TAVEK 1", size=13, fill=ACCENT)
    # bold DejaVu Sans runs about 0.68 em a letter
    room = w - 10 - tx
    size = min(20 if len(lines) == 1 else 18, int(room / (0.68 * max(len(t) for t in lines))))
    y = 24 + size + 6
    for line in lines:
        s.label(tx, y, line, size=size, fill="#ffffff")
        y += size + 2
    motif(s, tx, y - size + 8, w - 10, h - 8)
    return s


def motif_line(s, x1, y1, x2, y2):
    y = (y1 + y2) / 2
    s.line(x1, y, x2 - 10, y, "#ffffff", 1.5, dash="3 4")
    for i, x in enumerate((x1 + 6, x1 + (x2 - x1) * 0.45, x2 - 26)):
        s.circle(x, y, 4, fill=ACCENT if i == 2 else "#ffffff")
    s.arrow(x2 - 22, y, x2, y, "#ffffff", 2, head=7)


def motif_parabola(s, x1, y1, x2, y2):
    y = y2 - 2
    cx = (x1 + x2) / 2
    s.path("M%s %sQ%s %s %s %s" % (f(x1), f(y), f(cx), f(y1 - (y2 - y1) * 0.6), f(x2 - 6), f(y)),
           stroke="#ffffff", sw=1.5, dash="4 3")
    s.circle(x1 + (x2 - x1) * 0.72, y1 + (y2 - y1) * 0.35, 4.5, fill=ACCENT, stroke=INK, sw=1)


def motif_force(s, x1, y1, x2, y2):
    y = y2 - 2
    s.line(x1, y, x2, y, "#ffffff", 1.5)
    bh = min(16, y2 - y1)
    s.rect(x1 + 30, y - bh, bh * 1.4, bh, fill=ACCENT, stroke=INK, sw=1)
    s.arrow(x1 + 30 + bh * 1.4, y - bh / 2, min(x2, x1 + 30 + bh * 1.4 + 50), y - bh / 2, "#ffffff", 2.5, head=8)


def motif_power(s, x1, y1, x2, y2):
    y = (y1 + y2) / 2
    x = x1 + 4
    hgt = min(22, y2 - y1)
    s.poly([(x + 10, y - hgt / 2), (x + 2, y + 2), (x + 8, y + 2), (x + 4, y + hgt / 2),
            (x + 15, y - 3), (x + 9, y - 3), (x + 13, y - hgt / 2)], fill=ACCENT, stroke=INK, sw=1)
    # a weight hoisted on its rope, then the formula: plain lines, nothing
    # that reads like a blank to fill in
    wx = x + 28
    s.line(wx, y - hgt / 2, wx, y - 3, "#ffffff", 1.5)
    s.circle(wx, y - hgt / 2 + 1, 2.5, fill=ACCENT, stroke=INK, sw=0.8)
    s.rect(wx - 6, y - 3, 12, 9, fill="#ffffff", stroke=INK, sw=1, rx=1.5)
    s.arrow(wx + 12, y + 6, wx + 12, y - hgt / 2, ACCENT, 1.5, head=5)
    s.label(x2 - 4, y + 4, "P = W / t", size=10, fill="#ffffff", anchor="end")


# ---------------------------------------------------------------------------
# Form1, the main window
# ---------------------------------------------------------------------------

def form1():
    # Image1 505 x 57: title banner with the program's title.
    s = Svg(505, 57)
    banner_frame(s, 505, 57)
    s.head(30, 31, 0.36)
    s.label(62, 37, "TAVEK 1 - Programa de Física 1", size=22, fill="#ffffff")
    s.circle(486, 28, 5, fill=ACCENT, stroke=INK, sw=1)
    write("form1/Image1.svg", s)

    # Image2 305 x 305: the cartoon scientist. Label9 "Versão BETA" lies at
    # 222..298 x 248..261, so the bottom right corner stays empty.
    s = Svg(305, 305)
    # formula on a small board at the top left, above the link "Movimento
    # Retilíneo", which reaches x 14 of this picture at y 40..56
    s.rect(22, 2, 75, 32, fill="#eaf6f6", stroke=BANNER_B, sw=2, rx=6)
    s.label(59.5, 24, "F = m·a", size=15, fill=BANNER_B, anchor="middle")
    # neck, then the lab coat
    s.rect(138, 146, 24, 40, fill=SKIN, stroke=INK, sw=2.5)
    s.path("M100 186Q150 170 200 186L222 298L78 298Z", fill="#ffffff", stroke=INK, sw=3)
    s.path("M128 178L150 232L172 178", fill="#dbe7f5", stroke=INK, sw=2.5)
    s.path("M150 232L150 298", stroke=INK, sw=2)
    s.poly([(146, 186), (154, 186), (156, 214), (150, 224), (144, 214)], fill=FORCE, stroke=INK, sw=1.5)
    s.rect(166, 246, 26, 20, fill="#ffffff", stroke=INK, sw=2, rx=2)
    s.line(172, 246, 172, 236, PULLEY, 3)
    s.line(180, 246, 180, 238, FORCE, 3)
    # sleeves: left arm hanging, right arm raised with a flask
    for d in ("M108 196Q90 232 96 264", "M196 200Q228 196 238 160"):
        s.path(d, stroke=INK, sw=24)
        s.path(d, stroke="#ffffff", sw=18)
    s.circle(97, 274, 10, fill=SKIN, stroke=INK, sw=2.5)
    # flask with green liquid and bubbles
    s.path("M238 92L238 112L222 140Q218 148 228 148L262 148Q272 148 268 140L252 112L252 92Z",
           fill="#ffffff", stroke=INK, sw=2.5)
    s.path("M230 126L260 126L268 140Q272 148 262 148L228 148Q218 148 222 140Z", fill="#7bd389", stroke=INK, sw=2)
    s.rect(235, 86, 20, 7, fill=INK, rx=2)
    s.circle(247, 74, 4, fill="#7bd389", stroke=INK, sw=1.5)
    s.circle(256, 60, 3, fill="#7bd389", stroke=INK, sw=1.5)
    s.circle(250, 46, 2.5, fill="#7bd389", stroke=INK, sw=1.5)
    s.circle(240, 152, 10, fill=SKIN, stroke=INK, sw=2.5)
    # head
    s.head(150, 112, 1.0, sw=3)
    # small orbit sign next to the board
    s.ellipse(52, 100, 26, 10, stroke=PULLEY, sw=2)
    s.ellipse(52, 100, 10, 26, stroke=PULLEY, sw=2)
    s.circle(52, 100, 4, fill=FORCE)
    write("form1/Image2.svg", s)

    # Image3 97 x 89: logo mark above "Matemática" / "Computacional".
    s = Svg(97, 89)
    s.gradient("bg", BANNER_A, BANNER_B, x2="1", y2="1")
    s.rect(4, 4, 89, 81, fill="url(#bg)", stroke=INK, sw=2, rx=14)
    for i in range(1, 4):
        s.line(14, 10 + i * 17, 86, 10 + i * 17, "#ffffff", 0.6)
        s.line(12 + i * 18, 12, 12 + i * 18, 80, "#ffffff", 0.6)
    s.arrow(14, 72, 88, 72, "#ffffff", 1.5, head=6)
    s.arrow(18, 78, 18, 10, "#ffffff", 1.5, head=6)
    s.path("M22 66Q40 -6 60 40T86 26", stroke=ACCENT, sw=3)
    s.label(62, 66, "π", size=22, fill="#ffffff")
    write("form1/Image3.svg", s)

    # topic icons, 33 x 41; the topic links start at the control's right edge,
    # so the tile is drawn smaller and to the left, 4 px and more clear of them
    def tile():
        t = Svg(33, 41)
        t.add('<g transform="translate(0.5 4) scale(0.8)">')
        t.rect(1, 1, 31, 39, fill="#e8f1fb", stroke=BANNER_A, sw=2, rx=6)
        return t

    def done(t, rel):
        t.add("</g>")
        write(rel, t)

    t = tile()  # Movimento Retilíneo: a ball running along a straight line
    t.line(5, 29, 28, 29, INK, 2)
    t.line(5, 16, 10, 16, MOTION, 1.5)
    t.line(4, 20, 10, 20, MOTION, 1.5)
    t.circle(17, 20, 6, fill=BALL, stroke=INK, sw=1.5)
    t.arrow(8, 35, 28, 35, FORCE, 2, head=6)
    done(t, "form1/Image4.svg")

    t = tile()  # Lançamentos: a launch along a parabola
    t.line(4, 33, 29, 33, GROUND_LINE, 2)
    t.path("M6 32Q16 -2 27 32", stroke=INK, sw=1.5, dash="3 2")
    t.circle(22, 14, 4, fill=BALL, stroke=INK, sw=1.2)
    t.arrow(6, 32, 11, 22, FORCE, 1.5, head=5)
    done(t, "form1/Image5.svg")

    t = tile()  # Força e Movimento: a block pushed by a force
    t.line(4, 30, 29, 30, GROUND_LINE, 2)
    t.rect(12, 17, 13, 13, fill=BLOCK, stroke=BLOCK_EDGE, sw=1.2)
    t.arrow(3, 23, 12, 23, FORCE, 2, head=5)
    t.label(5, 13, "F", size=10, fill=FORCE)
    done(t, "form1/Image6.svg")

    t = tile()  # Potência: a lightning bolt
    t.poly([(20, 5), (8, 22), (15, 22), (11, 36), (25, 16), (18, 16), (23, 5)], fill=ACCENT, stroke=INK, sw=1.5)
    done(t, "form1/Image8.svg")

    # Image7 161 x 33: small banner at the bottom left.
    s = Svg(161, 33)
    banner_frame(s, 161, 33)
    s.head(18, 18, 0.2, sw=2)
    s.label(36, 21, "Física 1 · Mecânica", size=11.5, fill="#ffffff")
    write("form1/Image7.svg", s)


# ---------------------------------------------------------------------------
# Form2, rectilinear motion
# ---------------------------------------------------------------------------

def form2():
    # the red note starts at the control's right edge
    write("form2/Image1.svg", topic_banner(249, 97, ["Movimento", "Retilíneo"], motif_line, drawn=246))
    # "2)" starts 16 px into the box, the first statement ends 2 px before it
    write("form2/Image3.svg", bar(25, 297, at=7))
    write("form2/Image2.svg", bar(305, 17))
    write("form2/Image4.svg", bar(417, 17))

    # Image5 49 x 225: a ball thrown straight up and falling back along a
    # dashed vertical path.
    s = Svg(49, 225)
    s.ground(2, 47, 214, 9)
    s.line(24.5, 24, 24.5, 200, DIM, 1.5, dash="4 4")
    s.circle(24.5, 16, 7, fill="#ffffff", stroke=BALL, sw=1.5)  # the top of the flight
    s.ball(24.5, 206, 7)
    s.arrow(11, 170, 11, 50, MOTION, 2.5, head=9)
    s.arrow(38, 50, 38, 170, MOTION, 2.5, head=9)
    write("form2/Image5.svg", s)


# ---------------------------------------------------------------------------
# Form3, unit conversions
# ---------------------------------------------------------------------------

def form3():
    # Image1 537 x 33: a long yellow pencil lying horizontally.
    s = Svg(537, 33)
    s.rect(4, 8, 26, 17, fill="#f48fb1", stroke=INK, sw=1.5, rx=4)
    s.rect(26, 7, 22, 19, fill="#b0bec5", stroke=INK, sw=1.5)
    for x in (32, 38, 44):
        s.line(x, 7, x, 26, "#78909c", 1.2)
    s.rect(48, 8, 420, 17, fill="#ffcc33", stroke=INK, sw=1.5)
    s.rect(48, 8, 420, 5.5, fill="#ffe082")
    s.rect(48, 19.5, 420, 5.5, fill="#f0b400")
    s.line(48, 13.5, 468, 13.5, "#d4a000", 1)
    s.line(48, 19.5, 468, 19.5, "#d4a000", 1)
    s.rect(48, 8, 420, 17, fill="none", stroke=INK, sw=1.5)
    s.label(258, 20.5, "TAVEK 1  ·  SI", size=9, fill="#6d4c00", anchor="middle")
    s.poly([(468, 8), (468, 25), (512, 18.5), (512, 14.5)], fill="#f5d3a3", stroke=INK, sw=1.5)
    s.poly([(502, 12.8), (502, 20.2), (530, 16.5)], fill="#37474f", stroke=INK, sw=1)
    write("form3/Image1.svg", s)


# ---------------------------------------------------------------------------
# Form4 and Form5, launches
# ---------------------------------------------------------------------------

def basket(s, rim_x1, rim_x2, rim_y, pole_x, ground_y, board_top, board_bottom):
    s.line(pole_x, board_bottom - 6, pole_x, ground_y, "#78909c", 4, cap="butt")
    s.rect(pole_x - 8, board_top, 5, board_bottom - board_top, fill="#ffffff", stroke=INK, sw=1.5)
    s.line(rim_x2, rim_y, pole_x - 8, rim_y, FORCE, 2)
    s.line(pole_x - 3, (board_top + board_bottom) / 2, pole_x, (board_top + board_bottom) / 2, "#78909c", 3)
    # net
    net = rim_y + 13
    s.path("M%s %sL%s %sL%s %sL%s %sZ" % (f(rim_x1), f(rim_y), f(rim_x1 + 5), f(net), f(rim_x2 - 5), f(net),
                                          f(rim_x2), f(rim_y)), fill="none", stroke=DIM, sw=1)
    for i in range(1, 4):
        x = rim_x1 + (rim_x2 - rim_x1) * i / 4
        s.line(x, rim_y, x + (1 if i < 2 else -1) * 2, net, DIM, 1)
    s.line(rim_x1, rim_y, rim_x2, rim_y, FORCE, 3)


def player(s, fx, ground_y, head_y, hand, ball_r=7):
    """A flat figure standing at fx with both hands up at hand = (x, y)."""
    neck = head_y + 17
    hip = ground_y - (ground_y - head_y) * 0.47
    # legs with shoes
    s.line(fx - 4, hip, fx - 7, ground_y - 3, INK, 6)
    s.line(fx + 4, hip, fx + 7, ground_y - 3, INK, 6)
    s.line(fx - 11, ground_y - 2, fx - 4, ground_y - 2, "#000000", 4)
    s.line(fx + 4, ground_y - 2, fx + 11, ground_y - 2, "#000000", 4)
    # arms behind the jersey, raised to the ball
    s.line(fx - 5, neck + 4, hand[0] - 4, hand[1] + ball_r - 2, INK, 5)
    s.line(fx + 5, neck + 4, hand[0] + 4, hand[1] + ball_r - 2, INK, 5)
    # shorts and jersey
    s.rect(fx - 8, hip - 4, 16, 12, fill="#264653", rx=2)
    s.rect(fx - 8, neck, 16, hip - neck, fill="#e76f51", stroke=INK, sw=1.5, rx=3)
    s.circle(fx, head_y + 8, 8.5, fill=SKIN, stroke=INK, sw=2)
    s.ball(hand[0], hand[1], ball_r)


def limb(s, pts, width, fill, edge=INK):
    """An arm or leg through the joints pts: a thick rounded stroke, outlined."""
    d = "M%s %s" % (f(pts[0][0]), f(pts[0][1])) + "".join("L%s %s" % (f(x), f(y)) for x, y in pts[1:])
    s.path(d, stroke=edge, sw=width + 2.6)
    s.path(d, stroke=fill, sw=width)


def athlete(s, ball, sole_y, ground_y, ball_r=8):
    """A basketball player in the air, seen from the side and facing right:
    knees drawn up, both arms stretched up and forward, the ball just leaving
    the fingertips at ball (its centre). The head top is 1.80 m (90 px) above
    the lowest sole at sole_y. Returns (head top y, body x)."""
    rx, ry = ball
    bx = rx - 15                     # the body's axis, the ball up and ahead
    top = sole_y - 90
    skin, skin_far = "#c98b5e", "#a86d45"
    jersey, jersey_edge = "#6a2c91", "#3d1459"
    shorts = "#3d1459"
    # shadow on the floor: he is off the ground
    s.ellipse(bx, ground_y + 1.5, 15, 2.6, fill="#cbb68a")
    # the far arm and leg, in a darker tone behind the body
    limb(s, [(bx - 1, top + 26), (bx + 16, top + 10), (rx - 3, ry + 7)], 5, skin_far)
    limb(s, [(bx - 3, top + 62), (bx - 7, top + 76), (bx - 15, top + 85)], 7, skin_far)
    s.path("M%s %sL%s %sL%s %sQ%s %s %s %sZ" % (
        f(bx - 19), f(top + 83), f(bx - 13), f(top + 81), f(bx - 8), f(sole_y - 1),
        f(bx - 12), f(sole_y + 1), f(bx - 17), f(sole_y - 3)), fill="#e8e8e8", stroke=INK, sw=1.4)
    # shorts, jersey with its number
    s.path("M%s %sL%s %sL%s %sL%s %sL%s %sZ" % (
        f(bx - 9), f(top + 52), f(bx + 8), f(top + 52), f(bx + 11), f(top + 66), f(bx + 1), f(top + 68),
        f(bx - 10), f(top + 65)), fill=shorts, stroke=INK, sw=1.4)
    s.path("M%s %sQ%s %s %s %sL%s %sL%s %sL%s %sQ%s %s %s %sZ" % (
        f(bx - 8), f(top + 24), f(bx), f(top + 20), f(bx + 8), f(top + 24), f(bx + 9), f(top + 38),
        f(bx + 8), f(top + 54), f(bx - 9), f(top + 54), f(bx - 10), f(top + 38), f(bx - 8), f(top + 24)),
        fill=jersey, stroke=jersey_edge, sw=1.6)
    s.path("M%s %sQ%s %s %s %s" % (f(bx - 3), f(top + 22), f(bx), f(top + 27), f(bx + 3), f(top + 22)),
           stroke="#ffffff", sw=1.2)
    s.label(bx - 0.5, top + 44, "7", size=10, fill="#ffffff", anchor="middle")
    # the near leg, knee drawn up towards the basket, with its shoe
    limb(s, [(bx + 3, top + 62), (bx + 14, top + 71), (bx + 9, top + 84)], 7.5, skin)
    s.path("M%s %sL%s %sQ%s %s %s %sL%s %sQ%s %s %s %sZ" % (
        f(bx + 5), f(top + 82), f(bx + 12), f(top + 81), f(bx + 14), f(top + 86), f(bx + 19), f(top + 88),
        f(bx + 18), f(top + 91), f(bx + 10), f(top + 92), f(bx + 5), f(top + 89)), fill="#ffffff", stroke=INK, sw=1.4)
    s.line(bx + 6, top + 88, bx + 17, top + 90.5, FORCE, 1.2)
    # neck and head, facing right, with a headband
    s.rect(bx - 2.5, top + 15, 6, 8, fill=skin, stroke=INK, sw=1.4)
    s.circle(bx + 1, top + 9.5, 9.5, fill=skin, stroke=INK, sw=1.6)
    s.path("M%s %sQ%s %s %s %sQ%s %s %s %sQ%s %s %s %sZ" % (
        f(bx - 8.5), f(top + 11), f(bx - 9), f(top - 1), f(bx + 1), f(top), f(bx + 9), f(top + 0.5),
        f(bx + 10), f(top + 6), f(bx + 1), f(top + 2), f(bx - 8.5), f(top + 11)), fill="#2b1b12", stroke=INK, sw=1.2)
    s.path("M%s %sL%s %s" % (f(bx - 8.7), f(top + 7), f(bx + 10.3), f(top + 6)), stroke="#ffffff", sw=2.4)
    s.circle(bx - 2, top + 11, 2.4, fill=skin_far, stroke=INK, sw=1)      # ear
    s.circle(bx + 6, top + 9, 1.1, fill=INK)                               # eye, looking at the rim
    s.path("M%s %sQ%s %s %s %s" % (f(bx + 10.4), f(top + 10), f(bx + 12.2), f(top + 12.5), f(bx + 10), f(top + 13)),
           stroke=INK, sw=1.1)
    # the near arm, elbow up in front of the face, fingers behind the ball
    hand = (rx - ball_r * 0.75 - 1.5, ry + ball_r * 0.75 + 1.5)
    limb(s, [(bx + 3, top + 27), (bx + 20, top + 12), hand], 5, skin)
    s.circle(hand[0], hand[1], 3.2, fill=skin, stroke=INK, sw=1.2)
    s.ball(rx, ry, ball_r)
    s.path("M%s %sQ%s %s %s %s" % (f(rx - ball_r), f(ry - 2), f(rx), f(ry + 2.5), f(rx + ball_r), f(ry - 2)),
           stroke=INK, sw=0.8)
    # the leap: short lines under the feet
    for dx, y1, y2 in ((-9, sole_y + 4, sole_y + 10), (0, sole_y + 2, sole_y + 11), (9, sole_y + 4, sole_y + 9)):
        s.line(bx + dx, y1, bx + dx, y2, DIM, 1.1)
    return top, bx


def form4():
    # the separator bar lies across the bottom rows of the control
    write("form4/Image1.svg", topic_banner(249, 105, ["Lançamentos"], motif_parabola, drawn_h=100))
    # Form5's separator bar runs across the bottom of its banner's control
    write("form5/Image1.svg", topic_banner(249, 105, ["Lançamentos"], motif_parabola, drawn_h=96))
    # the statement of exercise 1 starts 8 px down the box
    write("form4/Image5.svg", bar(369, 9, at=1, t=5))
    write("form4/Image3.svg", bar(17, 353))

    # Image2 353 x 209: aircraft releasing a missile, axes at the release point.
    # Over it: "VEL" note 72..95 x 0..13, "Vo" 48..64 x 24..37 and its cell
    # 72..153 x 16..37, the check box 160..273 x 16..33; "Yo" 32..48 x 120..133
    # and its cell 56..137 x 112..133, right of the y axis.
    s = Svg(353, 209)
    gy = 194
    ox, oy = 26, 70
    s.ground(0, 353, gy, 15)
    # target on the ground
    tx = 306
    s.rect(tx - 16, gy - 12, 32, 12, fill="#8d99ae", stroke=INK, sw=1.5)
    s.rect(tx - 8, gy - 19, 16, 8, fill="#8d99ae", stroke=INK, sw=1.5)
    s.line(tx + 4, gy - 16, tx + 20, gy - 22, INK, 2.5)
    s.circle(tx, gy - 34, 9, stroke=FORCE, sw=2)
    s.circle(tx, gy - 34, 3, fill=FORCE)
    # axes
    s.arrow(ox, oy, 348, oy, DIM, 1.5, head=8)
    s.label(340, oy - 6, "x", size=12, fill=DIM, italic=True)
    s.arrow(ox, oy, ox, gy + 10, DIM, 1.5, head=8)
    s.label(ox - 13, gy + 8, "y", size=12, fill=DIM, italic=True)
    # the height yo: a dimension beside the y axis
    s.double_arrow(ox - 14, oy, ox - 14, gy)
    s.line(ox - 20, gy, ox - 8, gy, DIM, 1)
    # trajectory (a parabola, horizontal at the release point)
    s.path("M%s %sQ%s %s %s %s" % (f(ox), f(oy), f((ox + tx) / 2), f(oy), f(tx - 4), f(gy - 14)),
           stroke=FORCE, sw=2, dash="6 4")
    # the missile on its way
    t = 0.55
    mx = (1 - t) ** 2 * ox + 2 * (1 - t) * t * (ox + tx) / 2 + t * t * (tx - 4)
    my = (1 - t) ** 2 * oy + 2 * (1 - t) * t * oy + t * t * (gy - 14)
    ang = math.degrees(math.atan2(2 * t * (gy - 14 - oy), (tx - 4 - ox)))
    s.add('<g transform="translate(%s %s) rotate(%s)">' % (f(mx), f(my), f(ang)))
    s.poly([(-12, -3), (8, -3), (14, 0), (8, 3), (-12, 3)], fill="#546e7a", stroke=INK, sw=1)
    s.poly([(-12, -3), (-16, -7), (-9, -3)], fill=FORCE)
    s.poly([(-12, 3), (-16, 7), (-9, 3)], fill=FORCE)
    s.add("</g>")
    # the aircraft, flying to the right just above the release point
    ax, ay = ox + 18, oy - 16
    s.path("M%s %sL%s %sQ%s %s %s %sQ%s %s %s %sL%s %sZ" % (
        f(ax - 34), f(ay - 4), f(ax + 14), f(ay - 5), f(ax + 30), f(ay - 4), f(ax + 34), f(ay + 1),
        f(ax + 30), f(ay + 5), f(ax + 14), f(ay + 5), f(ax - 32), f(ay + 4)), fill="#cfd8dc", stroke=INK, sw=1.5)
    s.poly([(ax - 34, ay - 4), (ax - 42, ay - 16), (ax - 34, ay - 16), (ax - 22, ay - 4)], fill="#90a4ae", stroke=INK, sw=1.5)
    s.poly([(ax - 6, ay), (ax - 18, ay + 14), (ax - 8, ay + 14), (ax + 8, ay + 1)], fill="#90a4ae", stroke=INK, sw=1.5)
    s.path("M%s %sQ%s %s %s %s" % (f(ax + 20), f(ay - 4), f(ax + 27), f(ay - 4), f(ax + 30), f(ay)), stroke=PULLEY, sw=2)
    # velocity of the aircraft
    s.arrow(ax + 38, ay, ax + 96, ay, MOTION, 2.5, head=9)
    # the missile at release
    s.rect(ox - 8, oy - 3, 16, 5, fill="#546e7a", rx=2)
    write("form4/Image2.svg", s)

    # Image4 329 x 273: the basketball player's jump, with its measures.
    # 50 px to the metre, ground at 236. The worked example: an athlete of
    # 1.80 m releases the ball at 1.46 x 1.80 = 2.628 m, at 45 degrees, and the
    # computed launch speed takes it through the rim, 3.1 m up and 4.39 m ahead.
    s = Svg(329, 273)
    gy = 236
    m = 50.0
    pole = 303
    rim_c = pole - 8 - 14          # 281
    release = (rim_c - 4.39 * m, gy - 1.46 * 1.80 * m)
    rim_y = gy - 3.1 * m
    s.ground(0, 329, gy, 6)
    basket(s, rim_c - 14, rim_c + 14, rim_y, pole, gy, rim_y - 36, rim_y + 10)
    # the athlete in the air, 1.80 m tall, soles 0.3 m above the floor
    sole = gy - 0.3 * m
    head_top, fx = athlete(s, release, sole, gy, ball_r=8)
    # The path at 45 degrees through the centre of the rim: a parabola with a
    # vertical axis is the quadratic Bezier whose control point is where the
    # tangents at its two ends meet, halfway across, on the launch line.
    x0, y0 = release
    x1, y1 = rim_c, rim_y
    cxp, cyp = (x0 + x1) / 2, y0 - (x1 - x0) / 2
    s.path("M%s %sQ%s %s %s %s" % (f(x0), f(y0), f(cxp), f(cyp), f(x1), f(y1)),
           stroke=BALL, sw=2, dash="5 4")
    # the 45 degree angle at the release point
    s.line(x0, y0, x0 + 52, y0, DIM, 1.2, dash="3 3")
    s.arc(x0, y0, 30, 0, 45)
    s.label(x0 + 34, y0 - 8, "45°", size=11)
    # basket height 3.1 m, as the exercise takes it
    s.double_arrow(318, rim_y, 318, gy)
    s.line(rim_c + 14, rim_y, 324, rim_y, DIM, 1, dash="2 2")
    s.label(314, (rim_y + gy) / 2, "3.1 m", size=11, anchor="middle", rotate=-90)
    # horizontal distances below the ground
    s.line(x0, y0 + 10, x0, gy + 21, DIM, 1, dash="2 2")
    s.line(rim_c, rim_y + 14, rim_c, gy + 21, DIM, 1, dash="2 2")
    s.double_arrow(x0, gy + 17, rim_c, gy + 17)
    s.label((x0 + rim_c) / 2, gy + 13, "4.39 m", size=11, anchor="middle")
    left = pole - 5.79 * m
    s.line(left, gy, left, gy + 35, DIM, 1, dash="2 2")
    s.line(pole, gy, pole, gy + 35, DIM, 1, dash="2 2")
    s.double_arrow(left, gy + 31, pole, gy + 31)
    s.rect((left + pole) / 2 - 22, gy + 25, 44, 12, fill="#ffffff")
    s.label((left + pole) / 2, gy + 35, "5.79 m", size=11, anchor="middle")
    # athlete's height (sole to head) and arm length at the left of the figure
    s.line(fx - 30, head_top, fx - 4, head_top, MOTION, 1, dash="2 2")
    s.line(fx - 30, sole, fx - 18, sole, MOTION, 1, dash="2 2")
    s.double_arrow(fx - 26, head_top, fx - 26, sole, color=MOTION)
    s.label(fx - 30, (head_top + sole) / 2, "altura do atleta", size=9.5, fill=MOTION, anchor="middle", rotate=-90)
    # the arm's reach, from the head up to the ball, on the right
    ax = release[0] + 14
    s.line(fx + 11, head_top, ax + 4, head_top, MOTION, 1, dash="2 2")
    s.line(release[0] + 9, release[1], ax + 4, release[1], MOTION, 1, dash="2 2")
    s.double_arrow(ax, release[1], ax, head_top, color=MOTION, head=5)
    s.label(ax + 4, (release[1] + head_top) / 2 + 4, "braço", size=9.5, fill=MOTION)
    write("form4/Image4.svg", s)


def form5():
    write("form5/Image3.svg", bar(17, 361))
    write("form5/Image4.svg", bar(401, 20))

    # Image2 361 x 257: the ball thrown at an angle reaches the rim at the top
    # of its arc, 1.37 m above the hands; the angle is drawn anew on each press,
    # so no horizontal distance is fixed (the solution works it out).
    # Over it: buttons 0..169 x 16..57 at the top; the drawn angle (Label10)
    # at 56 x 192..205, right of the launch angle.
    s = Svg(361, 257)
    x0, y0 = 34, 204            # the ball leaves the hands here
    a = 50                      # a launch angle to draw
    rise = 140                  # 1.37 m
    xr, yr = x0 + 2 * rise / math.tan(math.radians(a)), y0 - rise
    pole = xr + 30
    # the basket on its pole, running down out of the figure
    s.line(pole, yr - 20, pole, 257, "#78909c", 4, cap="butt")
    basket(s, xr - 13, xr + 13, yr, pole, 257, yr - 30, yr + 8)
    # the shooter's arm from the lower left, the ball at the fingertips
    limb(s, [(-6, 257), (10, 236), (x0 - 7, y0 + 8)], 7, "#c98b5e")
    s.circle(x0 - 6, y0 + 7, 4, fill="#c98b5e", stroke=INK, sw=1.2)
    s.ball(x0, y0, 7)
    # the arc: its top (a horizontal tangent) is the rim, so the quadratic
    # Bezier's control point lies halfway across at the rim's height
    s.path("M%s %sQ%s %s %s %s" % (f(x0 + 5), f(y0 - 6), f((x0 + xr) / 2), f(yr), f(xr), f(yr - 7)),
           stroke=BALL, sw=2, dash="5 4")
    s.ball(xr, yr - 7, 6, fill="#f6c28b")
    s.arrow(xr - 30, yr - 20, xr - 10, yr - 20, MOTION, 1.6, head=6)
    s.label(xr - 34, yr - 17, "alto do arco", size=10, fill=MOTION, anchor="end")
    # the launch angle and speed
    s.line(x0, y0, x0 + 24, y0, DIM, 1.2, dash="3 3")
    s.arc(x0, y0, 18, 0, a)
    s.arrow(x0 + 6, y0 - 7, x0 + 6 + 32 * math.cos(math.radians(a)), y0 - 7 - 32 * math.sin(math.radians(a)),
            MOTION, 2, head=7)
    s.label(x0 - 14, y0 - 34, "v₀", size=11, fill=MOTION, italic=True)
    # the rise from the hands to the rim, 1.37 m
    dim_x = pole + 16
    s.line(x0 + 10, y0, dim_x + 4, y0, DIM, 1, dash="2 2")
    s.line(xr + 13, yr, dim_x + 4, yr, DIM, 1, dash="2 2")
    s.double_arrow(dim_x, yr, dim_x, y0)
    s.label(dim_x + 12, (yr + y0) / 2, "Δy = 1.37 m", size=11, anchor="middle", rotate=-90)
    write("form5/Image2.svg", s)

    # Image5 289 x 169: the kicked ball. Over it: "ângulo" at 48..87 x 96..109
    # and its cell at 88..169 x 88..109, right of the angle at the kick.
    s = Svg(289, 169)
    gy = 128
    x0, x1 = 22, 268
    s.ground(0, 289, gy, 12)
    apex = 30
    s.path("M%s %sQ%s %s %s %s" % (f(x0), f(gy - 6), f((x0 + x1) / 2), f(2 * apex - (gy - 6)), f(x1), f(gy - 6)),
           stroke=BALL, sw=2, dash="5 4")
    s.line(x0, gy - 6, x1, gy - 6, DIM, 1.5, dash="6 4")
    s.ball(x0, gy - 6, 6)
    s.ball(x1, gy - 6, 6)
    slope = ((2 * apex - (gy - 6)) - (gy - 6)) / ((x1 - x0) / 2)
    a = math.degrees(math.atan(-slope))
    s.arc(x0, gy - 6, 22, 0, a)
    s.arrow(x0 + 5, gy - 11, x0 + 5 + 26 * math.cos(math.radians(a)), gy - 11 - 26 * math.sin(math.radians(a)),
            MOTION, 2.5, head=8)
    s.label(x0 + 14, gy - 50, "v0", size=11, fill=MOTION, italic=True)
    write("form5/Image5.svg", s)


# ---------------------------------------------------------------------------
# Form6 to Form9, force and motion
# ---------------------------------------------------------------------------

def motif_box_push(s, x1, y1, x2, y2):
    motif_force(s, x1, y1, x2, y2)


def form6():
    title = ["Força e", "Movimento"]
    write("form6/Image1.svg", topic_banner(257, 105, title, motif_box_push))
    # Form7 and Form8 have a separator bar across the bottom of the control
    write("form7/Image1.svg", topic_banner(257, 105, title, motif_box_push, drawn_h=98))
    # in Form8 the bar's stripe keeps to the top of its box, above the statement
    write("form8/Image1.svg", topic_banner(257, 105, title, motif_box_push, drawn_h=94))
    # and in Form9 the statement of exercise 7 also starts at x 240 of it
    write("form9/Image1.svg", topic_banner(257, 105, title, motif_box_push, drawn=236, drawn_h=94))
    write("form6/Image4.svg", bar(25, 441))

    # Image2 305 x 161: a block hanging from two ropes, A at 28 degrees and B at
    # 47 degrees to the ceiling, C vertical. Over it: "Massa" at 16..53 x
    # 136..149 and its cell at 64..145 x 128..149, left of the block.
    s = Svg(305, 161)
    cy = 10
    s.rect(0, 0, 305, cy, fill=CEILING)
    s.line(0, cy, 305, cy, INK, 2)
    s.hatch(0, 305, 0, down=True, step=9, length=8)
    la, lb = 28.0, 47.0
    ax_, bx_ = 34.0, 272.0
    ta, tb = math.tan(math.radians(la)), math.tan(math.radians(lb))
    kx = (ta * ax_ + tb * bx_) / (ta + tb)
    ky = cy + ta * (kx - ax_)
    s.line(ax_, cy, kx, ky, ROPE, 2.5)
    s.line(bx_, cy, kx, ky, ROPE, 2.5)
    bw, bh = 52, 34
    btop = 118
    s.line(kx, ky, kx, btop, ROPE, 2.5)
    s.circle(kx, ky, 4, fill=INK)
    s.rect(ax_ - 5, cy - 1, 10, 4, fill=INK)
    s.rect(bx_ - 5, cy - 1, 10, 4, fill=INK)
    s.block(kx - bw / 2, btop, bw, bh, "m")
    # angles against the ceiling
    s.arc(ax_, cy, 34, -la, 0)
    s.label(ax_ + 38, cy + 14, "28°", size=11)
    s.arc(bx_, cy, 30, 180, 180 + lb)
    s.label(bx_ - 50, cy + 19, "47°", size=11)
    # rope letters
    ma = along((ax_, cy), (kx, ky), 0.5)
    s.label(ma[0] - 4, ma[1] + 18, "A", size=14)
    mb = along((bx_, cy), (kx, ky), 0.5)
    s.label(mb[0] + 9, mb[1] + 10, "B", size=14)
    s.label(kx + 8, (ky + btop) / 2 + 5, "C", size=14)
    write("form6/Image2.svg", s)

    # Image3 313 x 225: a block pulled by F2 at 38 degrees against F1.
    # Over it: "Peso do Bloco" 48..131 x 80..93 with its cell 144..201 x 72..93,
    # above the block; "F2" at 264 x 88..101 with its cell from 288 on, at the
    # tip of F2; "F1" at -8 x 160..173 with its cell 16..73 x 152..173, at the
    # tip of F1.
    s = Svg(313, 225)
    gy = 190
    s.ground(0, 313, gy, 10)
    bx, bw, bh = 112, 80, 58
    by = gy - bh
    s.block(bx, by, bw, bh)
    cx, cy = bx + bw / 2, by + bh / 2
    # y axis through the block's centre
    s.arrow(cx, by, cx, 100, DIM, 1.5, head=8)
    s.label(cx + 6, 108, "y", size=12, fill=DIM, italic=True)
    # F1 to the left
    s.arrow(bx, 162, 78, 162, FORCE, 3, head=11)
    # F2 at 38 degrees, from the right face
    fx, fy = bx + bw, cy
    length = 86
    tip = (fx + length * math.cos(math.radians(38)), fy - length * math.sin(math.radians(38)))
    s.line(fx, fy, fx + 62, fy, DIM, 1.2, dash="3 3")
    s.arc(fx, fy, 32, 0, 38)
    s.label(fx + 36, fy - 6, "38°", size=11)
    s.arrow(fx, fy, tip[0], tip[1], FORCE, 3, head=11)
    # direction of motion
    s.label(196, 216, "movimento", size=10, fill=MOTION, anchor="end")
    s.arrow(202, 212, 300, 212, MOTION, 2.5, head=9)
    write("form6/Image3.svg", s)


def form7():
    write("form7/Image3.svg", bar(25, 369))
    write("form7/Image4.svg", bar(393, 17))

    # Image2 337 x 105: three blocks pulled to the right. The labels Bloco1..3
    # (lime on blue) lie on the blocks at 16..56, 120..160 and 224..264 x
    # 56..69; the weights' cells are above the blocks (8..29) and "Força" with
    # its cell at the right, above the pulling arrow.
    s = Svg(337, 105)
    gy = 90
    s.rect(0, gy, 337, 8, fill="#000000")
    centres = (36, 140, 244)
    bw, bh = 60, 50
    for c in centres:
        s.rect(c - bw / 2, gy - bh, bw, bh, fill=PURE_BLUE, stroke="#000080", sw=2)
    ry = gy - bh / 2 - 2
    s.line(centres[0] + bw / 2, ry, centres[1] - bw / 2, ry, ROPE, 2.5)
    s.line(centres[1] + bw / 2, ry, centres[2] - bw / 2, ry, ROPE, 2.5)
    s.arrow(centres[2] + bw / 2, ry, 334, ry, FORCE, 3, head=11)
    write("form7/Image2.svg", s)

    # Image5 273 x 257: A, B and C on a table, C's rope over the pulley to D.
    # Over it: the cells of C and D at the top (to 61) and the buttons to the
    # right of them; the result lines from -24 at 162..175, 194..207, 226..239.
    s = Svg(273, 257)
    ty = 120
    edge = 214
    s.rect(0, ty, edge, 9, fill=WOOD, stroke=WOOD_DARK, sw=1.5)
    # short legs: the result lines are written across the lower left
    s.rect(edge - 16, ty + 9, 8, 28, fill=WOOD, stroke=WOOD_DARK, sw=1.5)
    s.rect(6, ty + 9, 8, 28, fill=WOOD, stroke=WOOD_DARK, sw=1.5)
    bw, bh = 40, 32
    xs = (10, 78, 146)
    for x, letter in zip(xs, "ABC"):
        s.block(x, ty - bh, bw, bh, letter)
    ry = ty - bh / 2
    s.line(xs[0] + bw, ry, xs[1], ry, ROPE, 2.5)
    s.line(xs[1] + bw, ry, xs[2], ry, ROPE, 2.5)
    pr = 11
    pc = (edge + 8, ry + pr)
    s.line(edge - 2, ty + 2, pc[0], pc[1], INK, 3)
    s.line(xs[2] + bw, ry, pc[0], ry, ROPE, 2.5)
    s.line(pc[0] + pr, pc[1], pc[0] + pr, 184, ROPE, 2.5)
    s.pulley(pc[0], pc[1], pr)
    s.block(pc[0] + pr - 18, 184, 36, 36, "D")
    s.arrow(pc[0] + pr + 26, 194, pc[0] + pr + 26, 232, MOTION, 2, head=7)
    write("form7/Image5.svg", s)


def incline_figure(w, h, foot, top, pulley_r, block_at, b_drop, guides=False):
    """The plane of exercises 5, 6 and 7: foot and top are the ends of the slope;
    block A sits at fraction block_at of the slope; B hangs b_drop below the pulley,
    clear of the vertical side."""
    s = Svg(w, h)
    (fx, fy), (tx, ty) = foot, top
    ang = math.atan2(fy - ty, tx - fx)
    s.poly([(fx, fy), (tx, fy), (tx, ty)], fill="#e3ecf7", stroke=INK, sw=2)
    ux, uy = math.cos(ang), -math.sin(ang)     # up the slope
    nx, ny = -math.sin(ang), -math.cos(ang)    # away from the slope
    # block A
    bl, bh = 30, 22
    L = math.hypot(tx - fx, ty - fy)
    px, py = fx + ux * L * block_at, fy + uy * L * block_at
    s.add('<g transform="translate(%s %s) rotate(%s)">' % (f(px), f(py), f(-math.degrees(ang))))
    s.rect(-bl / 2, -bh, bl, bh, fill=BLOCK, stroke=BLOCK_EDGE, sw=2, rx=2)
    s.label(0, -bh / 2 + 5, "A", size=13, fill="#ffffff", anchor="middle")
    s.add("</g>")
    # rope along the slope at half the block's height, over the pulley
    off = bh / 2
    r = pulley_r
    # The pulley sits on a short arm out beyond the top corner, so that B
    # hangs free, clear of the plane's vertical side. Its centre lies off - r
    # above the slope's line, where the rope running parallel to the slope
    # touches its top.
    reach = (12 + 6 - r) / ux          # B's left side 6 px right of the plane
    cx = tx + ux * reach + nx * (off - r)
    cy = ty + uy * reach + ny * (off - r)
    start = (px + ux * bl / 2 + nx * off, py + uy * bl / 2 + ny * off)
    tangent = (cx + nx * r, cy + ny * r)
    s.line(start[0], start[1], tangent[0], tangent[1], ROPE, 2.2)
    drop_x = cx + r
    s.line(drop_x, cy, drop_x, cy + b_drop, ROPE, 2.2)
    # a bracket on the plane's top holds the axle
    s.poly([(tx - 1, ty + 2), (tx - 1, ty + 16), (cx + 1, cy + 2), (cx - 1, cy - 2)], fill="#90a4ae", stroke=INK, sw=1.5)
    s.pulley(cx, cy, r)
    s.block(drop_x - 12, cy + b_drop, 24, 26, "B")
    return s, ang


def form8():
    # the statement of exercise 5 starts 8 px down the horizontal box, the
    # answer "Força miníma..." 8 px right of the vertical box's left edge
    write("form8/Image3.svg", bar(17, 385, at=1, t=5))
    write("form8/Image4.svg", bar(369, 17, at=2, t=4))

    # Image2 273 x 201, also Form9's Image2: the incline with the hanging block.
    # Over it (Form8 / Form9): the mass cells at the top left, above the slope;
    # "angulo" at 56 (48) x 168..181 with its cell 104 (96)..161 x 160..181,
    # right of the angle at the foot.
    foot, top = (14, 190), (216, 64)
    s, ang = incline_figure(273, 201, foot, top, 10, 0.5, 58)
    s.ground(0, 273, 190, 8)
    s.arc(foot[0], foot[1], 28, 0, math.degrees(ang))
    write("form8/Image2.svg", s)
    write("form9/Image2.svg", s)

    # Image5 209 x 209: block A held against a wall by a horizontal push.
    # Over it: the force result line ends near x 2 at 42..55; the weight result
    # line starts at -8, 162..175.
    s = Svg(209, 209)
    wx = 184
    s.rect(wx, 12, 25, 186, fill="#000000")
    bx, by, bw, bh = 118, 76, 66, 56
    s.block(bx, by, bw, bh, "A", size=15)
    s.arrow(22, by + bh / 2, bx - 2, by + bh / 2, FORCE, 3.5, head=12)
    s.label(52, by + bh / 2 - 9, "F", size=13, fill=FORCE)
    # the weight stays short of the result line written at 162
    s.arrow(bx + bw / 2, by + bh - 4, bx + bw / 2, by + bh + 24, "#7b2cbf", 2, head=8)
    s.label(bx + bw / 2 + 5, by + bh + 22, "P", size=11, fill="#7b2cbf")
    s.arrow(wx - 8, by + bh - 6, wx - 8, by - 30, MOTION, 2, head=8)
    s.label(wx - 36, by - 20, "fat", size=11, fill=MOTION)
    write("form8/Image5.svg", s)


def form9():
    # as in Form8: statement 8 px down the box, exercise 7 8 px right of it
    write("form9/Image4.svg", bar(377, 17, at=2, t=4))
    write("form9/Image3.svg", bar(17, 402, at=1, t=5))

    # Image5 289 x 169: block A at the foot of the plane, dashed guides along
    # the base (CA) and down the right side (CO). Over it: "HIP" (yellow) at
    # 120..142 x 32..45 above the slope; "CO" (yellow) at 288 x 72..85 beside
    # the right-hand guide; "angulo" at 64..103 x 120..133 and its cell
    # 112..169 x 112..133 inside the triangle; "Comprimento CA" at 136..229 x
    # 152..165 below the base; the mass cells 24..81 x 24..77.
    foot, top = (26, 140), (248, 22)
    # A's lower face starts 9 px up the slope from the foot
    s, ang = incline_figure(289, 169, foot, top, 7, (15 + 9) / math.hypot(top[0] - foot[0], top[1] - foot[1]), 50)
    s.arc(foot[0], foot[1], 28, 0, math.degrees(ang))
    # guides: base (CA) and right side (CO)
    s.line(foot[0], 148, top[0], 148, DIM, 1.3, dash="4 3")
    s.line(foot[0], 143, foot[0], 152, DIM, 1.3)
    s.line(top[0], 143, top[0], 152, DIM, 1.3)
    s.line(284, top[1], 284, foot[1], DIM, 1.3, dash="4 3")
    s.line(top[0] + 4, top[1], 288, top[1], DIM, 1, dash="2 2")
    s.line(top[0] + 4, foot[1], 288, foot[1], DIM, 1, dash="2 2")
    # guide parallel to the slope, under "HIP"
    ux, uy = math.cos(ang), -math.sin(ang)
    nx, ny = -math.sin(ang), -math.cos(ang)
    d = 34
    p = (foot[0] + nx * d, foot[1] + ny * d)
    L = math.hypot(top[0] - foot[0], top[1] - foot[1])
    a0, a1 = 0.36, 0.86
    s.line(p[0] + ux * L * a0, p[1] + uy * L * a0, p[0] + ux * L * a1, p[1] + uy * L * a1, DIM, 1.3, dash="4 3")
    write("form9/Image5.svg", s)


# ---------------------------------------------------------------------------
# Form10 and Form11, power
# ---------------------------------------------------------------------------

def form10():
    # the statement of exercise 2 starts at x 232 of the control, the bar at y 96
    write("form10/Image1.svg", topic_banner(233, 105, ["Potência"], motif_power, drawn=228, drawn_h=98))
    write("form10/Image4.svg", bar(385, 17))
    # the figure of exercise 2 names its vertex A from 12 px right of the box
    write("form10/Image3.svg", bar(17, 359, at=2, t=5))

    # Image2 153 x 257: the elevator at its lower and upper positions. The
    # given labels start at x 80 ("Massa do elevador" at 0, "Tempo de subida" at
    # 80..93, "Altura de deslocamento" at 120..133), so the shaft keeps to the
    # left and the brace points at "Altura de deslocamento".
    s = Svg(153, 257)
    sx1, sx2 = 6, 60
    s.rect(sx1, 4, sx2 - sx1, 204, fill="#f1f4f8", stroke=INK, sw=2)
    s.rect(sx1 - 3, 2, sx2 - sx1 + 6, 6, fill=INK)
    s.ground(0, 78, 208, 8)
    yu, yl = 56, 198       # floors of the car at the top and at the bottom
    ch = 40
    s.line((sx1 + sx2) / 2, 8, (sx1 + sx2) / 2, yu - ch, ROPE, 2)

    def car(y_floor, ghost):
        x1, x2 = sx1 + 6, sx2 - 6
        if ghost:
            s.rect(x1, y_floor - ch, x2 - x1, ch, fill="#ffffff", stroke=DIM, sw=1.5, extra=' stroke-dasharray="4 3"')
        else:
            s.rect(x1, y_floor - ch, x2 - x1, ch, fill=ACCENT, stroke=INK, sw=2, rx=2)
            s.line((x1 + x2) / 2, y_floor - ch + 4, (x1 + x2) / 2, y_floor - 2, INK, 1.2)
            s.rect(x1 + 5, y_floor - ch + 6, 10, 8, fill="#ffffff", stroke=INK, sw=1)
            s.rect(x2 - 15, y_floor - ch + 6, 10, 8, fill="#ffffff", stroke=INK, sw=1)
    car(yl, True)
    car(yu, False)
    s.arrow((sx1 + sx2) / 2, yl - ch - 8, (sx1 + sx2) / 2, yu + 10, MOTION, 3, head=11)
    s.line(sx2, yu, 68, yu, DIM, 1, dash="2 2")
    s.line(sx2, yl, 68, yl, DIM, 1, dash="2 2")
    s.brace(66, yu, 66, yl, depth=10)
    write("form10/Image2.svg", s)

    # Image5 321 x 193: the block pulled up the incline towards the winch.
    # Over it: "Massa do Bloco" and its cell above the top edge; "Comprimento CO"
    # at 296 x 72..85 and its cell at 312 x 88..109, at the tip of the CO brace;
    # the angle result line from 56 x 138..151 inside the triangle, right of the
    # angle; "Comprimento CA" 32..125 x 176..189 and its cell 128..185 x
    # 168..189, under the CA brace.
    s = Svg(321, 193)
    # the window's vertical bar covers x 5..12 of this control
    foot, top = (20, 156), (262, 20)
    (fx, fy), (tx, ty) = foot, top
    ang = math.atan2(fy - ty, tx - fx)
    s.poly([(fx, fy), (tx, fy), (tx, ty)], fill="#e3ecf7", stroke=INK, sw=2)
    s.rect(tx - 10, fy - 10, 10, 10, fill="none", stroke=INK, sw=1.2)
    s.circle(tx - 5, fy - 5, 1.3, fill=INK)
    s.arc(fx, fy, 26, 0, math.degrees(ang))
    ux, uy = math.cos(ang), -math.sin(ang)
    nx, ny = -math.sin(ang), -math.cos(ang)
    L = math.hypot(tx - fx, ty - fy)
    bl, bh = 36, 24
    t0 = 0.42
    px, py = fx + ux * L * t0, fy + uy * L * t0
    s.add('<g transform="translate(%s %s) rotate(%s)">' % (f(px), f(py), f(-math.degrees(ang))))
    s.rect(-bl / 2, -bh, bl, bh, fill=BLOCK, stroke=BLOCK_EDGE, sw=2, rx=2)
    s.add("</g>")
    r = 7
    off = bh / 2
    cx, cy = tx + nx * (off - r), ty + ny * (off - r)
    start = (px + ux * bl / 2 + nx * off, py + uy * bl / 2 + ny * off)
    tangent = (cx + nx * r, cy + ny * r)
    s.line(start[0], start[1], tangent[0], tangent[1], ROPE, 2.2)
    # over the pulley to the winch drum on the right
    drum = (300, cy - r + 6)
    s.line(cx, cy - r, drum[0], cy - r, ROPE, 2.2)
    s.line(tx, ty, cx, cy, INK, 3)
    s.pulley(cx, cy, r)
    s.arrow(start[0] + ux * 40 + nx * 10, start[1] + uy * 40 + ny * 10,
            start[0] + ux * 80 + nx * 10, start[1] + uy * 80 + ny * 10, MOTION, 2, head=8)
    # winch on a wall bracket at the right edge
    s.rect(316, 0, 5, 44, fill=DIM)
    s.hatch(316, 321, 0, down=True)
    s.rect(284, 2, 32, 36, fill="#90a4ae", stroke=INK, sw=1.5, rx=3)
    s.circle(drum[0], drum[1], 6, fill="#546e7a", stroke=INK, sw=1.5)
    s.poly([(292, 30), (296, 24), (300, 30)], fill=ACCENT, stroke=INK, sw=1)
    # braces: CA under the base, CO right of the vertical side
    s.brace(tx, fy + 3, fx, fy + 3, depth=9)
    s.brace(tx + 4, ty, tx + 4, fy, depth=10)
    # the corners that name the sides: A at the foot, C at the right angle, O on top
    s.label(fx - 8, fy + 1, "A", size=11)
    s.label(tx + 7, fy + 11, "C", size=11)
    s.label(tx - 32, ty - 3, "O", size=11)
    write("form10/Image5.svg", s)


def form11():
    # the statement lines of exercise 3 start at x 219 of the control
    write("form11/Image1.svg", topic_banner(233, 97, ["Potência"], motif_power, drawn=216))

    # Image2 289 x 137: a block pulled along the floor by F1 at an angle.
    # Over it: "Força F1" at 240..291 x 8..21 at the arrow's tip; "ângulo" at
    # 208..247 x 48..61 between the arrow and the dashed horizontal; the check
    # box reaches 25 at the left.
    s = Svg(289, 137)
    gy = 98
    s.ground(30, 289, gy, 10)
    s.hatch(30, 289, gy + 10, down=True)
    bx, bw, bh = 96, 74, 52
    s.block(bx, gy - bh, bw, bh)
    ox, oy = bx + bw, gy - bh / 2 + 2
    a = 34.0
    s.line(ox, oy, ox + 92, oy, DIM, 1.3, dash="4 3")
    s.arc(ox, oy, 28, 0, a)
    tip = (ox + 80 * math.cos(math.radians(a)), oy - 80 * math.sin(math.radians(a)))
    s.arrow(ox, oy, tip[0], tip[1], FORCE, 3, head=11)
    s.arrow(bx + 6, gy + 22, bx + bw + 40, gy + 22, MOTION, 2.5, head=9)
    s.label(bx + bw + 46, gy + 26, "v constante", size=10, fill=MOTION)
    write("form11/Image2.svg", s)


# ---------------------------------------------------------------------------
# The program's icon
# ---------------------------------------------------------------------------

def icon():
    s = Svg(32, 32)
    s.gradient("bg", BANNER_A, BANNER_B, x2="1", y2="1")
    s.rect(1, 1, 30, 30, fill="url(#bg)", stroke=INK, sw=1, rx=6)
    s.line(4, 26, 28, 26, "#ffffff", 1.5)
    s.path("M5 25Q15 -3 26 25", stroke=ACCENT, sw=2.5)
    s.circle(21.5, 12, 3.2, fill="#ffffff", stroke=INK, sw=1)
    s.arrow(5, 25, 9, 16, "#ffffff", 1.5, head=4)
    write("tavek.svg", s)


if __name__ == "__main__":
    form1()
    form2()
    form3()
    form4()
    form5()
    form6()
    form7()
    form8()
    form9()
    form10()
    form11()
    icon()
