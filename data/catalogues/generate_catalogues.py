#!/usr/bin/env python3
"""Writes the bundled rail catalogues (Shift_JIS, CR LF) in the form the catalogue
writer gives them, so reading and writing one back changes no byte.

Run from anywhere: python3 data/catalogues/generate_catalogues.py
"""
import math
import os

USER_RAIL = "ユーザーレール"
USER_COLOR = 128  # the default rail colour

# RGB longs, red in the low byte: one colour per piece family.
def rgb(r, g, b):
    return r + g * 256 + b * 65536

STRAIGHT_COLOR = rgb(192, 96, 0)
CURVE_COLOR = rgb(0, 128, 64)
POINT_COLOR = rgb(0, 64, 192)
CURVED_POINT_COLOR = rgb(128, 0, 128)
LEVEL_BOTH = 2


def num(v):
    v = round(float(v), 3) + 0.0  # no negative zero
    if v == int(v):
        return str(int(v))
    return repr(v)


def q(s):
    return '"' + s + '"'


def boolean(b):
    return "#TRUE#" if b else "#FALSE#"


# The program's sine and cosine: exact table values at multiples of 30 and 45 degrees
# (the sine table has no entry for 360), the constant 3.1415 for pi elsewhere.
R2, R3 = 1.41421356, 1.7320508
SIN_TABLE = {30: 0.5, 45: 1 / R2, 60: R3 / 2, 90: 1.0, 120: R3 / 2, 135: 1 / R2, 150: 0.5,
             180: 0.0, 210: -0.5, 225: -1 / R2, 240: -R3 / 2, 270: -1.0, 300: -R3 / 2,
             315: -1 / R2, 330: -0.5}
COS_TABLE = {30: R3 / 2, 45: 1 / R2, 60: 0.5, 90: 0.0, 120: -0.5, 135: -1 / R2, 150: -R3 / 2,
             180: -1.0, 210: -R3 / 2, 225: -1 / R2, 240: -0.5, 270: 0.0, 300: 0.5,
             315: 1 / R2, 330: R3 / 2, 360: 1.0}


def sin_deg(a):
    a = normalize(a)
    return SIN_TABLE[a] if a in SIN_TABLE else math.sin(a * 3.1415 / 180)


def cos_deg(a):
    a = normalize(a)
    return COS_TABLE[a] if a in COS_TABLE else math.cos(a * 3.1415 / 180)


def normalize(a):
    a = a % 360
    return 360 if a == 0 else a


def half_oval(box_name, straight, curve, count):
    """A straight, count curves turning 180 degrees together, and the straight back:
    every member starts where the one before it ends."""
    s_name, s_len = straight
    c_name, c_radius, c_angle = curve
    members = [("S", s_name, s_len, 0)] + [("C", c_name, c_radius, c_angle)] * count + \
        [("S", s_name, s_len, 0)]
    lines = [[q("#" + box_name), "5", "0", "0", "0", boolean(False), boolean(False), "0",
              "0", "0", "0", boolean(False), "0"]]
    x, y, a = 0.0, 0.0, 90.0  # keeps every angle on the exact table
    for kind, name, size, sweep in members:
        color = STRAIGHT_COLOR if kind == "S" else CURVE_COLOR
        lines.append([q(" " + name), "0" if kind == "S" else "1", "0", num(size), num(sweep),
                      boolean(True), boolean(True), str(color), num(x), num(y), num(a),
                      boolean(True), "0"])
        if kind == "S":
            b = a + 180
            x, y = x + size * sin_deg(b), y + size * cos_deg(b)
        else:
            kx, ky = x - size * cos_deg(a), y + size * sin_deg(a)
            a = normalize(a + sweep)
            x, y = kx + size * cos_deg(a), ky - size * sin_deg(a)
    return lines


def catalogue(straights, curves, points, boxes):
    out = [[q("ColorStraight:")]]
    for name, length in straights:
        out.append([q(name), num(length), str(STRAIGHT_COLOR), str(LEVEL_BOTH)])
    out += [[q(USER_RAIL), "100", str(USER_COLOR), "0"], [q("End"), "0", "0", "0"]]
    out.append([q("ColorCurve:")])
    for radius, angle in curves:
        out.append([q("R%s-%s" % (num(radius), num(angle))), num(radius), num(angle),
                    str(CURVE_COLOR), str(LEVEL_BOTH)])
    out += [[q(USER_RAIL), "100", "45", str(USER_COLOR), "0"], [q("End")] + ["0"] * 4]
    out.append([q("ColorPoint2:")])
    for name, length, radius, angle in points:
        color = CURVED_POINT_COLOR if length < 0 else POINT_COLOR
        for hand, side in ((0, "右"), (-1, "左")):
            out.append([q(name + " " + side), num(length), num(radius), num(angle), str(hand),
                        str(color), str(LEVEL_BOTH)])
    out += [[q(USER_RAIL), "100", "100", "45", "0", str(USER_COLOR), "0"],
            [q("End")] + ["0"] * 6]
    out.append([q("RailBox:")])
    for box in boxes:
        out += box
    out.append([q("End"), "0", "0", "0", "0", boolean(False), boolean(False), "0", "0", "0",
                "0", boolean(False), "0"])
    out.append([q("End")])
    return "".join(",".join(fields) + "\r\n" for fields in out).encode("cp932")


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    files = {
        "n-33mm.rtr": catalogue(
            [("S248", 248), ("S186", 186), ("S124", 124), ("S64", 64), ("S62", 62)],
            [(216, 45), (249, 45), (282, 45), (315, 45), (348, 45), (381, 30), (481, 15),
             (718, 15)],
            [("ポイント#4", 126, 481, 15), ("ポイント#6", 186, 718, 15)],
            [half_oval("半楕円 R249", ("S124", 124), ("R249-45", 249, 45), 4)]),
        "n-37mm.rtr": catalogue(
            [("S280", 280), ("S140", 140), ("S99", 99), ("S72.5", 72.5), ("S70", 70)],
            [(243, 45), (280, 45), (280, 15), (317, 45), (317, 15), (354, 45), (391, 45),
             (541, 15), (541, 7.5), (605, 10)],
            [("ポイント541", 140, 541, 15), ("ポイント280-30", 140, 280, 30),
             ("カーブポイント280", -52.3, 280, 45)],
            [half_oval("半楕円 R280", ("S140", 140), ("R280-45", 280, 45), 4)]),
        "ho-77mm.rtr": catalogue(
            [("S360", 360), ("S188.3", 188.3), ("S171.7", 171.7), ("S94.2", 94.2),
             ("S77.5", 77.5), ("S64.3", 64.3)],
            [(360, 30), (360, 15), (437.5, 30), (437.5, 24.3), (437.5, 15), (515, 30),
             (579.3, 30), (643.6, 30)],
            [("ポイント437.5", 188.3, 437.5, 24.3)],
            [half_oval("半楕円 R437.5", ("S188.3", 188.3), ("R437.5-30", 437.5, 30), 6)]),
    }
    for name, data in files.items():
        with open(os.path.join(here, name), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main()
