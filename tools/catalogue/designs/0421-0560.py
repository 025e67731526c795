# Figures of raw values 421 to 560.
#
# Lengths are named once, in palette.py, so that figures of one family share
# them bit for bit; every other length comes from the palette through the solver.

from palette import S2, h, A, B, N8, S12, HEX, R3, P2, TAN72, HEPTA, Q12
from headings import half, loop
from palette import R16

# --- Sectors of the Decastar. Those whose names carry the half tip 3/20
# (648 to 653) are cut by two radii through tips. These are cut through
# notches instead, their radii the Decastar's centre-to-notch φ², as the Half
# Decastar's are; the half is the Half Decastar, so Decastar 1/2 is the plain
# cut through tips.
from palette import DECA_OUT


def acorn(unit, point_side, low, upper_side, high, stalk_side, stalk):
    """Acorn A's outline in a family's angles: a nut pointed below, its
    sides rising from the point along point_side and on along upper_side to
    the cap's corners, a flat cap and a stalk peaked on the axis. Directions
    in degrees of the right half, walked from the point; the cap is solved."""
    return half(unit, [(point_side, low), (upper_side, high), (180, X), (stalk_side, stalk)], bottom="corner",
                top="corner")


def decastar_through_notches(j, halved=False):
    """The Decastar between two radii through notches, j tips between them;
    halved parts each radius at its middle."""
    if halved:
        corners = [10, 6] + [6, 12] * (j - 1) + [6, 6, 10, 2 * j]
        return poly(20, corners, [P2 / 2] * 2 + [1.0] * (2 * j) + [P2 / 2] * 2, method="star sector")
    corners = [6] + [6, 12] * (j - 1) + [6, 6, 2 * j]
    return poly(20, corners, [P2] + [1.0] * (2 * j) + [P2], method="star sector")


def decastar_parted(j):
    """The Decastar between two radii through tips, j tips apart, each radius
    parted at φ² from the centre, so that its inner part glues to the radius
    of a cut through notches."""
    corners = [10, 3, 12] + [6, 12] * (j - 1) + [3, 10, 2 * j]
    return poly(20, corners, [P2, DECA_OUT] + [1.0] * (2 * j) + [DECA_OUT, P2], method="star sector")


for raw, name, j in ((487, "Decastar ³⁄₁₀", 3), (488, "Decastar ²⁄₅", 4), (490, "Decastar ³⁄₅", 6),
                     (491, "Decastar ⁷⁄₁₀", 7), (492, "Decastar ⁴⁄₅", 8)):
    s = decastar_through_notches(j)
    entry(raw, name, s.start(s.n - 2), note="the Decastar cut by two radii through notches")
# The narrowest cut parts each radius at its middle, where half a radius of the
# wider cuts meets it.
s = decastar_through_notches(2, halved=True)
entry(486, "Decastar ¹⁄₅", s.start(s.n - 3), note="the Decastar cut by two radii through notches, each parted at its middle")
s = star_sector(20, 10, 6, 1.0, 5, at="side")
entry(489, "Decastar ¹⁄₂", s.start(s.n - 2), note="the Decastar cut by two radii through opposite tips")
# With only a tenth cut away, the centre corner lies almost on the mean of the
# corners, so an icon turned on it swings with rounding. Walked from the tip
# opposite the cut instead, so that setup takes that tip for the axis and the
# icon stands the star on it, the cut on top.
s = decastar_through_notches(9)
entry(493, "Decastar ⁹⁄₁₀", s.start(10), note="the Decastar cut by two radii through notches, standing on a tip")

# --- Pieces of the Sun and of Sun 12.
# Half the Sun is the sector between two opposite tips; its centre stays a
# (straight) corner, so that both radii glue to the other sectors of the Sun.
entry(548, "Half Sun", sector(8, 4, 1.0, A), note="the Sun cut through two opposite tips")
entry(547, "Half Sun 12", sector(12, 6, S12, 2 + SQRT2), note="Sun 12 cut through two opposite tips")
# From a tip radius round to a notch radius, 11/16 of a turn: the cut through
# a notch is what makes it one-handed.
# Walked from the notch's radius, so that the icon turns the Sun's tips as
# the Sun's own icon stands them, the bite taken out below on the right.
entry(467, "Left Sun", poly(16, [2] + [10, 4] * 5 + [5, 11], [A] + [1.0] * 11 + [N8]).start(12),
      note="the Sun from a tip round to a notch, 11/16 of a turn")
# The Sun drawn out along one line: its four sides in that direction longer,
# the lower two longer than the upper two. Stretched evenly it would have a
# second mirror axis across its waist, and the Long Sun is one of the figures
# that is its own mirror image only about the line through its end tips.
entry(521, "Long Sun", poly(8, [2, 5] * 8, [{0: 2 + SQRT2, 5: 2 + SQRT2, 8: 2.0, 13: 2.0}.get(i, 1.0)
                                            for i in range(16)]).start(6),
      note="the Sun stretched along the line of its end tips, more below its waist than above")
entry(433, "Triangle ⁵⁄₁₂", isosceles(24, 10, S12),
      note="the flat triangle of 5/12 on a Square's side")

# --- The octagonal family: Sun tips (90°, sides 1), notches of 225°, and the
# long sides 1 + √2 of the Square.
entry(421, "Long Leaf", sym(8, [1.0, 2, 1.0, 5, 1.0, 3, A, 3, X, 2]),
      note="the Leaf on its stem, its blade drawn out by sides of 1 + √2")
# Its two tips differ a little (1/8 and 3/16), so that the only axis setup can
# find runs tip to tip and the icon lies along its heading.
entry(423, "Navette", loop(32, [(337.5, R16), (0, 1.0), (33.75, 3.0727110268456648), (146.25, 3.0727110268456648),
                                (180, 1.0), (202.5, X)]),
      note="a pointed lens, a tip of 1/8 at one end and of 3/16 at the other")
entry(425, "Cone", sym(8, [1, 2 + SQRT2, 5, 1 / S2, 2, 1.0, 3, X, 3], first="corner"),
      note="a cone of 1/8 holding a rounded scoop")
entry(435, "Bracket ³⁄₈", sym(8, [A, 3, A, 1, 1.0, 3, X, 5, 1.0]),
      note="a short Bracket: its floor as long as its arms")
entry(438, "Cap", sym(8, [2 * A, 2, 1 / S2, 2, 1.0, 6, 1.0, 3, 1.0, 3, X]),
      note="a rounded crown on a wide flat brim")
entry(439, "Long Tree", sym(8, [S2, 2, 2 + SQRT2, 6, S2, 1, 2.0, 7, 1.0, 1, X, 2]),
      note="the Tree's two tiers, larger, on a long trunk")
entry(440, "Fin", sym(8, [5, 1 / S2, 3, 1 / S2, 2, X, 1], first="corner"),
      note="a fin of 1/8 with a notched foot, its shoulders low")
entry(451, "Small Roof", trapezoid(8, 1, A, 1.0), note="a hip roof of 1/8 over a Square's side")
# Walked from a tip's side, so that setup takes the waist for the axis and
# the icon lays the two leaves side by side, as the other Twins lie.
entry(453, "Long Twins", sym(8, [2, S2, 3, A, 3, 1.0, 6, 1.0, 3, A, 3, S2, 2], first="corner").start(1),
      note="two long Leaves side by side, fused")
entry(454, "Accordion", sym(8, [2.0, 3, 1.0, 2, 1.0, 6, 1.0, 2, 1.0, 6, 1.0, 2, 1.0, 3, X]),
      note="bellows of three pleats between two flat ends")
entry(455, "Wings ¹⁄₈", sym(8, [3, 1.0, 3, A, 1, X, 5], first="corner"),
      note="two wings of 1/8 spread from a body")
entry(459, "Wide Tower", sym(8, [X, 2, A, 2, h, 2, 2.0, 6, 2.0, 6, 2.0, 2, S2]),
      note="a wide wall with three merlons, the embrasures between them wide and deep")
entry(460, "Pin", sym(8, [2, 1 / S2, 3, 2 + SQRT2, 5, 1 / S2, 3, 1.0, 3, X, 2], first="corner"),
      note="a long pin under an octagonal head")
entry(461, "Barrel", sym(8, [S2, 3, 1.0, 3, A, 3, 1.0, 3, X]),
      note="an upright barrel, its staves bulging")
entry(463, "Hourglass", sym(8, [2 + SQRT2, 1, 2.0, 6, 2.0, 1, X]),
      note="two triangles of 1/8 joined at a narrow waist")
entry(464, "Hand Fan", half(8, [(0, 1.0), (90, S2), (45, B), (135, A), (180, X)], bottom="side",
                             top="side"),
      note="a fan opened a quarter turn on a short handle, its rim bent as an arc")
entry(469, "Bracket Sun", sym(8, [1.0, 3, A, 1, 1.0, 3, X, 6]),
      note="a bracket whose inside takes a Sun tip")
entry(473, "Cork", sym(8, [A, 2, S2, 5, 1 / S2, 3, 1 / S2, 2, X]),
      note="a stopper with a lip")
entry(515, "Long Cork", sym(8, [A, 2, 2 + SQRT2, 5, 1 / S2, 3, 1 / S2, 2, X]),
      note="the Cork with a longer body")
entry(497, "Scepter", sym(8, [1.0, 2, 2 + SQRT2, 5, 1.0, 2, X, 2]),
      note="a rod under a square jewel")
entry(507, "Pawn", sym(8, [2 + SQRT2, 2, 1 / S2, 2, 1 / S2, 5, 1 / S2, 5, 1 / S2, 5, 1.0, 3, 1.0, 3, 1.0, 3, X]),
      note="base, body, neck and head of a pawn")
entry(522, "Corner", sym(8, [2, 1 + SQRT2, 2, 1.0, 2, X, 5, 1.0], first="corner"),
      note="an L of two equal arms, its inner corner cut off; arms short enough that the centre stays inside the cut")
entry(523, "Half Cross", poly(8, [1, 3, 6, 3, 2, 3, 6, 3, 1], [X] + [1.0] * 8),
      note="the Cross cut through two opposite tips")
entry(524, "Shovel", sym(8, [1.0, 2, 2 + SQRT2, 6, 1 / S2, 2, A, 3, X, 2]),
      note="a handle on a pointed blade")
entry(537, "Headdress", sym(8, [2 * A, 2, 1.0, 3, 1.0, 5, 1.0, 2, 1.0, 5, 1.0, 2]),
      note="half a Sun of feathers on a band")
entry(556, "Fedora", sym(8, [2 * A, 2, 1 / S2, 2, 1.0, 6, A, 1, X, 6]),
      note="a wide brim and a tall crown pinched into a dent")
entry(504, "Star ⁵⁄₈", poly(8, [1, 5, 3, 5] * 4, [A, A, 1.0, 1.0] * 4).start(3),
      note="eight tips, sharp and blunt by turns, between Sun notches")

# --- Fives, tens and twenties: Sun 10 (tips of 1/5, notches of 7/10, sides
# 1, centre to tip φ²), the Decastar (tips of 3/10, notches of 3/5, sides 1,
# centre to tip tan 72°, to a notch φ²), the Pentagon and the Star of side φ.
entry(424, "Arrowhead 10", dart(20, 2, 14, X, 1.0), note="tip and barbs of 1/10 round a Sun 10 notch")
entry(436, "Twin Peaks ¹⁄₅", sym(20, [X, 4, PHI, 4, 1.0, 14]), note="two Sun 10 tips side by side on a base")
entry(437, "Wide Drum ¹⁄₅", sym(20, [P2, 8, 1.0, 4, 1.0, 8, X]), note="Drum ¹⁄₅ with rims of φ²")
entry(441, "Sunrise ³⁄₁₀", half(20, [(0, X), (144, 1.0), (108, 1.0), (180, 1.0), (144, 1.0)]),
      note="the Decastar rising: a horizon just above its centre cuts the two tips beside it, three whole tips up")
entry(462, "Bouquet ¹⁄₅", sym(20, [4, X, 8, PHI, 4, 1.0, 14, 1.0, 4], first="corner"),
      note="three Sun 10 blooms in a cone")
# The Hand in tenths: the palm flares straight into the two spread fingers,
# whose tips are Sun 10's; the two middle fingers part a little below the others.
entry(466, "Hand ¹⁄₅", half(20, [(0, 2.0), (54, X), (162, PHI), (90, PHI * PHI), (252, 2 * PHI)], bottom="side", top="corner"),
      note="a raised hand: two long middle fingers, two spread aside with Sun 10 tips of 1/5")
entry(471, "Bracket ³⁄₁₀", sym(20, [P2, 6, PHI, 4, 1.0, 6, X, 14, 1.0]),
      note="a trough whose arms leave its floor at 3/10")
entry(472, "Petal ³⁄₁₀", sym(20, [2, X, 8, 1.0, 8, 1.0, 6], first="corner"),
      note="a tip of 1/10 over a base of 3/10")
# Standing on its stalk's end, side 0, which setup takes for the axis: the
# tip leans over the longer flank far enough that the stalk stays level.
entry(474, "Left Petal ¹⁄₅", loop(20, [(0, PHI - 1), (72, PHI), (126, 1.0), (234, X), (306, Y)]),
      note="a petal of 1/5 on a short stalk, bent to one side")
entry(494, "Acorn ¹⁄₅ Top", sym(20, [X, 5, 1.0, 4, 1.0, 14, 1.0, 4]),
      note="the cap of an acorn: three Sun 10 tips")
entry(495, "Petal ¹⁄₅ Top", sym(20, [X, 5, 1.0, 8, 1.0, 4]), note="the tip of a petal of 1/5")
entry(510, "Roof ²⁄₅", sym(20, [1.0, 8, PHI, 2, X]), note="a low roof of 1/10 slopes, its ridge between corners of 2/5")
entry(511, "Flat Pentagon", sym(20, [P2, 6, 1.0, 6, X, 6]), note="a Pentagon's corners on a long base")
entry(516, "Cork ³⁄₁₀", sym(20, [1.0, 6, 2.0, 14, 1.0, 5, 1.0, 5, X]), note="a tapered cork with a lip")
# Walked from its first Decastar side, so that the icon stands it on the
# centre's corner, as the other slices of the Decastar stand.
entry(518, "Left Decastar ¹⁄₄", poly(20, [3, 12, 6, 12, 6, 6, 5], [TAN72, 1.0, 1.0, 1.0, 1.0, 1.0, P2]).start(1),
      note="the Decastar from a tip round to a notch, a quarter turn")
entry(520, "Short Trapezoid ¹⁄₅", trapezoid(20, 4, P2, 1.0), note="a low trapezoid of 1/5 on a long base")

# --- Twelves and twenty-fours: Sun 12 (tips of 1/6, notches of 3/4, sides
# 1.2497, centre to tip 2 + √2, to a notch 1 + √2), the Hexagon and the
# Hexstar of side 1.9712, the Triangle and Dodecagon of side 1.
entry(426, "Small Book ¹⁄₆", sym(24, [16, 1.0, 4, S12, 8, X, 8], first="corner"),
      note="Book ¹⁄₆ with pages of 1")
entry(427, "Bracket ¹⁄₃", sym(24, [1.0, 8, 2 + SQRT2, 4, 1.0, 8, X, 16, 1.0]),
      note="a trough whose arms leave its floor at 1/3")
entry(428, "Big House ¹⁄₃", sym(24, [2 + SQRT2, 6, 2 + SQRT2, 8, X, 8]),
      note="a tall house under a roof of 1/3")
entry(429, "Wings ¹⁄₆", sym(24, [10, 2 + SQRT2, 4, 1.0, 8, X, 14], first="corner"),
      note="a pair of raised wings, their tips cut at 1/6")
entry(517, "Wings ¹⁄₆ b", sym(24, [8, 2 + SQRT2, 4, 1.0, 8, X, 16], first="corner"),
      note="the Wings ¹⁄₆ raised higher, meeting at 1/3")
entry(430, "Triple ¹⁄₆", sym(24, [X, 6, 1.0, 10, 1.0, 4, 1.0, 20, S2, 4]),
      note="three Triangle tips on a band")
entry(442, "Arrowhead 12", dart(24, 4, 16, X, HEX), note="tip of 1/6, barbs of 1/12, a Hexstar notch inside")
entry(443, "Swallow 12", sym(24, [18, HEX, 3, 2.0, 10, X, 4], first="corner"),
      note="a slender body under a pointed head, a deeply forked tail")
entry(444, "Gem 12", sym(24, [1.0, 8, 2 + SQRT2, 6, 1.1547005383792515, 10, X]), note="culet, a steep pavilion, crown and table")
entry(445, "Fin ¹⁄₆", sym(24, [16, S12, 6, S12, 8, X, 4], first="corner"), note="a fin of 1/6 with a notched foot")
entry(446, "Gem ⁵⁄₁₂", sym(24, [1.0, 9, A, 5, 1.1547005383792515, 10, X]), note="a broad gem under a table with corners of 5/12")
entry(447, "Obtuse Trifolium ⁵⁄₁₂", poly(24, [10, 7, 10, 13] * 3, [A, 1.0, 1.0, A] * 3),
      note="three lobes with obtuse tips of 7/24")
entry(449, "Kite ³⁄₁₆", kite(32, 6, 8, X, A),
      note="a tip of Hexadecastar ³⁄₁₆ over a square corner")
entry(470, "Drum ¹⁄₆", sym(24, [HEX, 10, 1.0, 4, 1.0, 10, X]), note="rims of the Hexagon's side, sides bulging to 1/6")
entry(501, "Acorn ¹⁄₃", half(24, [(30, HEX), (90, R3), (180, h), (135, S2)], bottom="corner", top="corner"),
      note="Acorn A's nut and stalk on a point of 1/3")
entry(512, "Kite ¹⁄₁₂", kite(24, 2, 10, B, X), note="a tip of 1/12 under a blunt head of 5/12")
entry(530, "Small Shield ¹⁄₁₂ ¹⁄₆", sym(24, [2, R3, 11, 0.5, 4, X, 16], first="corner"),
      note="Shield 1/12 1/6 with half as tall a wall: the same foot and notched top")
entry(532, "Acorn 12 ¹⁄₆", acorn(24, 60, B, 105, Q12, 135, h),
      note="a nut of a 1/6 point, narrowing a little under its cap, and a square-peaked stalk")
entry(534, "Trifolium ¹⁄₃", poly(24, [8, 8, 8, 16] * 3, [HEX, 1.0, 1.0, HEX] * 3),
      note="three Hexagon lobes round a point")
entry(536, "T ¹⁄₃", sym(24, [2 * A, 4, 1.0, 8, S2, 18, A, 6, X]),
      note="a bar with ends cut at 1/6 over a stem")
entry(546, "Bracket 12", sym(24, [2.0, 10, 2 + SQRT2, 2, 0.5176380902050415, 10, X, 14, 2 + SQRT2]),
      note="a shallow trough whose arms leave its floor at 5/12")
entry(553, "Big Folium ⁵⁄₁₂", sym(24, [4, HEX, 10, 2 + SQRT2, 10, HEX, 4], first="corner"),
      note="a long leaf of Dodecagon corners")
entry(554, "Kite ¹⁄₆ ⁷⁄₂₄", kite(24, 4, 6, X, S12), note="in the notch of Sun 12, its own tip of 1/6")

# --- More of the octagonal family.
entry(452, "Seven Star", poly(16, [9] + [2, 12] * 6 + [2, 9], [N8] + [A] * 14),
      note="the Octastar with one tip taken away")
entry(456, "Pointy Acorn", acorn(16, 67.5, B, 90, 0.5, 135, 0.7653668647301796),
      note="Acorn A's cap and stalk over a long nut of 1/8")
entry(457, "Wide Arrow Bow", sym(8, [1.0, 5, 1.0, 2, A, 2, A, 2, 1.0, 5, 1.0]),
      note="a knot between two wide wings that end in arrow points")
# Walked from an outer tip, so that setup takes the line through both stars'
# centres for the axis and the icon, headed west, lays the pair side by side.
entry(458, "Wide Twin Star", sym(8, [1, S2, 5, S2, 1, 1.3065629648763766, 7, 1.3065629648763766, 1, S2, 5, S2, 1],
                                 first="corner"),
      note="two Compass stars side by side, fused where their facing tips cross, farther apart than Twin Star B")
entry(465, "Fin -A", sym(8, [3, X, 1, 1.0, 5, A, 1], first="corner"),
      note="a fin with barbs of 1/8 over a pointed foot")
entry(496, "Sprout Top", sym(8, [6, X, 2, 1.0, 2, S2, 2], first="corner"),
      note="the Sprout's two leaves without their stalk, broader than long so that the centre stays inside the notch")
entry(498, "Wide Tower ¹⁄₄", sym(8, [X, 2, 2 + SQRT2, 3, 1 + 1 / S2, 2, 1 + 1 / S2, 6]),
      note="a wide wall topped by two large Sun tips")
entry(500, "Icing", sym(8, [A, 3, 1.0, 3, 1 / S2, 2, 1 / S2, 6, 1 / S2, 2, 1 / S2, 2, 1 / S2, 6, X]),
      note="the icing of a cupcake, dripping")
entry(503, "Twin Acorn", half(8, [(315, A), (45, A), (90, B), (180, 1.0), (135, 1.0), (225, X)], bottom="corner",
                              top="corner"),
      note="two of Acorn A's nuts side by side, each under its own stalk")
entry(505, "Shield A2", sym(16, [4, X, 6, 1.0, 5, N8, 6], first="corner"), note="Shield A's foot under a pointed top")
entry(508, "Flat Sailboat", sym(8, [2 + SQRT2, 3, 1 / S2, 1, 1.0, 5, X, 2]), note="a long low hull, a low sail")
entry(513, "Long Bow", sym(8, [1.0, 5, A, 1, 2 * A, 1, A, 5, 1.0]), note="the Bow with longer loops")
entry(514, "Long Mask", sym(8, [X, 3, S2, 2, A, 2, 1.0, 6]), note="the Mask drawn out sideways")
entry(525, "Serrated Leaf", sym(8, [2, A, 3, 1.0, 3, S2, 6, 1 / S2, 2, S2, 6, 1 / S2, 2, X, 2], first="corner"),
      note="a leaf with two teeth on each upper edge")
entry(526, "Quasar ¹⁄₄", poly(8, [2, 5] * 8, [A, A, 1.0, 1.0] * 4).start(1),
      note="the Sun's corners, its tips large and small by turns")
entry(527, "Twin Bud", sym(8, [1.0, 3, 1.0, 6, 1.0, 2, 1.0, 3, A, 3, 1.0, 2, 1.0, 6, 1 / S2, 3, X]),
      note="two buds back to back, the lower one larger")
entry(528, "Notch Bouquet", sym(16, [12, 1 / S2, 4, 1 / S2, 10, 1 / S2, 4, 1.0, 7, X, 2], first="corner"),
      note="two blooms either side of a notch, in a cone")
entry(529, "Ship Star ⁵⁄₈", sym(8, [S2, 3, A, 1, X, 5, 1.0, 2, 1.0, 6]),
      note="a hull under two Sun tips")
entry(535, "Acorn Compass", half(16, [(45, A), (90, 1.0), (180, 1.0), (112.5, X)], bottom="corner", top="corner"),
      note="Acorn A's nut under a Compass tip for a stalk")
entry(555, "Fingers", sym(8, [X, 2, 3.0, 2, h, 2, 2.0, 6, 2.0, 6, 3.0, 2, S2]),
      note="three square fingers, the middle one longest, wide gaps between them")

# --- Twelves again.
entry(422, "Pentastar ¹⁄₁₂ c", sym(24, [2, 1.0, 17, A, 2, A, 17, A, 2, X, 18], first="corner"),
      note="five tips of 1/12 round a narrow core")
entry(531, "Arrow Bow ¹⁄₁₂ ¹⁄₃", sym(24, [1.0, 15, 0.5176380902050415, 8, 2 + SQRT2, 2, 2 + SQRT2, 8, 0.5176380902050415, 15, 1.0]),
      note="a knot between two wings ending in points of 1/12")
entry(533, "Star ¹⁄₆ 2", poly(24, [4, 15, 2, 15] * 2, [1.0, 1.0, A, A] * 2),
      note="two tips of 1/6 and two of 1/12 between notches of 5/8")
entry(539, "Trifolium ⁵⁄₁₂ √2", poly(24, [10, 6, 10, 14] * 3, [A, S2, S2, A] * 3),
      note="three pointed lobes of Dodecagon corners")
entry(540, "Small Trifolium ⁵⁄₁₂", poly(24, [10, 6, 10, 14] * 3, [1.0, 0.5176380902050415, 0.5176380902050415, 1.0] * 3),
      note="three small pointed lobes")
entry(541, "Big Trifolium ⁵⁄₁₂", poly(24, [10, 10, 10, 10, 10, 14] * 3, [A, 1.0, 1.0, 1.0, 1.0, A] * 3),
      note="three half Dodecagons round a triangle")
entry(558, "Helmet ¹⁄₃", sym(24, [6, 1.0, 15, 1.0, 6, A, 8, X, 8], first="corner").start(6),
      note="a dome of 1/3 with a nose guard")

# --- Sevens and fourteens: the Heptastar (tips of 3/14, sides 0.8019 over a
# Heptagon of side 1). A tip taken away leaves its neighbours' sides running
# straight on along the Heptagon.
entry(559, "Heptastar 3", poly(14, [3, 9, 3, 9, 3, 5, 5, 5], [1 + HEPTA, HEPTA, HEPTA, HEPTA, HEPTA, 1 + HEPTA, 1.0, 1.0]),
      note="the Heptastar keeping three tips side by side")
entry(542, "Heptastar 3 3", poly(14, [3, 9] * 5 + [3], [1 + 2 * HEPTA] + [HEPTA] * 10),
      note="the Heptastar keeping two groups of three tips")
entry(543, "Hand Heptastar", poly(14, [3, 9, 3, 9, 3, 9, 3, 3], [1 + 2 * HEPTA] + [HEPTA] * 6 + [1 + 2 * HEPTA]),
      note="four tips as fingers and one as a thumb")
entry(538, "Small Heptastar", poly(14, [5, 9, 5] * 7, [HEPTA, 1.0, 1.0] * 7),
      note="the Heptastar with its seven tips cut short")

# --- The rest of the octagonal family.
entry(450, "Cupcake", sym(8, [1.0, 3, 1.0, 5, 1 / S2, 2, 1 / S2, 3, 1 + 1 / S2, 3, X]),
      note="a flaring cup under an overhanging dome")
# Two Suns so close that a tip of each lies inside the other: their facing
# tips merge into a straight bridge of two sides across the top and the foot.
entry(499, "Wide Twin Star ¹⁄₄", poly(8, ([5] + [2, 5] * 5) * 2, ([2.0] + [1.0] * 10) * 2),
      note="two Suns fused, bridged by straight sides of 2")
entry(502, "Tri Acorn", half(8, [(45, S2), (315, S2), (45, S2), (90, A), (180, 2.0), (90, h), (135, X)],
                             bottom="corner", top="corner"),
      note="three of Acorn A's points under one body and one stalk")
entry(506, "Bow 2", sym(8, [1.0, 5, S2, 2, 1.0, 2, 1 / S2, 6, 1 / S2, 2, 1.0, 2, S2, 5, X]),
      note="a bow whose loops are doubled")
entry(509, "Alhambra Skirt", sym(16, [1.0, 5, 1 / S2, 12, 1 / S2, 2, A, 5, X]),
      note="a skirt whose hem is cut into tabs and points")
# A mitten raised palm out, the thumb standing out at an eighth of a turn.
# The wrist is narrow and the thumb long, so that the wrist's corner under
# the thumb, the axis corner, lies straight below the middle of the corners
# and the mitten stands level.
entry(544, "Left Hand", loop(8, [(270, X), (0, S2), (90, 0.5), (45, A), (135, 1.0), (225, h), (90, S2), (135, 1.0),
                                 (180, Y), (225, 1.0)]),
      note="a mitten, the thumb out to one side")
# Walked from its foot, so that the icon stands it as Petal 12 stands, the
# tip up and the cut upright.
entry(549, "Left Half Petal 12", poly(24, [2, 10, 9, 3], [2 + SQRT2, 1.7673269879789604, X, Y]).start(3),
      note="half of a petal with a tip of 1/6 and a foot of 1/4, cut along its length")
# Walked so that the arm's end faces the heading: the icon lays the half
# as Bracket 12 lies, its floor level and its arm rising to the left.
entry(551, "Left Half Bracket 12", poly(24, [10, 2, 10, 14, 6, 6], [1.0, 2 + SQRT2, 0.5176380902050415, 2.0, 1 + 1 / S2, 1 / S2]).start(5),
      note="Bracket 12 cut along its axis")
# Four tips as fingers, and in place of the other three a wrist: a square
# stub on the Heptagon's side, its shoulders the corners of 3/4 turn.
entry(557, "Hand Heptastar ⁻¹⁄₄", poly(28, [6, 18, 6, 18, 6, 18, 6, 10, 21, 7, 7, 21, 10],
                                       [1 + HEPTA] + [HEPTA] * 6 + [1 + HEPTA, 0.25, 1.0, 0.5, 1.0, 0.25]),
      note="four Heptastar tips over a square wrist")
