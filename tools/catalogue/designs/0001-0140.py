# Figures of raw values 1 to 140.
#
# Lengths by family:
#   octagonal (unit 8, 16 where a half corner is needed): 1, √2, 1 + √2 (the
#   Square's side and the Sun's centre-to-tip), 2 + √2, 2 + 2√2, 1 + 1/√2,
#   1/√2, and √(2 + √2) (the Sun's centre-to-notch).
#   The Sun has tips of 1/4 turn, notches of 5/8 and sides 1; the star-and-
#   cross pattern puts four Suns tip to tip around a Cross of the same sides.

S2 = SQRT2
A = 1 + S2            # 2.414, the Square's side
B = 2 + S2            # 3.414
C = 2 + 2 * S2        # 4.828
H = 1 + S2 / 2        # 1.707
h = S2 / 2            # 0.707
R16 = math.sqrt(2 + S2)  # 1.848, the Sun's centre-to-notch

# Octagonal family.
entry(2, "Right Hexagon", sym(8, [A, 2, H, 3, 1, 3, 1]),
      note="a Square with two corners cut off by Octagon sides")
entry(6, "House", sym(8, [A, 2, A, 3, X, 2]), note="a Square under a roof of 1/4 turn")
entry(8, "Skirt", sym(16, [B, 3, R16, 5, X]), note="flaring trapezoid")
entry(11, "Arrowhead", dart(8, 1, 5, A), note="tip and barbs of 1/8, a Sun notch inside")
entry(12, "V", sym(8, [6, X, 2, S2, 2, A, 2], first="corner"), note="two bars at a quarter turn, ends square")
entry(13, "Cross", poly(8, [3, 2, 3, 6] * 4, [1] * 16), note="the cross between four Suns")
entry(14, "Sunrise", poly(16, [5, 4, 10, 4, 10, 4, 10, 4, 5], [2 * R16] + [1] * 8),
      note="the Sun above a line through two opposite notches")
entry(18, "Notch", sym(8, [C, 2, S2, 2, S2, 3, S2, 6]), note="a bar with a quarter-turn notch")
entry(19, "Sailboat", sym(8, [A, 3, S2, 1, 1, 5, X, 2]), note="hull and a quarter-turn sail")
entry(20, "Triplet", sym(8, [C, 2, 1, 3, 1, 2, 1, 6, S2, 2]), note="three tips, the middle one taller")
entry(23, "Bag", sym(8, [A, 1, h, 6, S2, 3, H, 2, B]), note="a sack tied at the neck")
entry(15, "Petal C", sym(16, [4, X, 7, R16, 7, R16 - 1, 6, 2, 4], first="corner"), note="quarter-turn tips, round below")
entry(25, "Shield A", sym(16, [4, X, 6, H, 3, S2, 10], first="corner"), note="pointed foot, dipped top")
entry(27, "Petal A", sym(16, [2, X, 7, 1, 6, 1, 4], first="corner"), note="tips of 1/8 and 1/4")
entry(29, "Long V", sym(16, [14, X, 4, H, 4, C, 2], first="corner"), note="a narrow V of 1/8")
entry(31, "Petal B", sym(16, [2, X, 7, 1, 7, R16, 7, 1, 4], first="corner"), note="a rounder petal")
entry(32, "Wings A", sym(16, [6, X, 2, 1, 6, S2, 10], first="corner"), note="swept wings")
entry(33, "Cross Boat A", sym(8, [B, 3, 1, 1, C]), note="the lower half of the Cross's bar")
entry(34, "Kink √2", sym(8, [3, 2 * S2, 2, 1, 2, X, 5], first="corner"), note="a bar of width 1 bent by 1/8")
entry(35, "Venus", sym(8, [1, 2, 1, 6, 1, 2, 1, 2, 1, 6, h, 5, 1, 3, 1, 3, 1, 3, 1]),
      note="an Octagon of side 1 over a cross")
entry(36, "Column", sym(8, [B, 2, 1, 3, S2, 5, A, 5, S2, 3, 1, 2, B]), note="plinth, shaft and capital")
entry(37, "Ship", sym(8, [A, 3, S2, 1, 1, 6, 1, 2, X]), note="hull and cabin")
entry(38, "Mushroom", sym(8, [1, 3, S2, 3, 1, 2, 1, 6, A, 2, X]), note="cap and stem, cap on top")
entry(39, "Tent", sym(16, [12, 1, 6, h, 3, X, 2], first="corner"), note="a tent of 1/8 with a low door")
entry(40, "v 2", sym(8, [2, X, 1, 1, 3, 2, 6], first="corner"), note="a small v, inner arms 2")
# The rooster faces its beak, the axis corner, to its heading.
entry(42, "Left Rooster", poly(8, [1, 5, 5, 3, 3, 1, 7, 2, 3, 3, 3], [2, S2, 2, S2, 1, S2, 1, S2, 2 * S2, 2, 2 * S2]),
      note="tail, back, head and beak")
entry(49, "Lid", sym(8, [B, 2, h, 3, S2, 5, h, 2, X]), note="a lid with a knob")
entry(50, "T", sym(8, [B, 2, 1, 2, 1, 6, A, 2, X]), note="bar of 2 + √2, stem of √2")
entry(51, "Tack ³⁄₈", sym(16, [2, X, 11, 1, 4, 1, 5, R16, 6], first="corner"), note="pin, head and a 3/8 dome")
entry(52, "Bow", sym(8, [1, 5, S2, 1, B, 1, S2, 5, 1]), note="a ribbon bow")
entry(53, "Kite ¹⁄₈", kite(16, 2, 4, X, 1), note="tip of 1/8, opposite corner a quarter turn")
entry(54, "Bouquet", sym(16, [4, X, 10, h, 4, 1, 7, 2 * R16, 2], first="corner"), note="three blooms in a cone")
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
entry(72, "Fork", sym(8, [h, 2, A, 5, A, 3, 1, 2, X, 2, 1, 6, 1, 6, 1, 2, h]),
      note="handle and three tines")
entry(73, "Wide Kink", sym(8, [3, B, 2, A, 2, X, 5], first="corner"), note="a bar of width 1 + √2 bent by 1/8")
entry(79, "Leaf", sym(8, [1, 2, 1, 5, X, 2, A, 2]), note="a leaf on a stem")
entry(80, "Swallow A", sym(8, [6, X, 1, h, 5, 1, 1, S2, 5, 1, 2], first="corner"), note="forked tail, wings, head")
entry(81, "Hand", sym(8, [X, 2, A, 3, h, 2, 1, 6, h, 2, 1, 6]), note="palm and four fingers")
entry(82, "Fin A", sym(8, [5, X, 2, 1, 3, B, 1], first="corner"), note="an arrow's fin")
entry(83, "Rosebud", sym(8, [1, 2, A, 5, H, 1, 1, 6, 1, 3, X, 2]), note="bud, sepals and stem")
entry(84, "Shield C", sym(16, [4, X, 6, R16 - 1, 5, R16, 6], first="corner"), note="pointed foot, gabled top")
entry(86, "Crest", sym(8, [2, X, 3, 1, 1, S2, 6], first="corner"), note="two horns over a pointed foot")
entry(88, "Knob", sym(8, [A, 2, h, 2, X, 6, 1, 5, 1, 3, 1, 3, 1, 3, 1]), note="an Octagon on a neck and plate")
entry(97, "Petal E", sym(16, [2, X, 6, R16, 7, 1, 4], first="corner"), note="tips of 1/8 and 1/4, full below")
mirror(100, "Backslash", of=99)
entry(101, "Sailboat 2", sym(8, [A, 3, S2, 1, 1, 5, X, 2, 1, 6]), note="hull and two sails")
# The keel is side 2, the axis of both boats.
entry(107, "Left Boat", poly(8, [1, 3, 2, 2, 6, 2, 3, 5], [1, S2, B, 1, 1, 1, S2, S2]), note="bow, cabin aft")
entry(108, "Dragonfly", sym(16, [1, 4, A, 12, B, 1, X, 11, 1, 12, B, 1, 2 * R16, 11, h, 4, 1]),
      note="tail, two pairs of wings, head")
entry(110, "Seven Sun", poly(8, [2, 5] * 6 + [2], [B] + [1] * 12), note="the Sun with one tip taken away")
entry(111, "Left Spark", poly(8, [1, 3, 6] * 4, [A, S2, S2] * 4), note="four tips turning one way")
entry(124, "Kite ¹⁄₄", kite(16, 4, 6, X, S2), note="a Sun tip over a Sunray notch")
entry(128, "Bracket", sym(8, [C, 3, A, 1, 1, 3, X, 5, B]), note="a bar bent down at both ends")
entry(131, "Orchid", sym(8, [1, X, 5, S2, 1, 2, 5, 1, 1, 1, 7], first="corner"), note="five petals, the lip below")
entry(132, "Houses Edge", sym(8, [C, 2, 1, 3, H, 2, H, 6]), note="two Houses side by side")
entry(134, "Trisosceles ¹⁄₈", isosceles(16, 2, R16), note="apex of 1/8")
entry(137, "Cross Corner", sym(8, [2, A, 3, 1, 2, 1, 3, 1, 6], first="corner"),
      note="two arms of the Cross and its centre")
