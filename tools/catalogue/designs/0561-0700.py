# Figures of raw values 561 to 700.
#
# The corner counts are the catalogue's (`author.py tally`). Lengths come from palette.py.

from palette import A, B, HEX, P, P2, Q12, R3, R16, S2, S12, TT12
from fractions import Fraction
from headings import loop

SUN10_NOTCH = 1.902113032590307   # Sun 10's centre-to-notch


def through_notches(unit, tip, notch, side, inner, tips):
    """Half of a star cut along a line through two opposite notches and its
    centre, which stays a straight corner so that the cut glues to the other
    half: tips whole tips between two half notches."""
    half = notch // 2
    corners = [half] + [tip, notch] * (tips - 1) + [tip, half, unit // 2]
    return poly(unit, corners, [inner] + [side] * (2 * tips) + [inner], method="star sector")


def tips_of_one_sixth(notches, side=HEX):
    """A star of tips of 1/6 turn with the given notches between them (in
    1/12 turn), every side the Hexstar's."""
    corners = []
    for r in notches:
        corners += [2, r]
    return poly(12, corners, [side] * len(corners), method="star of 1/6 tips")


# --- Halves and sectors of the stars.
entry(568, "Half Sun 10", through_notches(20, 4, 14, 1.0, SUN10_NOTCH, 5),
      note="Sun 10 cut through two opposite notches; Sun 10 1/2 is the cut through tips")
entry(609, "Half Decastar", through_notches(20, 6, 12, 1.0, P2, 5),
      note="the Decastar cut through two opposite notches; Decastar 1/2 is the cut through tips")
entry(694, "Half Compass ¹⁄₆", star_sector(24, 4, 4, 2.6821627548042177, 2),
      note="Compass 1/6 cut through two opposite tips")
for raw, name, j in ((695, "Sun ⁷⁄₂₄ ¹⁄₄", 2), (696, "Sun ⁷⁄₂₄ ³⁄₈", 3), (697, "Sun ⁷⁄₂₄ ¹⁄₂", 4),
                     (698, "Sun ⁷⁄₂₄ ⁻³⁄₈", 5), (699, "Sun ⁷⁄₂₄ ⁻¹⁄₄", 6)):
    entry(raw, name, star_sector(48, 8, 14, Q12, j), note="Sun 7/24 cut by two radii through tips")
# With only an eighth cut away the centre corner sits near the mean of the
# corners; walked from the notch opposite the cut, the star stands on it.
entry(700, "Sun ⁷⁄₂₄ ⁻¹⁄₈", star_sector(48, 8, 14, Q12, 7, at="side").start(8),
      note="Sun 7/24 cut by two radii through tips, standing on a notch")

# --- Regular and equal-sided stars.
entry(665, "Pentastar ¹⁄₆", regular_star(5, 1, 6, HEX), note="five tips of 1/6, the Hexstar's side")
entry(656, "Star ¹⁄₆ 2 2", tips_of_one_sixth([5, 9, 5, 9]), note="two pairs of tips")
entry(661, "Star ¹⁄₆ 2,2", poly(24, [4, 13, 4, 15] * 2, [HEX] * 8, method="star of 1/6 tips"), note="two pairs of tips, each pair on a 1/3 corner")
entry(657, "Star ¹⁄₆ 3 3", poly(24, [4, 15, 4, 15, 4, 18] * 2, [HEX] * 12, method="star of 1/6 tips"),
      note="two fans of three tips, spread wider than round a square")
entry(659, "Star ¹⁄₆ 3,3", tips_of_one_sixth([7, 9, 7, 9, 7, 9]), note="three pairs of tips")
entry(671, "Star ¹⁄₆ 4 4", tips_of_one_sixth([8, 8, 8, 10, 8, 8, 8, 10]), note="two fans of four tips")

# --- Polygons.
entry(628, "Hexagon ³⁄₁₀", poly(20, [6, 7, 7, 6, 7, 7], [1.0] * 6), note="equal sides, two corners of 3/10")
entry(635, "Hexagon ¹⁄₅", poly(20, [4, 8, 8, 4, 8, 8], [P] * 6), note="equal sides, two corners of 1/5")
entry(614, "Trapezoid ³⁄₁₆", trapezoid(32, 6, 2.0, 1.0), note="base corners of 3/16")
entry(622, "Trapezoid 1 1 2", trapezoid(12, 2, 2.0, 1.0), note="legs of 1 and a base of 2 under a top of 1: half a Hexagon of side 1")

# --- Kites, sunrays, triangles.
entry(689, "Kite ¹⁄₆ ⁵⁄₁₂", kite(24, 4, 10, HEX), note="a Hexstar tip over a 5/12 corner")
entry(691, "Kite ¹⁄₈ ⁷⁄₂₄", kite(48, 6, 14, A), note="a 1/8 tip over a 7/24 corner")
entry(584, "Sunray 9", sunray(18, 9, 4, 1.0, 2), note="the kite in a notch of Sun 9, its tip 1/9")
entry(647, "Arrowhead ¹⁄₁₀ ³⁄₂₀", dart(20, 2, 12, P), note="a dart of a 1/10 tip, its barbs 3/20")
entry(594, "Left Triangle ¹⁄₁₆ ¹⁄₄", poly(16, [1, 4, 3], [X, A, Y]), note="a right triangle with a 1/16 corner")


def tips_on(base, sides):
    """A star of tips of 1/6: an equilateral tip raised on every side of a
    base polygon (its corners in 1/24 turn, corner i at the end of side i),
    so that each tip's two sides are as long as the base side it stands on
    and each notch is the base corner and two thirds of a half turn."""
    corners, lengths = [], []
    for corner, side in zip(base, sides):
        corners += [4, corner + 8]
        lengths += [side, side]
    return poly(24, corners, lengths, method="star of 1/6 tips")


def notches_of(notches, side=HEX):
    """A star of tips of 1/6 and equal sides from its notches in 1/24 turn."""
    corners = []
    for r in notches:
        corners += [4, r]
    return poly(24, corners, [side] * len(corners), method="star of 1/6 tips")


# Stars of tips of 1/6 in groups: deep notches part the groups ("2 4"), shallow
# ones join them ("2,3"). The equal-sided ones are the few notch sequences
# that close with all sides the Hexstar's.
entry(655, "Star ¹⁄₆ 3", tips_on([5, 5, 2], [A, X, Y]), note="a fan of three tips on a triangle of a 1/12 apex")
entry(670, "Star ¹⁄₆ 5", tips_on([6, 10, 4, 10, 6], [HEX, 1.0, X, X, 1.0]), note="five tips on a house: a fan over two feet")
entry(658, "Star ¹⁄₆ 2 4", notches_of([10, 22, 12, 18, 12, 22]), note="two tips and four, equal sides")
entry(666, "Star ¹⁄₆ 2 3", tips_on([6, 10, 6, 6, 8], [X, 1.0, 2.0, 2.0, Y]), note="two tips and three parted by unequal notches")
mirror(667, "Star ¹⁄₆ 3 2", of=666, start=8)
entry(675, "Star ¹⁄₆ 2,3", tips_on([8, 7, 8, 8, 5], [X, S2, 1.0, 1.0, Y]), note="two tips and three, joined by shallow notches")
mirror(676, "Star ¹⁄₆ 3,2", of=675, start=8)
entry(673, "Star ¹⁄₆ 3 5", tips_on([8, 8, 13, 8, 8, 8, 8, 11], [1.0, 1.0, R3, X, A, A, A, Y]), note="three tips and five")
mirror(674, "Star ¹⁄₆ 5 3", of=673, start=12)
entry(663, "Star ¹⁄₆ 2,2,3", tips_on([7, 12, 7, 11, 7, 7, 9], [S2, S2, 1.0, 1.0, X, A, Y]), note="two, two and three tips")
mirror(664, "Star ¹⁄₆ 3,2,2", of=663, start=10)
entry(662, "Star ¹⁄₆ 11", tips_on([9] + [10] * 9 + [9], [X] + [S12] * 10), note="eleven tips round a dodecagon short of a side")
entry(672, "Star ¹⁄₆ 7", notches_of([14, 18, 16, 16, 18, 14, 20]), note="a fan of seven tips, equal sides")

# --- More pieces of Sun 10 (tips of 1/5, sides 1) and of the Star 1/5.
entry(631, "Sun ³⁄₁₀", poly(20, [7, 4, 14, 4, 14, 4, 7, 6], [SUN10_NOTCH] + [1.0] * 6 + [SUN10_NOTCH], method="star sector"),
      note="Sun 10 cut by two radii through notches, three tips between")
entry(632, "Sun ⁴⁄₁₀", poly(20, [7, 4, 14, 4, 14, 4, 14, 4, 7, 8], [SUN10_NOTCH] + [1.0] * 8 + [SUN10_NOTCH], method="star sector"),
      note="Sun 10 cut by two radii through notches, four tips between")
entry(612, "Left Sun 10 ¹⁄₄", poly(20, [2, 14, 4, 14, 4, 7, 5], [P2] + [1.0] * 5 + [SUN10_NOTCH], method="star sector").start(4),
      note="Sun 10 from a tip round to a notch, a quarter turn, walked so that it stands on a Sun side below its notch "
           "radius, its tips fanning up as the Sun 10 sectors' do")
# Walked so that side 5, the axis side, is the lower tip's outer side: the
# half stands with its cut upright, as the left half of the star.
entry(615, "Left Half Star ¹⁄₅", poly(20, [12, 4, 12, 4, 6, 2], [P] * 5 + [X], method="star sector").start(5),
      note="Star 1/5 cut along its axis, standing as its left half")
entry(641, "Octastar ¹⁄₅", poly(20, [4, 13, 4, 14] * 4, [1.0, P, P, 1.0] * 4, method="polygon"),
      note="eight tips of 1/5, their notches alternately shallow and deep")

# --- Variants of figures the table already has: the same corners, other sides.
entry(565, "Long Sprout 12", poly(12, [5, 7, 1, 8, 1, 7, 5, 2], [1.0, HEX, A, X, X, A, HEX, 1.0]).start(4),
      note="Sprout 12 on a longer stem, its leaves up")
entry(566, "Candle 12 S", poly(24, [10, 9, 6, 9, 10, 4], [TT12, 2.0, X, X, 2.0, TT12]), note="Candle 12 A, short")
entry(573, "Fin C", poly(8, [2, 3, 1, 3, 2, 5], [1.0, S2, X, X, S2, 1.0]), note="Fin A with longer shoulders")
entry(602, "Crest 12", poly(24, [9, 4, 16, 4, 9, 6], [S12, 1.0, X, X, 1.0, S12]), note="Crest 12 a with horns of 1/6")
entry(625, "Wide Twin Peaks ¹⁄₅", poly(10, [2, 2, 7, 2, 2], [X, P, P, P, P]), note="Twin Peaks 1/5, the peaks lower and farther apart")
entry(639, "Long Book ¹⁄₅", poly(10, [2, 3, 4, 3, 2, 6], [P2, 1.0, X, X, 1.0, P2]).start(3), note="Book 1/5 with longer pages")
entry(680, "Short Wings A", poly(8, [1, 3, 5, 3, 1, 3], [X, 1.0, 1.0, 1.0, 1.0, X]), note="Wings A, shorter")
entry(684, "Long Navette", loop(32, [(337.5, R16), (0, B), (33.75, 3.0727110268456648), (146.25, 3.0727110268456648),
                                  (180, B), (202.5, X)]),
      note="the Navette drawn out; its tips differ, as the Navette's do, so that it lies along its heading")
entry(688, "Skirt ⁷⁄₂₄", sym(24, [X, 4, 1.0, 13, R3, 7, Q12]), note="a skirt flaring from a waist of 7/24 corners")
entry(627, "Wings ¹⁄₅", poly(20, [4, 7, 12, 7, 4, 6], [X, 1.0, 1.3763819204711736, 1.3763819204711736, 1.0, X]), note="two wings of 1/5 spread from a body")
entry(626, "Wide Wings ¹⁄₅", poly(20, [4, 7, 12, 7, 4, 6], [X, P, 1.1755705045849463, 1.1755705045849463, P, X]), note="Wings 1/5 spread wider")
entry(644, "Wings ¹⁄₁₀", poly(20, [2, 8, 14, 8, 2, 6], [X, P, 1.0, 1.0, P, X]), note="two narrow wings of 1/10")

# --- Whole pieces of the big stars and of the twelves.
from headings import half

# Sunrise 10 stands Sun 10 on a horizon below its centre, seven tips showing;
# the horizon keeps a straight corner in its middle, as Sunrise 12's does, so
# that both halves glue to the Sun 10 sectors' radii.
entry(629, "Sunrise 10", sym(20, [10, X, 5, P - 1, 14, 1.0, 4, 1.0, 14, 1.0, 4, 1.0, 14, 1.0, 4, 1.0, 14, 1.0, 4],
                             first="corner"), note="Sun 10 rising: seven tips over a horizon")
# Square Compass a with all its sides equal: a square notched in the middle of
# every side.
entry(603, "Square Compass", poly(16, [5, 5, 10] * 4, [1.0] * 12), note="a square notched on every side, equal sides")
entry(562, "Wide Roof ⁵⁄₁₂", half(24, [(0, 2 + SQRT2), (150, 1.1547005383792515), (165, X)]),
      note="Roof 5/12 widened by a low ridge of 5/12")
# Venus: a ring of Dodecagon corners sitting on the bar of a cross.
entry(561, "Venus ⁵⁄₁₂", half(24, [(0, S2), (90, 1.0), (0, X), (90, 1.0), (180, 1.0),
                                  (60, S12), (90, S12), (120, S12), (150, S12), (180, S12)], top="side"),
      note="a ring of 5/12 corners on a cross")


def pentastar12(tips, notches, sides):
    """Five tips in the twelves: the top tip, the upper and lower pairs and the
    notches between them from the top down; sides from the top tip down, the
    last solved. The star stands on its lower notch."""
    (t0, t1, t2), (a, b, c), (l0, l1, l2, l3) = tips, notches, sides
    return sym(24, [c, X, t2, l3, b, l2, t1, l1, a, l0, t0], first="corner", method="star")


entry(598, "Pentastar ¹⁄₁₂", pentastar12((2, 2, 2), (18, 16, 18), (2.0, R3, 2.0, R3)), note="five tips of 1/12, the upper pair spread")
entry(605, "Pentastar ¹⁄₁₂ d", pentastar12((2, 2, 2), (16, 18, 18), (2.0, A, TT12, A)), note="five tips of 1/12, the top tip deep between its neighbours")
entry(606, "Pentastar ¹⁄₁₂ e", pentastar12((2, 2, 2), (18, 17, 16), (HEX, TT12, HEX, TT12)), note="five tips of 1/12 on a shallow foot")

# --- Things of the octagonal family.
from palette import H
entry(577, "Octa Bow", half(8, [(0, 1.0), (315, 1.0), (0, S2), (45, 1.0), (90, 1.0), (135, 1.0), (180, S2), (225, 1.0),
                                (180, X)], top="side"),
      note="a bow tie of two Octagon halves either side of the knot")
entry(578, "Double V", half(8, [(315, S2), (45, B), (180, S2), (225, X), (135, S2)], bottom="corner").start(5),
      note="two Vs side by side, sharing the middle arms")
entry(592, "Short Tree", half(8, [(0, 1.0), (90, 1.0), (0, H), (135, 2 * S2), (180, X)], top="side"),
      note="the Tree's trunk under one broad tier")
entry(610, "Thin Column", sym(8, [B, 2, 1.0, 3, H, 5, B, 5, H, 3, 1.0, 2, B]), note="Column with a shaft of 1, twice as tall")
entry(681, "Hammer", half(16, [(0, 1.0), (90, 2 + SQRT2), (0, X), (112.5, 1.8477590650225735), (180, 3.0)], top="side"),
      note="a handle under a long head, its faces flared")

# --- Halves and variants of figures the table has, and more objects.
entry(621, "Bottom Half Wide Barrel", sym(8, [A, 3, 1.0, 3, 0.5, 2, X]),
      note="Wide Barrel cut across the middle of its staves")
entry(640, "Half Twins 10", sym(20, [P2 + 1, 3, X, 6, 1.1755705045849463, 12]), note="Twins 10 at half height: two Pentagon corners over a low notch")
entry(591, "Golden Barrel", sym(20, [P, 7, 1.0, 8, P2, 8, 1.0, 7, X]), note="a barrel of the tens, its staves φ² tall")
entry(642, "Notch ¹⁄₅", half(20, [(0, 2 * P2), (90, P), (198, 1.3763819204711736), (252, 1.0), (180, X)], top="side"),
      note="a block whose top falls from corners of 1/5 into a flat notch")
entry(643, "Jar", half(8, [(0, 2.0), (45, S2), (90, A), (135, S2), (90, 0.5), (0, 0.5), (90, 0.5), (180, X)], top="side"),
      note="a jar: a round belly, a neck and a lip")
# The x lies wide: its arms cross at a sixth of a turn, and setup takes the
# axis through the side notches, which the heading turns east.
entry(685, "x", sym(12, [10, 1.0, 3, R3, 3, 2.0, 8, 2.0, 3, R3, 3, 1.0, 10], first="corner"),
      note="two bars crossing at 1/12 of a turn from the level")

# --- Left/Right pairs: the Left entry is designed, the Right one is its image.
from headings import loop
from palette import P, B, C
HALF_PHI = 0.8090169943749475     # φ/2
TWO_SIN36 = 1.1755705045849463    # 2 sin 36°

# Left V: the V of square-cut arms on a flat foot, its left arm the longer.
entry(579, "Left V", loop(8, [(0, 2.0), (45, B), (135, S2), (225, B), (135, C), (225, S2), (315, C)]).start(3),
      note="a V on a flat foot, its left arm longer")
# Left Half Gnomon: the Golden Gnomon of legs 2 cut along its axis.
entry(571, "Left Half Gnomon", poly(20, [5, 3, 2], [P, TWO_SIN36, 2.0]).start(2),
      note="the Golden Gnomon cut along its axis")
# Left Page 1/5: a page leaning as a 1/5 rhombus does, its top corner turned down.
entry(619, "Left Page ¹⁄₅", loop(20, [(0, 2.0), (108, X), (144, P - 1), (180, Y), (288, 3.0)]),
      note="a leaning page with a dog-ear")
# Left Half Bracket 1/5: half of a bracket's bar, cut square where it meets
# its other half and slanted at 1/5 where it turns up; walked so that the
# given axis is that 1/5 corner, which the heading turns outwards.
entry(623, "Left Half Bracket ¹⁄₅", loop(20, [(270, Y), (0, P2 + 1), (108, 1.2360679774997898), (180, X)]),
      note="a bar cut square at one end and at 1/5 at the other")
# Left House 9: walls leaning in at the Nonagon's 4/9 corners, the roof's ridge
# to one side.
entry(585, "Left House 9", loop(18, [(0, X), (100, 1.8793852415718169), (160, 1.3472963553338604), (220, 1.532088886237956), (260, Y)]),
      note="a house of leaning walls under a lopsided roof")
# Left Half Sprout: the stalk with one leaf, the Sprout's corners.
entry(617, "Left Half Sprout", loop(16, [(0, S2), (90, 2.0), (157.5, X), (315, S2), (270, Y)]),
      note="a stalk turning into one leaf")
# Left Spark 12: a splinter with one barb, as Spark 12 a is, its barb wider.
entry(599, "Left Spark 12", loop(12, [(0, A), (150, 2.1645246645991763), (120, A), (240, X), (300, Y)]),
      note="a splinter of a 1/6 point with a barb of 1/12")

# --- The Fires: a flame on a round foot, its tongues licking to one side, the
# tallest in the middle. Walked from the right of the foot; the foot's lowest
# corner is vertex 2, the axis the table gives.
from palette import N8, h


def fire(sides, start):
    """Tongues of 1/8 tips between notches; sides from the right of the foot
    round to the left, the left wall and the foot's last side solved."""
    steps = [22.5, 67.5, 112.5, 247.5, 112.5, 247.5] + ([112.5, 247.5] if len(sides) == 10 else []) + [157.5, 270, 292.5, 337.5]
    lengths = list(sides[:-1]) + [X, sides[-1], Y]
    return loop(16, list(zip(steps, lengths))).start(start)


entry(596, "Left Fire", fire([1.0, N8, S2, h, B, N8, h, S2], 7), note="a flame of three tongues, the tallest in the middle")
entry(607, "Left Low Fire", fire([1.0, N8, S2, h, A, N8, h, S2], 7), note="the Fire burning low")
entry(668, "Left Fire 4", fire([1.0, N8, S2, h, B, N8, S2, 2.0, h, 1.0], 9), note="a flame of four tongues")

# --- Buildings and tents.
entry(701, "Square House", sym(8, [2.0, 2, 2.0, 6, h, 1, 2.0, 3, X]),
      note="a square body under a hipped roof with eaves")

# --- Shields and crests.
# Blazon 12: an escutcheon with upright sides, a point of 1/3 and a top dipped
# to its middle; walked from that dip, which the heading north turns up.
entry(604, "Blazon 12", half(24, [(30, 2.0), (90, 2.0), (195, X)], bottom="corner").start(3),
      note="an escutcheon: upright sides, a blunt point, a dipped top")
# Crest 9: as Crest 12, two horns over a point, in eighteenths.
entry(588, "Crest 9", half(18, [(50, 2.532088886237956), (90, 1.532088886237956), (210, X)], bottom="corner"),
      note="two horns of 1/6 over a point of 2/9")
# Thumbtack: a push pin seen from the side, the needle's point the axis point,
# so that the heading south stands it on its point.
entry(634, "Thumbtack", half(32, [(78.75, 2.0), (0, 1.0), (90, 0.3901806440322565), (180, 0.7653668647301796), (90, 1.0),
                                 (0, 1.3065629648763766), (90, 0.3901806440322565), (168.75, X)], bottom="corner"),
      note="a needle under a flange, a grip and a wide domed head")
# Bolt: a hexagon head seen side on, with bevelled edges, over a shank that
# widens into it and is chamfered at its end.
entry(682, "Bolt", half(8, [(0, 1.0), (45, h), (90, 2 + SQRT2), (45, h), (0, h), (90, 1.0), (135, h), (180, X)], top="side"),
      note="a bolt: a bevelled head over a chamfered shank")

# --- Letters and candles of the tens.
# Y 1/10: a stem parting into two arms that bend upright and end in points of
# 1/10, a flat crotch between them.
entry(683, "Y ¹⁄₁₀", half(20, [(0, 1.0), (90, P), (54, 1.0), (90, 1.0), (234, X), (180, P - 1)], top="side"),
      note="a Y whose arms bend upright to points of 1/10")
# Candle 1/5: a stub on a blunt foot, its flame a point of 1/5 over short shoulders.
entry(637, "Candle ¹⁄₅", half(20, [(18, P - 1), (90, P), (162, 0.25), (126, X)], bottom="corner"),
      note="a candle stub under a flame of 1/5")
# Tooth Skirt: a skirt under a waistband, its hem cut into three teeth.
entry(611, "Tooth Skirt", half(16, [(0, 1.0), (45, 1.0), (0, 0.5), (315, 1.0), (0, 0.5), (112.5, 2.613125929752753),
                                    (0, 0.3826834323650898), (90, 0.7653668647301796), (180, X)], top="side"),
      note="a skirt under a waistband, its hem cut into three teeth")
# Candy 1/6: a sweet twisted into two wrappers whose ends have corners of 1/6;
# a wrapper's end is side 0, so that the heading west lays the sweet wide.
entry(693, "Candy ¹⁄₆", half(24, [(0, 2.0), (120, S12), (45, S12), (90, 1.0), (135, S12), (60, S12), (180, X)], top="side"),
      note="a sweet twisted into two wrappers, lying wide")

# --- The Decastar cut by two radii through tips: the half tips of 3/20 that
# the names carry lie on the cuts. Decastar 1/5 to 4/5 (486 to 492) are the
# cuts through notches or, for 1/5 and 3/10, these cuts with their radii parted.
from palette import DECA_OUT, TAN72

for raw, name, j in ((648, "Decastar ¹⁄₅ ³⁄₂₀", 2), (649, "Decastar ³⁄₁₀ ³⁄₂₀", 3), (650, "Decastar ²⁄₅ ³⁄₂₀", 4),
                     (651, "Decastar ⁻²⁄₅ ³⁄₂₀", 6), (652, "Decastar ⁻³⁄₁₀ ³⁄₂₀", 7), (653, "Decastar ⁻¹⁄₅ ³⁄₂₀", 8)):
    s = star_sector(20, 10, 6, 1.0, j, at="side")
    entry(raw, name, s.start(s.n - 2), note="the Decastar cut by two radii through tips")
# The second Decastar ⁻¹⁄₅ ³⁄₂₀ is cut as its case name says, 9/10 of the star
# round, so its name's ⁻¹⁄₅ is no corner of it. With only a tenth cut away the
# centre corner lies almost on the mean of the corners, so an icon turned on it
# swings with rounding: walked from the notch opposite the cut, which setup
# takes for the axis, it stands on that notch, the cut on top.
s = star_sector(20, 10, 6, 1.0, 9, at="side")
entry(654, "Decastar ⁻¹⁄₅ ³⁄₂₀", s.start(10), note="the Decastar cut by two radii through tips 9/10 of a turn apart")
# From a tip radius round to a notch radius, 13/20 of a turn.
entry(677, "Decastar ⁻⁷⁄₂₀ ³⁄₂₀ ³⁄₁₀", poly(20, [10, 3] + [12, 6] * 6 + [6, 13], [TAN72 / 2] * 2 + [1.0] * 13 + [P2],
                                        method="star sector").start(1),
      note="the Decastar from a tip radius round to a notch radius, the tip radius parted at its middle")
mirror(678, "Decastar ⁻⁷⁄₂₀ ³⁄₁₀ ³⁄₂₀", of=677, start=3)

# --- The Twin Stars: two stars side by side, joined by a short bar between
# the notches that face each other (the bar's ends lie on the axis).
from palette import N8


def twin_star(unit, tip, notch, side, bridge, first=None):
    """Two regular stars (tips and notches in 1/unit turn, sides side), each
    showing four tips, joined by a bar of length bridge; first is the partial
    side from the bar to the first tip."""
    joint = 4 * unit - 4 * tip - 3 * notch
    if joint % 2:
        raise DesignError("the bar meets the stars at no whole corner")
    joint //= 2
    f = side if first is None else first
    return sym(unit, [bridge, joint, f, tip, side, notch, side, tip, side, notch, side, tip, side, notch, side, tip, f, joint, X],
               method="twin star")


entry(574, "Twin Star C", twin_star(16, 2, 10, S2, 1.0, first=1.0),
      note="two Compasses joined by a short bar between the notches that face each other")


def fused_stars(unit, tip, tips, side, waist):
    """Two regular stars side by side, fused at a waist notched above and
    below: the right one walked from the lower notch round its tips (tip
    degrees, each pointing at one of the angles tips from its centre) up to
    the upper notch, its first side waist long; the left one is its mirror
    image."""
    steps = []
    for i, direction in enumerate(tips):
        steps.append((Fraction(direction) + Fraction(tip, 2), waist if i == 0 else side))
        steps.append((Fraction(direction) + 180 - Fraction(tip, 2), side if i < len(tips) - 1 else X))
    return half(unit, steps, bottom="corner", top="corner", method="twin star")


# Walked from the notch at one star's far end, so that the heading west lays
# the stars side by side.
entry(576, "Twin Star ¹⁄₄", fused_stars(24, 90, [-90, -30, 30, 90], 1.0, 2.0).start(3),
      note="two Hexstars 1/4 side by side, fused at a notched waist, four tips of each showing")
# Octastar Edge: the Octastar with one tip cut off along the line between its
# notches, standing on that edge; the edge keeps a straight corner in its
# middle, so that it glues to two sides of half its length.
entry(575, "Octastar Edge", poly(16, [8, 1] + [12, 2] * 3 + [12, 1], [R16, R16] + [A] * 8),
      note="the Octastar cut through two opposite tips, standing on the cut, which keeps the centre as a straight corner")

# --- Shields, crests, kites and the Trifolium.
from headings import half, loop
from palette import Q12, S12, HEX, TT12

entry(567, "Shield ¹⁄₁₂ ¹⁄₆ S", sym(24, [2, A, 11, 0.5, 4, X, 16], first="corner"),
      note="Shield 1/12 1/6 cut short under its horns")
# Half a shield whose point is 1/5, lying on the cut: the point is 1/10, the
# outer edge turns square at the shoulder and bevels into the top. Its
# corners read the same both ways from the bevel, as the given axes ask.
entry(569, "Left Half Shield ¹⁄₁₀", loop(20, [(270, X), (54, P2), (144, P - 1), (162, P - 1), (180, Y)]),
      note="a shield of a 1/5 point cut along its axis, lying on the cut")
entry(563, "Wide Trifolium ⁵⁄₁₂", sym(24, [18, B, 6, HEX, 10, HEX, 6, B, 18, 0.5, 7, X, 8], first="corner"),
      note="Trifolium 5/12 with its lower leaves spread wide under a small pointed one")
entry(630, "Crest Kite", half(16, [(67.5, B), (112.5, S2), (202.5, X)], bottom="corner"),
      note="a kite whose blunt end parts into two horns")
entry(633, "Crest Hand", half(16, [(67.5, B), (22.5, h), (135, h), (90, S2), (225, h), (90, S2), (225, X)], bottom="corner"),
      note="a crest whose horns are two fingers, a thumb spread out either side")
entry(636, "Dart Kite ¹⁄₅", sym(20, [4, P2, 7, P - 1, 11, P, 3, X, 14], first="corner"),
      note="a kite of a 1/5 tip over a dart's tail")
entry(638, "Leaf Star", poly(16, [12, 7, 2, 7] * 4, [h, h, A, A] * 4, method="star"), note="four leaves round a centre")

# --- Forks: four pointed tines on a head whose lower edge rises from the
# handle; Left Fork is Fork's three flat-topped tines bent to the left.


def fork(unit, tip, w, handle, shoulder, outer, gap, inner):
    """A fork of four tines, each a point of tip degrees, standing on its
    handle: the handle, the head's lower edge rising out from it, the outer
    tine, a gap, the inner tine; the gap between the inner tines is solved."""
    up, down = 90 + tip / 2, 270 - tip / 2
    return half(unit, [(0, w), (90, handle), (30, shoulder), (up, outer), (down, outer), (180, gap), (up, inner), (down, inner),
                       (180, X)], top="side", method="fork")


entry(593, "Fork 12", fork(24, 30, S12, B, 3.0, 2.0, 0.5, 2.0), note="four tines of 1/12 points")
entry(645, "Left Fork", loop(16, [(0, h), (90, A), (67.5, A), (112.5, 1.0), (202.5, h), (292.5, 1.0), (202.5, 1.0), (112.5, 1.0),
                                 (202.5, h), (292.5, 1.0), (202.5, 1.0), (112.5, 1.0), (202.5, h), (292.5, 1.0), (337.5, X), (270, Y)]),
      note="Fork with its head bent to the left")

# --- Acorns.
entry(679, "Acorn A Top", half(8, [(0, B), (90, S2), (135, S2), (180, X)], top="side").start(3),
      note="the cap of Acorn A 1/4: upright sides bevelled to a flat top")
entry(660, "Tri Acorn ¹⁄₆", half(24, [(60, HEX), (300, HEX), (60, S12), (0, 0.5), (90, S12), (120, S12), (150, X)],
                                   bottom="corner", top="corner"),
      note="three nuts of 1/6 points hanging under one cap")

# --- Bows and brackets of the octagonal family.
# Octa Bow's knot between a wing of Octagon corners and a plain flared one.
# The flared wing reaches further, so that the knot's lower notch, the axis
# corner, lies under the middle of the corners and the knot stands upright.
entry(581, "Left Octa Bow", loop(8, [(315, 1.0), (45, h), (315, A), (90, X), (225, 2.0), (135, Y), (225, h), (270, 1.0)]),
      note="a bow tie: a wing of Octagon corners left of the knot, a longer flared wing right of it")
entry(686, "Left Bracket", loop(8, [(90, 1.0), (180, A), (90, S2), (0, A), (45, S2), (90, 1.0), (180, C), (270, X), (315, S2),
                                   (0, Y)]).start(4),
      note="a bracket [ whose upper arm turns out into a lip")

# --- Twins 12: two lobes of the twelves fused at a narrow neck, a bow tie
# lying along its heading; the axis setup finds is the middle of one lobe's
# outer side, so that the heading west lays the lobes side by side.
entry(601, "Twins 12", half(24, [(0, 2 * S12), (105, HEX), (75, HEX), (180, X)], bottom="side", top="side"),
      note="two lobes with corners of 5/24, fused at a narrow neck")
