# Figures of raw values 141 to 280.
#
# Every length is a palette constant, named once in palette.py, so that figures
# of one family share their sides bit for bit and glue to the family's stars:
#   octagonal (unit 8, 16 where half a corner is needed): the Sun of side 1,
#     its centre-to-tip 1 + √2 and centre-to-notch √(2 + √2), the Square of
#     side 1 + √2;
#   twelve and twenty-four (unit 24): Sun 12 of side S12, centre-to-tip 2 + √2
#     and centre-to-notch 1 + √2, the Hexagon and Hexstar of side HEX, Star 24
#     of side S24 with centre-to-notch 2 + √2;
#   sixteen and thirty-two (unit 32): Star 16 of side S16, Sun 32;
#   five, ten and twenty (unit 20): Sun 10 and the Decastar of side 1, the
#     Pentagon and Star of side φ.

from headings import half, loop
from palette import (S2, h, H, A, B, C, N8, O8, S16, R16, S32, W32, C32, S12, TT12, HEX, T12, S24, R3,
                     TAN72)
from headings import half


def traced(unit, points, method="traced outline"):
    """The outline through points, counter-clockwise. Corners are read off the
    points and must be whole units of 1/unit turn; sides are snapped to the
    palette when the shape is closed, so a point off the family's grid shows
    at once."""
    n = len(points)
    corners, sides = [], []
    for i in range(n):
        p, q, r = points[i], points[(i + 1) % n], points[(i + 2) % n]
        sides.append(math.hypot(q[0] - p[0], q[1] - p[1]))
        turn = math.atan2(p[1] - q[1], p[0] - q[0]) - math.atan2(r[1] - q[1], r[0] - q[0])
        units = (turn % (2 * math.pi)) * unit / (2 * math.pi)
        if abs(units - round(units)) > 1e-6:
            raise DesignError("the corner at %r is not a whole number of 1/%d turns" % (q, unit))
        corners.append(int(round(units)))
    return poly(unit, corners, sides, method=method)


def upright(unit, half, axis_at="foot", method="symmetric outline"):
    """A figure with an upright mirror axis from its right half: points from
    the foot up to the top, x ≥ 0. A point with x = 0 is a corner on the axis;
    otherwise the axis crosses the side joining the point to its mirror image.
    axis_at names the end that the table walks first (side 0 or corner 0), so
    that setup's axis is the foot (axis_at="foot") or the top ("top")."""
    # A point that a walk brings back to the axis lands there only up to
    # rounding; it is the corner on the axis.
    half = [(0.0 if abs(x) < 1e-9 else x, y) for x, y in half]
    left = [(-x, y) for x, y in reversed(half) if x != 0]
    points = list(half) + left
    if axis_at == "top":
        # The top corner, or the right end of the top side, first.
        k = len(half) - 1
        points = points[k:] + points[:k]
    elif half[0][0] != 0:
        # The foot side runs from the mirror image of the first point.
        points = points[-1:] + points[:-1]
    return traced(unit, points, method=method)


def polar(radius, degrees, centre=(0.0, 0.0)):
    """The point at radius from centre, degrees clockwise from straight up: how
    the tips and notches of an upright star are found."""
    t = math.radians(degrees)
    return (centre[0] + radius * math.sin(t), centre[1] + radius * math.cos(t))


def walked(start, moves):
    """The points reached from start by moves of (length, direction in degrees
    counter-clockwise from +x): a half outline drawn as a pen would."""
    points = [start]
    x, y = start
    for length, degrees in moves:
        t = math.radians(degrees)
        x, y = x + length * math.cos(t), y + length * math.sin(t)
        points.append((x, y))
    return points


def acorn(unit, point_side, low, upper_side, high, stalk_side, stalk):
    """Acorn A's outline in a family's angles: a nut pointed below, its
    sides rising from the point along point_side and on along upper_side to
    the cap's corners, a flat cap and a stalk peaked on the axis. Directions
    in degrees of the right half, walked from the point; the cap is solved."""
    return half(unit, [(point_side, low), (upper_side, high), (180, X), (stalk_side, stalk)], bottom="corner",
                top="corner")


# --- Twenty-four.
entry(141, "Kite 24", kite(24, 3, 1, S24), note="Star 24 cut into 24 by radii through its notches")
entry(142, "Arrowhead 24", dart(24, 3, 17, A), note="a Star 24 tip, barbs of Star 24 sides")

# --- Octagonal boats, acorns and bells.
entry(143, "Flat Boat", trapezoid(8, 3, A, 1.0), note="a low hull, sides of 1")
entry(144, "Short Acorn", sym(8, [2, 1.0, 5, 1.0, 2, 1.0, 3, A, 2], first="corner"),
      note="Acorn A with its body shortened to 1")
entry(150, "Bell", sym(8, [X, 1, 1.0, 5, A, 3, 1.0, 3, 1.0]), note="a flared mouth under a domed crown")
entry(152, "Left v", poly(8, [6, 2, 2, 2, 3, 2, 3], [2.0, 1.0, S2, A, B, 1.0, 1.0]),
      note="a check mark: a short square-ended arm and a long pointed one")
entry(160, "Acorn B ¹⁄₄", half(8, [(180, X), (225, 1.0), (270, 1.0), (0, h), (270, 1.0), (315, A)],
                                bottom="corner", top="side", from_top=True),
      note="Acorn A's nut of a quarter-turn point under a cap whose rim stands out over it")

# --- Five and ten.
entry(154, "Drum ¹⁄₅", sym(20, [PHI, 8, 1.0, 4, 1.0, 8, PHI]), note="rims of φ, sides bulging to 1/5")
entry(158, "Book ¹⁄₅", sym(20, [12, PHI, 4, 1.0, 6, PHI, 8], first="corner"), note="an open book, pages at 1/20 turn")
# The Twins are two equal lobes side by side, fused at a waist notched above
# and below, as Twins ³⁄₈ draws them; the fraction is each lobe's tip. Big
# Twins 3/10 is still two horns leaning apart, with a flat-bottomed gap
# between them.
entry(185, "Twins ³⁄₁₀", twins(20, 2, 3, 1.0, PHI), note="two lobes with tips of 3/10, fused at a notched waist")
entry(258, "Big Twins ³⁄₁₀", half(20, [(0, 2.0), (72, PHI ** 3), (234, TAN72), (180, X)], bottom="side", top="side"),
      note="Twins 3/10 grown taller, a flat-bottomed gap between the horns")

# --- Octagonal barrels.
entry(156, "Wide Barrel", sym(8, [A, 3, 1.0, 3, 1.0, 3, 1.0, 3, X]), note="Barrel with wider heads and shorter staves")

# --- Sixteen.
entry(146, "Short Candle 16", sym(32, [4, S16, 22, h, 8, 1.0, 12, N8, 8], first="corner"),
      note="Candle 16 with its body cut to 1")
entry(148, "Left Triangle ¹⁄₁₆", poly(32, [2, 10, 4], [A, N8, 1.0]), note="corners of 1/16, 5/16 and 1/8")

# --- Twelve.
entry(164, "Sunray ¹⁄₁₂", sunray(24, 12, 4, S12, 2), note="in the notch of Sun 12")
entry(165, "Candle 12 A", sym(24, [4, TT12, 10, A, 9, S12, 6], first="corner"),
      note="a Sun 12 tip on a body that stands in a Sun 12 notch")
entry(168, "Shield ¹⁄₁₂", sym(24, [2, B, 11, S12, 5, T12, 14], first="corner"), note="pointed foot, dipped top")
# Bars of 1 on arms of 1 + S12 (a Sunray 2/24's long side): the four bar ends
# pull the mean of the corners towards the crotch, and only bars this thick
# for their length keep it far enough below for the icon to stand steadily.
entry(188, "V ¹⁄₆", sym(24, [20, X, 6, 1.0, 6, 1 + S12, 4], first="corner"), note="two bars at 1/6 turn, ends square")

entry(145, "Arrow Bow", sym(8, [1.0, 5, 1.0, 2, S2, 2, S2, 2, 1.0, 5, 1.0]),
      note="a bow whose wings are Squares on their corners, pointing outwards")
entry(147, "Short Sprout 16", sym(32, [8, O8, 12, h, 18, A, 4, X, 20], first="corner"), note="Sprout 16 on a short stem")
entry(216, "Sprout 16", sym(32, [8, O8, 12, N8, 18, A, 4, X, 20], first="corner"),
      note="two leaves of 1/8 on a stem with a quarter-turn root")
entry(221, "Long Sprout 16", sym(32, [8, O8, 12, B, 18, A, 4, X, 20], first="corner"), note="Sprout 16 on a long stem")
entry(171, "Sprout 12", sym(24, [4, 1.0, 10, 1.0, 14, A, 2, X, 16], first="corner"),
      note="two leaves of 1/12 on a stem with a 1/6 root")
entry(155, "Baluster", sym(8, [2.0, 3, 1.0, 3, A, 3, S2, 5, 1.0, 5, h, 1, X]), note="a vase: belly, neck and lip")
entry(157, "Bonnet", sym(8, [X, 6, 1.0, 2, h, 2, A, 3, 1.0, 3, 1.0]), note="a hood round the face")
# A short shoulder of 1 under wings of 2: with longer shoulders the wing tips
# lift the mean of the corners above the notch and the icon turns it over.
entry(159, "Wings B", half(8, [(315, 1.0), (0, H), (135, X)], bottom="corner", top="corner"),
      note="wide swept wings, a notch between them")
entry(199, "Wings D", half(8, [(315, 2.0), (45, S2), (135, X)], bottom="corner", top="corner"),
      note="deep wings bent at the shoulder, a notch between them")
entry(161, "Cross Boat B", sym(8, [B, 3, 1.0, 1, X, 6, 1.0, 3, 1.0, 2]), note="Cross Boat A carrying an arm of the Cross")
entry(177, "Butterfly", upright(8, [(0, 0), (h, h), (S2, 0), (3 * h, h), (S2, S2), (2 * S2, 2 * S2), (2 * S2, 3 * S2), (S2, 3 * S2), (0, 2 * S2)]),
      note="small hind wings, large fore wings")
# The left half of the Lid, its foot parted in the middle by a straight
# corner: the axis corner must lie straight below the middle of the corners,
# and no corner of the half alone does, so the icon stood it aslant.
entry(178, "Left Lid", poly(8, [2, 2, 2, 5, 3, 2, 4], [1.0, A, 1.0, h, S2, h, 1.0]).start(5),
      note="the Lid cut along its axis, standing level on the middle of its foot")
# A hull deeper than its turned-up ends are tall, so that the deck lies above
# the mean of the corners and the icon keeps the canoe upright.
entry(181, "Canoe", upright(8, [(A, 0), (A + 2, 2), (A + 2, 3), (A + 1, 2)], axis_at="top"),
      note="a long hull, both ends turned up")
entry(186, "Sail Canoe", upright(8, [(A, 0), (A + 2, 2), (A + 2, 3), (A + 1, 2), (1, 2), (1, 4)], axis_at="top"),
      note="the Canoe with a square sail")
entry(215, "Canoe C", upright(8, [(1, 0), (A, S2), (A, A), (H, H)], axis_at="top"),
      note="a deeper, shorter canoe; its gunwale above the prows' feet, so that the centre stays clear below it")
# Battlements and fingers are cut deeper and wider than the outline an icon
# draws them with, or it closes the gaps: merlons narrow, gaps wide.
entry(182, "Tower D", sym(8, [X, 2, B, 2, 0.5, 2, S2, 6, S2, 6, S2, 2, 1.0]), note="a tower with three merlons")
# Square cusps over pointed roots: with both ends alike the tooth had a
# crosswise axis too, setup took that one and the icon laid the tooth on its side.
entry(190, "Tooth ¹⁄₄", upright(8, [(0, 1), (1, 0), (2, 1), (2, 4), (1, 4), (0, 3)]), note="a molar: two roots, two cusps")
entry(187, "Jingle", upright(8, [(0, -1), (0.5, -1.5), (1.5, -0.5), (1.5, 0.5), (0.5, 1.5), (0.5, 2.5), (0, 3)], axis_at="top"),
      note="a round bell with a slit below and a loop on top")
entry(195, "Crown", upright(8, [(A, 0), (A, 2), (A - h, 2 - h), (1, 2), (0.5, 1.5), (0.5, 3)], axis_at="top"),
      note="a band with four points and a jewel, the notches between them deep")
entry(196, "Spade", upright(8, [(1, 0), (H, h), (H, h + A), (h, h + A), (h, h + A + 2), (H, h + A + 2), (H, S2 + A + 2)],
                             axis_at="top"), note="a garden spade: blade, shaft, grip")

entry(193, "Candle 12 B", sym(24, [4, R3, 10, B, 8, 1.0, 8], first="corner"),
      note="a taller candle on a point that fits the Hexstar's notch")
entry(227, "Notch Candle 12", sym(24, [18, S12, 3, A, 10, TT12, 4], first="corner"),
      note="Candle 12 A with a quarter-turn notch for a foot")
entry(268, "Shield ¹⁄₁₂ ¹⁄₄", half(24, [(45, S2), (60, S2), (210, X)], bottom="corner", top="corner"),
      note="a quarter-turn foot, sides flaring to horns of 1/12, a dipped top")
entry(276, "Long Shield ¹⁄₁₂ ¹⁄₄", half(24, [(45, 1.0), (75, 2 + 2 * R3), (225, X)], bottom="corner", top="corner"),
      note="Shield 1/12 1/4 drawn out: the same foot and horns on long, steeper sides")
entry(206, "Sun Edge 12", sym(24, [B, 6, 1.0, 8, S12, 6, S12, 20]),
      note="between Sun 12 and the edge of its square: a tip and its two notches")
entry(207, "Sun Corner 12", sym(24, [6, B, 4, S12, 6, S12, 20, S12, 6], first="corner"),
      note="between Sun 12 and the corner of the square it touches")
entry(277, "Sun Corner 12 ¹⁄₃", sym(24, [8, HEX, 4, S12, 6, S12, 20], first="corner"),
      note="between Sun 12 and the corner of the Hexagon it touches")
entry(251, "Sun Edge 16", sym(32, [B, 8, 1.0, 12, S16, 6, S16, 28]),
      note="between Star 16 and the edge of its square: a tip and its two notches")
entry(262, "Dart ¹⁄₁₂", dart(24, 2, 18, B), note="a 1/12 tip round a quarter-turn notch, sides of the Sunray 1/12")
entry(263, "Book ¹⁄₆", sym(24, [16, HEX, 4, A, 8, HEX, 8], first="corner"), note="an open book, pages at 1/12 turn")
entry(261, "Kite ¹⁄₆", kite(24, 4, 8, R3, 1.0), note="a third of a Triangle's corner cut to its centre")
entry(266, "Kite ¹⁄₄ ¹⁄₆", kite(24, 6, 10, A), note="a quarter-turn tip, side corners of 1/6")
entry(265, "Notch ¹⁄₃", sym(24, [A, 6, S12, 6, h, 8, 1.0, 20]), note="a bar with a notch for the Triangle's corner")
entry(271, "Acorn 12", acorn(24, 60, 3.0, 90, 1.5773502691896257, 120, 1.0),
      note="Acorn A's nut, cap and stalk with a point and a peak of Sun 12's tips")
entry(275, "Short Acorn 12", acorn(24, 60, TT12, 90, 0.5, 120, 0.7320508075688771), note="Acorn 12 with a short body")

# --- More octagonal figures.
entry(200, "Twins ¹⁄₆", half(12, [(330, 2.0), (90, 2.5), (210, X)], bottom="corner", top="corner"),
      note="two triangles of 1/6 corners tip to tip, lying along the heading")
entry(201, "Twin Star D", sym(8, [5, h, 5, S2, 1, S2, 5, S2, 1, S2, 5, S2, 1, S2, 5, h, 5], first="corner"),
      note="two Compass stars fused where the sides of their tips cross, at the middle of those sides, so that "
           "the waist is tall enough to hold the icon's turn")
entry(233, "Small Twin Star B", sym(8, [7, h, 1, 1.0, 5, 1.0, 1, 1.0, 5, 1.0, 1, h, 7], first="corner"),
      note="Twin Star B at 1/√2 of its size")
# Two tips of 1/8 point to point, fused where their sides cross; their bases
# are the ends of the axis, so that the icon, headed west, lays the pair side
# by side.
entry(214, "Twins C", loop(16, [(270, 2 * S2), (22.5, 2.613125929752753), (337.5, 2.613125929752753), (90, 2 * S2),
                               (202.5, 2.613125929752753), (157.5, 2.613125929752753)]),
      note="two tips of 1/8 point to point, fused at a waist")
entry(208, "Spindle", upright(8, [(0, 0), (h, h), (h, 2 + h), (H, 3 + h), (H, 4 + h), (h, 5 + h), (h, 7 + h), (0, 7 + 2 * h)]),
      note="a shaft pointed at both ends with a whorl in the middle")
# Straight sides from the stalk's point out to a broad rim, the notch in the
# middle of the rim: walked from the notch, so that setup takes it for the
# axis and the icon, headed north, stands the fan on its point.
entry(209, "Ginkgo", half(16, [(135, S2), (202.5, N8), (225, 1.0), (315, X)], bottom="corner", top="corner", from_top=True),
      note="a fan of a quarter turn, its broad rim notched in the middle")
entry(210, "Tree", upright(8, [(h, 0), (h, 1), (H, 1), (h, 2), (H, 2), (0, 2 + H)]), note="a trunk under two tiers")
entry(211, "Left Cross Boat C", traced(8, [(0, 0), (B, 0), (B + h, h), (B + h, 2 * h), (B, 3 * h), (B - h, 2 * h), (B - h, h),
                                             (h, h), (h, h + 1), (0, h + 1 + h), (-h, h + 1), (-h, h)]),
      note="Cross Boat A with a full arm of the Cross at one end, a short one at the other")
entry(197, "Bellflower", upright(8, [(0, -h), (h, 0), (h, 1), (H, 2), (H, A + 1), (h, A), (0, A + h)]),
      note="a bell of three lobes on a stalk")
entry(198, "Twin Peaks", sym(8, [C, 1, A, 2, 1.0, 6]), note="two quarter-turn peaks")
entry(223, "Hat", sym(8, [B, 2, h, 2, 1.0, 6, A, 2, S2]), note="a top hat")
entry(224, "Small Column", sym(8, [A, 2, h, 3, 1.0, 5, 1.0, 5, 1.0, 3, h, 2, A]), note="Column with a short shaft of 1")
entry(230, "Nail", sym(8, [A, 2, h, 2, h, 6, B, 3, h, 2]), note="head, shank and point")
entry(231, "Swallow B", upright(16, walked((0, 0), [(1.0, -45), (1.0, 90), (1.8477590650225735, -22.5), (A, 135),
                                                  (1.8477590650225735, 112.5)])),
      note="a swallow from above as Swallow 1/3 draws it, with short wings swept back and a pointed head")
entry(232, "Fin B", sym(16, [11, X, 4, N8, 5, 2 * N8, 3], first="corner"),
      note="a broader fin than Fin A: a tip of 3/16, shoulders of 5/16 and square feet beside a shallow notch")
entry(234, "Sailboat 3", sym(8, [C + 2, 3, S2, 1, 1.0, 5, A, 2, 1.0, 6, h, 3, X]), note="hull and three sails, the middle one square-topped")
entry(244, "v √2", sym(8, [2, X, 1, 1, 3, S2, 6], first="corner"), note="a small v, inner arms √2")
entry(245, "Mask √2", sym(8, [X, 3, S2, 2, S2, 2, S2, 6]), note="Mask with a wider nose")
entry(248, "Triangle ¹⁄₈", isosceles(16, 2, A), note="apex of 1/8, legs 1 + √2")
# The mast stands on the stern, so that the sail and the hull share a corner
# and the keel, the axis side, lies straight under the middle of the corners.
entry(249, "Left Sailboat", loop(16, [(0, 2 * S2), (45, S2), (180, S2), (135, X), (270, 3.0), (292.5, Y)]).start(4),
      note="a hull and one sail, its mast on the stern and the sail's edge sloping down to the bow")
mirror(250, "Right Sailboat", of=249, start=3)
entry(253, "Double Notch", sym(8, [C + 2, 2, S2, 2, h, 3, S2, 6, S2, 3, S2]), note="a bar with two quarter-turn notches")
entry(254, "Short Double Notch", sym(8, [C + 2, 2, 1.0, 2, 1.0, 3, 1.0, 6, 1.0, 3, 2.0]), note="Double Notch, lower, notches of side 1")
entry(256, "Cross Edge", sym(8, [S2, 2, 1.0, 3, 1.0, 2]), note="one arm of the Cross, cut off at its inner corners")
entry(267, "Bend", sym(16, [6, S2, 7, 1.0, 4, 1.0, 4, X, 12], first="corner"), note="a bar of width 1 bent by a quarter turn, rounded outside")
entry(272, "Arrow", upright(8, [(0, 0), (h, -h), (h, B - h), (H, B - h), (0, B - h + H)], axis_at="foot"),
      note="head of a quarter turn on a shaft with a notched tail")
entry(278, "Bellstar", upright(8, [(S2 + 1, 0), (S2, 1), (S2, 1 + A), (h, A + 1 - h), (0, A + 1)]),
      note="a flared bell crowned with three quarter-turn tips")
# A foot twice the bar's width puts the foot's middle, the axis point, under
# the middle of the corners, so that the letter stands upright.
entry(279, "L", poly(8, [2, 2, 2, 2, 2, 6], [A, 1.0, B, 2.0, 1.0, 1.0]), note="bars of width 1, a foot of 2")
mirror(280, "⅃", of=279, start=5)
entry(257, "Kite Bracket", sym(8, [B, 3, 1.0, 2, 1.0, 2, 1.0, 5, X]), note="a bar bent down to kite points")
entry(260, "Tri Bracket", sym(8, [S2, 2, H, 6, 2.0, 6, H, 2, h, 2, 2.0, 2, X]),
      note="a bar on three legs, the gaps between them wider than an icon's outline")
entry(255, "Bouquet Corner", upright(8, [(0, 0), (1, 1), (2, 1), (2, 2), (1, 3), (0, 2)]), note="two blooms in a quarter-turn cone")
entry(226, "Truncated Star", poly(20, [6, 14, 6] * 5, [PHI - 1, PHI, PHI] * 5), note="the Star of side φ² with its tips cut")

# --- More twelves.
# Sides taller than the face opening is deep, so that the opening lies below
# the mean of the corners and the icon stands the hood on it.
entry(202, "Bonnet ¹⁄₆", sym(24, [S2, 18, 1.0, 6, 1.0, 6, A, 10, X, 4]), note="a hood pointed at 1/6")
entry(204, "Acorn ¹⁄₆", acorn(24, 30, 1.0, 90, S2, 120, 0.7320508075688771),
      note="a broad nut of a 1/3 point under a stalk peaked at 1/6")
# The centre stays a (straight) corner, so that the base is two notch radii
# of Sun 12 and glues to its other sectors.
entry(205, "Sunrise 12", sym(24, [12, A, 9, S12, 4, S12, 18, S12, 4, S12, 18, S12, 4, S12, 18], first="corner"),
      note="Sun 12 above a line through two opposite notches and its centre")
entry(194, "Palm 12", half(24, [(30, 1.0), (90, C), (-30, S2), (120, TT12), (60, TT12), (210, X)], bottom="corner",
                            top="corner"),
      note="a tall trunk on a pointed foot under four fronds of 1/12 tips, the lower pair drooping")
entry(228, "Left Wedge 12", poly(24, [2, 10, 6, 6], [B, 2 * S12, S12, S12]), note="a block sloping to a 1/12 edge")
entry(269, "Petal ¹⁄₃", sym(24, [8, X, 10, S2, 8, B, 4], first="corner"), note="a 1/3 foot and a 1/6 tip")
entry(270, "Arrow Bow ¹⁄₁₂", sym(24, [1.0, 13, 1.0, 10, A, 2, A, 10, 1.0, 13, 1.0]), note="a bow whose wings are 1/12 rhombi")
entry(222, "Notch 12 ¹⁄₄", sym(24, [TT12, 6, 1.0, 3, S12, 18]),
      note="a block with a quarter-turn notch of Sun 12 sides, where Candle 12 A stands")
entry(189, "Swallow ¹⁄₃", upright(24, walked((0, 0), [(1.0, -60), (S2, 90), (B, -15), (A, 135), (A, 150)])),
      note="forked tail, wings swept back to 1/12 tips, a 1/3 head; the tail's outer edges long enough to lift "
           "the wings clear above the fork")
# Walked from beside the notch opposite the top tip, so that setup takes the
# notch for the axis and the icon stands the star on it, as the other
# Pentastars stand.
entry(173, "Pentastar ¹⁄₁₂ a", sym(24, [2, A, 17, B, 2, B, 17, A, 2, X, 18], first="corner").start(5), note="five tips of 1/12")
entry(175, "Pentastar ¹⁄₁₂ b", sym(24, [4, TT12, 17, TT12, 2, A, 17, A, 2, X, 16], first="corner").start(5),
      note="a 1/6 tip over four of 1/12")
entry(191, "Left Petal 12", poly(24, [6, 7, 2, 9], [S12, 2.1645246645991763, X, Y]), note="a petal leaning one way")

# --- Sixteen and thirty-two.
entry(217, "Palm Stem 16", sym(32, [S2, 8, B, 8, S2]) if False else sym(32, [S2, 8, B, 24, h, 8, h, 8, X]),
      note="the trunk of Palm 16 with the foot of its crown")
entry(218, "Palm Crown 16", sym(32, [B, 8, S16, 4, S16, 26, S16, 4]), note="the three Star 16 tips of Palm 16")
entry(238, "Palm 32", half(32, [(45, 0.7653668647301796), (90, C), (-22.5, S2), (123.75, 1.5), (56.25, 1.5), (202.5, X)],
                            bottom="corner", top="corner"),
      note="a tall trunk on a pointed foot under four fronds of 3/32 tips, the lower pair drooping")
# A flat foot would be a side on the axis, which setup prefers to the flame's
# tip: the icon then stood the candle on its flame. A pointed foot, as the
# other candles have, leaves the tip for the axis. A ledge of the width of a
# Sun 32 tip's base, 1/32 off level, brings the body to 2 + √2.
def candle32(body):
    return upright(32, walked((0, 0), [(A, 45), (body, 90), (W32, 168.75), (S32, 101.25)]), axis_at="top")


entry(237, "Candle 32", candle32(C), note="a Sun 32 tip for a flame on a body with a pointed foot")
entry(273, "Candle Stump 32", candle32(1.0), note="Candle 32 burnt down to 1")
entry(252, "Sun Corner 16", sym(32, [8, R16, 6, S16, 6, S16, 28, S16, 6, S16, 28], first="corner"),
      note="between Star 16 and the corner of the square it touches")
entry(242, "Kite ¹⁄₁₆", kite(32, 2, 8, S2), note="tip of 1/16 over a quarter-turn corner")
# Stars of side 2 crossing about a third of the way along their tip sides: the two
# waist corners lie either side of the centre, and only a crossing this deep
# sets them far enough apart for the icon to turn steadily.
entry(176, "Twin Star 16", sym(32, [18, h, 22, 2.0, 2, 2.0, 22, 2.0, 2, 2.0, 22, 2.0, 2, 2.0, 22, h, 18], first="corner"),
      note="two four-pointed stars of 1/16 tips fused where their tips cross")
entry(172, "Quasar", poly(16, [2, 11, 4, 11] * 4, [A, A, 1.0, 1.0] * 4), note="four long tips of 1/8 between four short ones of 1/4")
entry(219, "Mask 16", sym(32, [X, 12, 1.0, 10, A, 6, 1.0, 24]), note="a domino mask, eyes slanting by 1/16")
entry(220, "Arrowhead 16", dart(32, 4, 24, A), note="tip of 1/8, barbs of 1/16 round a quarter-turn notch")
entry(183, "Paw", upright(8, [(1, 0), (2, 1), (2, 2), (3, 3), (2, 4), (1, 3), (1, 4)]), note="a pad and three toes")
entry(246, "Moth", half(16, [(45, h), (0, 1.0), (112.5, 0.7653668647301796), (22.5, N8), (180, X), (90, 0.5), (67.5, O8),
                          (225, S2)], bottom="corner", top="corner"),
      note="forewings straight along the front over smaller hindwings, a head and two feelers in a V")
entry(247, "Ship Star", sym(16, [6, N8, 7, 1.0, 4, 1.0, 10, 1.0, 4, 1.0, 10, 1.0, 4], first="corner"),
      note="a keeled hull carrying the upper half of the Sun")
entry(225, "U 16 B", sym(32, [A, 24, 1.0, 8, H, 8, 1.0, 14, N8, 14, h, 12, B]), note="a deep cup rounded by sixteenths")
entry(241, "U 32", sym(32, [S16, 24, N8 - 1, 2, A, 6, B]),
      note="a cup whose rims are Sun 32 tips, shallow enough that its floor stands clear above the centre")
# A v of 1/8 whose arms end in blunt points of 3/16: with the arms of 1/16
# the notch was narrower than an icon's outline and closed.
entry(243, "v 32", sym(32, [4, R16, 6, h, 10, X, 28], first="corner"),
      note="a narrow v of 1/8, its arms ending in points of 3/16")
entry(236, "Sunray 32", sunray(32, 32, 2, S32, 1), note="in the notch of Sun 32")
entry(239, "Petal Left 32", poly(32, [4, 12, 2, 14], [1.0, 0.8477590650225735, N8, S16]), note="a petal leaning one way, a Sun 32 tip")
entry(274, "Mask 32", sym(32, [24, 1.0, 8, 0.8477590650225735, 8, 1.3065629648763766, 13, C32, 14], first="corner"),
      note="a mask with a peak, eyes slanting at 1/32")
