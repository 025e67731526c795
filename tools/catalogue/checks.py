"""What every catalogue entry must be, checked on a design before it reaches
the table, and the running shape of the whole table.

Errors are the rules the program's own catalogue check enforces (closure,
angles, a simple polygon, truthful names, axes, chirality); warnings are
matters of quality that a designer should look at.
"""

import collections
import math
import re
from fractions import Fraction

import geometry

# The entries whose values the catalogue fixes; no design replaces them.
GIVEN = frozenset([
    1, 3, 4, 5, 7, 9, 10, 16, 17, 22, 26, 30, 43, 61, 64, 65, 77, 78, 99, 105, 113, 133, 135, 136, 138, 153,
    162, 163, 166, 167, 169, 170, 174, 180, 184, 203, 213, 235, 259, 264, 286, 291, 314, 316, 317, 324, 325,
    350, 353, 354, 375, 378, 380, 382, 387, 417, 431, 432, 434, 448, 476, 477, 478, 479, 480, 481, 482, 483,
    484, 485, 560, 564, 583, 587, 589, 590, 690, 692, 708, 743, 747, 756, 768, 769, 773, 796, 801, 827, 853,
    911, 913, 929, 930, 959, 961, 962, 966, 970, 971, 973, 985, 1003, 1033, 1037, 1053, 1058, 1075, 1121,
    1122])

# Chiral pairs whose names are reversed sequences rather than Left and Right.
SEQUENCE_PAIRS = [(99, 100), (279, 280), (663, 664), (666, 667), (673, 674), (675, 676), (677, 678), (722, 723),
                  (729, 730), (731, 732), (735, 736), (873, 874), (876, 877), (878, 879), (880, 881), (882, 883),
                  (884, 885), (886, 887), (1049, 1050), (1051, 1052)]

# Their own mirror image, yet their two texts differ: the dividends repeat
# with a shorter period than the lengths.
ACHIRAL_WITH_UNEQUAL_TEXTS = frozenset([417, 521, 526, 527, 922])

# The fractions in names that describe something other than a corner of the
# figure, as (reflex, numerator, denominator): the catalogue counts seven,
# one in each of these names. Every other fraction is a corner (a reflex one
# for ⁻p/q).
FRACTIONS_NAMING_NO_CORNER = {324: (False, 1, 10), 325: (False, 1, 10), 654: (True, 1, 5), 797: (False, 3, 7),
                              798: (False, 2, 7), 802: (False, 3, 7), 998: (False, 1, 32)}
FRACTION_TALLY = {"corner": 567, "reflex": 15, "none": 7}

# Names that differ only by these words may be one shape at two sizes.
SIZE_WORDS = frozenset(["Big", "Small", "√2"])

TARGET_HISTOGRAM = {3: 30, 4: 121, 5: 77, 6: 201, 7: 53, 8: 181, 9: 27, 10: 123, 11: 16, 12: 107, 13: 6, 14: 54,
                    15: 3, 16: 58, 17: 1, 18: 32, 20: 11, 21: 1, 22: 3, 24: 5, 25: 1, 28: 4, 32: 3, 40: 2, 48: 1,
                    64: 1}
TARGET_EQUILATERAL = 99
TARGET_SIDES = 10169

# The least distance from the centre to the axis point, as a share of the
# figure's radius, for the icon's turn to be settled by the outline rather
# than by rounding.
MIN_AXIS_OFFSET = 0.05

SUPERSCRIPT = {"⁰": 0, "¹": 1, "²": 2, "³": 3, "⁴": 4, "⁵": 5, "⁶": 6, "⁷": 7, "⁸": 8, "⁹": 9}
SUBSCRIPT = {chr(0x2080 + i): i for i in range(10)}


def name_fractions(name):
    """(reflex, numerator, denominator) of every fraction of a turn in a name."""
    result = []
    for match in re.finditer("(⁻?)([⁰¹²³⁴-⁹]+)⁄([₀-₉]+)", name):
        numerator = int("".join(str(SUPERSCRIPT[c]) for c in match.group(2)))
        denominator = int("".join(str(SUBSCRIPT[c]) for c in match.group(3)))
        result.append((match.group(1) == "⁻", numerator, denominator))
    return result


def fraction_names(fraction, d):
    """What a name's fraction stands for in the figure of dividends d: a
    "corner" of that angle, a "reflex" corner of 1 − p/q for ⁻p/q, or
    "none"."""
    reflex, p, q = fraction
    n, D = len(d), geometry.divisor(d)
    turns = q - p if reflex else p
    if not any(x * (n - 2) * q == turns * D for x in d):
        return "none"
    return "reflex" if reflex else "corner"


def fraction_tally(rows, outlines):
    tally = collections.Counter({k: 0 for k in FRACTION_TALLY})
    for raw, row in rows.items():
        for fraction in name_fractions(row.name):
            tally[fraction_names(fraction, outlines[raw].dividends)] += 1
    return dict(tally)


def seen_outline(d, lengths):
    """The outline as it shows: corners as fractions of a turn, each at the
    end of its side, straight corners merged away, sides as shares of the
    perimeter."""
    n, D = len(d), geometry.divisor(d)
    corners = [Fraction(x * (n - 2), D) for x in d]
    first = next(i for i in range(n) if corners[i] != Fraction(1, 2))
    seen_corners, sides, side = [], [], 0.0
    for k in range(1, n + 1):
        i = (first + k) % n
        side += lengths[i]
        if corners[i] != Fraction(1, 2):
            seen_corners.append(corners[i])
            sides.append(side)
            side = 0.0
    perimeter = sum(sides)
    return seen_corners, [x / perimeter for x in sides]


def similar(a, b):
    """Whether two seen outlines are one shape, turned or mirrored."""
    (ca, sa), (cb, sb) = a, b
    n = len(ca)
    if len(cb) != n or sorted(ca) != sorted(cb):
        return False
    # Walked backwards, side j ends at the corner that began it.
    mirrored = (list(reversed(cb))[1:] + list(reversed(cb))[:1], list(reversed(sb)))
    for corners, sides in ((cb, sb), mirrored):
        for r in range(n):
            if all(ca[i] == corners[(i + r) % n] and abs(sa[i] - sides[(i + r) % n]) <= 1e-9 for i in range(n)):
                return True
    return False


def without_size_words(name):
    return " ".join(w for w in name.split() if w not in SIZE_WORDS)


def chiral_pairs(rows):
    """Every chiral pair (first, second) of the catalogue: the Left and Right
    entries by name, and the pairs whose names are reversed sequences."""
    by_name = {row.name: raw for raw, row in rows.items()}
    pairs = []
    for raw, row in rows.items():
        if re.search(r"\bLeft\b", row.name):
            other = by_name.get(re.sub(r"\bLeft\b", "Right", row.name))
            if other is not None:
                pairs.append((raw, other))
    pairs.extend(SEQUENCE_PAIRS)
    return pairs


class Report:
    def __init__(self):
        self.errors = []
        self.warnings = []

    def error(self, raw, text):
        self.errors.append((raw, text))

    def warn(self, raw, text):
        self.warnings.append((raw, text))


def check_entry(report, row, outline, partner=None):
    """The rules for one entry. partner is (row, outline, start) of its mirror
    image when it is chiral and the image is derived from it."""
    raw = row.raw
    d, l = outline.dividends, outline.lengths
    n = len(d)
    if n < 3 or len(l) != n:
        report.error(raw, "needs at least three corners and one length per corner")
        return
    vertices = geometry.walk(d, l)
    x, y = vertices[-1]
    miss = abs(math.hypot(x, y) - l[-1])
    if miss > 5e-13:
        report.error(raw, "the closing side is %.3g off its length" % miss)
    D = geometry.divisor(d)
    for k in range(n):
        expected = 2 * math.pi * d[(k - 1) % n] * (n - 2) / D
        if abs(geometry.corner_angle(vertices, k) - expected) > 1e-9:
            report.error(raw, "corner %d does not have its dividend's angle" % k)
    if geometry.area(vertices) <= 0:
        report.error(raw, "the area is not positive")
    for fault in geometry.simplicity_faults(vertices):
        report.error(raw, "not simple: " + fault)
    if not geometry.simplicity_faults(vertices):
        gap = geometry.closest_approach(vertices)
        if gap < 0.1:
            report.warn(raw, "two sides come within %.3f of each other" % gap)

    # The icon turns the line from the centre (the mean of the vertices) to
    # the axis point towards the heading. Near the centre that line's
    # direction is at the mercy of a small shift of the corners, and once the
    # mean lies beyond the axis point (corners crowding near it) the line
    # points into the figure: the icon then stands it on its head. Both are
    # measured exactly as the program draws, so they are warnings of what the
    # icon will show, not guesses at what the figure should look like.
    standing_axis = row.axis or geometry.first_mirror_axis(d)
    if standing_axis[1] < n and geometry.area(vertices) > 0:
        share, cosine = geometry.icon_standing(vertices, standing_axis)
        if share < MIN_AXIS_OFFSET:
            report.warn(raw, "the axis point %s(%d) lies %.3f from the centre (%.1f%% of the radius), "
                        "so the icon's turn is unstable" % (standing_axis + (share * geometry.radius(vertices),
                                                                               100 * share)))
        elif cosine < 0:
            report.warn(raw, "the icon stands it on its head: the centre lies beyond the axis point %s(%d), "
                        "so the heading points into the figure" % standing_axis)

    for fraction in name_fractions(row.name):
        named = fraction_names(fraction, d)
        reflex, p, q = fraction
        text = "%s%d/%d" % ("-" if reflex else "", p, q)
        if FRACTIONS_NAMING_NO_CORNER.get(raw) == fraction:
            if named != "none":
                report.error(raw, "the name's %s must name no corner of the figure, as the catalogue has it" % text)
        elif named == "none":
            report.error(raw, "the name's %s is no corner of the figure" % text)

    for i in range(n):
        if 2 * d[i] * (n - 2) == D and l[i] != l[(i + 1) % n]:
            report.error(raw, "corner %d is straight between sides of different lengths: it would not show" % i)

    equilateral = all(x == l[0] for x in l)
    if not row.scaleable and equilateral:
        report.error(raw, "not scaleable, so its sides must differ")

    axes = geometry.mirror_axes(d, l)
    canonical = geometry.canonical_name(d, l)
    reversed_name = geometry.reversed_canonical_name(d, l)
    if row.axis is not None and row.axis[1] >= n:
        report.error(raw, "the given axis %s(%d) is beyond its corners" % row.axis)
    if partner is None:
        if raw in ACHIRAL_WITH_UNEQUAL_TEXTS:
            if not axes:
                report.error(raw, "needs a mirror axis")
        elif canonical != reversed_name:
            report.error(raw, "must be its own mirror image (its two canonical texts differ)")
        if axes and row.axis is not None and row.axis not in axes:
            report.error(raw, "the given axis %s(%d) is no mirror axis of it" % row.axis)
        if axes and row.axis is None and geometry.first_mirror_axis(d) not in axes:
            report.warn(raw, "the axis setup finds, %s(%d), is no mirror axis of the figure"
                        % geometry.first_mirror_axis(d))
    else:
        other_row, other, start = partner
        if canonical == reversed_name or axes:
            report.error(raw, "must be chiral, yet it is its own mirror image")
        mine = row.axis or geometry.first_mirror_axis(d)
        theirs = other_row.axis or geometry.first_mirror_axis(other.dividends)
        expected = geometry.mirrored_axis(mine, n, start)
        if expected != theirs and (row.axis is not None or other_row.axis is not None):
            report.error(raw, "its axis %s(%d) and its mirror image's %s(%d) do not correspond; the image would need %s(%d)"
                         % (mine + theirs + expected))
    return canonical


def check_table(report, rows, outlines, designed):
    """Rules that span entries: unique texts, mirror pairs that pair, and the
    catalogue's corner counts and equal-sided figures, which a redesign must
    keep."""
    texts = collections.defaultdict(list)
    for raw, outline in outlines.items():
        if raw == 1122:
            continue
        texts[geometry.canonical_name(outline.dividends, outline.lengths)].append(raw)
    for raws in texts.values():
        if len(raws) > 1 and any(r in designed for r in raws):
            for r in raws:
                if r in designed:
                    report.error(r, "has the same canonical text as %s" % ", ".join(str(x) for x in raws if x != r))
    reversed_texts = {}
    for raw, outline in outlines.items():
        if raw == 1122:
            continue
        reversed_texts[geometry.reversed_canonical_name(outline.dividends, outline.lengths)] = raw
    for first, second in chiral_pairs(rows):
        if first not in designed and second not in designed:
            continue
        a = outlines[first]
        image = reversed_texts.get(geometry.canonical_name(a.dividends, a.lengths))
        if image != second:
            report.error(first, "its mirror image in the table is %s, not %d" % (image, second))

    # One shape under two names: mirror images are partners, and a size word
    # or a stated scale says one shape comes twice on purpose.
    mirror_pairs = {frozenset(p) for p in chiral_pairs(rows)}
    seen = {raw: seen_outline(o.dividends, o.lengths) for raw, o in outlines.items() if raw != 1122}
    by_corners = collections.defaultdict(list)
    for raw, (corners, _) in seen.items():
        by_corners[tuple(sorted(corners))].append(raw)
    for raws in by_corners.values():
        for a in raws:
            if a not in designed:
                continue
            for b in raws:
                if b == a or (b in designed and b < a) or frozenset((a, b)) in mirror_pairs:
                    continue
                if without_size_words(rows[a].name) == without_size_words(rows[b].name):
                    continue
                if similar(seen[a], seen[b]):
                    report.error(a, "is one shape with %d %s" % (b, rows[b].name))

    counts = collections.Counter(len(o.dividends) for o in outlines.values())
    for raw in sorted(designed):
        k = len(outlines[raw].dividends)
        if counts[k] != TARGET_HISTOGRAM.get(k, 0):
            report.error(raw, "the table would have %d figures of %d corners, the catalogue has %d"
                         % (counts[k], k, TARGET_HISTOGRAM.get(k, 0)))
    equal = sum(1 for o in outlines.values() if _equal_sided(o))
    if equal != TARGET_EQUILATERAL:
        for raw in sorted(designed):
            if _equal_sided(outlines[raw]) == (equal > TARGET_EQUILATERAL):
                report.error(raw, "the table would have %d equal-sided figures, the catalogue has %d"
                             % (equal, TARGET_EQUILATERAL))


def _counts(tally):
    return ", ".join("%d %s" % (tally[k], k) for k in ("corner", "reflex", "none"))


def _equal_sided(outline):
    return all(x == outline.lengths[0] for x in outline.lengths)


def tally(rows, outlines):
    """The table's shape: corner counts and equal-sided figures against the
    catalogue's, and how lengths are shared. Its last count line says whether
    the table has the catalogue's shape."""
    counts = collections.Counter(len(o.dividends) for o in outlines.values())
    lines = ["corners  catalogue  table  off"]
    exact = True
    for k in sorted(set(TARGET_HISTOGRAM) | set(counts)):
        target = TARGET_HISTOGRAM.get(k, 0)
        off = counts[k] - target
        exact = exact and off == 0
        lines.append("%7d  %9d  %5d  %3s" % (k, target, counts[k], "%+d" % off if off else ""))
    equal = sum(1 for o in outlines.values() if _equal_sided(o))
    lines.append("equal-sided figures: %d of %d" % (equal, TARGET_EQUILATERAL))
    exact = exact and equal == TARGET_EQUILATERAL
    fractions = fraction_tally(rows, outlines)
    lines.append("names' fractions: %s (the catalogue: %s)" % (_counts(fractions), _counts(FRACTION_TALLY)))
    exact = exact and fractions == FRACTION_TALLY
    lines.append(HAS_ITS_SHAPE if exact else
                 "the table does NOT have the catalogue's corner counts, equal sides and name fractions")
    return lines + _length_lines(outlines)


HAS_ITS_SHAPE = "the table has the catalogue's corner counts, equal sides and name fractions"


def _length_lines(outlines):
    lines = []
    sides = sum(len(o.lengths) for o in outlines.values())
    lines.append("sides: %d of %d" % (sides, TARGET_SIDES))
    counts = collections.Counter(x for o in outlines.values() for x in o.lengths)
    unit = sum(1 for o in outlines.values() if 1.0 in o.lengths)
    top = counts.most_common(10)
    share = sum(c for _, c in top) / max(1, sides)
    lines.append("distinct lengths: %d (the catalogue is known to have 287)" % len(counts))
    lines.append("entries with a side of 1: %d of %d (the catalogue is known to have 495)" % (unit, len(outlines)))
    lines.append("ten commonest: " + ", ".join("%r (%d)" % (v, c) for v, c in top))
    lines.append("their share of all sides: %.3f (about 2/3 in the catalogue)" % share)
    return lines
