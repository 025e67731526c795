# Figures of raw values 701 to 840.
#
# The corner counts follow plan-0561-1121.py. Lengths come from palette.py.

from palette import HEPTA, HEX

HEPTASTAR_1_14 = 0.9293123963233717   # the side of Heptastar 1/14
HEPTAGON = 1.0                        # the Heptagon's side

# --- Triangles of the sevens: isosceles, so that each has its mirror axis.
entry(755, "Triangle 7", isosceles(14, 3, HEPTA), note="a Heptastar tip: apex 3/14, legs the Heptastar's side")
entry(809, "Triangle ¹⁄₇", isosceles(28, 4, HEPTAGON), note="apex 1/7, legs the Heptagon's side")
entry(831, "Triangle ¹⁄₁₄", isosceles(28, 2, HEPTASTAR_1_14), note="a Heptastar 1/14 tip")

# --- Sunrays in the notches of the Heptastars.
entry(746, "Sunray ¹⁄₇", sunray(14, 7, 2, HEPTA, 2), note="the kite in a notch of Heptastar 1/7, its tip 1/7")
entry(807, "Sunray ¹⁄₁₄", sunray(28, 7, 2, HEPTASTAR_1_14, 2), note="the kite in a notch of Heptastar 1/14, its tip 1/14")
