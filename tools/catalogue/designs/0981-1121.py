# Figures of raw values 981 to 1121.
#
# The classic pieces first: kites, darts, arrowheads and triangles of the
# family each name shows, on sides its stars and rhombi also have.

from palette import S12, P, P2, HEPTA

E9 = 2.5320888862379562         # the side of Rhombus ¹⁄₉ and Nonastar ¹⁄₉
T9 = 1.614543993253255          # the side of Hexstar ²⁄₉
D9 = 1.7587704831436335         # the side of Rhombus ²⁄₉

entry(982, "Sunray ¹⁄₂₀ ¹⁄₁₀", dart(20, 1, 15, P2), note="a needle of 1/20 with barbs of 1/10")
entry(988, "Arrowhead ¹⁄₉ ¹⁄₆", dart(36, 4, 20, E9), note="an arrowhead of 1/9 with barbs of 1/6")
entry(1025, "Arrowhead ¹⁄₇ ¹⁄₁₄", dart(14, 2, 10, 1 + HEPTA), note="an arrowhead of 1/7 with barbs of 1/14")
entry(1035, "Kite ²⁄₉", kite(18, 4, 8, D9), note="a kite of 2/9 on sides of Rhombus ²⁄₉")
entry(1047, "Kite ¹⁄₁₈", kite(36, 2, 10, E9), note="a needle kite of 1/18")
entry(1054, "Petal ⁵⁄₂₄", kite(24, 5, 7, S12), note="a petal of 5/24 on sides of Sun 12")
entry(1077, "Triangle ⁷⁄₂₄", isosceles(48, 14, S12), note="a triangle of 7/24 on sides of Sun 12")
entry(1113, "Kite ⁷⁄₁₈", kite(18, 7, 3, T9), note="a broad kite of 7/18 over a sharp foot of 1/6")

# --- The octagonal family cut by radii: quarters, halves and three quarters
# of the Compass, the Sun and the Square, and the half Octagon. The Compass
# is cut through its tips, as the table's sectors are; the Sun's cuts through
# tips are taken by Sun ¹⁄₄, Half Sun and Sun ⁻¹⁄₄, so these cut it through
# its notches. A half keeps its centre as a straight corner, so that its cut
# glues to the other half. The centre faces the heading.

from palette import A, N8, S2, C

COMPASS_NOTCH = 0.7653668647301796      # Compass's centre-to-notch


def sun_through_notches(tips, start=0):
    """The Sun of side 1 between two radii through notches that hold tips
    whole tips: the centre, a half notch, tips and notches, a half notch."""
    corners = [16 * tips // 8, 5] + [4, 10] * (tips - 1) + [4, 5]
    corners = corners[1:] + corners[:1]
    shape = poly(16, corners, [N8] + [1.0] * (2 * tips) + [N8], method="star sector")
    return shape.start(start) if start else shape


def sun_tip_to_notch(centre):
    """The Sun of side 1 between a radius through a tip and one through a
    notch, centre/16 of a turn apart (odd): the cut of Left Sun."""
    pairs = (centre - 1) // 2
    return poly(16, [2] + [10, 4] * pairs + [5, centre], [A] + [1.0] * (2 * pairs + 1) + [N8],
                method="star sector")


entry(1089, "Quarter Compass", star_sector(16, 4, 2, S2, 1), note="the Compass between two neighbouring tips")
entry(1086, "Half Compass", star_sector(16, 4, 2, S2, 2), note="the Compass cut through two opposite tips")
entry(1091, "Three Quarters Compass", star_sector(16, 4, 2, S2, 3).start(4), note="the Compass with a quarter cut away")
entry(1090, "Half Sun ⁵⁄₁₆", sun_through_notches(4), note="the Sun cut through two opposite notches")
entry(1087, "Sun ¹⁄₄ ⁻³⁄₈", sun_through_notches(5), note="five tips of the Sun between radii through notches")
entry(1093, "Three Quarters Sun", sun_through_notches(6), note="six tips of the Sun between radii through notches")
entry(1088, "Sun ⁻¹⁄₈ ⁵⁄₁₆", sun_through_notches(7), note="the Sun with one tip cut away through its notches")
# Each Left Sun is walked so that side 1, its axis side, is the side it
# stands on best: the smaller pieces lie on a cut with their tips up, the
# largest stands as the Sun's left half, its cuts upright.
entry(1096, "Left Sun ³⁄₁₆", sun_tip_to_notch(3).start(4),
      note="the Sun from a tip to the next notch but one, lying on the cut through the tip")
entry(1100, "Left Sun ⁷⁄₁₆", sun_tip_to_notch(7).start(7),
      note="the Sun from a tip round three and a half tips, lying on its notch radius with its tips up")
entry(1102, "Three Quarters Square", poly(4, [1, 1, 1, 1, 1, 3], [A / 2, A / 2, A, A, A / 2, A / 2]).start(3),
      note="the Square with a quarter cut away")
entry(1115, "Half Octagon", sym(8, [C, 2, 1.0, 3, 2.0, 3, 2.0]), note="the Octagon cut through two opposite sides")

# --- Nines: polygons and pieces in eighteenths (36ths where a corner asks for
# it), on the Nonagon's side of 1 and the nine-fold stars' sides.

E9 = 2.5320888862379562         # the side of Rhombus ¹⁄₉ and Nonastar ¹⁄₉

entry(958, "Octagon ⁴⁄₉", poly(18, [8, 6, 8, 5] * 2, [1.0] * 8),
      note="equal sides, four corners of 4/9 between corners of 1/3 and 5/18")
entry(974, "Hexagon ²⁄₉", poly(18, [4, 7, 7] * 2, [1.0] * 6), note="equal sides, two corners of 2/9")
entry(987, "Sunray ¹⁄₉ ²⁄₉", sunray(18, 9, 2, E9, 2), note="the kite of 1/9 in a notch of Nonastar ¹⁄₉")
entry(986, "Navette ⁵⁄₁₈", sym(36, [10, 1.0, 13, 2.0, 13, 1.0, 10], first="corner"),
      note="a long boat-shaped lozenge with points of 5/18")
entry(952, "Petal 9", sym(18, [6, 1.0, 7, 1.0, 6, X, 4], first="corner"),
      note="a petal of 2/9 over a foot of 1/3")
entry(965, "Gem ²⁄₉", sym(18, [1.0, 6, 2.0, 4, 1.0, 8, X]), note="a cut stone: a wide table, girdle points of 2/9")
entry(1034, "Pentagon ⁵⁄₁₈", sym(18, [1.0, 5, X, 6, 1.0, 5]), note="a pentagon of nines under a roof of 5/18")
entry(963, "Heptagon ¹¹⁄₃₆", sym(36, [X, 11, 1.0, 14, 1.0, 14, 1.0, 12]),
      note="a heptagon standing on two corners of 11/36")

# --- Equal-sided stars and polygons of sevens, and the Twins of nines: two
# rhombi of the family fused at a corner, as Twins ¹⁄₅ is.

D9 = 1.7587704831436335         # the side of Rhombus ²⁄₉

entry(914, "Hexstar ¹⁄₇", regular_star(6, 1, 7, 1.0), note="six tips of 1/7, the Heptagon's side")
entry(1030, "Decagon ⁵⁄₁₄", poly(14, [5, 6, 6, 5, 6] * 2, [1.0] * 10),
      note="equal sides, four corners of 5/14 between corners of 3/7")
entry(977, "Twins 9", sym(18, [4, D9, 5, 1.0, 13, 1.0, 5, D9, 4], first="corner"),
      note="two Rhombi ²⁄₉ fused at their blunt corners")
# Walked from a blunt corner of one rhombus, so that the heading west lays
# the pair side by side.
entry(989, "Twins ⁷⁄₁₈", sym(18, [7, E9, 2, 1.0, 16, 1.0, 2, E9, 7], first="corner").start(1),
      note="two Rhombi ¹⁄₉ fused at their sharp corners")

# --- Left and Right pieces of twelves.
from headings import loop
from palette import TT12

entry(937, "Left Cairo", poly(12, [2, 3, 4, 3], [X, A, A, TT12 / 2]),
      note="the Cairo pentagon cut along its axis, standing on its half base")
entry(1005, "Left Quadrilateral ⁵⁄₂₄ ¹⁄₃", loop(24, [(0, 2.0), (105, 1.0), (165, X), (270, Y)]),
      note="Left Quadrilateral ⁵⁄₂₄ with a corner of 1/3 in place of one of 5/24")

# --- Octagonal pictures.
from palette import B, h
from headings import half


def up16(steps, **kw):
    """A figure with a vertical mirror axis from its right half, side
    directions in sixteenths of a turn."""
    return half(16, [(22.5 * k, length) for k, length in steps], **kw)


entry(1081, "Navette ¹⁄₄", sym(8, [2, 1.0, 3, A, 3, 1.0, 2], first="corner"),
      note="a lozenge drawn out between two points of 1/4")
entry(1084, "Belt ¹⁄₄", sym(16, [4, 1.0, 6, B, 5, X, 6], first="corner"),
      note="a band with a point of 1/4 at one end and a blunt end at the other")
entry(1078, "Octa Gem", up16([(2, A), (6, 1.0), (8, X)], bottom="corner", top="side"),
      note="a cut stone of eighths: a pavilion of a quarter turn under a crown bevelled at 1/8 and a flat table")

# --- Halves of the fives.
entry(1008, "Half Drum ¹⁄₅", sym(20, [X, 5, P / 2, 8, 1.0, 4]),
      note="Drum ¹⁄₅ cut across its flat sides, standing on the cut")

# --- Classic pieces of the other families, on their own lengths rather
# than on sides of 1.
from palette import N8, S16, SIGMA, RHO, HEX
from fractions import Fraction

T9 = 1.614543993253255          # the side of Hexstar ²⁄₉


def up32(steps, **kw):
    """A figure with a vertical mirror axis from its right half, side
    directions in 32nds of a turn."""
    return half(32, [(Fraction(360 * k, 32), length) for k, length in steps], **kw)


entry(981, "Notch ²⁄₉", sym(36, [X, 9, D9, 8, T9, 20], first="side"),
      note="a block whose top falls in two slopes to a shallow notch, its shoulders of 2/9")
entry(1018, "Notch 12", sym(24, [X, 6, HEX, 4, 2 * S12, 16], first="side"),
      note="a block on the Hexagon's side with a notch of 1/3 between two tips of 1/6")
entry(1048, "Twin Peaks ²⁄₉", sym(18, [X, 3, E9, 4, D9, 13], first="side"),
      note="two peaks of 2/9 leaning together over a wide floor")
entry(993, "Petal ¹⁄₈", sym(32, [4, N8, 14, S16, 12, X, 8], first="corner"),
      note="a long petal from a tip of 1/8 to a square top")
entry(1000, "Skirt ⁵⁄₁₆", up32([(0, B), (9, N8), (15, X)], bottom="side", top="corner"),
      note="a flared skirt, its waist corners of 5/16 under a low waistband")
entry(1032, "Drum ¹⁄₇", poly(14, [6, 2, 6, 6, 2, 6], [SIGMA, RHO, RHO, SIGMA, RHO, RHO]),
      note="Drum ¹⁄₅'s flat hexagon in sevens: points of 1/7 on the Heptagon's diagonals")
entry(1060, "Thin Belt ³⁄₁₀", sym(20, [6, P - 1, 7, 3.618033988749895, 6, X, 8], first="corner"),
      note="Belt ³⁄₁₀ drawn thin and long, a point of 3/10 at one end and a blunter one at the other, "
           "so that it lies along its axis")

# --- Cottages: low walls under a wide roof of the named corner; the roof's
# apex is the given axis point, so the icon stands them upright.
from palette import T12

entry(1066, "Cottage ¹⁄₃", poly(24, [8, 8, 8, 6, 6], [T12, HEX, HEX, T12, B]),
      note="House ¹⁄₃'s roof on walls of a third of its height")
entry(1112, "Cottage ⁵⁄₁₈", poly(36, [13, 10, 13, 9, 9], [1.532088886237956, X, X, 1.532088886237956, 3.180030884270192]),
      note="a roof of 5/18 over low walls, on the floor of Notch ²⁄₉")

# --- Pictures of nines on the nine-fold stars' sides.
K9 = 1.532088886237956          # 2 cos 40°
M9 = 0.8793852415718162         # 2 cos 20° − 1
J9 = 1.078725692426601          # the side of Delta ²⁄₉
U9 = 0.5739779522395381         # a side of Kite ¹⁄₁₈
F9 = 3.180030884270192          # the floor of Notch ²⁄₉


def up18(steps, **kw):
    """A figure with a vertical mirror axis from its right half, side
    directions in eighteenths of a turn; north walks it from the top."""
    if kw.pop("north", False):
        steps = [(-k, length) for k, length in reversed(steps)]
        kw["from_top"] = True
    return half(18, [(20 * k, length) for k, length in steps], **kw)


entry(1036, "Bread 9", up18([(0, F9), (3, M9), (5, K9), (7, J9), (9, X)], top="side"),
      note="a loaf of nines: a wide floor, low walls and a crust in two slopes")
entry(1110, "Cork 9", up18([(0, K9), (4, D9), (0, U9), (5, J9), (9, X)], top="side", north=True),
      note="a tapered plug under a wider head")
entry(983, "Wings 9", up18([(17, 2.0), (1, 1.0), (8, X)], bottom="corner", top="corner").start(3),
      note="wide wings spread from a notch; walked from the body's point, which the heading north turns up")

# --- Sixteenths and twelves: bonnets, a loaf, a cork, tacks, petals, a
# skirt and a leaf on the Sun's and Sun 12's lengths.
from palette import O8, TT12, T12

C8 = 0.7653668647301796         # 2 sin 22.5°, the Compass's centre-to-notch
W7 = 2.6038754716096766         # a Heptagon side with the Heptastar tip sides running on
I7 = 0.5549581320873711         # 1/ρ


def up(unit, steps, bottom="side", top="corner", north=False):
    """A figure with a vertical mirror axis from its right half, side
    directions in 1/unit turn; north walks it from the top, so that setup
    finds the top and the icon stands it upright."""
    if north:
        steps = [(-k, length) for k, length in reversed(steps)]
    return half(unit, [(Fraction(360 * k, unit), length) for k, length in steps], bottom=bottom, top=top,
                from_top=north)


def up24(steps, **kw):
    return up(24, steps, **kw)


entry(995, "Bonnet ¹⁄₈", up16([(0, N8), (-2, C8), (4, N8), (5, C8), (7, C8), (8, X)], top="side"),
      note="a domed hood whose brim ends in two hooks of 1/8")
entry(1001, "Bonnet ¹⁄₈ b", up16([(0, B), (-1, C8), (5, N8), (6, C8), (7, C8), (8, X)], top="side"),
      note="a wider, lower hood whose brim flares out to points of 1/8")
entry(1083, "Bread 8", up16([(0, B), (3, C8), (5, S16), (7, C8), (8, X)], top="side"),
      note="a loaf of sixteenths: a wide floor, steep walls and a rounded crust")
entry(1082, "Cork ¹⁄₄", up16([(0, S16), (4, N8), (0, C8), (5, S16), (8, X)], top="side"),
      note="a straight plug with square corners of 1/4 under a head that widens upwards")
entry(1009, "Half Wide Barrel", sym(8, [A, 2, A / 2, 3, 1.0, 3, 1.0]),
      note="Wide Barrel cut through its top and bottom, standing on the cut")
entry(1019, "Petal 12 D", poly(24, [8, 11, 4, 11, 8, 6], [S12, TT12, X, X, TT12, S12]),
      note="Petal 12's foot and tip with the shoulders low and wide")
entry(1040, "Petal 12 E", poly(24, [10, 9, 4, 9, 10, 6], [S12, HEX, X, X, HEX, S12]),
      note="Petal 12's foot and tip with long sides of the Hexagon and the shoulders high")
entry(1076, "Leaf ¹⁄₄ B", poly(24, [11, 8, 11, 6, 11, 8, 11, 6], [S12, HEX, HEX, S12, S12, HEX, HEX, S12]),
      note="Leaf ¹⁄₄'s two square tips with each side bent twice")
entry(1074, "Skirt ⁵⁄₂₄", up24([(0, 4.329049329198353), (7, HEX), (11, X)], top="corner"),
      note="a wide flared skirt, hem corners of 5/24, on the floor of Notch 12")
entry(1055, "Tack ⁷⁄₂₄", up24([(5, 2 * S12), (0, T12), (6, S12), (11, X)], bottom="corner", top="corner"),
      note="a pin under a square head with a low roof whose eaves are 7/24")
entry(1029, "Tack ¹⁄₇", up(28, [(5, W7), (0, I7), (7, HEPTA), (11, X)], bottom="corner", top="corner"),
      note="a pin of 1/7 under a head with a roof")

# --- More pictures: octagonal, fives, sevens and nines.
C32 = 0.3901806440322565        # 2 sin(π/16)
from palette import R16, S2, h
L7 = 1.2469796037174672         # σ − 1

entry(1079, "Flat Brilliant", up(32, [(0, C32), (5, S16), (8, C32), (12, C8), (16, X)], top="side", north=True),
      note="Brilliant flattened: a shallow pavilion, a low crown, a narrow table")
entry(1044, "Square Cork", up(8, [(0, A), (2, B), (0, h), (2, S2), (4, X)], top="side"),
      note="a cork of square corners: a straight plug under a straight head")
entry(1064, "Right Arrow", up(8, [(0, S2), (2, B), (0, h), (3, X)], top="corner"),
      note="an arrow whose head is a right angle")
entry(1002, "Notch ²⁄₅", sym(20, [X, 8, P2, 1, 3.618033988749895, 12]),
      note="a wide tray with walls flaring at 2/5 to two horns and a shallow notch between them")
entry(1028, "Thin Twins ⁵⁄₁₄", poly(14, [5, 2, 10, 2, 5, 4], [X, I7, SIGMA, SIGMA, I7, X]),
      note="Twins ⁵⁄₁₄'s corners on two long thin petals")
entry(1031, "Wide Belt 7", poly(14, [5, 6, 3, 6, 5, 3], [X, SIGMA, RHO, RHO, SIGMA, X]),
      note="Belt 7's corners on a band twice as deep")
entry(1111, "Small Twins ⁷⁄₁₈", poly(18, [6, 2, 13, 2, 6, 7], [X, D9, E9, E9, D9, X]),
      note="two narrow petals of 1/9 spread from a foot of 7/18")

# --- Arrows, venuses, a hat, a shovel, a leaf of sevens and a long petal.
from palette import T12

entry(1065, "Long Right Arrow", up(16, [(-2, N8), (5, 3.0), (-2, N8), (5, 3.0), (4, R16), (0, S16), (6, X)],
                                   bottom="corner", top="corner"),
      note="Right Arrow's square head on a long shaft with two feathers at its tail")
entry(1059, "Venus 5", up(20, [(0, P - 1), (5, P), (0, P - 1), (5, P - 1), (10, P - 1), (5, 0.3681587642946257),
                                (2, X), (5, P), (8, P), (10, P)], top="side"),
      note="the sign of Venus: a ring of tenths over a cross")
entry(1120, "Venus ³⁄₁₄", up(28, [(0, HEPTA), (7, RHO), (0, HEPTA), (8, HEPTA), (14, HEPTA), (7, I7), (2, X), (6, RHO),
                                  (10, RHO), (14, RHO)], top="side"),
      note="Venus 7's ring over a cross whose arms end in corners of 3/14")
entry(1069, "Hat ¹⁄₃", up(24, [(1, HEX), (11, S12), (5, S12), (10, X)], bottom="corner", top="corner").start(6),
      note="a crown with a peak of 1/3 over a brim that sags to its middle, the given axis point")
entry(1038, "Shovel ⁵⁄₁₈", up(36, [(0, F9), (8, D9), (15, X), (9, E9), (18, M9)], top="side"),
      note="Shovel ⁵⁄₁₄'s blade and handle in nines")
entry(1026, "Long Leaf 7", up(28, [(0, I7), (7, HEPTA), (1, L7), (5, SIGMA), (9, X)], top="corner"),
      note="a long leaf of sevens on a short stalk, its tip 1/7")
entry(1020, "Short Notch ¹⁄₃", sym(24, [B, 8, HEX, 3, X, 14]),
      note="a low tray with walls flaring at 1/3 to two horns and a shallow notch between them")
# Walked from a kite's side corner, so that the heading west lays the kites
# side by side.
entry(1072, "Twins ³⁄₈ ⁵⁄₂₄", sym(24, [9, HEX, 5, S12, 17, S12, 5, HEX, 9], first="corner").start(1),
      note="two kites with tips of 3/8 and corners of 5/24, fused along their feet")
entry(991, "Long Petal ¹⁄₃", poly(12, [5, 4, 2, 4, 5, 4], [X, S12, 4.329049329198353, 4.329049329198353, S12, X]),
      note="Petal ¹⁄₃'s corners drawn out along sides as long as Notch 12's floor")

# --- A baluster, a spinning top and a quasar.
entry(1045, "Baluster ²⁄₉", up(36, [(0, F9), (9, U9), (13, K9), (5, E9), (15, D9), (9, E9), (18, X)], top="side"),
      note="Baluster ¹⁄₆'s post in nines, its bulb's rim 2/9")
entry(1021, "Spinning Top ¹⁄₅", up(20, [(3, P2), (4, P), (5, P - 1), (7, P), (9, P - 1), (5, P), (7, 0.3681587642946257),
                                        (8, X)], bottom="corner", top="corner"),
      note="a round body on a point of 1/5 under a stem with a knob")
entry(1085, "Quasar ¹⁄₄ ⁻¹⁄₃", poly(24, [16, 6, 14, 6] * 4, [HEX, HEX, S12, S12] * 4),
      note="eight square tips round a centre, the notches alternately 2/3 and 7/12 of a turn inside")

# --- Pentastars: five tips round a centre with one mirror axis.

entry(984, "Pentastar ¹⁄₉ c", pentastar(36, (8, 8, 4), (23, 23, 20), (K9, K9, E9, E9), north=True),
      note="two tips of 2/9 above and two of 1/9 below, standing on its top tip's axis")
entry(990, "Pentastar ¹⁄₉ d", pentastar(36, (8, 4, 8), (23, 23, 20), (D9, E9, E9, D9)),
      note="tips of 2/9 at the top and below, two of 1/9 at the sides")
entry(1027, "Pentastar ³⁄₁₄", pentastar(28, (6, 6, 6), (17, 16, 16), (2.6038754716096766, 2.6038754716096766, RHO, RHO)),
      note="five broad tips of 3/14 on the Heptagon's diagonals")
entry(1056, "Pentastar F", pentastar(20, (2, 3, 4), (13, 13, 12), (P, P, 1.1755705045849463, 1.1755705045849463)),
      note="a top tip of 1/10 over tips of 3/20 and 1/5")
entry(1057, "Pentastar G", pentastar(20, (4, 2, 3), (13, 13, 14), (1.1755705045849463, P, P, 1.1755705045849463)),
      note="a top tip of 1/5 over tips of 1/10 and 3/20")
entry(1073, "Pentastar H", pentastar(20, (3, 4, 2), (13, 13, 13), (P, 1.1755705045849463, 1.1755705045849463, P)),
      note="a top tip of 3/20 over tips of 1/5 and 1/10")
entry(1080, "Pentastar ¹⁄₁₂ f", pentastar(24, (2, 4, 3), (16, 16, 16), (HEX, HEX, S12, S12)),
      note="a top tip of 1/12 over tips of 1/6 and 1/8")
entry(998, "Pentastar ¹⁄₃₂", pentastar(32, (2, 4, 4), (22, 22, 22), (R16, S16, N8, S16)),
      note="a needle of 1/16 over four tips of 1/8, each notch 1/32 short of the Octastar's")

# --- Left pieces. The halves are cut along their figure's mirror axis and
# walked so that the side the table's given axis names is the one that lies
# lowest (or outermost) as the whole figure stands: the pair then faces each
# other across the cut.
entry(1013, "Left Petal ³⁄₁₀", loop(20, [(0, 0.5), (72, 2.0), (126, P), (234, X), (288, Y)]),
      note="a petal on a narrow foot of 3/10 corners, leaning to the left: its corners mirror each other, its sides do not")
entry(1116, "Left Half Pentastar A", poly(40, [3, 26, 4, 28, 4, 15], [X, P, 1.0, P, 1.0, P - 1]).start(2),
      note="the left half of Pentastar A, cut from its top tip to its bottom notch, standing with the cut upright")
entry(1118, "Left Half Wings A", poly(16, [5, 8, 3, 2, 6], [S2, X, X, A, 1.0]).start(4),
      note="one wing of Wings A, cut through its waist; the cut keeps its middle as a straight corner")

# --- Stars with unequal tips, wings and a bracket of thirtieths, and a sunrise.
from palette import H, O8
F10 = 3.618033988749895          # φ² + 1

entry(1103, "Sunrise ⁵⁄₈", sym(16, [4, 1.0, 10, 1.0, 4, 1.0, 10, 1.0, 4, 1.0, 6, H, 8], first="corner"),
      note="the Sun cut by the chord between two notches 5/8 of a turn apart: five tips rising over the horizon, its middle a straight corner under the top tip")
entry(1114, "Octastar ³⁄₁₀", poly(40, [12, 24, 10, 24] * 4, [P2, P2, P, P] * 4).start(3),
      note="four tips of 3/10 between four of 1/4, on the sides of Sun 10")
entry(992, "Heptastar ¹⁄₈", sym(56, [7, A, 41, A, 8, S2, 41, S2, 7, A, 41, S2, 6, X, 41], first="corner"),
      note="seven tips round a centre, the top one 1/8, the side ones a little wider and narrower")
entry(1017, "Heptastar ¹⁄₅", sym(70, [46, X, 12, P, 46, P, 14, P2, 46, P2, 16, P, 46, P, 14], first="corner"),
      note="seven tips round a centre, the top one 1/5")
entry(1004, "Nonastar ¹⁄₅", sym(90, [62, X, 18, P, 62, P, 16, P2, 62, P2, 18, P, 62, P, 20, P2, 62, P2, 18], first="corner"),
      note="nine tips round a centre, the top one 1/5")

# --- A pawn and a serrated leaf.
entry(1007, "Pawn B", up(16, [(0, B), (4, C32), (7, O8), (4, N8), (0, C32), (6, C32), (2, O8), (5, O8), (8, X)], top="side"),
      note="a chess pawn: a bevelled base, a thin stem, a collar and a broad head")
entry(1063, "Serrated Leaf ³⁄₁₀", up(20, [(3, P2), (7, P - 1), (4, P), (8, P - 1), (5, P), (9, P - 1), (7, X)],
                                       bottom="corner", top="corner"),
      note="a leaf on a base of 3/10 with three teeth of 3/10 on either side")

# --- A hand and a sprout.
entry(1039, "Hand ¹⁄₆", up(24, [(0, 2 * HEX), (6, HEX), (4, 2 * S12), (12, T12), (16, 2 * S12), (6, 2 * HEX), (14, T12),
                                (18, 2 * HEX), (12, X)], top="side"),
      note="a raised hand: a square palm, two long middle fingers and two shorter ones spread aside, "
           "their tips slanted at 1/6")
entry(999, "Sprout ³⁄₁₆", sym(32, [20, S16, 6, C8, 10, C8, 20, X, 4], first="corner"),
      note="two leaves with tips of 3/16 spread from a pointed stem")
entry(1062, "Hand ³⁄₁₀", up(20, [(0, P2 + 1), (5, 2.0), (3, P2), (10, 1.0), (14, P2), (5, F10), (11, P - 1), (15, F10), (10, X)],
                            top="side"),
      note="Hand ¹⁄₆'s raised hand in tenths: two long upright middle fingers, two shorter ones spread wide aside, "
           "the fingertips slanted with corners of 3/10")

# --- The Sun's own pieces that were still open: a quarter through notches,
# the tip-to-notch cut of 5/16, and the Sunrise (the Sun above the horizon
# through two opposite notches) cut upright through a tip or a notch, so
# that Left ³⁄₄ Sunrise and Right Sunrise ⁵⁄₁₆ glue back into the Sunrise.
# Where the plan asks for more corners than a cut has, the cut keeps straight
# corners at one unit from the centre (the Octagon ¹⁄₃ of side 1 round it),
# as the halves keep their centres.
SUN_TIP_HALF = 0.9238795325112871       # cos 22.5°: a Sun tip's radius to the notch beside it, across the horizon
SUN_TIP_HIGH = 2.2304424973876626
SIN36 = 0.5877852522924731              # sin 36°, half the short diagonal of a unit Rhombus ¹⁄₅       # a Sun tip's height over that horizon

entry(1092, "Quarter Sun", poly(16, [3, 4, 10, 4, 3, 8], [O8, 1.0, 1.0, 1.0, 1.0, O8]).start(3),
      note="two of the Sun's eight tips over the chord between the notches beside them (the cut through the "
           "centre is Twins C); the chord keeps its middle as a straight corner")
entry(1098, "Left Sun ⁵⁄₁₆", poly(16, [8, 2, 10, 4, 10, 4, 5, 8, 5], [A / 2] * 2 + [1.0] * 5 + [N8 / 2] * 2, method="star sector").start(7),
      note="the Sun from a tip to the notch 5/16 round, both radii parted at their middles")
entry(1108, "Left Sunrise ⁵⁄₁₆", loop(16, [(157.5, A), (247.5, N8), (202.5, X), (0, Y), (90, 1.0)]),
      note="the Sunrise's left end cut upright through a notch: one tip of the Sun over the horizon, standing on it")
entry(1106, "Left ³⁄₄ Sunrise", poly(16, [8, 4, 4, 12, 2, 12, 2, 12, 2, 6], [X, X, Y, A, A, A, A, A, A, A]).start(3),
      note="the Octastar (notches of 3/4) rising over the horizon through its notches, its last tip propped "
           "square on the ground at the right; the horizon is parted at its middle")
entry(1012, "Bottom Half Drum ¹⁄₅", sym(20, [4, 1.0, 8, P, 5, X], first="corner"),
      note="a drum twice as deep as Drum ¹⁄₅, cut across its rims and hanging from the cut, its point of 1/5 down")

# --- The Left Acorns: Acorn A's nut narrowing to a small foot under a cap
# whose rim overhangs it, their corners mirroring each other across the
# upright axis (as the given axes of the pairs ask) while their sides do
# not: the cap sits deeper on one side, the nut is longer on the other. The
# foot is the axis side and lies straight under the middle of the corners.
def left_acorn(foot, right_nut, right_rim, right_cap, top, left_cap, left_rim, left_nut, bevels=None):
    """From the foot round by the right: the nut's side at 1/8 turn, the rim
    out square, the cap's side up, the top (with bevels of 1/8 turn at both
    ends when bevels gives their length), and down the left."""
    steps = [(0, foot), (45, right_nut), (0, right_rim), (90, right_cap)]
    steps += [(135, bevels), (180, top), (225, bevels)] if bevels else [(180, top)]
    steps += [(270, left_cap), (0, left_rim), (315, left_nut)]
    return loop(8, steps)


def ring16(steps):
    """Any outline from its side directions in sixteenths of a turn."""
    return loop(16, [(Fraction(360 * k, 16), length) for k, length in steps])


def ring20(steps):
    """Any outline from its side directions in twentieths of a turn."""
    return loop(20, [(Fraction(360 * k, 20), length) for k, length in steps])


entry(1094, "Left Acorn A ¹⁄₄", left_acorn(0.5, 1.7071067811865475, 0.5, A, X, Y, h, 1.5).start(5),
      note="Acorn A's nut under a flat cap with square rims, the cap deeper on one side and the nut longer on the other")
entry(1104, "Left Acorn A ⁵⁄₈", left_acorn(0.5, 1.7071067811865475, 0.5, 2.0, X, Y, h, 1.5, bevels=1.0).start(3),
      note="Left Acorn A ¹⁄₄ with the cap's top corners bevelled, its rims overhanging the nut in notches of 5/8")
# Left Acorn ¹⁄₅: the same in tenths, the cap's rim ending in points of 1/5.
entry(890, "Left Acorn ¹⁄₅", loop(20, [(0, 0.5), (72, P), (0, P - 1), (108, 2.0), (180, X), (252, Y), (0, 1.0), (288, 1.0)]).start(5),
      note="a nut narrowing to its foot under a cap whose rim ends in points of 1/5, the cap deeper on one side")

# --- Shields and a V of sixteenths and thirty-seconds. A shield narrows from
# a wide top that dips to its middle down to its named point; below the top
# corners its flanks bend once, so that it stays a shield rather than a
# dagger. A V's arms end square across and are as thick as they are apart.
entry(994, "Shield ¹⁄₁₆", up(32, [(7, C8), (6, 2.0), (17, X)], bottom="corner", top="corner"),
      note="a kite shield on a point of 1/16, its flanks bending out below the top corners")
entry(996, "Shield ³⁄₃₂", up(64, [(13, C8), (10, 2.0), (16, 0.5), (34, 0.5), (28, 0.5), (36, X)], bottom="corner",
                              top="corner"),
      note="Shield ¹⁄₁₆'s kite shield on a point of 3/32, with upright sides under a wavy top")
def vee(unit, spread, outer_top, arm, top):
    """A V standing on its point: arms spread degrees either side of upright,
    each arm as wide all along as its top, which is cut so that its outer
    corner is outer_top degrees. Walked from the notch between the arms, the
    axis point, which lies above the middle of the corners: a heading north
    stands the V on its point."""
    a = Fraction(90) - Fraction(spread)
    return half(unit, [(a, arm), (a + 180 - Fraction(outer_top), top), (a + 180, X)], bottom="corner", top="corner").start(3)


entry(997, "V ³⁄₁₆", vee(32, 45, 67.5, A, S2), note="a V of arms a quarter turn apart, their tops cut slanting to corners of 3/16")

# --- Twin Star ¹⁄₅: two Suns 10 side by side, fused at a waist notched above
# and below, each showing the four tips that face away from the other, as
# the other Twin Stars.
def fused_stars(unit, tip, tips, side, waist, waist_dir):
    """Two regular stars side by side, fused where they meet: the right one
    walked from the lower notch of the waist, which leaves it at waist_dir for
    waist, round its tips (tip degrees, each pointing at one of the angles tips
    from its centre) up to the upper notch; the left one is its mirror image."""
    steps = [(Fraction(waist_dir), waist)]
    for i, direction in enumerate(tips):
        steps.append((Fraction(direction) + Fraction(tip, 2), side))
        steps.append((Fraction(direction) + 180 - Fraction(tip, 2), side if i < len(tips) - 1 else X))
    return half(unit, steps, bottom="corner", top="corner", method="twin star")


entry(1016, "Twin Star ¹⁄₅", fused_stars(20, 72, [-54, -18, 18, 54], 1.0, 1.902113032590307, -36),
      note="two Suns 10 side by side, fused at a waist notched more deeply above than below")

# --- Pictures of fives and nines, and the Truncated Paw.
from palette import TAN72

entry(1046, "Sunrise 9", sym(36, [18, X, 11, 1.0, 24, 1.0, 8, 1.0, 24, 1.0, 8, 1.0, 24, 1.0, 8, 1.0, 24, 1.0, 8],
                             first="corner"),
      note="Sun 9 risen all but its lowest tip, the horizon between the tips beside it keeping its middle")
entry(1061, "Fork ³⁄₁₀", up(20, [(4, 1.0), (5, 3.0), (2, P - 1), (1, 1.0), (5, P), (13, P), (5, 2.0), (13, X)],
                            bottom="corner", top="corner"),
      note="a fork of four tines on a long handle, its shoulders of 3/10, the gaps between the tines open")
entry(1023, "Triplet ¹⁄₅", up(20, [(19, P2 + 1), (5, P), (7, P2), (13, P), (7, X)], bottom="corner", top="corner",
                              north=True),
      note="three peaks of 1/5 on walls over a base notched in the middle, so that the middle peak is the axis "
           "point and the icon stands it upright")
entry(1022, "Acorn Ginkgo ¹⁄₅", up(20, [(0, 1.0), (5, 1.0), (2, P2), (5, P), (11, X)], bottom="side", top="corner"),
      note="a ginkgo leaf's fan, its outer corners of 1/5 and a notch in its rim, on a short stalk")
entry(1015, "Acorn Star ¹⁄₅", up(20, [(0, P - 1), (19, P), (5, P), (3, P), (9, P), (7, 1.0), (10, X)], bottom="side",
                                  top="side"),
      note="Star ¹⁄₅ with its top tip cut flat like an acorn's cap and its bottom notch filled")
entry(1024, "Truncated Paw", up(16, [(0, 2.0), (2, S2), (3, 2.0), (7, 1.0), (11, 1.0), (4, 2.0), (8, X)], bottom="side",
                                top="side"),
      note="Paw's pad under three toes cut square across, the middle one the tallest")

# --- Left Cork: Cork's stopper with its lip higher on one side and bevelled
# on the other.
# Walked so that side 4, the axis side, is the plug's foot: the plug stands
# level under a lip that reaches out further on one side and is bevelled there.
entry(1010, "Left Cork", loop(8, [(270, X), (0, h), (270, A), (315, h), (0, 2.0), (90, A), (0, 1.0), (90, 0.5), (135, h),
                                  (180, Y)]),
      note="a stopper: a square plug under a lip that overhangs further on one side, bevelled there")

# --- The Square Stars ¹⁄₆ of this range (see the family in 841 to 980).
from families import square_star

entry(1043, "Square Star ¹⁄₆ 3 3", square_star([0, 3, 3, 0], S12, free={0: X, 11: Y}),
      note="three tips on each of two neighbouring sides")
entry(1049, "Square Star ¹⁄₆ 5 1 2", square_star([5, 1, 2, 0], S12, bare={2: [(2, T12), (3, 1.0)]}, free={11: X, 13: Y}).start(14),
      note="five, one and two tips round three sides, the square's fourth side drawn")
mirror(1050, "Square Star ¹⁄₆ 2 1 5", of=1049, start=14)
entry(1051, "Square Star ¹⁄₆ 2 1 1 3", square_star([2, 1, 1, 3], S12, free={3: X, 6: Y}).start(2),
      note="two, one, one and three tips round all four sides")
mirror(1052, "Square Star ¹⁄₆ 3 1 1 2", of=1051, start=8)

# --- Fists and the Left Headdress. A fist is a block of curled fingers on a
# narrower wrist, its knuckles bumps along the top and the thumb sticking out
# on one side; the wrist's foot, the given axis, lies straight under the
# middle of the corners, so that the fist stands on it.
F3 = 3 * SQRT2 - 3              # the thumb of the Fists
# Left Fist's corners mirror each other across its upright axis, as the given
# axes of the pair ask; its sides do not, so that the knuckles on one side
# stand out further than on the other.
entry(1067, "Left Fist", loop(8, [(270, X), (315, 2.0), (0, 2.0), (45, 1.5), (90, 2.0), (135, h), (225, h), (135, h), (180, Y),
                                  (225, 1.0), (135, 1.0), (225, 1.0)]),
      note="a fist on its wrist, its knuckles standing out further on one side")
entry(1070, "Left Notch Fist", loop(8, [(315, S2), (0, 2.0), (45, 1.0), (90, A), (135, 1.0), (225, 1.0), (135, 1.0), (225, 1.0),
                                        (270, F3), (225, F3)]),
      note="a fist on its wrist: two knuckles with a notch between, the thumb sticking out on one side")
entry(1041, "Left Headdress", ring16([(0, X), (4, Y), (8, 1.0), (4, B), (10, B), (5, B), (11, B), (6, B), (12, B), (7, B),
                                      (13, B), (8, B), (14, B), (12, 1.0)]).start(12),
      note="a band under five feathers, Octastar tips, fanning back to one side")
