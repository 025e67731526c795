"""Generators for the classic pieces of star patterns.

Each returns a Shape (see shapes.py) in a family's unit of turn; unknown sides
are solved when the design is built. Where the table has a recipe of its own
for the piece (rhombus, star, sector), the generator says so, and the row is
written with that recipe.
"""

import math
from fractions import Fraction

from shapes import DesignError, Shape, X, poly, star_radii, star_tip_reflex, sym


def _half(value, what):
    if value % 2:
        raise DesignError("%s is not a whole number of units" % what)
    return value // 2


def kite(unit, tip, opposite, a, b=X, at="tip", method="kite"):
    """A kite: the tip between the two a sides, the opposite corner between
    the two b sides. The corner named by at lies at the origin, on the axis."""
    side = _half(unit - tip - opposite, "a kite's side corner")
    if at == "tip":
        return sym(unit, [tip, a, side, b, opposite], first="corner", method=method)
    return sym(unit, [opposite, b, side, a, tip], first="corner", method=method)


def dart(unit, tip, reflex, a, b=X, at="tip"):
    """A kite whose opposite corner is reflex: an arrowhead."""
    if 2 * reflex <= unit:
        raise DesignError("a dart's inner corner is reflex")
    return kite(unit, tip, reflex, a, b, at=at, method="dart")


def isosceles(unit, apex, leg, base=X, at="base"):
    """An isosceles triangle; at="base" puts the base first (axis edge(0)),
    at="apex" the apex at the origin (axis vertex(0))."""
    foot = _half(unit // 2 - apex, "an isosceles triangle's base corner") if unit % 2 == 0 else None
    if foot is None:
        raise DesignError("the unit must be even")
    if at == "base":
        return sym(unit, [base, foot, leg, apex], first="side", method="isosceles triangle")
    return sym(unit, [apex, leg, foot, base], first="corner", method="isosceles triangle")


def trapezoid(unit, angle, bottom, leg, top=X):
    """An isosceles trapezoid standing on its bottom side, whose bottom
    corners are angle."""
    return sym(unit, [bottom, angle, leg, unit // 2 - angle, top], first="side", method="trapezoid")


def rhombus(p, q, length):
    """The table's rhombus of acute corner p/q turn."""
    a, b = 2 * p, q - 2 * p
    g = math.gcd(a, b)
    a, b = a // g, b // g
    unit = 2 * (a + b)
    shape = Shape(unit, [a, b, a, b], [length] * 4, "rhombus",
                  recipe="rhombus(%d, %d, %s)" % (p, q, _lit(length)))
    return shape


def regular_star(k, p, q, length):
    """The table's regular star of k tips of p/q turn."""
    m = k * q // math.gcd(k, q)
    a = p * m // q
    b = (k - 1) * m // k - a
    # k tips and k notches make (k − 1) half turns: a + b is (k − 1)/k of m.
    unit = m
    return Shape(unit, [a, b] * k, [length] * (2 * k), "regular star",
                 recipe="star(%d, %d, %d, %s)" % (k, p, q, _lit(length)))


def sector(k, j, s, c, start=0):
    """The table's star sector: the piece of a k-pointed star with tips of 2/k
    turn between two radii through tips, with a centre corner of j/k turn."""
    corners = [1, j, 1, k - 3] + [2, k - 3] * (j - 1)
    sides = [s, c, c] + [s] * (2 * j - 1)
    shape = Shape(2 * k, [2 * x for x in corners[start:] + corners[:start]], sides[start:] + sides[:start],
                  "star sector", recipe="sector(%d, %d, %s, %s%s)" % (k, j, _lit(s), _lit(c),
                                                                      ", %d" % start if start else ""))
    return shape


def sunray(unit, k, star_tip, star_side, tip, at="tip"):
    """The kite that sits in the notch between two tips of a regular k-pointed
    star (tips of star_tip units, sides star_side), its short sides on the
    star's, its own tip of tip units pointing outwards."""
    notch = unit - star_tip_reflex(k, star_tip, unit)
    return kite(unit, tip, notch, X, star_side, at=at, method="sunray")


def star_sector(unit, k, star_tip, side, tips, at="centre"):
    """The piece of a regular k-pointed star (tips of star_tip units, sides
    side) between two radii through tips that span tips tips: a centre
    corner of tips/k turn, two half tips and tips − 1 whole ones. The centre
    sits at the origin unless at="side", when the first radius is side 0."""
    if (unit * tips) % k:
        raise DesignError("the centre corner is not a whole number of units")
    reflex = star_tip_reflex(k, star_tip, unit)
    half = _half(star_tip, "half a tip")
    _, outer = star_radii(k, star_tip, unit, side)
    corners = [half, reflex] + [star_tip, reflex] * (tips - 1) + [half, unit * tips // k]
    sides = [outer] + [side] * (2 * tips) + [outer]
    shape = Shape(unit, corners, sides, "star sector")
    return shape if at == "side" else shape.start(len(corners) - 1)


def _lit(value):
    import palette
    return palette.literal(palette.snap(value))


def pentastar(unit, tips, notches, sides, north=False):
    """A five-pointed star with one mirror axis, through its top tip and the
    notch between its two lower tips. tips are the top, side and lower tips,
    notches the upper, lower and bottom notches, all in units; sides the four
    sides from the top tip down to the lower tip, whose inner side closes the
    outline. It stands on the bottom notch (vertex 0), so that the icon of a
    figure headed south stands upright; north=True starts at the top tip."""
    t0, t1, t2 = tips
    n0, n1, n2 = notches
    s1, s2, s3, s4 = sides
    if north:
        return sym(unit, [t0, s1, n0, s2, t1, s3, n1, s4, t2, X, n2], first="corner", method="pentastar")
    return sym(unit, [n2, X, t2, s4, n1, s3, t1, s2, n0, s1, t0], first="corner", method="pentastar")


def square_star(groups, side, bare=None, free=None):
    """Tips of 1/6 grouped on the sides of a square: groups[k] tips on square
    side k, counted counter-clockwise from the bottom (0 leaves a side bare).
    A group fans its tips 1/16 turn apart round the side's outward normal, so
    that the notches within a group are nearly square (37/48) and a group of
    five spans a quarter turn. After the last tip of group k the outline turns
    through one notch into the next group, or, where bare[k] lists (square
    side, length) pairs, runs along those sides of the square first. Every
    tip side is `side` long unless free maps its step index (two per tip, in
    walking order) to another length, X or Y. Directions are in 1/96 turn."""
    from headings import loop
    bare = bare or {}
    free = free or {}
    steps = []
    for k, count in enumerate(groups):
        for i in range(count):
            # The tip's direction, in degrees: a group points out of its side.
            normal = Fraction(270 + 90 * k) + Fraction(45, 2) * (Fraction(i) - Fraction(count - 1, 2))
            steps.append([normal + 30, side])
            steps.append([normal + 150, side])
        for square_side, length in bare.get(k, ()):
            steps.append([Fraction(90 * square_side), length])
    for index, length in free.items():
        steps[index][1] = length
    return loop(96, [(direction % 360, length) for direction, length in steps], method="square star")


def twins(unit, waist, half_tip, inner, outer, tip_first=False):
    """Two equal lobes side by side, fused at a waist notched above and
    below: the figure of Twins ³⁄₈. Each lobe runs from the lower notch
    through a side corner to its tip and back through a side corner to the
    upper notch; inner is the side at the notch, outer the side at the tip.
    The sides at the notches fall waist units below (and rise above) the
    horizontal, the tip's sides half_tip units, so the tip is 2·half_tip
    units. The lower notch sits at the origin, so that setup takes the waist
    for the axis and the icon shows the lobes side by side; tip_first walks
    from a tip instead, for a figure whose heading points along the lobes."""
    steps = [(-waist % unit, inner), (half_tip, outer), (unit // 2 - half_tip, outer), (unit // 2 + waist, X)]
    from headings import half
    shape = half(unit, [(Fraction(360 * k, unit), length) for k, length in steps], bottom="corner", top="corner",
                 method="twins")
    return shape.start(2) if tip_first else shape
