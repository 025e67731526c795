"""The figure walk and the exact tests that the program itself applies.

Everything here follows Figure::setup and the figure's symmetry tests step for
step, so that a design that passes here builds the very same polygon in the
program: directions are integers in half divisor units, sine and cosine are
taken only in the first octant, and lengths compare exactly.
"""

import math


def divisor(dividends):
    return 2 * sum(dividends)


def turned(h, d, dividend, n):
    return (h + 2 * d + d - 2 * dividend * (n - 2)) % (2 * d)


def unit_vector(h, d):
    """The direction h (half divisor units, 2d to a full turn) as setup
    evaluates it: reduced to the first octant in integers, cosine for both
    components on the diagonal."""
    a, sx, sy = h, 1.0, 1.0
    if a > d:
        a, sy = 2 * d - a, -1.0
    if a > d // 2:
        a, sx = d - a, -1.0
    swap = 2 * a > d // 2
    if swap:
        a = d // 2 - a
    theta = (float(a) * math.pi) / float(d)
    c = math.cos(theta)
    s = c if 4 * a == d else math.sin(theta)
    return (sx * s, sy * c) if swap else (sx * c, sy * s)


def directions(dividends):
    """The direction of every side, side 0 first, in half divisor units."""
    n = len(dividends)
    d = divisor(dividends)
    h, result = 0, [0]
    for i in range(n - 1):
        h = turned(h, d, dividends[i], n)
        result.append(h)
    return result


def walk(dividends, lengths):
    """The vertices that setup builds: vertices[0] at the origin, side 0 along
    +x, the closing side implied by the others."""
    n = len(dividends)
    d = divisor(dividends)
    vertices = [(0.0, 0.0)]
    px, py = lengths[0], 0.0
    h = 0
    i = 0
    while True:
        vertices.append((px, py))
        if i >= n - 2:
            break
        h = turned(h, d, dividends[i], n)
        # sx and sy are ±1, so (sign · component) · length is the very
        # product that setup forms.
        ux, uy = unit_vector(h, d)
        length = lengths[i + 1]
        px += ux * length
        py += uy * length
        i += 1
    return vertices


def closure_error(dividends, lengths):
    """How far the implied closing side is from its declared length."""
    v = walk(dividends, lengths)
    x, y = v[-1]
    return abs(math.hypot(x, y) - lengths[-1])


def corner_angle(vertices, k):
    n = len(vertices)
    ax, ay = vertices[(k - 1) % n]
    bx, by = vertices[k]
    cx, cy = vertices[(k + 1) % n]
    theta = math.atan2(ay - by, ax - bx) - math.atan2(cy - by, cx - bx)
    if theta < 0:
        theta += 2 * math.pi
    return theta


def area(vertices):
    total = 0.0
    n = len(vertices)
    for i in range(n):
        x0, y0 = vertices[i - 1]
        x1, y1 = vertices[i]
        total += (x1 + x0) * (y1 - y0)
    return 0.5 * total


def _point_segment(p, a, b):
    abx, aby = b[0] - a[0], b[1] - a[1]
    t = ((p[0] - a[0]) * abx + (p[1] - a[1]) * aby) / (abx * abx + aby * aby)
    t = min(1.0, max(0.0, t))
    return math.hypot(p[0] - a[0] - abx * t, p[1] - a[1] - aby * t)


def _cross(o, a, b):
    return (a[0] - o[0]) * (b[1] - o[1]) - (a[1] - o[1]) * (b[0] - o[0])


def segment_distance(a, b, c, d):
    d1, d2 = _cross(a, b, c), _cross(a, b, d)
    d3, d4 = _cross(c, d, a), _cross(c, d, b)
    if ((d1 > 0 > d2) or (d1 < 0 < d2)) and ((d3 > 0 > d4) or (d3 < 0 < d4)):
        return 0.0
    return min(_point_segment(a, c, d), _point_segment(b, c, d),
               _point_segment(c, a, b), _point_segment(d, a, b))


def grid_cell(c):
    # Halves away from zero, as std::round.
    return math.floor(abs(c) * 512.0 + 0.5) * (1 if c >= 0 else -1)


def simplicity_faults(vertices):
    """Pairs of vertices on one grid cell and pairs of sides that touch."""
    faults = []
    n = len(vertices)
    cells = [(grid_cell(x), grid_cell(y)) for x, y in vertices]
    for i in range(n):
        for j in range(i + 1, n):
            if cells[i] == cells[j]:
                faults.append("vertices %d and %d coincide" % (i, j))
            adjacent = j == i + 1 or (i == 0 and j == n - 1)
            if not adjacent:
                gap = segment_distance(vertices[i], vertices[(i + 1) % n], vertices[j], vertices[(j + 1) % n])
                if gap <= 1e-9:
                    faults.append("sides %d and %d touch" % (i, j))
    return faults


def closest_approach(vertices):
    """The smallest distance between two sides that do not share a corner: a
    figure with a narrow waist or a near-touching notch shows here."""
    n = len(vertices)
    best = math.inf
    for i in range(n):
        for j in range(i + 2, n):
            if i == 0 and j == n - 1:
                continue
            best = min(best, segment_distance(vertices[i], vertices[(i + 1) % n], vertices[j], vertices[(j + 1) % n]))
    return best


# Symmetry, as the figure computes it: on the integer and length sequences.

def first_mirror_axis(d):
    n = len(d)
    if n == 0:
        return ("edge", 0)
    for s in range(n):
        if all(d[(s + j) % n] == d[(s - 1 - j) % n] for j in range(n // 2 + 1)):
            return ("edge", s)
    for s in range(n):
        if all(d[(s + j) % n] == d[(s - 2 - j) % n] for j in range(n // 2)):
            return ("vertex", s)
    return ("edge", 0)


def edge_axes(d, lengths):
    n = len(d)
    return [("edge", s) for s in range(n)
            if all(d[(s + j) % n] == d[(s - 1 - j) % n] and lengths[(s + j) % n] == lengths[(s - j) % n]
                   for j in range(n // 2 + 1))]


def vertex_axes(d, lengths):
    n = len(d)
    return [("vertex", s) for s in range(n)
            if all(d[(s + j) % n] == d[(s - 2 - j) % n] and lengths[(s + j) % n] == lengths[(s - 1 - j) % n]
                   for j in range(n // 2))]


def mirror_axes(d, lengths):
    return edge_axes(d, lengths) + vertex_axes(d, lengths)


def variant_count(d, lengths):
    n = len(d)
    if n < 2:
        return n
    for p in range(1, n // 2 + 1):
        if n % p:
            continue
        if all(d[k] == d[k + m * p] and lengths[k] == lengths[k + m * p]
               for k in range(p) for m in range(1, n // p)):
            return p
    return n


def _name_text(d, lengths):
    return "[" + ", ".join(str(x) for x in d) + "][" + ", ".join(repr(float(x)) for x in lengths) + "]"


def canonical_name(d, lengths):
    n = len(d)
    best = None
    for r in range(variant_count(d, lengths)):
        dd = [d[(r + k) % n] for k in range(n)]
        ll = [lengths[(r + k) % n] for k in range(n)]
        if best is None or dd < best[0]:
            best = (dd, ll)
    return _name_text(*best)


def reversed_canonical_name(d, lengths):
    n = len(d)
    best = None
    for r in range(variant_count(d, lengths)):
        dd = [d[(r + k) % n] for k in range(n)][::-1]
        ll = [lengths[(r + k + 1) % n] for k in range(n)][::-1]
        if best is None or dd < best[0]:
            best = (dd, ll)
    return _name_text(*best)


def mirrored_outline(d, lengths, start=0):
    """A Right entry's sequences from its Left entry's: d0, dn-1, ..., d1 and
    l1, l0, ln-1, ..., l2, both begun at start."""
    n = len(d)
    md = [d[0]] + [d[i] for i in range(n - 1, 0, -1)]
    ml = [lengths[1], lengths[0]] + [lengths[i] for i in range(n - 1, 1, -1)]
    return md[start:] + md[:start], ml[start:] + ml[:start]


def mirrored_axis(axis, n, start):
    """The axis of the mirror image that corresponds to axis of the original,
    with the mirrored sequences begun at start: vertex v becomes vertex
    n + 2 - v - start, side i becomes side n + 1 - i - start."""
    kind, index = axis
    if kind == "vertex":
        return ("vertex", (2 - index - start) % n)
    return ("edge", (1 - index - start) % n)


def axis_point(vertices, axis):
    kind, index = axis
    if kind == "vertex":
        return vertices[index]
    a, b = vertices[index], vertices[(index + 1) % len(vertices)]
    return ((a[0] + b[0]) / 2, (a[1] + b[1]) / 2)


HEADING_ANGLES = {name: k * math.pi / 4 for k, name in enumerate(
    ["east", "northEast", "north", "northWest", "west", "southWest", "south", "southEast"])}


def center(vertices):
    """The mean of the vertices, as Figure::center: the icon turns about it."""
    return (sum(x for x, _ in vertices) / len(vertices), sum(y for _, y in vertices) / len(vertices))


def radius(vertices):
    """The farthest vertex from the centre, at least 1/2, as Figure::radius."""
    cx, cy = center(vertices)
    return max(0.5, max(math.hypot(x - cx, y - cy) for x, y in vertices))


def image_angle(vertices, axis, heading):
    """The turn that brings the axis point to the heading, as the icon does."""
    cx, cy = center(vertices)
    px, py = axis_point(vertices, axis)
    return HEADING_ANGLES[heading] - math.atan2(py - cy, px - cx)


def _outward_normal(vertices, i):
    """The unit normal of side i (from vertex i to i + 1) pointing out of the
    counter-clockwise outline."""
    (ax, ay), (bx, by) = vertices[i], vertices[(i + 1) % len(vertices)]
    length = math.hypot(bx - ax, by - ay)
    return ((by - ay) / length, (ax - bx) / length)


def outward_at_axis(vertices, axis):
    """The direction out of the figure at its axis point: the side's normal,
    or at a corner the mean of its two sides' normals, which points out of
    the figure for a reflex corner as well as a convex one."""
    kind, index = axis
    if kind == "edge":
        return _outward_normal(vertices, index)
    n = len(vertices)
    (ax, ay), (bx, by) = _outward_normal(vertices, (index - 1) % n), _outward_normal(vertices, index)
    length = math.hypot(ax + bx, ay + by)
    if length < 1e-12:
        return (ax, ay)
    return ((ax + bx) / length, (ay + by) / length)


def icon_standing(vertices, axis):
    """How the icon will stand the figure: the distance from the centre to
    the axis point as a share of the radius, and the cosine between the
    direction the icon turns to the heading (centre to axis point) and the
    direction out of the figure at the axis point. A negative cosine means
    the heading points into the figure: it stands on its head."""
    cx, cy = center(vertices)
    px, py = axis_point(vertices, axis)
    distance = math.hypot(px - cx, py - cy)
    if distance == 0.0:
        return 0.0, 0.0
    ox, oy = outward_at_axis(vertices, axis)
    return distance / radius(vertices), ((px - cx) * ox + (py - cy) * oy) / distance
