#!/usr/bin/env python3
"""Builds the drawing blocks from their text descriptions.

Every tools/blocks/src/<name>.txt describes one block: its natural size, its line work and
texts, and the attributes whose values the editor writes onto it. This script turns each one
into data/blocks/<name>.wmf (a placeable Windows metafile, 1440 units per inch) and writes the
attribute tables of all blocks into data/sql/blocks.sql, so that the drawing and the positions
of its attribute texts always come from the same description.

    python3 tools/blocks/makeblocks.py           rebuild every block
    python3 tools/blocks/makeblocks.py --check   fail when a generated file is out of date

The description language is documented in docs/product-data.md. Standard library only.
"""

import argparse
import ast
import math
import operator
import shlex
import struct
import sys
from dataclasses import dataclass, field
from pathlib import Path

UNITS_PER_INCH = 1440
ARROW_LENGTH = 0.09  # sheet inches
ARROW_HALF_WIDTH = 0.028
DIM_TEXT_GAP = 0.04  # between a dimension line and the base line of its text
EXT_GAP = 0.04  # between the object and an extension line
EXT_OVERSHOOT = 0.06  # extension line past the dimension line
DEFAULT_TEXT_HEIGHT = 0.1
DEFAULT_FONT = "ArialDT"
# The editor draws an attribute of height H 1.125 * H high and puts the bottom of the text,
# not its base line, on the attribute's point: the base line lies ArialDT's descent (434 of
# its 2048 units per em) higher. A label beside an attribute is drawn the same way.
ATTRIBUTE_TEXT_SCALE = 1.125
ARIALDT_DESCENT = 434 / 2048

PEN_STYLES = {"solid": 0, "dash": 1, "dot": 2, "dashdot": 3}
JUSTIFY = {"L": 0, "C": 1, "R": 2}


class BlockError(Exception):
    pass


class LocatedError(BlockError):
    """An error that already names the file and line it comes from."""


# ---------------------------------------------------------------------------------------------
# Numbers: literals, names defined with "let", + - * / ** and a few functions in degrees.

_BINARY = {ast.Add: operator.add, ast.Sub: operator.sub, ast.Mult: operator.mul,
           ast.Div: operator.truediv, ast.Pow: operator.pow}
_FUNCTIONS = {
    "sin": lambda d: math.sin(math.radians(d)),
    "cos": lambda d: math.cos(math.radians(d)),
    "tan": lambda d: math.tan(math.radians(d)),
    "atan": lambda x: math.degrees(math.atan(x)),
    "atan2": lambda y, x: math.degrees(math.atan2(y, x)),
    "sqrt": math.sqrt,
    "hypot": math.hypot,
    "min": min,
    "max": max,
}


def evaluate(text, names):
    def walk(node):
        if isinstance(node, ast.Expression):
            return walk(node.body)
        if isinstance(node, ast.Constant) and isinstance(node.value, (int, float)):
            return float(node.value)
        if isinstance(node, ast.Name):
            if node.id not in names:
                raise BlockError(f"unknown name '{node.id}'")
            return names[node.id]
        if isinstance(node, ast.UnaryOp) and isinstance(node.op, (ast.USub, ast.UAdd)):
            value = walk(node.operand)
            return -value if isinstance(node.op, ast.USub) else value
        if isinstance(node, ast.BinOp) and type(node.op) in _BINARY:
            return _BINARY[type(node.op)](walk(node.left), walk(node.right))
        if (isinstance(node, ast.Call) and isinstance(node.func, ast.Name)
                and node.func.id in _FUNCTIONS and not node.keywords):
            return float(_FUNCTIONS[node.func.id](*[walk(a) for a in node.args]))
        raise BlockError(f"cannot evaluate '{text}'")

    try:
        return walk(ast.parse(text, mode="eval"))
    except SyntaxError:
        raise BlockError(f"not a number or expression: '{text}'") from None
    except ZeroDivisionError:
        raise BlockError(f"division by zero in '{text}'") from None


# ---------------------------------------------------------------------------------------------
# The parsed block: figures in sheet inches (y downward) and attribute definitions.

@dataclass
class Pen:
    width: float = 0.0  # inches; 0 is the thinnest line the device draws
    style: str = "solid"
    color: tuple = (0, 0, 0)


@dataclass
class Figure:
    kind: str  # polyline, polygon, fill, ellipse, arc
    points: list
    pen: Pen


@dataclass
class Text:
    x: float
    y: float
    height: float
    justify: int
    rotation: float
    text: str
    bold: bool
    color: tuple


@dataclass
class Attribute:
    index: int
    tag: str
    prompt: str
    default: str
    height: float
    x: float = None
    y: float = None
    justify: int = 0
    rotation: float = 0.0


@dataclass
class Block:
    name: str
    width: float = None
    height: float = None
    items: list = field(default_factory=list)
    attributes: dict = field(default_factory=dict)


class Parser:
    def __init__(self, name, folder):
        self.block = Block(name)
        self.folder = folder
        self.including = []
        self.names = {}
        self.pen = Pen()
        self.bold = False
        self.origin = (0.0, 0.0)
        self.scale = (1.0, 1.0)

    # -- helpers --------------------------------------------------------------------------

    def num(self, token):
        return evaluate(token, self.names)

    def page(self, x, y):
        return (self.origin[0] + self.scale[0] * x, self.origin[1] + self.scale[1] * y)

    def points(self, tokens, minimum):
        if len(tokens) % 2 or len(tokens) // 2 < minimum:
            raise BlockError(f"expected at least {minimum} x y pairs")
        values = [self.num(t) for t in tokens]
        return [self.page(values[i], values[i + 1]) for i in range(0, len(values), 2)]

    def add_figure(self, kind, points, pen=None):
        self.block.items.append(Figure(kind, points, pen or Pen(**vars(self.pen))))

    def add_text(self, x, y, height, justify, rotation, text):
        self.block.items.append(
            Text(x, y, height, justify, rotation, text, self.bold, self.pen.color))

    def label(self, token, x, y, justify, rotation, height=None):
        """Writes a dimension's text: "@N" places attribute N there, anything else is drawn."""
        if token.startswith("@"):
            index = int(self.num(token[1:]))  # a number or a name set with "let"
            attribute = self.block.attributes.get(index)
            if attribute is None:
                raise BlockError(f"attribute {index} is placed before it is declared")
            if attribute.x is not None:
                raise BlockError(f"attribute {index} is placed twice")
            attribute.x, attribute.y = x, y
            attribute.justify, attribute.rotation = justify, rotation
        elif token:
            self.add_text(x, y, height or DEFAULT_TEXT_HEIGHT, justify, rotation, token)

    def arrow(self, tip, towards):
        """A filled arrowhead with its tip at `tip`, pointing away from `towards`."""
        dx, dy = tip[0] - towards[0], tip[1] - towards[1]
        length = math.hypot(dx, dy)
        if length == 0:
            return
        ux, uy = dx / length, dy / length
        bx, by = tip[0] - ux * ARROW_LENGTH, tip[1] - uy * ARROW_LENGTH
        nx, ny = -uy * ARROW_HALF_WIDTH, ux * ARROW_HALF_WIDTH
        pen = Pen(0.0, "solid", self.pen.color)
        self.add_figure("fill", [tip, (bx + nx, by + ny), (bx - nx, by - ny)], pen)

    def thin(self):
        return Pen(0.0, "solid", self.pen.color)

    def dimension(self, p1, p2, q1, q2, token):
        """Extension lines p->q, a dimension line q1-q2 with arrows, its text above it."""
        for p, q in ((p1, q1), (p2, q2)):
            dx, dy = q[0] - p[0], q[1] - p[1]
            length = math.hypot(dx, dy)
            if length > EXT_GAP:
                ux, uy = dx / length, dy / length
                start = (p[0] + ux * EXT_GAP, p[1] + uy * EXT_GAP)
                end = (q[0] + ux * EXT_OVERSHOOT, q[1] + uy * EXT_OVERSHOOT)
                self.add_figure("polyline", [start, end], self.thin())
        self.add_figure("polyline", [q1, q2], self.thin())
        self.arrow(q1, q2)
        self.arrow(q2, q1)
        angle = math.degrees(math.atan2(-(q2[1] - q1[1]), q2[0] - q1[0]))
        # Text reads from left to right or from bottom to top.
        if angle > 90.0001:
            angle -= 180
        elif angle <= -89.9999:
            angle += 180
        rotation = round(angle, 4)
        upx, upy = -math.sin(math.radians(rotation)), -math.cos(math.radians(rotation))
        mx, my = (q1[0] + q2[0]) / 2, (q1[1] + q2[1]) / 2
        self.label(token, mx + upx * DIM_TEXT_GAP, my + upy * DIM_TEXT_GAP, 1, rotation)

    def read(self, path):
        """Runs the statements of a description file (a block or a file it includes)."""
        if not path.is_file():
            raise BlockError(f"cannot read {path}")
        self.including.append(path)
        for number, raw in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
            try:
                words = shlex.split(raw, comments=True, posix=True)
                if words:
                    self.statement(words)
            except LocatedError:
                raise
            except (BlockError, ValueError) as error:
                raise LocatedError(f"{path}:{number}: {error}") from None
        self.including.pop()

    # -- statements -----------------------------------------------------------------------

    def statement(self, words):
        keyword, args = words[0].lower(), words[1:]
        handler = getattr(self, "do_" + keyword, None)
        if handler is None:
            raise BlockError(f"unknown statement '{keyword}'")
        handler(args)

    def expect(self, args, count, usage):
        if len(args) != count:
            raise BlockError(f"usage: {usage}")

    def do_size(self, args):
        self.expect(args, 2, "size WIDTH HEIGHT")
        self.block.width, self.block.height = self.num(args[0]), self.num(args[1])
        if self.block.width <= 0 or self.block.height <= 0:
            raise BlockError("the size must be positive")

    def do_let(self, args):
        self.expect(args, 2, "let NAME VALUE")
        if not args[0].isidentifier() or args[0] in _FUNCTIONS:
            raise BlockError(f"'{args[0]}' cannot be a name")
        self.names[args[0]] = self.num(args[1])

    def do_origin(self, args):
        if len(args) not in (2, 3, 4):
            raise BlockError("usage: origin DX DY [SCALE | SX SY]")
        values = [self.num(a) for a in args]
        self.origin = (values[0], values[1])
        if len(values) == 2:
            self.scale = (1.0, 1.0)
        elif len(values) == 3:
            self.scale = (values[2], values[2])
        else:
            self.scale = (values[2], values[3])

    def do_pen(self, args):
        if len(args) not in (1, 2):
            raise BlockError("usage: pen WIDTH [solid|dash|dot|dashdot]")
        style = args[1].lower() if len(args) == 2 else "solid"
        if style not in PEN_STYLES:
            raise BlockError(f"unknown pen style '{style}'")
        self.pen = Pen(self.num(args[0]), style, self.pen.color)

    def do_color(self, args):
        self.expect(args, 3, "color R G B")
        self.pen = Pen(self.pen.width, self.pen.style, tuple(int(self.num(a)) for a in args))

    def do_bold(self, args):
        self.expect(args, 1, "bold on|off")
        self.bold = args[0].lower() == "on"

    def do_attr(self, args):
        if len(args) not in (4, 5):
            raise BlockError('usage: attr N TAG "Prompt" "Default" [HEIGHT]')
        index = int(args[0])
        if index in self.block.attributes:
            raise BlockError(f"attribute {index} declared twice")
        height = self.num(args[4]) if len(args) == 5 else DEFAULT_TEXT_HEIGHT
        self.block.attributes[index] = Attribute(index, args[1], args[2], args[3], height)

    def do_line(self, args):
        self.add_figure("polyline", self.points(args, 2))

    def do_poly(self, args):
        self.add_figure("polygon", self.points(args, 3))

    def do_fill(self, args):
        self.add_figure("fill", self.points(args, 3))

    def do_rect(self, args):
        self.expect(args, 4, "rect X1 Y1 X2 Y2")
        (x1, y1), (x2, y2) = self.points(args, 2)
        self.add_figure("polygon", [(x1, y1), (x2, y1), (x2, y2), (x1, y2)])

    def do_circle(self, args):
        self.expect(args, 3, "circle CX CY R")
        cx, cy = self.page(self.num(args[0]), self.num(args[1]))
        rx, ry = abs(self.scale[0]) * self.num(args[2]), abs(self.scale[1]) * self.num(args[2])
        self.add_figure("ellipse", [(cx - rx, cy - ry), (cx + rx, cy + ry)])

    def page_angle(self, degrees):
        """An angle given in the block's own axes, as seen on the page."""
        x, y = math.cos(math.radians(degrees)), math.sin(math.radians(degrees))
        return math.degrees(math.atan2(y * math.copysign(1, self.scale[1]),
                                       x * math.copysign(1, self.scale[0])))

    def arc_points(self, cx, cy, r, a0, a1):
        """Start and end angles on the page, counter-clockwise, for an arc given in block axes."""
        b0, b1 = self.page_angle(a0), self.page_angle(a1)
        if (self.scale[0] < 0) != (self.scale[1] < 0):
            b0, b1 = b1, b0  # a mirror turns the direction of travel
        return b0, b1

    def do_arc(self, args):
        self.expect(args, 5, "arc CX CY R A0 A1")
        cx, cy = self.page(self.num(args[0]), self.num(args[1]))
        r = abs(self.scale[0]) * self.num(args[2])
        b0, b1 = self.arc_points(cx, cy, r, self.num(args[3]), self.num(args[4]))
        self.add_figure("arc", [(cx, cy), (r, r), (b0, b1)])

    def do_text(self, args):
        self.expect(args, 6, 'text X Y HEIGHT L|C|R ROTATION "text"')
        x, y = self.page(self.num(args[0]), self.num(args[1]))
        self.add_text(x, y, self.num(args[2]), justify_code(args[3]), self.num(args[4]), args[5])

    def do_label(self, args):
        self.expect(args, 6, 'label X Y HEIGHT L|C|R ROTATION "text"')
        x, y = self.page(self.num(args[0]), self.num(args[1]))
        height = self.num(args[2]) * ATTRIBUTE_TEXT_SCALE
        rotation = self.num(args[4])
        rise = height * ARIALDT_DESCENT
        x -= rise * math.sin(math.radians(rotation))
        y -= rise * math.cos(math.radians(rotation))
        self.add_text(x, y, height, justify_code(args[3]), rotation, args[5])

    def do_place(self, args):
        self.expect(args, 5, "place N X Y L|C|R ROTATION")
        x, y = self.page(self.num(args[1]), self.num(args[2]))
        self.label(f"@{int(self.num(args[0]))}", x, y, justify_code(args[3]), self.num(args[4]))

    def do_include(self, args):
        self.expect(args, 1, "include FILE")
        path = self.folder / args[0]
        if path in self.including:
            raise BlockError(f"'{args[0]}' includes itself")
        self.read(path)

    def do_dim(self, args):
        self.expect(args, 6, "dim X1 Y1 X2 Y2 OFFSET TEXT")
        p1, p2 = self.points(args[:4], 2)
        off = self.num(args[4])
        dx, dy = p2[0] - p1[0], p2[1] - p1[1]
        length = math.hypot(dx, dy)
        if length == 0:
            raise BlockError("a dimension needs two different points")
        nx, ny = dy / length * off, -dx / length * off  # left of the direction p1 -> p2
        self.dimension(p1, p2, (p1[0] + nx, p1[1] + ny), (p2[0] + nx, p2[1] + ny), args[5])

    def do_hdim(self, args):
        self.expect(args, 6, "hdim X1 Y1 X2 Y2 YLINE TEXT")
        p1, p2 = self.points(args[:4], 2)
        yline = self.page(0, self.num(args[4]))[1]
        self.dimension(p1, p2, (p1[0], yline), (p2[0], yline), args[5])

    def do_vdim(self, args):
        self.expect(args, 6, "vdim X1 Y1 X2 Y2 XLINE TEXT")
        p1, p2 = self.points(args[:4], 2)
        xline = self.page(self.num(args[4]), 0)[0]
        self.dimension(p1, p2, (xline, p1[1]), (xline, p2[1]), args[5])

    def do_angle(self, args):
        self.expect(args, 6, "angle CX CY R A0 A1 TEXT")
        cx, cy = self.page(self.num(args[0]), self.num(args[1]))
        r = self.num(args[2])  # sheet inches: the arc is a dimension, not part of the piece
        b0, b1 = self.arc_points(cx, cy, r, self.num(args[3]), self.num(args[4]))
        self.add_figure("arc", [(cx, cy), (r, r), (b0, b1)], self.thin())
        sweep = (b1 - b0) % 360
        ends = []
        for a, step in ((b0, 1), (b1, -1)):
            tip = (cx + r * math.cos(math.radians(a)), cy - r * math.sin(math.radians(a)))
            back = a + step * math.degrees(ARROW_LENGTH / r)
            tail = (cx + r * math.cos(math.radians(back)), cy - r * math.sin(math.radians(back)))
            ends.append((tip, tail))
        for tip, tail in ends:
            self.arrow(tip, tail)
        middle = math.radians(b0 + sweep / 2)
        reach = r + DIM_TEXT_GAP + DEFAULT_TEXT_HEIGHT * 0.6
        tx, ty = cx + reach * math.cos(middle), cy - reach * math.sin(middle)
        # Centre the text on the bisector: its base line sits half a text height lower.
        self.label(args[5], tx, ty + DEFAULT_TEXT_HEIGHT / 2, 1, 0)

    def do_leader(self, args):
        if len(args) < 5 or len(args) % 2 == 0:
            raise BlockError("usage: leader X1 Y1 X2 Y2 [X3 Y3 ...] TEXT")
        pts = self.points(args[:-1], 2)
        self.add_figure("polyline", pts, self.thin())
        self.arrow(pts[-1], pts[-2])
        (x, y), (nx, _) = pts[0], pts[1]
        justify = 2 if nx > x else 0
        shift = -0.04 if justify == 2 else 0.04
        self.label(args[-1], x + shift, y + DEFAULT_TEXT_HEIGHT * 0.4, justify, 0)


def justify_code(word):
    code = JUSTIFY.get(word.upper())
    if code is None:
        raise BlockError(f"justification must be L, C or R, not '{word}'")
    return code


def parse_block(path):
    parser = Parser(path.stem, path.parent)
    parser.read(path)
    block = parser.block
    if block.width is None:
        raise BlockError(f"{path}: no size statement")
    expected = list(range(len(block.attributes)))
    if sorted(block.attributes) != expected:
        raise BlockError(f"{path}: attributes must be numbered 0 to {len(expected) - 1}")
    for attribute in block.attributes.values():
        if attribute.x is None:
            raise BlockError(f"{path}: attribute {attribute.index} is never placed")
        if not (0 <= attribute.x <= block.width and 0 <= attribute.y <= block.height):
            raise BlockError(f"{path}: attribute {attribute.index} lies outside the drawing")
    return block


# ---------------------------------------------------------------------------------------------
# Windows metafile output.

class Metafile:
    META_SETBKMODE = 0x0102
    META_SETMAPMODE = 0x0103
    META_SETTEXTALIGN = 0x012E
    META_SETTEXTCOLOR = 0x0209
    META_SETWINDOWORG = 0x020B
    META_SETWINDOWEXT = 0x020C
    META_SELECTOBJECT = 0x012D
    META_DELETEOBJECT = 0x01F0
    META_CREATEPENINDIRECT = 0x02FA
    META_CREATEBRUSHINDIRECT = 0x02FC
    META_CREATEFONTINDIRECT = 0x02FB
    META_POLYLINE = 0x0325
    META_POLYGON = 0x0324
    META_ELLIPSE = 0x0418
    META_ARC = 0x0817
    META_TEXTOUT = 0x0521
    META_EOF = 0x0000

    def __init__(self, width, height):
        self.width, self.height = width, height
        self.records = []
        self.slots = []  # object table: True while a slot holds an object
        self.current = {}  # kind -> (key, slot)
        self.text_align = None
        self.text_color = None

    def unit(self, inches):
        return int(round(inches * UNITS_PER_INCH))

    def record(self, function, params=b""):
        self.records.append(struct.pack("<IH", 3 + len(params) // 2, function) + params)

    def point(self, p):
        return struct.pack("<hh", self.unit(p[0]), self.unit(p[1]))

    def select(self, kind, key, create):
        """Makes the object `key` of this kind current, replacing the one selected before."""
        old = self.current.get(kind)
        if old and old[0] == key:
            return
        slot = self.slots.index(False) if False in self.slots else len(self.slots)
        if slot == len(self.slots):
            self.slots.append(True)
        else:
            self.slots[slot] = True
        create()
        self.record(self.META_SELECTOBJECT, struct.pack("<H", slot))
        if old:
            self.record(self.META_DELETEOBJECT, struct.pack("<H", old[1]))
            self.slots[old[1]] = False
        self.current[kind] = (key, slot)

    @staticmethod
    def colorref(color):
        return struct.pack("<BBBB", color[0], color[1], color[2], 0)

    def use_pen(self, pen):
        width = self.unit(pen.width)
        style = PEN_STYLES[pen.style] if width <= 1 else 0  # GDI draws wide pens solid
        key = (style, width, pen.color)
        self.select("pen", key, lambda: self.record(
            self.META_CREATEPENINDIRECT,
            struct.pack("<Hhh", style, width, 0) + self.colorref(pen.color)))

    def use_brush(self, color):
        key = color
        style = 1 if color is None else 0  # BS_NULL or BS_SOLID
        self.select("brush", key, lambda: self.record(
            self.META_CREATEBRUSHINDIRECT,
            struct.pack("<H", style) + self.colorref(color or (0, 0, 0)) + struct.pack("<H", 0)))

    def use_font(self, height, rotation, bold):
        key = (self.unit(height), round(rotation * 10), bold)

        def create():
            face = DEFAULT_FONT.encode("cp1252") + b"\0"
            if len(face) % 2:
                face += b"\0"
            logfont = struct.pack("<hhhhhBBBBBBBB", -key[0], 0, key[1], key[1],
                                  700 if bold else 400, 0, 0, 0, 0, 0, 0, 0, 0)
            self.record(self.META_CREATEFONTINDIRECT, logfont + face)

        self.select("font", key, create)

    def figure(self, figure):
        self.use_pen(figure.pen)
        if figure.kind == "fill":
            self.use_brush(figure.pen.color)
        else:
            self.use_brush(None)
        if figure.kind in ("polyline", "polygon", "fill"):
            function = self.META_POLYLINE if figure.kind == "polyline" else self.META_POLYGON
            params = struct.pack("<h", len(figure.points))
            params += b"".join(self.point(p) for p in figure.points)
            self.record(function, params)
        elif figure.kind == "ellipse":
            (x1, y1), (x2, y2) = figure.points
            self.record(self.META_ELLIPSE, struct.pack(
                "<hhhh", self.unit(y2), self.unit(x2), self.unit(y1), self.unit(x1)))
        elif figure.kind == "arc":
            (cx, cy), (rx, ry), (a0, a1) = figure.points
            start = (cx + rx * math.cos(math.radians(a0)), cy - ry * math.sin(math.radians(a0)))
            end = (cx + rx * math.cos(math.radians(a1)), cy - ry * math.sin(math.radians(a1)))
            self.record(self.META_ARC, struct.pack(
                "<hhhhhhhh", self.unit(end[1]), self.unit(end[0]), self.unit(start[1]),
                self.unit(start[0]), self.unit(cy + ry), self.unit(cx + rx),
                self.unit(cy - ry), self.unit(cx - rx)))

    def text(self, text):
        align = 24 | (0, 6, 2)[text.justify]  # base line, then left, centre or right
        if align != self.text_align:
            self.record(self.META_SETTEXTALIGN, struct.pack("<H", align))
            self.text_align = align
        if text.color != self.text_color:
            self.record(self.META_SETTEXTCOLOR, self.colorref(text.color))
            self.text_color = text.color
        self.use_font(text.height, text.rotation, text.bold)
        data = text.text.encode("cp1252")
        padded = data + (b"\0" if len(data) % 2 else b"")
        self.record(self.META_TEXTOUT, struct.pack("<h", len(data)) + padded + struct.pack(
            "<hh", self.unit(text.y), self.unit(text.x)))

    def build(self, items):
        w, h = self.unit(self.width), self.unit(self.height)
        self.record(self.META_SETMAPMODE, struct.pack("<H", 8))  # MM_ANISOTROPIC
        self.record(self.META_SETWINDOWORG, struct.pack("<hh", 0, 0))
        self.record(self.META_SETWINDOWEXT, struct.pack("<hh", h, w))
        self.record(self.META_SETBKMODE, struct.pack("<H", 1))  # TRANSPARENT
        for item in items:
            if isinstance(item, Figure):
                self.figure(item)
            else:
                self.text(item)
        for kind in ("pen", "brush", "font"):
            if kind in self.current:
                self.record(self.META_DELETEOBJECT, struct.pack("<H", self.current[kind][1]))
        self.record(self.META_EOF)

        body = b"".join(self.records)
        words = 9 + len(body) // 2
        largest = max(len(r) // 2 for r in self.records)
        header = struct.pack("<HHHIHIH", 1, 9, 0x0300, words, len(self.slots), largest, 0)
        placeable = struct.pack("<IHhhhhHI", 0x9AC6CDD7, 0, 0, 0, w, h, UNITS_PER_INCH, 0)
        checksum = 0
        for (word,) in struct.iter_unpack("<H", placeable):
            checksum ^= word
        return placeable + struct.pack("<H", checksum) + header + body


def metafile_bytes(block):
    for name, limit in (("width", block.width), ("height", block.height)):
        if limit * UNITS_PER_INCH > 32767:
            raise BlockError(f"{block.name}: the {name} does not fit a metafile")
    return Metafile(block.width, block.height).build(block.items)


# ---------------------------------------------------------------------------------------------
# Attribute tables.

def sql_text(value):
    if not value.isascii():
        raise BlockError(f"keep attribute texts ASCII: '{value}'")
    return "'" + value.replace("'", "''") + "'"


def sql_number(value):
    text = f"{value:.4f}".rstrip("0")
    return text + "0" if text.endswith(".") else text


def attribute_sql(blocks):
    lines = [
        "-- Attribute tables of the drawing blocks: one table per block, one row per attribute,",
        "-- in the order of the values of the block's attribute value line.",
        "-- Generated by tools/blocks/makeblocks.py from tools/blocks/src/*.txt; edit those.",
        "",
    ]
    for block in blocks:
        if not block.attributes:
            continue
        lines.append(f'CREATE TABLE "{block.name}" (Prompt TEXT, Tag TEXT, DEF_VAL TEXT, '
                     "PtX1 REAL, PtY1 REAL, PtX2 REAL, PtY2 REAL, TXT_HGT REAL, TXT_ROT REAL, "
                     "TXT_XSC REAL, HorJust INTEGER, VerJust INTEGER);")
        for index in range(len(block.attributes)):
            a = block.attributes[index]
            values = [sql_text(a.prompt), sql_text(a.tag), sql_text(a.default),
                      sql_number(a.x), sql_number(a.y), sql_number(a.x), sql_number(a.y),
                      sql_number(a.height), sql_number(a.rotation), "1.0",
                      str(a.justify), "0"]
            lines.append(f'INSERT INTO "{block.name}" VALUES ({", ".join(values)});')
        lines.append("")
    return "\n".join(lines).encode("ascii")


# ---------------------------------------------------------------------------------------------

def main():
    root = Path(__file__).resolve().parents[2]
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--check", action="store_true",
                        help="report generated files that differ from their sources")
    parser.add_argument("--source", type=Path, default=root / "tools/blocks/src")
    parser.add_argument("--blocks", type=Path, default=root / "data/blocks")
    parser.add_argument("--sql", type=Path, default=root / "data/sql/blocks.sql")
    options = parser.parse_args()

    try:
        blocks = [parse_block(p) for p in sorted(options.source.glob("*.txt"))]
        outputs = {options.blocks / f"{b.name}.wmf": metafile_bytes(b) for b in blocks}
        outputs[options.sql] = attribute_sql(blocks)
    except BlockError as error:
        print(f"makeblocks: {error}", file=sys.stderr)
        return 2

    stale = [p for p, data in outputs.items() if not p.exists() or p.read_bytes() != data]
    known = {p.name for p in outputs}
    orphans = [p for p in sorted(options.blocks.glob("*.wmf")) if p.name not in known]
    if options.check:
        for path in stale:
            print(f"makeblocks: {path} is out of date", file=sys.stderr)
        for path in orphans:
            print(f"makeblocks: {path} has no source", file=sys.stderr)
        return 1 if stale or orphans else 0
    options.blocks.mkdir(parents=True, exist_ok=True)
    for path in stale:
        path.write_bytes(outputs[path])
        print(f"wrote {path.relative_to(root) if path.is_relative_to(root) else path}")
    for path in orphans:
        print(f"makeblocks: {path} has no source", file=sys.stderr)
    return 0


if __name__ == "__main__":
    sys.exit(main())
