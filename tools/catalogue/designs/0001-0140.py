# Figures of raw values 1 to 140.
#
# Lengths by family:
#   octagonal (unit 8, 16 where a half corner is needed): 1, √2, 1 + √2 (the
#   Square's side and the Sun's centre-to-tip), 2 + √2, 2 + 2√2, 1 + 1/√2,
#   1/√2, and √(2 + √2) (the Sun's centre-to-notch).
#   The Sun has tips of 1/4 turn, notches of 5/8 and sides 1; the star-and-
#   cross pattern puts four Suns tip to tip around a Cross of the same sides.
# The lengths' names, shared by all the design files, are palette.py's.

from palette import S2, h, H, A, B, C, N8, S16, S12, S24, P, S20, R3
from headings import half, loop

# Octagonal family.
entry(2, "Right Hexagon", sym(8, [A, 2, H, 3, 1, 3, 1]),
      note="a Square with two corners cut off by Octagon sides")
entry(6, "House", sym(8, [A, 2, A, 3, X, 2]), note="a Square under a roof of 1/4 turn")
entry(8, "Skirt", sym(16, [B, 3, N8, 5, X]), note="flaring trapezoid")
entry(11, "Arrowhead", dart(8, 1, 5, A), note="tip and barbs of 1/8, a Sun notch inside")
entry(12, "V", sym(8, [6, X, 2, S2, 2, A, 2], first="corner"), note="two bars at a quarter turn, ends square")
entry(13, "Cross", poly(8, [3, 2, 3, 6] * 4, [1] * 16), note="the cross between four Suns")
entry(14, "Sunrise", half(16, [(0, X), (112.5, 1.0), (67.5, 1.0), (157.5, 1.0), (112.5, 1.0), (202.5, 1.0)]),
      note="the Sun rising: a horizon just below its centre cuts the tips beside it, four whole tips up")
entry(18, "Notch", sym(8, [C, 2, S2, 2, S2, 3, S2, 6]), note="a bar with a quarter-turn notch")
entry(19, "Sailboat", sym(8, [A, 3, S2, 1, 1, 5, X, 2]), note="hull and a quarter-turn sail")
entry(20, "Triplet", sym(8, [C, 2, 1, 3, 1, 2, 1, 6, S2, 2]), note="three tips, the middle one taller")
entry(23, "Bag", sym(8, [S2, 1, h, 6, A, 3, A, 2, X]), note="a sack narrowing to a tied neck, its tuft smaller than the sack")
entry(15, "Petal C", sym(16, [4, X, 7, N8, 7, N8 - 1, 6, 2, 4], first="corner"), note="quarter-turn tips, round below")
entry(25, "Shield A", sym(16, [4, X, 6, H, 3, S2, 10], first="corner"), note="pointed foot, dipped top")
entry(27, "Petal A", sym(16, [2, X, 7, 1, 6, 1, 4], first="corner"), note="tips of 1/8 and 1/4")
entry(29, "Long V", sym(16, [14, X, 4, H, 4, C, 2], first="corner"), note="a narrow V of 1/8")
entry(31, "Petal B", sym(16, [2, X, 7, 1, 7, N8, 7, 1, 4], first="corner"), note="a rounder petal")
entry(32, "Wings A", sym(16, [6, X, 2, 1, 6, S2, 10], first="corner"), note="swept wings")
entry(33, "Cross Boat A", sym(8, [B, 3, 1, 1, C]), note="the lower half of the Cross's bar")
entry(34, "Kink √2", sym(8, [3, 2 * S2, 2, 1, 2, X, 5], first="corner"), note="a bar of width 1 bent by 1/8")
entry(35, "Venus", sym(8, [1, 2, 1, 6, 1, 2, 1, 2, 1, 6, h, 5, 1, 3, 1, 3, 1, 3, 1]),
      note="an Octagon of side 1 over a cross")
entry(36, "Column", sym(8, [B, 2, 1, 3, S2, 5, A, 5, S2, 3, 1, 2, B]), note="plinth, shaft and capital")
entry(37, "Ship", sym(8, [A, 3, S2, 1, 1, 6, 1, 2, X]), note="hull and cabin")
entry(38, "Mushroom", sym(8, [2.0, 3, 2 * S2, 3, 0.5, 2, 2.0, 6, A, 2, X]), note="a broad domed cap on a short stem")
# The icon stands a figure by its axis point against the mean of its corners,
# so the door must lie below that mean: a base of 1 beside it keeps the
# door's three corners from outweighing the apex.
entry(39, "Tent", sym(16, [12, 0.7653668647301796, 6, 1.3065629648763766, 3, X, 2], first="corner"),
      note="a tent of 1/8 with a low door; a wide hem keeps the corners' mean clear above the door")
entry(40, "v 2", sym(8, [2, X, 1, 1, 3, 2, 6], first="corner"), note="a small v, inner arms 2")
# The rooster faces its beak, the axis corner, to its heading.
entry(42, "Left Rooster", poly(8, [1, 5, 5, 3, 3, 1, 7, 2, 3, 3, 3], [2, S2, 2, S2, 1, S2, 1, S2, 2 * S2, 2, 2 * S2]),
      note="tail, back, head and beak")
entry(49, "Lid", sym(8, [B, 2, h, 3, S2, 5, h, 2, X]), note="a lid with a knob")
entry(50, "T", sym(8, [B, 2, 1, 2, 1, 6, A, 2, X]), note="bar of 2 + √2, stem of √2")
entry(51, "Tack ³⁄₈", sym(16, [2, X, 11, 1, 4, 1, 5, N8, 6], first="corner"), note="pin, head and a 3/8 dome")
entry(52, "Bow", sym(8, [1, 5, S2, 1, B, 1, S2, 5, 1]), note="a ribbon bow")
entry(53, "Kite ¹⁄₈", kite(16, 2, 4, X, 1), note="tip of 1/8, opposite corner a quarter turn")
entry(54, "Bouquet", sym(16, [4, 1.3065629648763766, 11, 1, 3, 1, 7, X, 2], first="corner"), note="three blooms in a cone")
entry(55, "Mask", sym(8, [X, 3, S2, 2, S2, 2, 1, 6]), note="a domino mask")
entry(56, "Flat Ship", sym(8, [B, 3, h, 1, 1, 6, h, 2, X]), note="a low hull and cabin")
entry(57, "Sun Edge", sym(8, [B, 2, S2, 2, 1, 3, 1, 6]), note="between the Sun and the edge of its square")
entry(58, "Sun Corner", sym(8, [2, A, 1, 1, 3, 1, 6], first="corner"),
      note="between the Sun and the corner of its square: a quarter of the Cross")
entry(21, "Twins", sym(8, [2, S2, 2, 1, 6, 1, 2, S2, 2], first="corner"), note="two Squares on their corners, fused")
entry(45, "Twin Star B", sym(8, [7, 1, 1, S2, 5, S2, 1, S2, 5, S2, 1, 1, 7], first="corner"),
      note="two Compass stars fused where their tips cross")
entry(85, "Twin Star A", sym(8, [7, h, 1, S2, 5, S2, 1, S2, 5, S2, 1, h, 7], first="corner"),
      note="two Compass stars fused, closer than B")
entry(59, "Cross Boat D", sym(8, [S2, 2, 1, 6, 1, 3, 1, 1, X]), note="Cross Boat A on a keel")
entry(60, "Petal D", sym(8, [1, X, 3, 1, 3, 1, 3], first="corner"), note="tips of 1/8 and 3/8")
entry(71, "Helmet", sym(8, [X, 1, 1, 5, 1, 3, S2, 3, S2]), note="dome over a flared brim")
entry(72, "Fork", sym(8, [h, 2, B, 5, 3.0, 3, A, 2, X, 2, A, 6, S2, 6, A, 2, h]),
      note="a long handle and three long tines, the gaps between them wider than an icon's outline")
entry(73, "Wide Kink", sym(8, [3, B, 2, A, 2, X, 5], first="corner"), note="a bar of width 1 + √2 bent by 1/8")
entry(79, "Leaf", sym(8, [1, 2, 1, 5, X, 2, A, 2]), note="a leaf on a stem")
entry(80, "Swallow A", sym(8, [6, X, 1, h, 5, 2, 1, S2, 5, 1, 2], first="corner"),
      note="forked tail, wings, head; wings long and tail short enough that the bird's weight sits above the fork")
# A raised hand, as the Hands of the twelves and tens stand: a square palm,
# two long middle fingers and two shorter ones spread aside by 1/16.
entry(81, "Hand", half(16, [(0, B), (90, 2.0), (67.5, X), (225, A), (90, B), (247.5, A)], bottom="side", top="corner"),
      note="a raised hand: a square palm, two long middle fingers, two shorter ones spread aside")
entry(82, "Fin A", sym(8, [5, X, 2, 1, 3, B, 1], first="corner"), note="an arrow's fin")
entry(83, "Rosebud", half(16, [(0, 1.0), (90, 2.0), (45, S2), (180, 1.0), (67.5, 1.8477590650225735), (135, X)], bottom="side",
                            top="corner"),
      note="a pointed bud held by two sepals on a stem")
entry(84, "Shield C", sym(16, [4, X, 6, N8 - 1, 5, N8, 6], first="corner"), note="pointed foot, gabled top")
entry(86, "Crest", sym(8, [2, X, 3, 1, 1, S2, 6], first="corner"), note="two horns over a pointed foot")
entry(88, "Knob", sym(8, [A, 2, h, 2, X, 6, 1, 5, 1, 3, 1, 3, 1, 3, 1]), note="an Octagon on a neck and plate")
entry(97, "Petal E", sym(16, [2, X, 6, N8, 7, 1, 4], first="corner"), note="tips of 1/8 and 1/4, full below")
mirror(100, "Backslash", of=99)
entry(101, "Sailboat 2", sym(8, [X, 3, S2, 1, h, 5, 2 * S2, 2, 1.0, 6]),
      note="hull and two sails, each as tall as the Sailboat's, a deep notch between them")
# A hull with a raked bow and an upright stern, a low cabin aft: the keel,
# the axis side, lies under the middle of the corners, so the boat floats level.
entry(107, "Left Boat", loop(8, [(0, 2 * S2), (45, S2), (180, 2.0), (90, h), (180, S2), (270, h), (180, Y), (270, X)]).start(6),
      note="a hull with a raked bow, a cabin aft")
mirror(106, "Right Boat", of=107, start=5)
entry(108, "Dragonfly", sym(16, [h, 4, B, 13, A, 1, 2.613125929752753, 10, 1, 11, A, 1, 2.613125929752753, 12, 1, 4, X]),
      note="a long tail, two pairs of wings swept apart, head")
# Taking a tip off the Sun leaves its two notches as straight corners and
# the tip's base of √2 between them, where the tip glues back.
entry(110, "Seven Sun", sym(8, [B / 3, 4, B / 3, 2, 1, 5, 1, 2, 1, 5, 1, 2, 1, 5, 1, 2]),
      note="the Sun with one tip taken away: the tips beside it run on into the straight foot, which is "
           "parted in thirds")
entry(111, "Left Spark", poly(8, [1, 3, 6] * 4, [A, S2, S2] * 4), note="four tips turning one way")
entry(124, "Kite ¹⁄₄", kite(16, 4, 6, X, S2), note="a Sun tip over a Sunray notch")
entry(128, "Bracket", sym(8, [C, 3, A, 1, 1, 3, X, 5, B]), note="a bar bent down at both ends")
entry(131, "Orchid", sym(8, [1, X, 5, S2, 1, 2, 5, 1, 1, 1, 7], first="corner"), note="five petals, the lip below")
entry(132, "Houses Edge", sym(8, [C, 2, 1, 3, H, 2, H, 6]), note="two Houses side by side")
entry(134, "Trisosceles ¹⁄₈", sym(16, [1.0, 4, 1.0, 7, X, 2]), note="an isosceles triangle of apex 1/8 on a square")
entry(137, "Cross Corner", sym(8, [2, A, 3, 1, 2, 1, 3, 1, 6], first="corner"),
      note="two arms of the Cross and its centre")

# Fives, tens and twenties (unit 20): Sun 10 has tips of 1/5, notches of
# 7/10 and sides 1, its centre-to-tip is φ², to-notch 2 sin 72°; the Star has
# tips of 1/10 and sides φ; the Pentagon sides φ; Penrose's rhombi, kite and
# dart have sides 1 and φ.
entry(24, "Pentastar C", sym(20, [12, 1, 4, P, 13, 2 * math.sin(math.pi / 5), 3, P, 13, X, 2], first="corner"),
      note="five tips of 1/10, 3/20 and 1/5")
entry(28, "Pentastar A", sym(20, [15, P - 1, 2, 1, 14, P, 2, 1, 13, X, 3], first="corner"), note="tips of 1/10 and a 3/20 top")
entry(48, "Pentastar B", sym(20, [11, P - 1, 4, 1, 12, 2 * math.sin(2 * math.pi / 5), 4, P - 1, 12, X, 5], first="corner"), note="tips of 1/5 and a 1/4 top")
entry(98, "Pentastar E", sym(20, [14, P - 1, 3, 1, 13, P, 2, 1, 13, X, 4], first="corner"),
      note="tips of 1/5, 1/10 and 3/20")
entry(62, "Sunray ¹⁄₁₀", kite(20, 2, 6, X, 1), note="in the notch of Sun 10")
entry(63, "Petal ¹⁄₅", sym(20, [4, X, 7, 1, 8, 1, 6], first="corner"), note="tips of 1/5 and 3/10")
entry(66, "Shield ¹⁄₁₀", sym(20, [2, X, 8, 1, 4, 1, 14], first="corner"), note="a 1/10 foot, dipped top")
entry(67, "Acorn ¹⁄₅", sym(20, [4, X, 13, P - 1, 5, 1, 8, 2 * math.sin(2 * math.pi / 5), 9, P, 6], first="corner"),
      note="a nut of 1/5 under its cap and stalk")
entry(69, "Sunrise ²⁄₅", poly(20, [8] + [4, 14] * 5 + [4, 8], [P * P + 1] + [1] * 12),
      note="Sun 10 above a chord through notches four tips apart")
# Short leaves, so that the fork between them lies above the mean of the
# corners and the icon stands the sprout on its point.
entry(68, "Sprout", sym(16, [12, N8 - 1, 4, h, 4, h, 9, X, 2], first="corner"),
      note="two leaves on a stalk, their inner edges short enough to sink the notch between them clear above the centre")
entry(70, "Twins ¹⁄₅", sym(20, [4, P, 6, 1, 14, 1, 6, P, 4], first="corner"), note="two 1/5 rhombi fused")
entry(74, "Candle 20", sym(20, [2, P, 14, X, 5, P * P, 6, 2 * math.sin(math.pi / 5), 8], first="corner"), note="a Star tip for a flame")
entry(75, "Sunray ¹⁄₂₀", kite(40, 2, 8, X, S20), note="in the notch of Star 20")
entry(76, "Sunray ²⁄₂₀", kite(20, 2, 4, X, 1), note="a Sun 10 tip's width, its halves are the Sunray 2/20 Edges")
entry(87, "Twins 10", sym(20, [X, 6, P, 6, P, 6, P, 14]), note="two Pentagons fused")
# The sharp foot of the trunk is vertex 1, the axis.
entry(103, "Left Palm 20", poly(20, [4, 16, 5, 4, 14, 4, 14, 4, 5, 14, 6], [2 * math.sin(math.pi / 5), P * P, 1, 1, 1, 1, 1, 1, 1, X, P * P]),
      note="a trunk leaning under three Sun 10 tips")
entry(104, "Gem ³⁄₁₀", sym(20, [P - 1, 7, X, 7, P - 1, 6, P]), note="table, crown, girdle, pavilion")
entry(125, "Golden Triangle", isosceles(20, 2, P), note="apex of 1/10, legs φ, base 1")
entry(126, "Golden Gnomon", isosceles(20, 6, 1), note="apex of 3/10, legs 1, base φ")
entry(127, "Sun Edge 10", sym(20, [X, 5, 1, 6, 1, 6, 1, 16]), note="between Sun 10 and a straight edge")
entry(129, "Kite ¹⁄₅", kite(20, 4, 8, P, X), note="Penrose's kite")
entry(130, "Dart ¹⁄₁₀", dart(20, 4, 12, P, X), note="Penrose's dart")

# Sixteen and thirty-two (unit 32): Star 16 has tips of 1/8, notches of
# 13/16 and sides 1.566; its notches lie 3.073 from the centre, so a chord
# between notches three tips apart is 2 + √2.
entry(44, "Sunray ¹⁄₁₆", kite(32, 2, 6, X, S16), note="in the notch of Star 16")
entry(92, "Palm 16", half(32, [(0, 0.7653668647301796), (90, C), (-22.5, A), (112.5, S2), (67.5, S2), (202.5, X)],
                           bottom="side", top="corner"),
      note="a tall trunk under fronds of Star 16 tips, the lower pair drooping, a notch between the upper pair")
entry(46, "Palm 16 B", half(32, [(0, S2), (90, C), (-45, S16), (90, 1.0), (67.5, S16), (202.5, X)], bottom="side",
                             top="corner"),
      note="Palm 16 on a stouter trunk, its lower fronds hanging lower")
entry(91, "Candle 16", sym(32, [4, S16, 22, X, 8, A, 12, N8, 8], first="corner"), note="a Star 16 tip for a flame")
entry(47, "Candle 16 B", sym(32, [4, N8, 22, X, 8, B, 12, 2, 8], first="corner"), note="a taller flame and body")
entry(89, "Swallow 16", sym(32, [24, X, 2, S16, 22, N8, 4, 1, 20, 1, 8], first="corner"),
      note="a swallow of 1/16 tips, its wings wide enough to carry the weight above the fork")
entry(90, "Petal 16", sym(16, [3, X, 6, A, 7, 1, 3], first="corner"), note="tips of 3/16, widest above the middle")
entry(93, "Petal Left 16", poly(16, [2, 6, 7, 3, 7, 7], [X, Y, 2 * math.sin(math.pi / 8), 2 * math.sin(math.pi / 8), 1, N8]), note="a petal leaning one way")
entry(95, "Hexagon 16", sym(32, [X, 10, S2, 12, S2, 10, 1]), note="corners of 5/16 and 3/8")
entry(96, "U 16 A", sym(32, [A, 20, h, 20, 1, 8, X, 8, B, 12, A, 12, B]),
      note="a shallow cup on a thick foot, so that its inner floor stands clear above the centre")
entry(109, "Tooth ³⁄₁₆", sym(32, [20, 1, 6, S2, 18, 1, 12, X, 8, 1, 20], first="corner"), note="two roots of 3/16, two cusps")
entry(123, "Book 16", sym(32, [20, X, 6, S2, 10, H, 12], first="corner"),
      note="an open book, its pages thick enough to hold the centre clear below the spine")

# Twelve and twenty-four (unit 24): Star 24 has tips of 1/8, notches of 5/6,
# sides 1.165, notches 2 + √2 from the centre; Sun 12 has tips of 1/6 and
# sides 1.250.
entry(114, "Sunray ²⁄₂₄", kite(24, 2, 4, X, S24), note="in the notch of Star 24")
entry(115, "Sunray ³⁄₂₄", kite(48, 6, 8, X, S24), note="in the notch of Star 24, wider")
entry(116, "Candle 24", sym(24, [4, S2, 16, X, 6, A, 9, A, 6], first="corner"), note="a Sun 12 tip for a flame")
entry(117, "Palm 24", sym(24, [6, 1, 9, A, 18, X, 6, S24, 3, S24, 20, S24, 3, S24, 20], first="corner"),
      note="four Star 24 tips on a trunk pointed at its foot, as Palm 12 and Palm 32")
entry(118, "Petal Left 24", poly(24, [3, 10, 11, 4, 10, 10], [X, Y, 2 * math.sin(math.pi / 12), S12, S2, 1]), note="a petal leaning one way")
entry(120, "Gem 24", sym(24, [2, X, 9, 2 * math.sin(math.pi / 12), 8, S12], first="corner").start(4), note="a long pavilion under a flat table")
# Head, beak, belly, forked tail, back and a raised wing swept back; the
# belly is vertex 2, the axis.
entry(121, "Swallow Left 24", loop(24, [(210, X), (345, 2.0), (15, 2.0), (165, R3 - 1), (45, 1.0), (195, R3), (75, R3),
                                        (225, Y)]),
      note="a swallow in flight seen from the side, beak to the left, one wing raised")
entry(139, "Doll 24", sym(24, [X, 6, A, 9, 2, 15, 2 * math.sin(math.pi / 12), 16, 2 * math.sin(math.pi / 12), 8, S12, 8, 2 * math.sin(math.pi / 12), 10, 1]), note="body and head")
entry(140, "U 24", sym(24, [2, 14, 2 * math.sin(math.pi / 12), 14, 2 * math.sin(math.pi / 12), 14, 0.9148357668252574, 6, X, 6, B, 10, 0.9148357668252574, 10, 0.9148357668252574, 10, B]),
      note="a round shallow cup on a thick foot, so that its inner floor stands clear above the centre")
