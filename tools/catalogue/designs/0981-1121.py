# Figures of raw values 981 to 1121.
#
# The classic pieces first: kites, darts, arrowheads and triangles of the
# family each name shows, on sides its stars and rhombi also have.

from palette import S12, P2, HEPTA

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
