"""Outlines drawn by the directions of their sides.

A designer often knows where each side points (up, at 30° off vertical, along
a star's side) more readily than the interior angles between them. These
generators take sides as (direction in degrees, length) pairs, walked
counter-clockwise, and turn them into the interior angles that shapes.py
works in. Directions are absolute only for the designer's convenience: the
table keeps corners and sides, and the walk always starts along +x.

    half(12, [(0, 2.0), (90, 1.0), (150, X)], bottom="side", top="corner")

is a house of a 1/3 apex from its right half: the floor (given at full
length), the right wall, the right slope up to the apex on the axis. The left
half is the mirror image; the axis is vertical.
"""

from fractions import Fraction

from shapes import DesignError, Shape, sym


def _units(unit, degrees):
    value = Fraction(degrees) * unit / 360
    if value.denominator != 1:
        raise DesignError("%s° is no whole number of 1/%d turns" % (degrees, unit))
    return int(value)


def _turn(a, b):
    """The left turn from direction a to direction b, in (−180°, 180°]."""
    t = (Fraction(b) - Fraction(a)) % 360
    return t - 360 if t > 180 else t


def _corner(unit, turn, where):
    corner = _units(unit, 180 - turn)
    if not 0 < corner < unit or 2 * corner == unit:
        raise DesignError("the corner %s turns by %s°, no corner can" % (where, turn))
    return corner


def half(unit, steps, bottom="side", top="corner", method="symmetric", from_top=False):
    """A figure with a vertical mirror axis, from its right half.

    steps run counter-clockwise from the axis at the bottom to the axis at the
    top. With bottom="side" the first step is the bottom side, direction 0,
    at its full length; with bottom="corner" the first step leaves the bottom
    corner on the axis. With top="side" the last step is the top side,
    direction 180, at its full length; with top="corner" the last step ends
    at the top corner on the axis.

    from_top=True walks the left half instead, from the axis at the top down
    to the axis at the bottom, so that the top axis point becomes side 0 or
    vertex 0, the one setup takes for the axis: for a figure headed north.
    """
    if from_top:
        turned = [((direction + 180) % 360, length) for direction, length in steps]
        return half(unit, turned, bottom=top, top=bottom, method=method)
    if bottom not in ("side", "corner") or top not in ("side", "corner"):
        raise DesignError("bottom and top are side or corner")
    if bottom == "side" and steps[0][0] % 360 != 0:
        raise DesignError("a bottom side on the axis runs along direction 0")
    if top == "side" and steps[-1][0] % 360 != 180:
        raise DesignError("a top side on the axis runs along direction 180")
    items = []
    if bottom == "corner":
        d = steps[0][0]
        items.append(_corner(unit, _turn(-d, d), "at the bottom"))
    for k, (direction, length) in enumerate(steps):
        items.append(length)
        if k + 1 < len(steps):
            items.append(_corner(unit, _turn(direction, steps[k + 1][0]), "after step %d" % k))
    if top == "corner":
        e = steps[-1][0]
        items.append(_corner(unit, _turn(e, -e), "at the top"))
    return sym(unit, items, first=bottom, method=method)


def loop(unit, steps, method="polygon"):
    """Any outline: all its sides as (direction, length), counter-clockwise.
    The corner after the last step closes onto the first; side 0 is the first
    step."""
    n = len(steps)
    corners = [_corner(unit, _turn(steps[k][0], steps[(k + 1) % n][0]), "after step %d" % k) for k in range(n)]
    return Shape(unit, corners, [length for _, length in steps], method)
