#!/usr/bin/python3
"""Builds the drawing font ArialDT.ttf from Liberation Sans Regular.

Drawing texts are Windows-1252 bytes. The font keeps every glyph of the base face
except at the code points the drawings use for their own symbols:

  U+00BA (byte 186)            diameter sign
  U+00C9..U+00E7 (201..231)    the fractions k/32 inch, k = 1..31, reduced
  U+00E8..U+00F1 (232..241)    diameter, centre line, plate, Cee section, girt,
                               three angle sections, Zee section, girt

Run with Debian's python3 (the fontforge module is python3-fontforge), see README.md.
"""

import argparse
import math
import os
from fractions import Fraction

# A fixed time stamp in the font's header makes the build reproducible, so that a rebuild
# without changes leaves the committed file as it is.
os.environ.setdefault("SOURCE_DATE_EPOCH", "1767225600")

import fontforge  # noqa: E402
import psMat  # noqa: E402

BASE_FONT = "/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf"
HERE = os.path.dirname(os.path.abspath(__file__))
DEFAULT_OUTPUT = os.path.normpath(os.path.join(HERE, "..", "..", "data", "fonts", "ArialDT.ttf"))

FAMILY = "ArialDT"
VERSION = "1.0"

CAP = 1409  # cap height and digit height of the base face
STEM = 186  # vertical stem of the base face's capitals

DIGIT_NAMES = ["zero", "one", "two", "three", "four", "five", "six", "seven", "eight", "nine"]

# Small digits of the fractions: condensed a little, heavier than plain scaling gives, so
# that they stay readable at 8-10 pt on screen.
SMALL_X = 0.62
SMALL_Y = 0.74
SMALL_BOLDEN = 40
DIGIT_GAP = 36  # ink gap between the digits of one number
FRAC_TOP = 1580  # top of the numerator; the denominator stands on the base line
SLASH_SLOPE = 0.36  # run per rise of the fraction slash
SLASH_WIDTH = 150  # horizontal thickness of the fraction slash
SLASH_GAP = 56  # clearance between the slash and the digits
# Side bearings of the fraction glyphs: more on the left, where the raised numerator would
# otherwise touch the inch digits before it.
FRAC_LEFT = 100
FRAC_RIGHT = 60


def rect(pen, x0, y0, x1, y1):
    """A clockwise rectangle (outer contour in TrueType orientation)."""
    pen.moveTo((x0, y0))
    pen.lineTo((x0, y1))
    pen.lineTo((x1, y1))
    pen.lineTo((x1, y0))
    pen.closePath()


def polygon(pen, points):
    pen.moveTo(points[0])
    for p in points[1:]:
        pen.lineTo(p)
    pen.closePath()


def circle(cx, cy, r):
    c = fontforge.unitShape(0)
    c.transform(psMat.compose(psMat.scale(r), psMat.translate(cx, cy)))
    c.is_quadratic = True
    return c


def finish(glyph, left, right):
    """Merges overlapping parts, fixes directions and sets the side bearings."""
    glyph.removeOverlap()
    glyph.correctDirection()
    glyph.round()
    glyph.left_side_bearing = left
    glyph.right_side_bearing = right


def new_glyph(font, name):
    g = font.createChar(-1, name)
    g.clear()
    return g


def small_digits(font):
    """Helper glyphs 'frac.zero'...'frac.nine': the fraction digits, ink starting at x = 0."""
    # Emboldening misbehaves on quadratic outlines, so it is done on cubic copies.
    scratch = fontforge.font()
    names = []
    for name in DIGIT_NAMES:
        work = scratch.createChar(-1, name)
        layer = font[name].foreground.dup()
        layer.is_quadratic = False
        layer.transform(psMat.scale(SMALL_X, SMALL_Y))
        work.foreground = layer
        work.changeWeight(SMALL_BOLDEN, "LCG", 0, 0, "retain")
        work.removeOverlap()
        x0 = work.boundingBox()[0]
        work.transform(psMat.translate(-x0, 0))
        layer = work.foreground
        layer.is_quadratic = True
        g = new_glyph(font, "frac." + name)
        g.foreground = layer
        g.round()
        g.width = int(g.boundingBox()[2])
        names.append(g.glyphname)
    scratch.close()
    return names


def place_number(glyph, font, digit_glyphs, text, x, y_bottom):
    """References the small digits of text, their ink starting at x."""
    for ch in text:
        name = digit_glyphs[int(ch)]
        glyph.addReference(name, psMat.translate(x, y_bottom))
        x += font[name].boundingBox()[2] + DIGIT_GAP


def number_width(font, digit_glyphs, text):
    return sum(font[digit_glyphs[int(c)]].boundingBox()[2] for c in text) + DIGIT_GAP * (
        len(text) - 1
    )


def slash_glyph(font, height):
    """Helper glyph 'frac.slash': the fraction slash from the base line up to height."""
    g = new_glyph(font, "frac.slash")
    pen = g.glyphPen()
    run = height * SLASH_SLOPE
    polygon(pen, [(0, 0), (run, height), (run + SLASH_WIDTH, height), (SLASH_WIDTH, 0)])
    pen = None
    g.correctDirection()
    g.width = int(run + SLASH_WIDTH)
    return g.glyphname


def fraction_glyph(font, digit_glyphs, slash, k):
    f = Fraction(k, 32)
    num, den = str(f.numerator), str(f.denominator)
    g = new_glyph(font, "frac%d_%d" % (f.numerator, f.denominator))
    digit_height = font[digit_glyphs[0]].boundingBox()[3]
    num_bottom = FRAC_TOP - digit_height
    # The slash leans right, so the numerator's lower right corner and the denominator's
    # upper left corner are where the digits come closest to it.
    num_right = number_width(font, digit_glyphs, num)
    slash_x = num_right + SLASH_GAP - num_bottom * SLASH_SLOPE
    den_left = slash_x + digit_height * SLASH_SLOPE + SLASH_WIDTH + SLASH_GAP
    place_number(g, font, digit_glyphs, num, 0, num_bottom)
    g.addReference(slash, psMat.translate(slash_x, 0))
    place_number(g, font, digit_glyphs, den, den_left, 0)
    # Side bearings by hand: a composite cannot be moved by its bounding box alone.
    x0, _, x1, _ = g.boundingBox()
    g.transform(psMat.translate(FRAC_LEFT - x0, 0))
    g.width = int(round(x1 - x0 + FRAC_LEFT + FRAC_RIGHT))
    return g


def diameter_glyph(font):
    """A true circle with a slash running out beyond it, unlike the oval letter Ø."""
    g = new_glyph(font, "diametersign")
    r = 600
    cx, cy = 700, CAP / 2
    layer = g.foreground
    layer += circle(cx, cy, r)
    inner = circle(cx, cy, r - STEM * 0.9)
    inner.reverseDirection()
    layer += inner
    g.foreground = layer
    pen = g.glyphPen(replace=False)
    angle = math.radians(60)
    half = r * 1.22
    dx, dy = math.cos(angle) * half, math.sin(angle) * half
    nx, ny = -math.sin(angle) * STEM * 0.45, math.cos(angle) * STEM * 0.45
    polygon(
        pen,
        [
            (cx - dx - nx, cy - dy - ny),
            (cx + dx - nx, cy + dy - ny),
            (cx + dx + nx, cy + dy + ny),
            (cx - dx + nx, cy - dy + ny),
        ],
    )
    pen = None
    finish(g, 90, 90)
    return g


def centre_line_glyph(font):
    """C and L overlapped: the L's stem stands in the middle of the C and its foot runs
    out under the C to the right."""
    g = new_glyph(font, "centreline")
    layer = font["C"].foreground.dup()
    scale = 0.84
    layer.transform(psMat.compose(psMat.scale(scale), psMat.translate(0, CAP * (1 - scale) + 20)))
    g.foreground = layer
    x0, _, x1, _ = g.boundingBox()
    stem_x = (x0 + x1) / 2 - STEM / 2
    pen = g.glyphPen(replace=False)
    rect(pen, stem_x, 0, stem_x + STEM, CAP * 0.92)
    rect(pen, stem_x, 0, x1 + 170, STEM * 0.9)
    pen = None
    finish(g, 90, 90)
    return g


def plate_glyph(font):
    """P and L overlapped: a P whose stem carries the foot of an L."""
    g = new_glyph(font, "platesign")
    g.foreground = font["P"].foreground.dup()
    stem_left = font["P"].boundingBox()[0]
    foot_right = stem_left + (font["L"].boundingBox()[2] - font["L"].boundingBox()[0]) + 80
    pen = g.glyphPen(replace=False)
    rect(pen, stem_left, 0, foot_right, 170)
    pen = None
    finish(g, int(stem_left), 90)
    return g


def section_glyph(font, name, rects, left=110, right=110):
    """A steel section drawn as solid plates of the capitals' stem thickness."""
    g = new_glyph(font, name)
    pen = g.glyphPen()
    for r in rects:
        rect(pen, *r)
    pen = None
    finish(g, left, right)
    return g


def cee_glyph(font):
    t, h, flange, lip = STEM, CAP, 760, 320
    return section_glyph(
        font,
        "sectioncee",
        [
            (0, 0, t, h),  # web
            (0, h - t, flange, h),  # top flange
            (0, 0, flange, t),  # bottom flange
            (flange - t, h - lip, flange, h),  # top lip, turned in
            (flange - t, 0, flange, lip),  # bottom lip, turned in
        ],
    )


def zee_glyph(font):
    t, h, flange, lip = STEM, CAP, 740, 300
    web = flange - t
    return section_glyph(
        font,
        "sectionzee",
        [
            (web, 0, web + t, h),  # web
            (0, h - t, web + t, h),  # top flange, to the left as in a Z
            (0, h - lip, t, h),  # its lip
            (web, 0, web + flange, t),  # bottom flange, to the right
            (web + flange - t, 0, web + flange, lip),  # its lip
        ],
    )


def angle_glyph(font, name, vertical, horizontal):
    t = STEM
    return section_glyph(font, name, [(0, 0, t, vertical), (0, 0, horizontal, t)])


def girt_glyph(font):
    """The girt mark: the letter G of the base face."""
    g = new_glyph(font, "girtsign")
    g.addReference("G")
    g.width = font["G"].width
    return g


def girt_circled_glyph(font):
    """The girt mark in a ring: a G inside a circle, standing on the base line."""
    g = new_glyph(font, "girtcircled")
    layer = font["G"].foreground.dup()
    scale = 0.62
    gx0, gy0, gx1, gy1 = font["G"].boundingBox()
    r = CAP * 0.53
    cx, cy = r, CAP / 2
    layer.transform(
        psMat.compose(
            psMat.scale(scale),
            psMat.translate(cx - (gx0 + gx1) / 2 * scale, cy - (gy0 + gy1) / 2 * scale),
        )
    )
    outer = circle(cx, cy, r)
    inner = circle(cx, cy, r - STEM * 0.75)
    inner.reverseDirection()
    layer += outer
    layer += inner
    g.foreground = layer
    finish(g, 70, 70)
    return g


def encode(font, glyph, *codepoints):
    """Maps the code points to glyph, taking them from the base face's glyphs."""
    for cp in codepoints:
        if cp in font:
            old = font[cp]
            if old.glyphname != glyph.glyphname:
                old.unicode = -1
                old.altuni = None
    glyph.unicode = codepoints[0]
    if len(codepoints) > 1:
        glyph.altuni = tuple((cp, -1, 0) for cp in codepoints[1:])


def rename(font):
    font.fontname = FAMILY
    font.familyname = FAMILY
    font.fullname = FAMILY
    font.version = VERSION
    font.sfntRevision = float(VERSION)
    font.os2_vendor = "NONE"
    keep = {"Copyright", "SubFamily", "License", "License URL"}
    names = [n for n in font.sfnt_names if n[0] == "English (US)" and n[1] in keep]
    font.sfnt_names = tuple(names)
    for key, value in [
        ("Family", FAMILY),
        ("Fullname", FAMILY),
        ("PostScriptName", FAMILY),
        ("UniqueID", FAMILY + " " + VERSION),
        ("Version", "Version " + VERSION),
        (
            "Descriptor",
            "Drawing font of the Waybill shipping-list editor: Liberation Sans 2.1.5 "
            "with fractions in 32nds of an inch and steel detailing symbols at "
            "U+00BA and U+00C9-U+00F1.",
        ),
    ]:
        font.appendSFNTName("English (US)", key, value)


def build(base, output):
    font = fontforge.open(base)
    digits = small_digits(font)
    slash = slash_glyph(font, FRAC_TOP + 20)
    for k in range(1, 32):
        encode(font, fraction_glyph(font, digits, slash, k), 0xC8 + k)

    diameter = diameter_glyph(font)
    encode(font, diameter, 0xE8, 0xBA)
    encode(font, centre_line_glyph(font), 0xE9)
    encode(font, plate_glyph(font), 0xEA)
    encode(font, cee_glyph(font), 0xEB)
    encode(font, girt_glyph(font), 0xEC)
    encode(font, angle_glyph(font, "angleequal", 1180, 1180), 0xED)
    encode(font, angle_glyph(font, "anglelongleg", CAP, 820), 0xEE)
    encode(font, angle_glyph(font, "angleshortleg", 820, 1300), 0xEF)
    encode(font, zee_glyph(font), 0xF0)
    encode(font, girt_circled_glyph(font), 0xF1)

    rename(font)
    font.encoding = "UnicodeBmp"
    os.makedirs(os.path.dirname(output), exist_ok=True)
    font.generate(output, flags=("opentype", "no-FFTM-table"))
    font.close()


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--base", default=BASE_FONT, help="Liberation Sans Regular .ttf")
    parser.add_argument("--output", default=DEFAULT_OUTPUT, help="font file to write")
    args = parser.parse_args()
    build(args.base, args.output)
    print("wrote", args.output)


if __name__ == "__main__":
    main()
