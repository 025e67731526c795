# Figures of raw values 841 to 980.
#
# Most figures here are drawn by the directions of their sides (`up`, `ring`):
# a direction k is k/unit of a turn, so that a figure of sevens walks in
# fourteenths (28ths where a corner of even fourteenths sits on its axis),
# one of nines in eighteenths. Lengths come from the palette; the sides the
# solver closes with are the figure's own and are named there once.

from fractions import Fraction
from fractions import Fraction as F

from headings import half, loop
from shapes import DesignError

from palette import h, S2, A, B, C, S12, R3, HEPTA, HEX, RHO

F7 = 1 + HEPTA                  # 2 cos(π/7)
HEPTASTAR_2_7 = 0.9293123963233717   # the side of Heptastar 2/7



def up(unit, steps, bottom="side", top="corner", north=False):
    """A figure with a mirror axis from its right half, side directions in
    1/unit turn (see headings.half)."""
    if north:
        # The left half from the top down: the figure stands on its head in
        # the table, so that setup finds its top, and the icon turns it back.
        steps = [(-k, length) for k, length in reversed(steps)]
    return half(unit, [(Fraction(360 * k, unit), length) for k, length in steps], bottom=bottom, top=top,
                from_top=north)


def ring(unit, steps):
    """Any outline from its side directions in 1/unit turn."""
    return loop(unit, [(Fraction(360 * k, unit), length) for k, length in steps])


def _solves(shape):
    try:
        return min(shape.close().sides) > 0.3
    except DesignError:
        return False


def fit(unit, steps, free=None):
    """An outline from side directions and lengths as drawn; the two sides
    that close it are the first pair, among `free` (indices, all sides when
    not given), whose solved lengths are positive and in the palette."""
    n = len(steps)
    candidates = free if free is not None else range(n)
    for i in candidates:
        for j in candidates:
            if j <= i:
                continue
            trial = [(k, X if m == i else Y if m == j else length) for m, (k, length) in enumerate(steps)]
            shape = ring(unit, trial)
            if _solves(shape):
                return shape
    raise DesignError("no two sides close the outline")


# --- Sevens: the Heptagon of side 1, the Heptastars, sides 0.8019 and 1.8019.
entry(842, "Flat Bonnet 7", up(14, [(0, 2.6038754716096766), (2, HEPTA), (4, HEPTA), (6, HEPTA), (7, X)], top="side"),
      note="a low hood, wide at the face")
# The Left Bonnets of sevens: a hood seen from the side, its crown over the
# back of the head, a pointed face opening below; walked from the back foot,
# so that vertex 2, the given axis, is the top of the face, which lies
# straight under the middle of the corners: the icon stands the hood upright.
entry(843, "Left Bonnet 7", ring(14, [(0, HEPTA), (2, 1.0), (12, 1.0), (0, 1.0), (4, RHO), (6, 2.0), (8, X), (10, Y)]),
      note="a hood seen from the side over a pointed face opening")
entry(846, "Twins ³⁄₇", sym(14, [6, F7, 3, 1.0, 9, 1.0, 3, X, 6], first="corner"),
      note="two petals of 3/7 side by side")
entry(847, "Pentastar 7 d", sym(14, [10, HEPTA, 3, HEPTA, 8, HEPTA, 3, HEPTA, 8, X, 2], first="corner"),
      note="five tips of sevens")
entry(848, "Bread", up(8, [(0, C), (1, h), (2, 1.0), (3, A), (4, X)], top="side"),
      note="a loaf: a flat floor, straight sides and a rounded crust")
entry(849, "Square Compass ¹⁄₈", poly(16, [9, 9, 2] * 4, [A, 1.0, A] * 4), note="a compass of 1/8 tips on a square")
entry(851, "Venus 7", up(28, [(0, 1.0), (7, 1.0), (0, 1.0), (7, 1.0), (14, 1.0), (7, 0.5), (2, X), (6, 1.0), (10, 1.0),
                              (14, F7)], top="side"),
      note="the sign of Venus: a Heptagon's ring over a cross")
entry(852, "Sunrise 14 ³⁄₇", sym(14, [X, 6, 1.0, 3] + [HEPTA, 10, HEPTA, 3] * 4 + [HEPTA, 11, HEPTA, 3, HEPTA, 11]),
      note="twelve rays of 3/14 over the horizon")
entry(854, "Petal ³⁄₁₄ ³⁄₇", sym(28, [12, X, 9, HEPTA, 10, 1.0, 6], first="corner"),
      note="a blunt foot of 3/7 and a sharp tip of 3/14")
entry(855, "Pentastar ¹⁄₁₄ b", sym(14, [1, F7, 9, 1.0, 2, 1.0, 9, 1.0, 2, X, 11], first="corner"),
      note="five tips, the top one a needle of 1/14")
entry(856, "Pentastar 7 e", sym(14, [3, HEPTA, 8, HEPTA, 3, HEPTA, 9, HEPTA, 2, X, 9], first="corner"),
      note="five tips of sevens, the lower two narrower")
entry(857, "Accordion 7", up(14, [(0, F7), (2, 1.0), (5, 1.0), (2, 1.0), (5, 1.0), (2, 1.0), (5, 1.0), (7, X)], top="side"),
      note="bellows of three pleats")
entry(858, "Short Label 7", up(14, [(0, F7), (3, 1.0), (4, HEPTA), (6, X), (7, 0.5)], top="side"),
      note="a tag with a blunt top")
entry(859, "Short Hexagon 7", up(14, [(0, F7), (2, 1.0), (5, 1.0), (7, X)], top="side"),
      note="a hexagon of Heptagon corners, low")
entry(863, "Sunrise 7 ³⁄₁₄", sym(14, [X, 5, 1.0, 3, HEPTA, 9, HEPTA, 3, HEPTA, 9]),
      note="four Heptastar tips over the horizon")

# --- Stars of tips of 1/6 (Sun 12's tips, sides of Sun 12). "Star ¹⁄₆ a b …"
# keeps its tips in groups of a, b, … round a centre, closer within a group
# than between groups.


def group_star(groups, inner, outer, closing=(X, Y)):
    """Groups of tips of 1/6 round a centre: notches of `inner` within a
    group, of outer[i] after group i. The two sides beside the first gap
    close the outline."""
    corners, sides = [], []
    for g, gap in zip(groups, outer):
        for t in range(g):
            corners += [4, inner if t < g - 1 else gap]
            sides += [S12, S12]
    sides[-1], sides[0] = closing
    return poly(24, corners, sides)


entry(868, "Star ¹⁄₆ 2 8", sym(24, [18, S12, 4, S12, 16, S12, 4, S12, 18, S12, 4, S12, 18, X, 4, S12, 18, S12, 4, S12, 18],
                               first="corner"), note="ten tips: a pair and a row of eight")
entry(869, "Star ¹⁄₆ 3 7", sym(24, [4, S12, 18, S12, 4, S12, 16, S12, 4, S12, 18, S12, 4, S12, 18, S12, 4, X, 18, S12, 4],
                               first="corner"), note="ten tips: three and seven")
entry(876, "Star ¹⁄₆ 1 2 3", group_star([1, 2, 3], 17, [15, 15, 15]), note="six tips in groups of one, two and three")
mirror(877, "Star ¹⁄₆ 3 2 1", of=876, start=10)
entry(882, "Star ¹⁄₆ 2 3 4", group_star([2, 3, 4], 18, [16, 16, 16]), note="nine tips in groups of two, three and four")
mirror(883, "Star ¹⁄₆ 4 3 2", of=882, start=12)


# --- Twelves.
# Fork ¹⁄₆'s bar and tines of 1/6 on a handle set off to one side: two tines,
# the bar reaching further on the side away from the handle. The handle's
# outer foot corner, the axis corner, lies under the middle of the corners.
entry(871, "Left Fork ¹⁄₆", loop(24, [(270, HEX), (0, A), (270, B), (0, 0.5), (90, X), (0, 1.5), (90, HEX), (210, HEX), (180, Y),
                                     (150, HEX)]),
      note="two tines of 1/6 on a bar, the handle set off to one side")
entry(916, "Trifolium ¹⁄₄ b", poly(12, [3, 5, 3, 9] * 3, [1.0, R3, R3, 1.0] * 3).start(1),
      note="three lobes with quarter-turn tips")
entry(935, "Left Quadrilateral ⁵⁄₂₄", fit(24, [(0, 2.0), (7, 1.0), (12, S12), (19, 1.0)]),
      note="a quadrilateral with a corner of 5/24")
entry(939, "Kite ⁷⁄₂₄", kite(24, 7, 9, S12), note="a kite of 7/24 over a 3/8 foot")
entry(940, "Kite ⁵⁄₂₄", kite(24, 5, 11, S12), note="a kite of 5/24 over a 11/24 foot")
entry(955, "Petal 12 9", sym(36, [6, X, 13, 1.0, 11, 1.0, 18], first="corner"), note="a petal of 1/6 and 5/12 in ninths")

# --- Octagonal family and sixteenths.
entry(889, "Skirt ⁷⁄₁₆", trapezoid(16, 1, 2 * B, A), note="a wide flat skirt, its waist corners of 7/16")
entry(898, "Pointy Y", up(8, [(1, S2), (2, A), (1, S2), (2, 1.0), (5, X)], bottom="corner", top="corner"),
      note="a Y whose arms end in points")
entry(900, "Short Pointy Y", up(8, [(1, S2), (2, 1.0), (1, S2), (2, 1.0), (5, X)], bottom="corner", top="corner"),
      note="the Pointy Y on a short stem")
entry(899, "Belt √2", sym(16, [2, S2, 7, 2 * B, 5, X, 6], first="corner"),
      note="a band with a point at one end, a blunt end at the other")
entry(901, "Thin Belt √2", sym(16, [2, 1.0, 7, 2 * B + S2, 5, X, 6], first="corner"),
      note="the Belt √2, thinner and longer")
entry(902, "Necktie", sym(8, [2, S2, 3, C, 5, 1.0, 2, X, 2], first="corner"),
      note="a pointed blade under a knot")
entry(906, "Octastar Corner", sym(16, [4, X, 11, A, 2, A, 12, A, 2, A, 12, A, 2, A, 12, A, 2], first="corner"),
      note="a quarter of the Octastar's outline round a square corner")
entry(912, "House 2", up(8, [(0, 2.0), (2, 2.0), (0, h), (3, X), (4, 1.0)], top="side"),
      note="a house of two storeys with eaves")
entry(917, "Short Left Trapezoid", ring(8, [(0, A), (2, 1.0), (3, X), (6, Y)]),
      note="a short trapezoid sloped on its left")
entry(941, "Bread 7", up(14, [(0, 2.6038754716096766), (3, 1.0), (5, HEPTA), (6, HEPTA), (7, X)], top="side"),
      note="a loaf of sevens: straight sides under a domed crust")

# --- Nines: kites, darts and triangles in eighteenths (36ths where a sixth
# or an odd half corner asks for it), sides of the nine-fold stars.
E9 = 2.5320888862379562         # the side of Rhombus ¹⁄₉ and Nonastar ¹⁄₉
T9 = 1.614543993253255          # the side of Hexstar ²⁄₉
entry(964, "Triangle ¹⁄₉", isosceles(36, 4, E9), note="a needle triangle of 1/9 on sides of Rhombus ¹⁄₉")
entry(960, "Dart ²⁄₉", dart(18, 4, 10, T9), note="a dart of 2/9 round a notch of 5/9")
entry(968, "Dart ¹⁄₆ ¹⁄₉", dart(36, 6, 22, E9), note="a dart of 1/6 with barbs of 1/9")
entry(969, "Petal ²⁄₉ ¹⁄₃", kite(18, 4, 6, T9), note="a petal of 2/9 over a foot of 1/3")
entry(972, "Kite ²⁄₉ ¹⁄₆", kite(36, 8, 6, T9), note="a kite of 2/9 over a foot of 1/6")
entry(975, "Arrowhead 9", dart(18, 2, 12, E9), note="a narrow arrowhead of 1/9 round a notch of 2/3")

# --- More sevens, on the Heptagon's diagonals rather than on sides of 1.
from palette import RHO, SIGMA, TT12, HEX, T12

W7 = 2.6038754716096766         # a Heptagon side with the Heptastar tip sides running on
L7 = 1.2469796037174672         # σ − 1
I7 = 0.5549581320873711         # 1/ρ

entry(845, "Short Petal ³⁄₇", poly(14, [5, 5, 2, 5, 5, 6], [X, HEPTA, 1.445041867912629, 1.445041867912629, HEPTA, X]),
      note="Petal ³⁄₇'s corners on shorter sides: a tip of 1/7, a narrow foot of 3/7")
entry(850, "Dress ¹⁄₇", up(14, [(0, W7), (5, RHO), (2, L7), (6, I7), (7, X)], top="side", north=True),
      note="a skirt flaring to a hem with corners of 1/7, a narrow waist, a bodice under small shoulders")
entry(860, "Belt ³⁄₁₄", sym(28, [6, HEPTA, 11, 2 * SIGMA, 10, X, 8], first="corner"),
      note="a long band with a point of 3/14 at one end and a blunt one at the other, so that it lies along its axis")
entry(894, "Thin Gem 7", poly(14, [4, 6, 4, 4, 6, 4], [HEPTA, SIGMA, SIGMA, HEPTA, SIGMA, SIGMA]),
      note="a tall narrow stone on a table of the Heptastar's side")
entry(903, "Shovel ⁵⁄₁₄", up(28, [(0, W7), (4, RHO), (12, X), (7, SIGMA), (14, HEPTA)], top="side", north=True),
      note="a blade with bottom corners of 5/14 under a straight handle")
entry(933, "Left Delta ¹⁄₄", poly(24, [6, 5, 3, 10], [TT12, TT12, X, TT12]).start(2),
      note="Delta ¹⁄₄ cut along its axis from a tip through the centre to the notch opposite, lying on the cut")

# --- Pictures of nines and sevens on the nine-fold stars' sides and the
# Heptagon's diagonals. Wings spread from a body with a point below and a
# notch between the wings above; the notch is side 0's start, so that the
# icon stands them upright.
E9 = 2.5320888862379562         # the side of Rhombus ¹⁄₉ and Nonastar ¹⁄₉
D9 = 1.7587704831436335         # the side of Rhombus ²⁄₉
K9 = 1.532088886237956          # 2 cos 40°
U9 = 0.5739779522395381         # a side of Kite ¹⁄₁₈
F9 = 3.180030884270192          # the floor of Notch ²⁄₉

entry(949, "Wings 7", up(14, [(12, HEPTA), (1, 1.0), (6, X)], bottom="corner", top="corner").start(3),
      note="two long flat wings, a notch between them; walked from the body's point, which the heading north turns up")
entry(967, "Skirt ²⁄₉", up(36, [(0, F9), (10, D9), (17, X)], top="corner"),
      note="a short flared skirt, hem corners of 2/9, under a low waistband")
entry(976, "Acorn ²⁄₉", up(36, [(5, E9), (9, K9), (0, U9), (15, X)], bottom="corner", top="corner"),
      note="a nut with a point of 2/9 under a low cap that overhangs it")

# --- Octagonal pictures on the Sun's lengths, and three more sevens.
from palette import N8, S16, R16

C8 = 0.7653668647301796         # 2 sin 22.5°, the Compass's centre-to-notch
C32 = 0.3901806440322565        # 2 sin(π/16)

entry(907, "Brilliant", up(32, [(0, C32), (3, C32), (4, R16), (6, C32), (8, C32), (12, C8), (13, C8), (15, C32), (16, X)],
                           top="side", north=True),
      note="a cut stone: a deep pavilion over a small culet, a thin girdle, a low crown round a wide table")
entry(909, "Chisel", up(32, [(0, C32), (7, R16), (0, C32), (9, S16), (16, X)], top="side", north=True),
      note="a narrow edge at the foot of a long blade under a handle")
entry(910, "Handle", up(8, [(0, B), (7, S2), (0, h), (3, X), (4, A)], top="side", north=True),
      note="a grip bridging two slanted legs")
entry(919, "Thin Roof", up(16, [(0, C), (6, S2), (7, X)], top="corner"),
      note="Roof's eaves of 1/8 under a low ridge instead of a flat top")
entry(923, "Bookmark", up(8, [(7, S2), (2, 5.82842712474619), (4, X)], bottom="corner", top="side"),
      note="a long ribbon with a swallowtail below")
entry(951, "Short Hexagon ³⁄₇", up(14, [(0, RHO), (1, HEPTA), (4, L7), (7, X)], top="side"),
      note="a low hexagon whose bottom corners are 3/7")
entry(870, "Acorn Cap 12", up(24, [(0, 2 * HEX), (4, S12), (9, HEX), (6, T12), (12, X)], top="side"),
      note="a wide domed cup on a rim of twice the Hexagon's side, with its stalk")

# --- A column, a baluster and a palm.
T9 = 1.614543993253255          # the side of Hexstar ²⁄₉

entry(895, "Thin Columnn 7", up(28, [(0, RHO), (7, I7), (10, HEPTA), (7, 2 * SIGMA), (4, HEPTA), (7, I7), (14, X)],
                                top="side"),
      note="Column's base and capital in sevens on a tall thin shaft")
entry(915, "Baluster ¹⁄₆", up(24, [(0, 2 * HEX), (6, T12), (9, S12), (3, HEX), (11, HEX), (6, HEX), (12, X)], top="side"),
      note="a post on a plinth, a bulb whose rim is 1/6 and a straight neck")
entry(954, "Palm ¹⁄₉", up(36, [(1, U9), (9, 4.758770483143637), (-2, E9), (12, T9), (2, E9), (16, T9), (6, E9), (20, T9),
                               (12, X)], bottom="corner", top="corner"),
      note="a straight trunk under a crown of seven fronds with tips of 1/9")

# --- Pentastars: five tips round a centre with one mirror axis.

entry(956, "Pentastar ¹⁄₉", pentastar(36, (4, 4, 4), (25, 25, 24), (E9, E9, D9, D9)),
      note="five tips of 1/9 on the sides of Rhombus ¹⁄₉ and ²⁄₉")
entry(957, "Pentastar ¹⁄₉ b", pentastar(36, (4, 8, 8), (22, 22, 20), (E9, E9, E9, E9)),
      note="a top tip of 1/9 over four of 2/9")

# --- Stars with unequal tips, wings and a bracket of thirtieths, and a sunrise.
from palette import H, P, P2
F10 = 3.618033988749895          # φ² + 1

entry(927, "Bracket ¹¹⁄₃₀", up(30, [(0, P2), (-4, P), (0, P - 1), (11, X), (15, F10)], top="side", north=True),
      note="a bracket of square legs splayed at 11/30, its opening upwards")
entry(928, "Wings ²⁄₁₅", sym(30, [11, F10, 4, P, 11, X, 19], first="corner"),
      note="Wings ¹⁄₅'s two wings in thirtieths, their tips 2/15, raised from a point below")
entry(948, "Octastar ³⁄₁₄", poly(56, [12, 38, 10, 38] * 4, [SIGMA, SIGMA, RHO, RHO] * 4).start(1),
      note="four tips of 3/14 between four of 5/28, on the Heptagon's diagonals")
entry(908, "Double Brilliant", up(32, [(0, C32), (3, C32), (4, B), (5, C32), (7, C32), (9, C32), (11, C32), (12, B), (13, C32),
                                       (16, X)], top="side"),
      note="Brilliant's pavilion above and below a faceted girdle")

from palette import TAN72

entry(905, "Short Acorn ¹⁄₅ Top", up(20, [(0, TAN72), (5, P - 1), (11, P - 1), (7, P - 1), (10, X)], top="side"),
      note="Acorn ¹⁄₅ Top's cup cut low: two points of 1/5 either side of a flat top")

# --- Shields and a V of sevens and nines, and the Left Small Shield: Small
# Shield ¹⁄₁₂ ¹⁄₆'s corners on flanks and shoulders of two lengths, so that it
# leans while its corners still mirror each other.
from palette import SIGMA, Q12

J9 = 1.078725692426601          # the side of Delta ²⁄₉

entry(932, "Shield ¹⁄₁₄ ²⁄₇", up(28, [(6, 2 * SIGMA), (9, HEPTA), (15, X)], bottom="corner", top="corner"),
      note="a shield widest below its top corners of 2/7, narrowing to a point of 1/14")
def vee(unit, spread, outer_top, arm, top):
    """A V standing on its point: arms spread degrees either side of upright,
    each arm as wide all along as its top, which is cut so that its outer
    corner is outer_top degrees. Walked from the notch between the arms, the
    axis point, which lies above the middle of the corners: a heading north
    stands the V on its point."""
    a = Fraction(90) - Fraction(spread)
    return half(unit, [(a, arm), (a + 180 - Fraction(outer_top), top), (a + 180, X)], bottom="corner", top="corner").start(3)


entry(978, "V 9", vee(18, 40, 80, 1.7587704831436335, 0.8793852415718162), note="a V of nines, its arms 2/9 apart and cut slanting at their tops")
entry(896, "Left Small Shield ¹⁄₁₂ ¹⁄₆", poly(24, [11, 4, 16, 4, 11, 2], [X, 0.5, Q12, Q12, 1.0, Y]).start(5),
      note="Small Shield ¹⁄₁₂ ¹⁄₆ with one shoulder higher than the other, so that its point turns aside")

# --- Twin Stars: two stars of the family side by side, fused at a waist
# notched deeply above and below, each showing the four tips that face away
# from the other.

def fused_stars(unit, tip, tips, side, waist, waist_dir):
    """Two regular stars side by side, fused where they meet: the right one
    walked from the lower notch of the waist round its tips (tip degrees,
    each pointing at one of the angles tips from its centre) up to the upper
    notch; the left one is its mirror image. With waist_dir the waist leaves
    its lower notch at that angle for waist before it meets the star; without
    it the star's first tip side starts at the notch, waist long."""
    steps = [] if waist_dir is None else [(F(waist_dir), waist)]
    for i, direction in enumerate(tips):
        first = waist if waist_dir is None and i == 0 else side
        steps.append((F(direction) + F(tip) / 2, first))
        steps.append((F(direction) + 180 - F(tip) / 2, side if i < len(tips) - 1 else X))
    return half(unit, steps, bottom="corner", top="corner", method="twin star")


entry(942, "Twin Star ¹⁄₇", fused_stars(28, F(360, 7), [-F(540, 7), -F(180, 7), F(180, 7), F(540, 7)], HEPTA, 1.445041867912629,
                                       None).start(3),
      note="two Heptastars ¹⁄₇ side by side, fused at a notched waist; walked from the notch at one's far end, so that the "
           "heading west lays them side by side")
entry(953, "Twin Star 9", fused_stars(18, 80, [-60, -20, 20, 60], 1.0, 1.8793852415718169, -40),
      note="two Suns 9 side by side, fused at a waist notched deeply above and below")

# --- Twins and cells: two lobes joined by a neck; Mitosis's lobes are of two
# sizes, so that its corners repeat each half turn while its sides do not.
entry(920, "Big Twins ³⁄₈", half(16, [(337.5, 1.0), (0, A), (45, 1.0), (90, A), (135, 1.0), (180, 1.0), (225, X)], bottom="corner",
                                 top="corner"),
      note="two octagons of the Sun's inner corners (3/8) side by side, pinched where they meet, more deeply above")
entry(922, "Mitosis", ring(12, [(0, T12), (11, HEX), (1, HEX), (3, HEX), (5, HEX), (7, HEX), (6, T12), (5, 2 * S12),
                                (7, 2 * S12), (9, HEX), (11, 2 * S12), (1, 2 * S12)]).start(3),
      note="a cell dividing: two hexagonal lobes, one drawn out longer, on a short neck")
entry(921, "Queen", up(16, [(0, B), (4, 0.5), (6, h), (5, 2.0), (0, 1.0), (3, 1.5), (9, 1.0), (5, 1.0), (11, 0.5), (4, 0.5),
                            (6, 0.5), (8, X)], bottom="side", top="side"),
      note="the chess queen: a wide foot, a tapering body, a crown of four points round a finial")

# --- Sectors of Sun 10 and the Decastar from a tip's radius to a notch's.
# Left Decastar ³⁄₂₀ is the Decastar's own five-cornered piece (its given axes
# allow no other count up to eleven but five to nine); Left Sun 10 ⁹⁄₂₀ keeps
# a straight corner on its tip's radius, one unit from the centre, where the
# plan asks for one corner more than the cut has.
entry(904, "Left Decastar ³⁄₂₀", poly(20, [3, 12, 6, 6, 3], [TAN72, 1.0, 1.0, 1.0, P2]),
      note="the Decastar from a tip round to the notch 3/20 beyond it")
entry(892, "Left Sun 10 ⁹⁄₂₀", poly(20, [10, 2] + [14, 4] * 4 + [7, 9], [P2 / 2] * 2 + [1.0] * 9 + [X]),
      note="Sun 10 from a tip round to the notch 9/20 beyond it")

# --- A cottage of sevens: walls under a roof of 2/7 whose eaves overhang
# them, and an arched door.
entry(841, "Cottage ²⁄₇", up(28, [(24, HEPTA), (21, RHO), (0, RHO), (7, 2 * SIGMA), (0, HEPTA), (11, X)], bottom="corner",
                           top="corner", north=True),
      note="a cottage under a roof of 2/7 with overhanging eaves, its door arched")

# --- Left figures of sevens and twelves: a hooked bonnet, a lopsided crest,
# a Pentastar whose notches differ, and bags leaning to one side.
entry(861, "Left Bonnet ¹⁄₇", ring(14, [(0, RHO), (2, 1.0), (12, 1.0), (0, HEPTASTAR_2_7), (4, 2.6038754716096766), (6, HEPTA),
                                         (8, X), (9, Y)]),
      note="Left Bonnet 7 whose back reaches down into a hook of 1/7")
entry(866, "Left Crest 12", ring(24, [(0, S12), (3, X), (11, 1.0), (7, Y), (15, 1.0), (12, 1.0), (18, S12), (21, 1.0)]).start(5),
      note="Crest 12's two horns of 1/6, one of them set higher on a step")
entry(925, "Left Pentastar ¹⁄₁₂", poly(24, [2, 16, 2, 18, 2, 20, 2, 16, 2, 16], [X, 2.0, R3, 1.0, 2.0, 2.0, R3, R3, 2.0, 2.0]).start(1),
      note="five tips of 1/12 round notches of three sizes, so that the star turns")
# The Bags of sevens turned to one side: a sack narrowing to a tied neck
# over which its gathered top flops towards one side. The top is the axis
# corner and faces north; it lies straight above the middle of the corners,
# so that the sack stands on its floor.
entry(943, "Left Bag 7", ring(14, [(4, RHO), (2, 0.6920214716300959), (6, 1.0), (9, 2.0), (13, HEPTASTAR_2_7), (10, X), (0, Y)]),
      note="a sack narrowing to a tied neck, its gathered top flopping to one side")
entry(945, "Flat Left Bag 7", ring(14, [(8, 1.0), (0, RHO), (2, 0.5), (5, 1.0), (1, I7), (6, HEPTA), (9, X), (12, Y)]),
      note="a low, wide sack bulging on one side, its gathered top flopping to the other")

# --- More pictures of sevens and nines.
entry(864, "Tri Bracket 7", up(28, [(0, HEPTA), (7, RHO), (0, SIGMA), (21, RHO), (0, HEPTA), (8, SIGMA), (14, X)],
                               bottom="side", top="side"),
      note="Tri Bracket's bar on three legs, the outer legs splayed at 2/7")
entry(947, "Shovel ³⁄₇", up(28, [(1, SIGMA), (7, RHO), (14, 1.0), (8, X)], bottom="corner", top="corner", north=True),
      note="a spade whose blade comes to a blunt point of 3/7 under a tapering handle")
entry(931, "Candy ¹⁄₁₄", up(28, [(0, 2.0), (12, HEPTA), (4, RHO), (8, 1.445041867912629), (10, 1.445041867912629), (2, HEPTA),
                               (14, X)], bottom="side", top="side"),
      note="a sweet twisted into two wrappers whose ends have corners of 1/14")
entry(950, "Agave", up(36, [(6, X), (3, E9), (19, E9), (5, E9), (21, E9), (7, E9), (23, E9), (9, E9), (25, E9)],
                       bottom="corner", top="corner"),
      note="a rosette of narrow leaves, the tips of an 18-pointed star, fanning from a pointed base")
entry(979, "Left Bird 9", ring(18, [(0, 2 * E9), (7, E9), (2, 1.0), (4, 1.0), (9, E9), (11, 3.0), (15, K9)]),
      note="Left Bird drawn in nines")

# --- Square Stars ¹⁄₆: tips of 1/6 grouped on the sides of a square, the
# numbers read counter-clockwise from a side, a side without a number bare.
# A group fans its tips 1/16 turn apart round its side's outward normal; where
# the plan gives a figure more corners than twice its tips, the bare sides of
# the square are drawn (square_star in families.py). Each reversed-name pair
# is one figure and its mirror image. Each is walked so that its given axis
# corner is the one that stands the square most nearly level.
from families import square_star


entry(865, "Square Star ¹⁄₆ 2 1 2", square_star([0, 2, 1, 2], S12, free={0: X, 9: Y}),
      note="two tips on each of two opposite sides and one on the side between")
entry(875, "Square Star ¹⁄₆ 3 2 3", square_star([0, 3, 2, 3], S12, free={0: X, 15: Y}),
      note="three tips on each of two opposite sides and two on the side between")
entry(888, "Square Star ¹⁄₆ 1 1", square_star([0, 1, 1, 0], S12, bare={2: [(3, X), (0, Y)]}, free={0: HEX, 3: HEX}),
      note="a square corner with a tip of 1/6 on each of its two far sides")
entry(873, "Square Star ¹⁄₆ 2 1 1", square_star([2, 1, 1, 0], S12, bare={1: [(1, T12)], 2: [(2, T12), (3, 1.0), (0, T12)]},
                                              free={9: X, 10: Y}).start(10),
      note="two, one and one tips round three sides, the fourth side bare, standing square under its pair")
mirror(874, "Square Star ¹⁄₆ 1 1 2", of=873, start=10)
entry(878, "Square Star ¹⁄₆ 1 3", square_star([0, 1, 3, 0], S12, bare={1: [(1, T12), (2, T12)],
                                                                  2: [(2, T12), (3, X), (0, Y), (1, T12)]}).start(4),
      note="one tip and three on two neighbouring sides, the square's other corners drawn")
mirror(879, "Square Star ¹⁄₆ 3 1", of=878, start=12)
entry(880, "Square Star ¹⁄₆ 2 5 1", square_star([2, 5, 1, 0], S12, bare={2: [(2, T12), (3, 1.0)]},
                                              free={15: X, 17: Y}).start(12),
      note="two, five and one tips round three sides")
mirror(881, "Square Star ¹⁄₆ 1 5 2", of=880, start=14)
entry(884, "Square Star ¹⁄₆ 1 2 5", square_star([1, 2, 5, 0], S12, bare={2: [(2, T12), (3, 1.0)]},
                                              free={0: X, 2: Y}).start(3),
      note="one, two and five tips round three sides")
mirror(885, "Square Star ¹⁄₆ 5 2 1", of=884, start=2)
entry(886, "Square Star ¹⁄₆ 2 3", square_star([0, 2, 3, 0], S12, free={0: X, 9: Y}).start(6),
      note="two tips and three on two neighbouring sides")
mirror(887, "Square Star ¹⁄₆ 3 2", of=886, start=2)
