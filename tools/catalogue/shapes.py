"""Outlines as a designer thinks of them: interior angles in a family's unit
of turn, and sides walked counter-clockwise, side i ending at corner i.

Angles are integers in 1/unit of a turn (unit 8 for the octagonal family, 20
for fives and tens, 24 for twelves, 32 for sixteens, 14 for sevens, 18 for
nines). Sides are numbers, or the unknowns X and Y that close() solves for.
Every side ends up as a palette constant.
"""

import math
from functools import reduce

import geometry
import palette


class Unknown:
    def __init__(self, name):
        self.name = name

    def __repr__(self):
        return self.name


X = Unknown("X")
Y = Unknown("Y")


class DesignError(ValueError):
    pass


class Shape:
    """A closed outline: corners[i] is the interior angle (in 1/unit turn) at
    the end of side i; sides[i] its length."""

    def __init__(self, unit, corners, sides, method, recipe=None):
        if len(corners) != len(sides):
            raise DesignError("%d corners but %d sides" % (len(corners), len(sides)))
        self.unit = unit
        self.corners = list(corners)
        self.sides = list(sides)
        self.method = method
        # The table's own recipe call when one reproduces this outline exactly.
        self.recipe = recipe

    @property
    def n(self):
        return len(self.corners)

    def directions(self):
        """The direction of every side in 1/(2·unit) turn, side 0 along +x."""
        h, result = 0, []
        for i in range(self.n):
            result.append(h)
            h += self.unit - 2 * self.corners[i]
        return result

    def start(self, k):
        """The same outline walked from side k."""
        k %= self.n
        return Shape(self.unit, self.corners[k:] + self.corners[:k], self.sides[k:] + self.sides[:k],
                     self.method)

    def mirrored(self):
        """The mirror image, walked counter-clockwise from the old last side."""
        corners = list(reversed(self.corners))
        sides = list(reversed(self.sides))
        # Reversing the walk moves every corner to the other end of its side.
        corners = corners[1:] + corners[:1]
        return Shape(self.unit, corners, sides, self.method)

    def dividends(self):
        g = reduce(math.gcd, self.corners)
        return [c // g for c in self.corners]

    def check_angles(self):
        for i, c in enumerate(self.corners):
            if not _whole(c):
                raise DesignError("corner %d is %r, not a whole number of 1/%d turn" % (i, c, self.unit))
        if any(c <= 0 or c >= self.unit for c in self.corners):
            raise DesignError("a corner outside (0, %d): %r" % (self.unit, self.corners))
        if 2 * sum(self.corners) != self.unit * (self.n - 2):
            raise DesignError("corners add up to %d/%d of a turn, not %d/2" % (sum(self.corners), self.unit, self.n - 2))

    def close(self):
        """Solves the unknown sides so that the outline closes, and snaps every
        side to the palette."""
        self.check_angles()
        unknowns = []
        for s in self.sides:
            if isinstance(s, Unknown) and s not in unknowns:
                unknowns.append(s)
        if len(unknowns) > 2:
            raise DesignError("more than two unknown sides")
        fixed = [0.0, 0.0]
        columns = {u: [0.0, 0.0] for u in unknowns}
        for h, s in zip(self.directions(), self.sides):
            angle = h * math.pi / self.unit
            direction = (math.cos(angle), math.sin(angle))
            target = columns[s] if isinstance(s, Unknown) else fixed
            length = 1.0 if isinstance(s, Unknown) else float(s)
            target[0] += direction[0] * length
            target[1] += direction[1] * length
        values = {}
        if len(unknowns) == 1:
            (u,) = unknowns
            a = columns[u]
            norm = a[0] * a[0] + a[1] * a[1]
            if norm < 1e-12:
                raise DesignError("the unknown side does not move the outline")
            values[u] = -(a[0] * fixed[0] + a[1] * fixed[1]) / norm
        elif len(unknowns) == 2:
            u, v = unknowns
            a, b = columns[u], columns[v]
            det = a[0] * b[1] - a[1] * b[0]
            if abs(det) < 1e-12:
                raise DesignError("the two unknown sides are parallel (as in a symmetric figure): give one of them")
            values[u] = (-fixed[0] * b[1] + fixed[1] * b[0]) / det
            values[v] = (-a[0] * fixed[1] + a[1] * fixed[0]) / det
        for u, value in values.items():
            if value <= 1e-9:
                raise DesignError("side %s comes out %r" % (u, value))
        sides = []
        for s in self.sides:
            value = values[s] if isinstance(s, Unknown) else float(s)
            try:
                sides.append(palette.snap(value))
            except palette.LengthError as e:
                raise DesignError(str(e)) from None
        closed = Shape(self.unit, self.corners, sides, self.method, self.recipe)
        x, y = closed.residual()
        if math.hypot(x, y) > 1e-9:
            raise DesignError("does not close: misses the start by (%.3g, %.3g)" % (x, y))
        return closed

    def residual(self):
        x = y = 0.0
        for h, s in zip(self.directions(), self.sides):
            angle = h * math.pi / self.unit
            x += math.cos(angle) * s
            y += math.sin(angle) * s
        return x, y

    def outline(self):
        """dividends and lengths as the table writes them."""
        closed = self.close()
        return closed.dividends(), list(closed.sides)


def poly(unit, corners, sides, method="polygon"):
    """Any outline, unknown sides solved."""
    return Shape(unit, corners, sides, method)


def sym(unit, items, first="side", method="symmetric"):
    """A figure with a mirror axis, from half its outline.

    items runs counter-clockwise from one point of the axis to the other,
    sides and corners alternating: with first="side" it begins with the side
    that the axis halves (that side becomes side 0, so the axis is edge(0));
    with first="corner" it begins with the corner on the axis (that corner
    sits at the origin, so the axis is vertex(0)). It ends with the side or
    corner where the axis leaves the figure. Each side is given at its full
    length, the two on the axis included.
    """
    if first not in ("side", "corner"):
        raise DesignError("first is side or corner")
    # A length slipped in or left out shifts every later item into the other
    # role; say where, since the outline it builds only fails much later.
    for i in range(1 if first == "side" else 0, len(items), 2):
        if not _whole(items[i]):
            raise DesignError("item %d of the half outline is %r where a corner should be (a whole number of 1/%d "
                              "turn)" % (i, items[i], unit))
    cycle = list(items) + list(reversed(items[1:-1]))
    if first == "corner":
        cycle = cycle[1:] + cycle[:1]
    sides, corners = cycle[0::2], cycle[1::2]
    return Shape(unit, corners, sides, method)


def _whole(value):
    return isinstance(value, int) and not isinstance(value, bool)


# Regular stars: k tips, each t units of a 1/unit turn.

def star_radii(k, tip, unit, side):
    """(inner radius, outer radius) of a regular k-pointed star whose tips
    are tip/unit of a turn and whose sides are side long."""
    half_tip = math.pi * tip / unit
    step = math.pi / k
    # Triangle centre-inner-tip: the angle at the centre is π/k, at the tip
    # half the tip angle, so at the inner corner π − π/k − half_tip.
    inner = math.pi - step - half_tip
    outer = side * math.sin(inner) / math.sin(step)
    r = side * math.sin(half_tip) / math.sin(step)
    return r, outer


def star_tip_reflex(k, tip, unit):
    """The reflex corner between two tips, in units: (k − 1)/k − t turns."""
    value = unit * (k - 1) / k - tip
    if abs(value - round(value)) > 1e-9:
        raise DesignError("the star's reflex corner is not a whole number of units")
    return int(round(value))
