# Figures of raw values 281 to 420.
#
# Lengths are named once, in palette.py, so that figures of one family share
# them bit for bit and glue to the family's stars:
#   octagonal (unit 8, 16 where half a corner is needed): the Sun of side 1,
#     its centre-to-tip 1 + √2 and centre-to-notch √(2 + √2), the Square of
#     side 1 + √2;
#   fives and tens (unit 20): Sun 10 and the Decastar of side 1 (the
#     Decastar's centre-to-notch is φ²), the Pentagon and Star of side φ;
#   twelves (unit 12, 24 where 15° steps are needed): Sun 12 of side S12 with
#     tips of 1/6 and notches of a quarter turn, centre-to-tip 2 + √2, the
#     Hexagon and Hexstar of side HEX, the Dodecagon and Triangle of side 1;
#   sixteenths and thirty-seconds (unit 32): the octagonal lengths, Star 16 of
#     side S16, Sun 32 of side S32.
#
# half(...) draws a figure with a vertical mirror axis from its right half, by
# the directions of its sides (headings.py).

from palette import S2, h, H, A, B, C, N8, S16, S32, S12, TT12, HEX, T12, Q12, R3, P, P2, TAN54, TAN72
from headings import half, loop


THREE = 3.0                   # three unit sides

# ---------------------------------------------------------------- octagonal

def acorn(unit, point_side, low, upper_side, high, stalk_side, stalk):
    """Acorn A's outline in a family's angles: a nut pointed below, its
    sides rising from the point along point_side and on along upper_side to
    the cap's corners, a flat cap and a stalk peaked on the axis. Directions
    in degrees of the right half, walked from the point; the cap is solved."""
    return half(unit, [(point_side, low), (upper_side, high), (180, X), (stalk_side, stalk)], bottom="corner",
                top="corner")


entry(281, "Sailboat 4", half(16, [(247.5, A), (180, H), (315, S2), (0, h), (315, X)],
                              bottom="corner", top="corner", from_top=True),
      note="a tall sail of 1/8 over a hull with a keel")
entry(282, "Dwarf", half(16, [(247.5, B), (180, 1.0), (270, h), (0, 1.0), (270, 1.0), (315, X)], bottom="corner",
                         top="corner", from_top=True),
      note="a tall pointed hat with a brim over a face and a pointed beard")
entry(287, "Roof", trapezoid(8, 1, B, S2), note="a low roof of 1/8 slopes")
entry(288, "Fin Roof", half(8, [(180, S2), (270, 1.0), (225, A), (0, X)], bottom="side", top="side", from_top=True),
      note="a gable roof with a fin on its ridge")
entry(289, "Triangle ³⁄₈", isosceles(16, 6, 1.0), note="apex of 3/8, legs 1: two fit a Sun notch's sides")
entry(293, "Cross Ship", half(8, [(180, 1.0), (270, 1.0), (180, 1.0), (270, 1.0), (0, 1.0), (270, 1.0), (180, A),
                                  (315, S2), (0, X)], bottom="side", top="side", from_top=True),
      note="a hull carrying a mast with a yard, a cross")
entry(294, "Wrist", half(8, [(0, B), (90, A), (135, 1.0), (45, 1.0), (90, 1.0), (135, h), (180, X)], top="side"),
      note="a forearm narrowing to the wrist, the hand widening again")
entry(295, "Sharp Cross", poly(16, [7, 2, 7, 12] * 4, [1.0, N8, N8, 1.0] * 4),
      note="the Cross with arms ending in tips of 1/8")
# A Belt has a tip at one end and another corner at the other, as the Belts of
# the other families do: with equal ends setup would take the axis across the
# band and the icon would stand it on end.
entry(296, "Belt", sym(16, [2, 2.613125929752753, 7, C, 6, X, 4], first="corner"),
      note="a band with a tip of 1/8 at one end and a square end at the other")
from palette import R16
entry(299, "Belt Edge", sym(16, [R16, 7, A, 2, A, 7, R16]), note="a long strip pointed at both ends by tips of 1/8")
entry(300, "Comet", half(16, [(202.5, 2.0), (247.5, 1.0), (292.5, 2.0), (67.5, 1.0), (292.5, X)], bottom="corner",
                           top="corner", from_top=True),
      note="a round head trailing three streaks, the middle one longest")
entry(322, "Short Right Hexagon", half(8, [(0, A), (90, h), (135, 1.0), (180, X)], top="side"),
      note="the Right Hexagon with shorter sides")
entry(323, "Flask", half(8, [(0, B), (135, H), (90, 1.0), (180, X)], top="side"), note="a conical flask")
entry(329, "Anvil", half(8, [(180, C), (315, 2.0), (270, 1.0), (180, h), (270, h), (0, X)], bottom="side", top="side",
                         from_top=True),
      note="a wide face with two horns over a waist and a foot")
entry(328, "Baluster Edge", half(8, [(0, 2.0), (45, 1.0), (90, H), (180, X)], top="side"),
      note="the Baluster's vase cut across its belly: foot and lower belly")
# The right half of the Baluster Edge; its foot, side 1, is the axis.
entry(331, "Left Baluster Corner", loop(8, [(270, X), (0, 1.0), (45, 1.0), (90, H), (180, Y)]).start(3),
      note="the Baluster Edge cut along its axis")
entry(335, "Left Parallelogram ¹⁄₈", poly(8, [1, 3, 1, 3], [1.0, A, 1.0, A]), note="corners of 1/8 and 3/8")
entry(337, "Left Trapezoid", poly(8, [2, 1, 3, 2], [1.0, A, S2, S2]), note="a right trapezoid with a 1/8 corner")
entry(352, "Axle", half(8, [(0, A), (270, h), (0, 1.0), (90, A), (180, 1.0), (270, h), (180, A)], top="side"),
      note="a bar between two wheels")
entry(374, "Candy", half(8, [(0, 2 * S2), (135, 1.0), (45, A), (90, 1.0), (135, A), (45, 1.0), (180, X)], top="side"),
      note="a wrapped sweet: flat body, twisted ends")
entry(393, "Square Roof", half(8, [(0, 2.0), (90, 1.0), (0, S2), (135, X)]),
      note="a roof of a quarter turn overhanging the stubs of its walls")
entry(398, "Kink", sym(8, [3, 2.0, 2, h, 2, X, 5], first="corner"), note="a thin bar bent by 1/8")
entry(403, "Groove", half(8, [(0, B), (90, 1.0), (180, 1.0), (270, h), (180, X)], top="side"),
      note="a block with a square channel")
entry(409, "Small Groove", half(8, [(0, A), (90, 1.0), (180, h), (270, h), (180, X)], top="side"),
      note="a narrow block with a square channel")
entry(410, "Big Groove", half(8, [(0, C), (90, A), (180, S2), (270, 1.0), (180, X)], top="side"),
      note="a tall block with a wide channel")
entry(412, "Small Notch", half(8, [(0, S2), (90, 1.0), (225, X)]), note="two prongs around a quarter-turn notch")
entry(413, "Candy ¹⁄₄", half(8, [(0, 2 * S2), (135, 1.0), (45, A), (135, A), (45, 1.0), (180, X)], top="side"),
      note="a wrapped sweet with a square body")
entry(416, "Drop ¹⁄₄", half(8, [(0, 1.0), (45, 1.0), (90, 1.0), (135, X)]), note="a drop of a quarter-turn tip")
entry(418, "Right Pentagon", loop(8, [(0, A), (90, A), (180, S2), (225, S2), (270, S2)]),
      note="the Square with one corner cut off")
entry(414, "Left Leaf", loop(8, [(315, 1.0), (0, 1.0), (45, S2), (90, B), (225, X), (270, Y)]),
      note="a leaf bent to one side")

# ---------------------------------------------------------------- fives and tens

entry(302, "Belt ³⁄₁₀", sym(20, [6, P, 7, 2 * P2, 6, X, 8], first="corner"),
      note="Thin Belt 3/10 made broader: a tip of 3/10 at one end, a blunt end at the other")
entry(303, "Triangle ¹⁄₅", isosceles(20, 4, P), note="apex of 1/5 over corners of 3/20: Rhombus ¹⁄₅ cut across its short diagonal")
entry(304, "Triangle ²⁄₅", isosceles(20, 8, 1.0), note="apex of 2/5, legs 1")
entry(313, "Kite ¹⁄₆ ³⁄₁₀", kite(60, 10, 18, P, X), note="tip of 1/6, opposite corner 3/10")
entry(318, "Propeller\\u00a05", half(20, [(342, P2), (90, 2 * P), (198, X)], bottom="corner", top="corner"),
      note="two long blades around a hub wide enough to hold them")
entry(319, "Trisosceles ¹⁄₅", trapezoid(20, 4, 1.0, 1.0), note="three equal sides, corners of 1/5: a Sun 10 tip cut off at 2 − φ")
entry(320, "Trapezoid ¹⁄₅", trapezoid(20, 4, P2, P), note="the Pentagon of side φ cut by a diagonal")
entry(321, "Hexagon ²⁄₅", half(20, [(0, 2.0), (36, 1.0), (144, X), (180, 2.0)], top="side"),
      note="corners of 2/5 and tips of 1/5")
entry(330, "Twins ³⁄₁₀ Edge", half(20, [(0, TAN72), (90, 1.0), (126, 1.0), (198, X)]),
      note="Twins 3/10 standing on a strip down to an edge")
entry(349, "Wide Trapezoid ¹⁄₅", trapezoid(20, 4, P2 + 1, P), note="Trapezoid 1/5 widened by 1")
# Three arms of one width round a hub, the upper one pointed by 3/10: ten
# corners, since with eight the notches between three lobes stay too shallow
# to show through an icon's outline. The two corners come from Decastar 3/10,
# whose radii no longer need parting at their middles.
entry(371, "Trifolium ³⁄₁₀", half(20, [(216, X), (270, TAN54), (216, TAN54), (306, TAN54), (36, TAN54)],
                                    bottom="corner", top="corner", from_top=True),
      note="three arms from a hub, square-ended below and pointed by 3/10 above")
entry(372, "Skirt ¹⁄₅", sym(20, [2.0, 4, P, 11, P - 1, 5, X]), note="a flared skirt on a waistband")
entry(396, "Long Twins ³⁄₁₀", half(20, [(0, P), (72, 2 * P), (108, P), (252, X)], bottom="side", top="corner"),
      note="Twins 3/10 drawn out into two long bars, leaning apart from one foot, pointed by 1/10")
entry(401, "Drop ¹⁄₅", half(20, [(234, P), (288, 1.1755705045849463), (342, X)], bottom="corner", top="corner", from_top=True),
      note="a drop of a 1/5 tip")
entry(420, "Crest ¹⁄₁₀", half(20, [(54, X), (90, 1.0), (234, P)], bottom="corner", top="corner"),
      note="two horns of 1/10 over a pointed foot")

# ---------------------------------------------------------------- twelves

entry(290, "Bow ¹⁄₃", half(12, [(0, 1.0), (330, 1.0), (30, A), (150, A), (210, X), (180, 1.0)], top="side"),
      note="a ribbon bow: knot and two pointed wings")
entry(301, "Roof ¹⁄₃", half(12, [(180, A), (240, 1.0), (0, X)], bottom="side", top="side", from_top=True),
      note="a low roof of 1/6 slopes")
entry(305, "Shield 12", half(24, [(60, 1.0), (90, 1.0), (195, X)], bottom="corner", top="corner"),
      note="pointed foot of 1/6, dipped top")
entry(306, "Petal 12", half(24, [(45, S12), (90, 1.0), (120, X)], bottom="corner", top="corner"),
      note="sits in a Sun 12 notch, tip of 1/6")
entry(307, "Crest 12 a", half(24, [(45, S12), (90, 1.0), (240, X)], bottom="corner", top="corner"),
      note="two horns of 1/12 over a foot that fits a Sun 12 notch")
entry(333, "Left Triangle ¹⁄₁₂", poly(12, [2, 3, 1], [2.0, 1.0, R3]).start(2), note="half the Triangle, standing on its half base")
entry(339, "Triangle ¹⁄₃", isosceles(12, 4, HEX), note="apex of 1/3: between two Hexstar tips")
entry(340, "Drop ¹⁄₆", half(12, [(0, 1.0), (60, 1.0), (90, 1.0), (120, X)]), note="a drop of a 1/6 tip")
entry(341, "Small House ¹⁄₃", half(12, [(0, R3), (90, 1.0), (150, X)]), note="a roof of 1/3 over a low wall")
entry(342, "Cairo", sym(12, [TT12, 4, A, 3, X, 4]), note="the pentagon of the Cairo tiling")
entry(358, "Petal 12 C", half(24, [(45, S12), (75, 2 * S12), (150, X)], bottom="corner", top="corner"),
      note="sits in a Sun 12 notch, blunt tip of 1/3")
entry(361, "Triangle ¹⁄₁₂", isosceles(24, 2, 1.0), note="apex of 1/12, legs 1")
entry(376, "Roof ⁵⁄₁₂", trapezoid(12, 1, B, 2 / R3), note="a flat roof of 1/12 slopes")
entry(377, "Trifolium ⁵⁄₁₂", poly(12, [3, 5, 3, 9] * 3, [1.0, S12, S12, 1.0] * 3), note="three rounded lobes")
entry(381, "Y ¹⁄₆", half(12, [(180, 1.0), (120, 1.0), (180, 1.0), (300, 2.0), (270, A), (0, X)], bottom="side",
                          top="side", from_top=True),
      note="arms 1/6 apart")
entry(384, "House ¹⁄₃", half(12, [(0, B), (90, A), (150, X)]), note="a Hexagon's roof of 1/3 on walls of 1 + √2")
entry(385, "Petal 12 B", half(24, [(45, S12), (90, A), (105, X)], bottom="corner", top="corner"),
      note="sits in a Sun 12 notch, a long tip of 1/12")
entry(394, "Narrow House ¹⁄₃", half(12, [(0, 2.0), (90, B), (150, X)]), note="a tall house of a 1/3 roof")
entry(395, "Twins ¹⁄₃", twins(24, 3, 4, 1.0, S12), note="two lobes with tips of 1/3, fused at a deep waist")
entry(399, "Twins ⁵⁄₁₂", twins(24, 2, 5, HEX, S12), note="two blunt lobes with tips of 5/12, fused at a notched waist")
entry(402, "Short Twins ¹⁄₃", half(12, [(30, HEX), (90, 1.0), (210, X)], bottom="corner", top="corner"),
      note="Twins 1/3 with short sides")
entry(404, "Trapezoid 1 2 3", trapezoid(12, 2, THREE, 2.0), note="sides 1, 2, 2 and 3")
entry(405, "Left Trapezoid ¹⁄₆", poly(12, [3, 2, 4, 3], [R3, 2.0, 2.0, 1.0]), note="a right trapezoid with a 1/6 corner")
entry(360, "Tent 12 C", half(24, [(0, 1.0), (270, 0.25), (0, 1.0), (120, X)]),
      note="a tent of 1/6 with a low door, low enough that the door's top stays clear of the centre")
entry(389, "Crest 12 4", half(24, [(45, S12), (90, 1.0), (240, S12), (90, 1.0), (240, X)], bottom="corner",
                                  top="corner"),
      note="four horns of 1/12 over a foot that fits a Sun 12 notch")
entry(392, "Trifolium ¹⁄₄ a", poly(12, [3, 3, 8] * 3, [1.0, R3, 1.0] * 3), note="three square-ended arms")

# ---------------------------------------------------------------- more octagonal

# vertex 4 is the foot of the stem, the icon's axis; a leaf leaves the stem on
# the left.
entry(283, "Left Bud", loop(8, [(270, h), (135, A), (270, h), (315, X), (270, Y), (0, 1.0), (90, A), (45, h), (90, 1.0),
                                (135, S2), (225, S2), (270, 1.0), (315, h)]),
      note="a bud on a stem with one leaf")
entry(285, "Double Star B", poly(16, [2, 13, 2, 11] * 4, [2.0, A, A, 2.0] * 4),
      note="two Compass stars, one turned by 1/16: four pairs of tips")
entry(297, "Left Arrowhead", poly(16, [3, 10, 1, 2], [2.0, X, Y, B]), note="an arrowhead with one long sharp barb")
entry(311, "Square Compass a", poly(16, [5, 5, 10] * 4, [S2, 0.7653668647301796, S2] * 4),
      note="the Compass with its tips squared off")
entry(312, "Triple", half(8, [(45, 1.0), (315, 1.0), (45, S2), (135, S2), (225, 1.0), (135, X)], bottom="corner",
                          top="corner"),
      note="three Squares on their corners, fused")
# A block whose top is flat over one half and slopes down by 1/16 over the
# other: with the bend over the middle of the foot, the corners' mean stands
# straight above it, and the icon, turned by the foot (side 1), keeps the
# block upright.
entry(355, "Left Podium", loop(16, [(270, X), (0, 2 * S2), (90, B), (180, S2), (202.5, 1.530733729460359)]),
      note="a lectern: half its top a flat shelf, the other half a desk sloping down to one side")
entry(364, "Y", half(16, [(180, 1.0), (112.5, N8), (202.5, 1.0), (292.5, A), (270, A), (0, X)], bottom="side", top="side",
                     from_top=True),
      note="arms 1/8 apart on a stem")
entry(373, "Onion", half(8, [(0, 1.0), (90, h), (45, 1.0), (90, 1.0), (135, X)]), note="an onion dome")
entry(388, "Shield B", sym(8, [2, X, 3, A, 1, S2, 6], first="corner"), note="a quarter-turn foot, horned top")
entry(397, "Right Y", half(8, [(0, X), (90, A), (45, S2), (135, 1.0), (225, S2), (180, 1.0)], top="side"),
      note="arms a quarter turn apart")
entry(400, "Navette Star", poly(16, [2, 9, 4, 9] * 2, [A, A, 1.0, 1.0] * 2).start(1), note="a star of two long sharp tips and two short square ones")

# ---------------------------------------------------------------- the leaf and the ginkgo, one-handed

# The right half of the Ginkgo's fan: its axis is side 0, the notch vertex 0.
entry(362, "Left Half Ginkgo", poly(8, [1, 3, 3, 3, 3, 3], [Y, 2 * S2, S2, h, 1.0, X]),
      note="the Ginkgo cut along its axis")
entry(365, "Left Ginkgo Edge", loop(8, [(45, 2 * S2), (90, S2), (135, h), (225, h), (135, h), (225, X), (270, Y)]),
      note="a ginkgo fan whose left side runs straight along an edge")
entry(367, "Left Half Leaf", poly(16, [2, 7, 6, 7, 2], [Y, 2.0, 0.7653668647301796, N8, X]),
      note="a leaf cut along its midrib, the tip to the right")
entry(369, "Left Leaf Edge", loop(8, [(45, A), (180, B), (270, 1.0), (315, X), (0, Y)]),
      note="a leaf hanging from a straight edge")

# ---------------------------------------------------------------- more tens

entry(326, "Left Half Pentagon", poly(20, [6, 3, 5, 6], [2.0, 2.0, X, Y]), note="a Pentagon of side 2 cut along its axis")

# ---------------------------------------------------------------- more twelves

# side 3 is the axis of the spark; a sharp tip each way.
entry(308, "Left Spark 12 a", loop(12, [(0, S12), (150, S12), (90, B), (240, X), (300, Y)]),
      note="a flame of two tips of 1/12 leaning one way")
entry(390, "Pentastar ¹⁄₁₂ ¹⁄₄", half(24, [(315, 1.0), (105, S12), (30, A), (180, S12), (135, X)], bottom="corner",
                                         top="corner"),
      note="five tips: a quarter turn at the top, four of 1/12")
entry(292, "Hexstar Edge", sym(12, [2 * B, 1, HEX, 8, HEX, 2, HEX, 8]), note="the Hexstar cut through two opposite tips")
entry(310, "Twins 12 a", loop(12, [(330, HEX), (30, S12), (330, S12), (30, HEX), (90, HEX), (150, HEX), (210, S12),
                                   (150, S12), (210, HEX), (270, X)]),
      note="two Hexagons fused")
entry(315, "Hexagon Wedge", half(12, [(0, B), (60, 1.0), (120, A), (180, X)], top="side"),
      note="an equiangular hexagon narrowing upwards")
entry(357, "Acorn 12 C", acorn(24, 45, h, 75, A, 120, S12), note="a nut of a quarter-turn point, widest under its cap")
entry(359, "Roof 12 C", half(12, [(0, 2.0), (90, 1.0), (0, 0.5), (150, X)]),
      note="a roof of 1/3 overhanging a house's walls a little, not a post")
entry(383, "Shield ¹⁄₁₂ ¹⁄₆", half(24, [(75, R3), (90, 1.0), (210, X)], bottom="corner", top="corner"),
      note="a 1/12 foot, top corners of 1/6")
entry(386, "Trinotch", poly(12, [4, 10, 4, 2] * 3, [2.0, 1.0, 1.0, 2.0] * 3), note="a Triangle notched by 1/6 in every side")
entry(379, "Leaf ¹⁄₄", half(24, [(45, 1.0), (75, A), (105, A), (135, X)], bottom="corner", top="corner"),
      note="a long leaf, pointed by a quarter turn at both ends")
entry(391, "Hat 12", half(24, [(0, A), (90, Q12), (165, Q12), (90, 1.0), (180, X)], top="side"),
      note="a crown over a brim that slopes by 1/24")
entry(407, "Left Wedge ¹⁄₁₂", poly(12, [2, 1, 5, 4], [S12, B, X, Y]), note="a wedge of 1/12 with a raked back")
entry(411, "Heptagon ¹⁄₃", half(12, [(0, R3), (30, 1.0), (90, 2.0), (150, X)]), note="a Hexagon with one corner cut off")

# ---------------------------------------------------------------- thirty-seconds

entry(343, "Orchid 32", half(32, [(247.5, X), (180, S2), (337.5, 1.0), (292.5, 1.0), (45, 1.0)], bottom="corner",
                              top="corner", from_top=True),
      note="five petals, the lip below")
entry(344, "Swallow 32", half(32, [(303.75, 1.8477590650225735), (90, 2.0), (348.75, S16), (146.25, A), (123.75, X)],
                              bottom="corner", top="corner"),
      note="a swallow from above as Swallow 1/3 draws it: forked tail, wings swept back to tips of 1/16, a pointed head")
entry(345, "Left Bird 32", poly(32, [2, 24, 14, 8, 12, 8, 12], [B, A, 1.0, 1.0, A, X, Y]),
      note="Left Bird with a tail of 1/16")
entry(347, "Left V 32", poly(32, [8, 28, 8, 8, 4, 8], [1.0, X, Y, 1.0, B, C]), note="a V of 1/8 whose right arm is longer")
entry(351, "Kite 32", kite(32, 10, 14, N8, X), note="corners of 5/16 and 7/16, sides of the Sun's notch radius and Star 16")
entry(419, "Triangle ¹⁄₁₆", isosceles(32, 2, S32), note="a Sun 32 tip")
