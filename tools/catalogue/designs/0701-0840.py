# Figures of raw values 701 to 840.
#
# The corner counts are the catalogue's (`author.py tally`). Lengths come from palette.py.

from palette import HEPTA, HEX
import families

HEPTASTAR_1_14 = 0.9293123963233717   # the side of Heptastar 1/14
HEPTAGON = 1.0                        # the Heptagon's side

# --- Triangles of the sevens: isosceles, so that each has its mirror axis.
entry(755, "Triangle 7", isosceles(14, 3, HEPTA), note="a Heptastar tip: apex 3/14, legs the Heptastar's side")
entry(809, "Triangle ¹⁄₇", isosceles(28, 4, HEPTAGON), note="apex 1/7, legs the Heptagon's side")
entry(831, "Triangle ¹⁄₁₄", isosceles(28, 2, HEPTASTAR_1_14), note="a Heptastar 1/14 tip")

# --- Sunrays in the notches of the Heptastars.
entry(746, "Sunray ¹⁄₇", sunray(14, 7, 2, HEPTA, 2), note="the kite in a notch of Heptastar 1/7, its tip 1/7")
entry(807, "Sunray ¹⁄₁₄", sunray(28, 7, 2, HEPTASTAR_1_14, 2), note="the kite in a notch of Heptastar 1/14, its tip 1/14")

# --- The sevens drawn as pictures. Sides are the Heptagon's own lengths (its
# side 1, its diagonals ρ and σ, the Heptastar's side ρ − 1), so that each
# figure glues to the Heptagon, the Heptastars and to its neighbours here.
from fractions import Fraction
from headings import half
from palette import RHO, SIGMA


def up7(steps, bottom="side", top="corner", from_top=False):
    """A figure of the sevens with a vertical mirror axis, from its right half
    walked upwards: each step is (direction in 1/14 turn, length), so 0 runs
    right, 7 runs left and 3.5 straight up."""
    return half(14, [(Fraction(360, 14) * Fraction(k), l) for k, l in steps], bottom=bottom, top=top,
                from_top=from_top)


# Polygons of the Heptagon's corners.
entry(751, "Octagon 7", poly(14, [5, 6, 5, 5] * 2, [1.0] * 8), note="equal sides, the Heptagon's corners and two of 3/7")
entry(754, "Hexagon 7", poly(14, [4, 5, 5] * 2, [1.0] * 6), note="equal sides, corners of 2/7 and the Heptagon's")
entry(812, "Big Hexagon 7", poly(14, [4, 5, 5] * 2, [RHO] * 6), note="Hexagon 7 at the Heptagon's short diagonal")
entry(765, "Long Hexagon 7", sym(14, [4, 1.0, 5, 2.0, 5, 1.0, 4], first="corner"), note="Hexagon 7 drawn out")
entry(829, "Hexagon ³⁄₇", poly(14, [6, 4, 4] * 2, [1.0] * 6), note="equal sides, two corners of 3/7")
entry(771, "Pentagon 7", up7([(0, X), (4, 1.0), (6, 1.0)]),
      note="the Heptagon cut along a long diagonal, standing on the cut")
entry(749, "Wide Pentagon 7", up7([(0, X), (3, HEPTA), (6, 1.445041867912629)]), note="Pentagon 7 with a wider roof")
entry(802, "Pentagon ³⁄₇", up7([(0, X), (3, RHO), (5, 1.0)]),
      note="a tall pentagon of the sevens: long walls leaning in under a point of 3/14")
entry(764, "Quadstar 7", poly(14, [2, 8, 2, 9] * 2, [1.0] * 8), note="four tips of 1/7, equal sides")
entry(763, "Drum 7", up7([(0, 2.0), (2, HEPTA), (5, HEPTA), (7, X)], top="side"), note="a drum: flat ends, bulging sides")

# Kites, darts and petals.
entry(750, "Arrowhead 7", dart(14, 2, 8, 1.0), note="a dart whose tip and barbs are all 1/7, as Arrowhead's are all 1/8")
entry(767, "Kite 7", kite(14, 3, 5, HEPTA), note="a Heptastar tip over a Heptagon corner")
entry(775, "Kite ¹⁄₇", kite(14, 2, 6, RHO), note="a 1/7 tip over a 3/7 corner")
entry(813, "Kite ²⁄₇", kite(14, 4, 6, 1.0), note="a 2/7 tip over a 3/7 corner")
entry(804, "Petal ⁵⁄₁₄", kite(14, 5, 1, 1 / RHO), note="a Heptagon corner over a long stem's point of 1/14")
entry(744, "Petal 7", up7([(2, 1.0), (3, HEPTA), (5, X)], bottom="corner"), note="a pointed lens of Heptastar tips")
entry(761, "Petal ³⁄₇", up7([(0.5, 1 / RHO), (2.5, 1.0), (4.5, X)], bottom="corner", from_top=True),
      note="a round petal of 3/7 at its foot, pointed above")
entry(777, "Petal ³⁄₁₄ ⁵⁄₁₄", up7([(2, 1.0), (4, 1 / RHO), (5, X)], bottom="corner"),
      note="a petal on a Heptastar tip, rounding to a Heptagon corner")
entry(811, "Petal 14", up7([(3, 2.6038754716096766), (4, 1.0), (5, X)], bottom="corner"), note="a long petal of 1/14 tips")
entry(757, "Drop 7", up7([(1, 1.0), (3, 1.0), (5, X)], bottom="corner"), note="the Heptagon drawn up to a point")
entry(759, "Leaf 7", up7([(3, 1.0), (2, 1.445041867912629), (5, X)], bottom="corner"), note="a leaf on a thin stem")
entry(790, "Flat Gem 7", up7([(0, 1.0), (1, 1.0), (5, 1.445041867912629), (7, X)], top="side"), note="a cut stone seen from the side")
entry(803, "Gem 7", up7([(0, 1.0), (2, 1.0), (4, 1.0), (7, X)], top="side"), note="a cut stone, its point down")

# Shields, fins, crests.
entry(745, "Shield ¹⁄₇", up7([(2.5, RHO), (3.5, 1.0), (7.5, X)], bottom="corner"),
      note="a shield of a 1/7 point, its top dipped")
entry(810, "Shield ¹⁄₁₄", up7([(3, SIGMA), (4, 1.0), (9, X)], bottom="corner"),
      note="Shield 1/7 drawn out to a point of 1/14")
entry(762, "Fin 7", up7([(-1, 1.0), (3, 1.0), (5, X)], bottom="corner"), note="a fin of 1/7 on a notched foot")
entry(781, "Crest 7", up7([(0, 2.0), (3, RHO), (9, X), (7, 1.0)], top="side"), note="a crest of two horns over a low dip")

# Skirts, peaks, letters.
entry(770, "Skirt 7", up7([(0, X), (4, 1.0), (5, 1.0), (7, 1 / RHO)], top="side"), note="an A-line skirt from a narrow waist")
entry(779, "Wide Skirt 7", up7([(0, X), (4, HEPTA), (5, 1.0), (7, 1.0)], top="side"), note="Skirt 7, shorter and wider")
entry(782, "Twin Peaks 7", up7([(0, X), (4, HEPTA), (8, HEPTA)]), note="two Heptastar tips side by side")
entry(814, "V 7", up7([(2, RHO), (5, HEPTA), (9, X)], bottom="corner"), note="a V of two arms cut square")

# Twins ⁵⁄₁₄: two lobes with the Heptagon's corner for a tip, fused at a
# notched waist as Twins ³⁄₈ draws them; Big Twins broader and lower, Small
# Twins smaller and shallower at the waist. Narrow Twins keeps the two
# parallelograms of a 1/7 tip leaning on each other.
entry(800, "Twins ⁵⁄₁₄", families.twins(28, 2, 5, 1.445041867912629, 1.0), note="two lobes with tips of 5/14, fused at a notched waist")
entry(824, "Small Twins ⁵⁄₁₄", families.twins(28, 1, 5, 1.1588336036970468, HEPTA),
      note="two small lobes with tips of 5/14, their waist notched less deeply")
entry(748, "Big Twins ⁵⁄₁₄", families.twins(28, 2, 5, SIGMA, 1.5), note="Twins 5/14 with broader, lower lobes")
entry(794, "Narrow Twins ⁵⁄₁₄", up7([(1.5, 1.0), (3.5, RHO), (8.5, X)], bottom="corner"),
      note="two parallelograms of a 1/7 tip, narrow and tall, leaning on each other")

# Candles, corks, bags: bodies standing on their foot.
entry(806, "Candle 7", up7([(1, 1.0), (3, RHO), (6, 1 / RHO), (5, X)], bottom="corner", from_top=True),
      note="a candle of a Heptastar flame on a blunt foot")
entry(832, "Candle ¹⁄₇", up7([(0.5, 1.0), (3.5, RHO), (6.5, 1 / RHO), (4.5, X)], bottom="corner"),
      note="a straight candle under a flame of 1/7")
entry(784, "Cork 7", up7([(0, 1.0), (3, 1.0), (1, HEPTA), (4, 2.0), (7, X)], top="side"), note="a stopper with a lip")
entry(778, "Long Cork 7", up7([(0, 1.0), (3, RHO), (1, HEPTA), (4, SIGMA), (7, X)], top="side"), note="Cork 7 with a longer body")
entry(817, "Fin Cork 7", up7([(2, 1.0), (4, 1.0), (1, HEPTA), (5, X)], bottom="corner"), note="a cork on a pointed fin")
entry(787, "Bag 7", up7([(0, 1.0), (1, 1.0), (4, RHO), (2, HEPTA), (7, X)], top="side").start(4),
      note="a sack tied at its neck, the flare above")
entry(821, "Bag ³⁄₁₄", up7([(0, 1.0), (2, 1.0), (5, 1.0), (3, 1.0), (7, X)], top="side"),
      note="a squat sack whose neck flares to tips of 3/14")
entry(825, "Acorn 7", up7([(2, HEPTA), (3, 1.0), (1, 1.0), (5, X)], bottom="corner"), note="a nut under a cap with a rim")
entry(823, "Sprout ³⁄₁₄", up7([(3, 1.0), (1, 1.0), (5, HEPTA), (8, X)], bottom="corner", from_top=True),
      note="a stem parting into two leaves of Heptastar tips")
entry(839, "Label 7", up7([(0, 1.0), (2, 1.0), (3, 1.0), (5, 1.0), (7, X)], top="side"), note="a tag with bevelled corners")
# Belts lie along their axis, pointed at both ends, and so stand wide.
entry(774, "Belt 7", sym(14, [3, RHO, 5, SIGMA, 6, X, 3], first="corner"), note="a long strip, its ends Heptastar tips")
entry(783, "Thin Belt 7", sym(14, [1, SIGMA, 6, 0.6920214716300959, 6, X, 3], first="corner"), note="Belt 7, thinner")

# Stars of tips of 1/6 (see 0561-0700.py for the rule).
def tips_on(base, sides):
    corners, lengths = [], []
    for corner, side in zip(base, sides):
        corners += [4, corner + 8]
        lengths += [side, side]
    return poly(24, corners, lengths, method="star of 1/6 tips")


entry(706, "Star ¹⁄₆ 10", tips_on([8, 10, 10, 10, 10] * 2, [2.0, 2.0, 1.0, 1.0, 1.0] * 2),
      note="ten tips round a dodecagon drawn out")
entry(726, "Star ¹⁄₆ 4 6", tips_on([9, 9, 9, 12, 9, 9, 9, 9, 9, 12], [1.0, 2.0, 2.0, 1.0, 1.0, 2.0, 2.0, 2.0, 2.0, 1.0]),
      note="tips round an Octagon, two sides halved: four and six")
entry(734, "Star ¹⁄₆ 5 5", poly(24, [4, 17, 4, 17, 4, 17, 4, 17, 4, 20] * 2, [HEX] * 20, method="star of 1/6 tips"),
      note="two fans of five tips, equal sides")
entry(738, "Star ¹⁄₆ 2 3 2", poly(24, sum(([4, r] for r in (12, 20, 12, 22, 14, 14, 22)), []), [HEX] * 14,
                                     method="star of 1/6 tips"), note="two, three and two tips, equal sides")
entry(735, "Star ¹⁄₆ 1 3 2", poly(24, sum(([4, r] for r in (11, 17, 17, 14, 14, 23)), []), [HEX] * 12,
                                     method="star of 1/6 tips"), note="one tip, three and two, equal sides")
mirror(736, "Star ¹⁄₆ 2 3 1", of=735, start=10)


def pentastar7(tips, notches, sides, north=False):
    """Five tips in the sevens: the top tip, the upper pair, the lower pair, and
    the notches between them from the top down; sides from the top tip down,
    the last solved. South-headed stars stand on their lower notch, north-headed
    ones are set up by their top tip."""
    (t0, t1, t2), (a, b, c), (l0, l1, l2, l3) = tips, notches, sides
    if north:
        return sym(14, [t0, l0, a, l1, t1, l2, b, l3, t2, X, c], first="corner", method="star")
    return sym(14, [c, X, t2, l3, b, l2, t1, l1, a, l0, t0], first="corner", method="star")


entry(752, "Pentastar 7 a", pentastar7((3, 3, 3), (8, 8, 9), (1.0, 1.0, 1.0, HEPTA)), note="five Heptastar tips")
entry(791, "Pentastar 7 b", pentastar7((2, 2, 2), (9, 9, 10), (1.0, 1.0, 1.0, 1.0)), note="five tips of 1/7")
entry(792, "Pentastar 7 c", pentastar7((2, 3, 3), (9, 8, 8), (1.0, 1.0, 1.0, HEPTA), north=True),
      note="a tip of 1/7 over four Heptastar tips")
entry(797, "Pentastar ³⁄₇", pentastar7((1, 3, 3), (9, 8, 9), (SIGMA, SIGMA, 1.445041867912629, 1.445041867912629), north=True),
      note="a long tip of 1/14 over four Heptastar tips")
entry(822, "Pentastar ¹⁄₁₄", pentastar7((1, 2, 2), (10, 9, 9), (1.0, 1.0, HEPTA, HEPTA)), note="a tip of 1/14 over four of 1/7")

# --- More pictures of the sevens.
entry(793, "Crown 7", up7([(0.5, RHO), (3.5, 1.0), (7.5, 1 / RHO), (4.5, 1 / RHO), (8.5, 1 / RHO), (5.5, X)], bottom="corner"),
      note="a band under five points of Heptastar tips, the middle one of 2/7")
# Candies lie along their axis: the wrapper's end is side 0, so that the icon
# turns it to the west and the sweet lies wide.
entry(840, "Candy ¹⁄₇", up7([(0, 2.0), (5, 1.0), (2, RHO), (4, 1.445041867912629), (5, 1.445041867912629), (2, 1.0), (7, X)], top="side"),
      note="a sweet twisted into wrappers whose ends have corners of 1/7")
entry(786, "Candy ³⁄₁₄", up7([(0, 1.0), (4, 1.0), (2, 1.445041867912629), (4, HEPTA), (5, HEPTA), (3, 1.0), (7, X)], top="side"),
      note="a sweet twisted into wrappers whose ends have corners of 3/14")

# --- Sunrises of the sevens: a Heptastar risen over a horizon that keeps a
# straight corner in its middle, as Sunrise 12's does.
entry(815, "Sunrise ¹⁄₇", sym(28, [14, X, 7, 0.5, 20, HEPTA, 4, HEPTA, 20, HEPTA, 4, HEPTA, 20, HEPTA, 4], first="corner"),
      note="five tips of Heptastar 1/7 over a horizon")
entry(835, "Sunrise ²⁄₇", sym(28, [14, X, 9, 0.5, 16, HEPTASTAR_1_14, 8, HEPTASTAR_1_14, 16, HEPTASTAR_1_14, 8,
                                 HEPTASTAR_1_14, 16, HEPTASTAR_1_14, 8], first="corner"),
      note="five tips of Heptastar 2/7 over a horizon")

# --- The Hexadecastar of tips of 1/4 (sides 1): cut through two opposite
# notches, the cut one side; and from a tip radius round to one 11 tips on.
entry(704, "Hexadecastar Edge ¹⁄₄", poly(32, [11] + [8, 22] * 7 + [8, 11], [X] + [1.0] * 16, method="star sector"),
      note="Hexadecastar 1/4 cut through two opposite notches, standing on the cut")
entry(705, "Hexadecastar Corner ¹⁄₄", star_sector(32, 16, 8, 1.0, 11), note="Hexadecastar 1/4 from a tip radius round 11 tips")

# --- Tools and buildings of the sevens.
from palette import HEPTA, RHO, SIGMA

entry(830, "Tree 7", up7([(-1, 1 / RHO), (2, HEPTA), (4, 1.0), (0, 1.0), (5, RHO), (0, HEPTA), (5, X)],
                         bottom="corner"), note="a fir of two tiers on a trunk whose roots part")
entry(833, "Columnn 7", up7([(0, 2.0), (3, HEPTA), (5, 1 / RHO), (4, 2.6038754716096766), (1, 1 / RHO), (3, HEPTA), (7, X)],
                            top="side"), note="a shaft tapering up from a bevelled base to a flared capital")

# Shovels: the handle's top, a shaft, shoulders and a blade, as Shovel ⁵⁄₁₄
# is drawn; the named corners are the blade's foot.
entry(776, "Shovel ²⁄₇", sym(28, [HEPTA, 7, SIGMA, 19, 1.0, 8, RHO, 8, X]),
      note="Shovel ⁵⁄₁₄ with a square-cut blade")
entry(760, "Shovel ³⁄₁₄", sym(28, [X, 6, RHO, 10, 1.0, 19, SIGMA, 7, HEPTA]),
      note="Shovel ⁵⁄₁₄ with a blade widening to its edge, standing on it")
entry(766, "Cupcake 7", up7([(0, 2.0), (3, RHO), (0, 1 / RHO), (2, RHO), (5, 1.0), (7, X)], top="side"),
      note="a liner flaring up under an overhanging dome of icing")
entry(795, "Ginkgo 7", up7([(2, 1 / RHO), (1, 1.0), (3, RHO), (8, X)], bottom="corner", top="corner").start(4),
      note="a fan on a stalk, notched in the middle of its edge")

# --- The B figures of the sixteens, in 1/32 turn.
OCT_R = 1.3065629648763766    # an octagon's centre-to-corner, side 1
# Tent 16 B: a bell tent, blunter than the Tent, its door a shallow notch.
entry(741, "Tent 16 B", half(32, [(-22.5, 0.7653668647301796), (0, 1.0), (123.75, X)], bottom="corner"),
      note="a bell tent over a shallow door, its peak 3/16")
# An airplane seen from above, nose up: swept wings and tailplane on the
# fuselage, the tail's notch the axis point.
entry(740, "Airplane 16 B", half(32, [(-11.25, OCT_R), (112.5, 1.0), (90, 1.0), (22.5, 2.0), (135, 2.5664544973505214),
                                      (112.5, X)], bottom="corner"),
      note="swept wings and a tailplane on the fuselage, nose up")
# Pointy Acorn 16 B: the pointed nut under a cap that overhangs it.
entry(739, "Pointy Acorn 16 B", half(32, [(67.5, 2.613125929752753), (-11.25, 0.7653668647301796), (112.5, 1.0), (157.5, X)], bottom="corner"),
      note="a pointed nut under an overhanging cap")

# --- Bonnets: a hood round the face, as Bonnet is, its face the notch whose
# ceiling is side 0, so that the heading south turns the face down.
def bonnet7(face, wall, brim, outer, dome):
    """The face's ceiling, the face's side running down, the brim running out,
    the outer side and the crown, each (direction in 1/14 turn, length); the
    top is solved."""
    return up7([(0, face), wall, brim, outer, dome, (7, X)], top="side")


entry(788, "Bonnet 7", bonnet7(1.0, (11, 1 / RHO), (0, HEPTA), (4, RHO), (5, 1.0)),
      note="a hood round the face, its sides leaning in")
entry(808, "Bonnet ¹⁄₇", bonnet7(1.0, (11, 1 / RHO), (13, HEPTA), (4, SIGMA), (5, 1.0)),
      note="a hood whose brim ends in hooks of 1/7")
entry(816, "Bonnet ²⁄₇", bonnet7(1.0, (11, 1 / RHO), (0, HEPTA), (3, RHO), (6, RHO)),
      note="a hood flaring to its crown, the crown's corners 2/7")
entry(819, "Bonnet ³⁄₇", bonnet7(2.0, (11, 1 / RHO), (0, HEPTA), (4, 1.0), (5, RHO)),
      note="a wide, low hood rounding off at 3/7")
entry(799, "Small Bonnet 7", up7([(0, 1 / RHO), (11, 0.25), (0, 0.4450418679126286), (4, RHO), (7, X)], top="side"),
      note="Bonnet 7 small and plain, its face shallow")

# --- Us and Twins of the sevens.
# A U is walked from its inner floor, the axis point, so that the heading north
# turns the opening up; the icon stands on that point only while the floor lies
# above the mean of the corners, so the Us have a thick foot and short arms.
entry(758, "U ²⁄₇", up7([(0, X), (2, HEPTA), (3, RHO), (6, HEPTA), (10, 1 / RHO), (9, 0.4450418679126286), (7, 1.0)],
                       top="side").start(6), note="a squat U, its arms cut slanting with tips of 2/7")
entry(818, "U ³⁄₇", up7([(0, X), (1, 1.0), (3, RHO), (6, HEPTA), (10, 1 / RHO), (8, 0.4450418679126286), (7, 1.0)],
                       top="side").start(6), note="U ²⁄₇ with a foot rounded at 3/7")
# Twins 2/7: the two parallelograms of Twins 5/14, of tips of 2/7, leaning
# apart on one foot.
entry(772, "Twins ²⁄₇", families.twins(28, 2, 4, RHO, 1.445041867912629),
      note="two lobes with tips of 2/7, fused at a notched waist")
# Palm 7: a tapering trunk under two pairs of fronds of 1/7 tips, the upper
# pair spread wide either side of a notch.
entry(805, "Palm 7", up7([(0, 1.445041867912629), (2, 0.25), (4, SIGMA), (-1, RHO), (4, 1.0), (3, RHO), (8, SIGMA), (7, X)],
                         top="side"), note="a tapering trunk under two pairs of fronds")

# --- Ship and Skirt of the twelves, after Ship and the Skirts.
entry(707, "Ship ¹⁄₆", half(24, [(0, 2.0), (60, 2.0), (180, 1.249688897773919), (90, 1.0), (180, X)], top="side"),
      note="Ship's hull of bow and stern 1/6 under a deckhouse")
entry(709, "Skirt ¹⁄₆", half(24, [(0, X), (120, HEX), (165, 1.249688897773919)]),
      note="a skirt flaring to a hem of 1/6 corners from a peaked waist")
# Thin Y 1/6: Y 1/6 with thinner, longer arms and stem, walked from the foot
# so that the heading south stands it on it.
from palette import A
entry(710, "Thin Y ¹⁄₆", half(12, [(180, 1.0), (120, 2.0), (180, 0.5), (300, 3.0), (270, A), (0, X)], bottom="side", top="side",
                              from_top=True).start(5), note="Y ¹⁄₆ thinner, its arms longer")
# Triplet 1/6: Triplet's three peaks on a low block, the peaks of 1/6 and the
# middle one tallest.
entry(724, "Triplet ¹⁄₆", half(24, [(0, 3.0), (90, 0.5), (120, 1.0), (240, 0.5), (120, X)]),
      note="three peaks of 1/6 on a low block, the middle one tallest")
# Cap 12: Cap's brim under a crown rounded as the Dodecagon is.
entry(713, "Cap 12", half(24, [(0, X), (90, 0.5), (180, 0.5), (90, 0.5), (120, 1.0), (150, 1.0), (180, 1.0)], top="side"),
      note="Cap with a crown of Dodecagon sides over its brim")
# Square Bonnet 1/6: Bonnet 1/6's hood round the face with a flat, bevelled
# crown, its brim ending in hooks of 1/6.
entry(727, "Square Bonnet ¹⁄₆", half(24, [(0, 1.0), (270, 0.5), (330, 1.0), (90, 2.0), (135, 1.0), (180, X)], top="side"),
      note="a hood round the face with a flat crown and hooks of 1/6")
# Acorn Bag 7: a sack with an acorn's pointed foot, tied at the neck, its
# gathered top peaked; walked from that peak, which the heading north turns up.
entry(826, "Acorn Bag 7", up7([(2, 1.0), (3, RHO), (6, 1 / RHO), (2, HEPTA), (6, X)], bottom="corner").start(5),
      note="a sack on an acorn's point, tied at the neck under a gathered top")

# --- Square Stars of tips of 1/6: tips raised on the unit sides of an outline
# of squares (the unit Sun 12's side), the numbers naming the groups of tips
# round it. Where a group sits off centre on its side the star turns one way,
# which makes the chiral pairs. A symmetric star with a tip or a notch on its
# axis would have an odd number of corners over a flat foot; those stand on a
# tip turned inwards instead.
from headings import loop
from palette import S12, h


def square_star(sides, u=S12):
    """sides: the bottom, right, top and left sides of the outline, each a list
    of ('t', k) tips of 1/6 on k units, ('f', k) plain stretches and ('i', k)
    tips turned inwards; or (direction, items) pairs for an outline of more
    than four sides."""
    if all(isinstance(s, list) for s in sides):
        sides = list(zip((0, 90, 180, 270), sides))
    steps = []
    for d, items in sides:
        for kind, k in items:
            if kind == 'f':
                if steps and steps[-1][0] == d and steps[-1][2] == 'f':
                    steps[-1] = (d, steps[-1][1] + k, 'f')
                else:
                    steps.append((d, k, 'f'))
            elif kind == 't':
                steps += [((d - 60) % 360, k, 't'), ((d + 60) % 360, k, 't')]
            else:
                steps += [((d + 60) % 360, k, 'i'), ((d - 60) % 360, k, 'i')]
    return loop(24, [(d, k * u) for d, k, _ in steps], method="star of 1/6 tips")


def T(k=1):
    return ('t', k)


def Fl(k=1):
    return ('f', k)


def I(k=1):
    return ('i', k)


entry(718, "Square Star ¹⁄₆ 10", square_star([[T(), T(), T()], [T(), T()], [T(), T(), T()], [T(), T()]]),
      note="ten tips round an oblong of three squares by two, equal sides")
entry(719, "Square Star ¹⁄₆ 6", square_star([[T(), T()], [T()], [T(), T()], [T()]]),
      note="six tips round two squares, equal sides")
entry(742, "Square Star ¹⁄₆ 1", square_star([[Fl()], [Fl(1.5)], [T()], [Fl(1.5)]]), note="one tip on a block of a square and a half")
entry(737, "Square Star ¹⁄₆ 3", square_star([[Fl(), I(), Fl()], [Fl(2)], [T(), T(), T()], [Fl(2)]]),
      note="three tips on an oblong, standing on a tip turned inwards")
entry(733, "Square Star ¹⁄₆ 1 2 1", square_star([[Fl(0.75), I(0.5), Fl(0.75)], [T()], [T(), T()], [T()]]),
      note="one tip, two and one round two squares, standing on a small tip turned inwards")
entry(728, "Square Star ¹⁄₆ 2 2", square_star([[Fl(3)], [Fl(), T(), T()], [T(), T(), Fl()], [Fl(3)]]).start(7),
      note="two pairs of tips meeting at a corner of a square, standing on the opposite corner")
entry(729, "Square Star ¹⁄₆ 2 1 3 1", square_star([[T(1.5), T(1.5)], [T(), Fl()], [T(), T(), T()], [T(), Fl()]]).start(15),
      note="two, one, three and one tips round an oblong, the single ones off centre")
mirror(730, "Square Star ¹⁄₆ 1 3 1 2", of=729, start=10)
entry(731, "Square Star ¹⁄₆ 1 2 1 3", square_star([[T(2)], [T(), T(), Fl()], [T(), Fl()], [T(), T(), T()]]).start(12),
      note="one, two, one and three tips round an oblong, the pair and the single on top off centre")
mirror(732, "Square Star ¹⁄₆ 3 1 2 1", of=731, start=10)
entry(720, "Left Square Star ¹⁄₆ 2", square_star([[Fl(0.5), T(), T(), Fl()], [Fl()], [Fl(0.5), T(), T(), Fl()], [Fl()]]).start(5),
      note="a pair of tips on each long side of an oblong, both pushed the same way round")
entry(722, "Square Star ¹⁄₆ 1 2", square_star([(0, [Fl(), T(2), Fl()]), (90, [Fl(), T(), T(), Fl()]), (180, [Fl(3)]),
                                                (270, [Fl()]), (180, [Fl()]), (270, [Fl(3)])]).start(7),
      note="a big tip on one side of a square and two on the next, the far corner cut away")
mirror(723, "Square Star ¹⁄₆ 2 1", of=722, start=8)

# --- Bonnets, the Bonstar and the Y of the twelves, after Square Bonnet ¹⁄₆.
# The Left Bonnets of the twelves: a hood seen from the side, as the Left
# Bonnets of sevens are, over a pointed face opening; walked from the back
# foot, so that vertex 2, the given axis, is the top of the face, which lies
# straight under the middle of the corners. Left Bonnet 1/6 peaks in a crown
# of 1/6 pushed over its back; Left Square Bonnet 1/6 has a bevelled flat
# crown and a hook of 1/6 at its back foot.
entry(711, "Left Bonnet ¹⁄₆", loop(24, [(0, S12), (45, 0.5), (315, 0.5), (0, 1.0), (90, A), (120, HEX), (240, X), (270, Y)]),
      note="a hood seen from the side, peaked in a crown of 1/6, over a pointed face opening")
entry(715, "Left Square Bonnet ¹⁄₆", loop(24, [(0, 1.0), (60, S12), (300, S12), (0, S12), (90, 2 * S12), (135, 0.5), (180, 2 * S12),
                                               (225, 0.5), (270, X), (240, Y)]),
      note="a hood seen from the side under a bevelled flat crown, hooked at its back foot, over a pointed face opening")
# North-headed: walked from the crown, so that setup takes it for the axis.
entry(717, "Square Bonstar ¹⁄₆", half(24, [(0, 1.0), (270, 0.5), (330, 1.0), (90, 2.0), (75, 1.0), (195, 1.0), (180, X)],
                                         top="side").start(6),
      note="Square Bonnet 1/6 whose upper corners grow tips of 1/6")
entry(714, "Square Y ¹⁄₆", half(24, [(0, 1.0), (90, A), (0, 0.5), (60, A), (180, 1.0), (240, SQRT2), (180, X)], top="side"),
      note="a Y of square shoulders, its arms cut level into points of 1/6 over a flat crotch")
# Fork 1/6: Fork 12's four tines with points of 1/6.
entry(725, "Fork ¹⁄₆", half(24, [(0, S12), (90, 2 + SQRT2), (30, 3.0), (120, S12), (240, S12), (180, 0.5), (120, S12), (240, S12),
                                (180, X)], top="side", method="fork"), note="four tines of 1/6 points")

# --- Left Sailboat 3: three sails, each a little taller than the one before
# it, leaning to the left over a hull with a bowsprit; it stands on its keel.
entry(702, "Left Sailboat 3", loop(16, [(22.5, 2 + SQRT2), (0, h), (112.5, 3.0), (247.5, 2.0), (112.5, 3.0), (247.5, 2.0), (112.5, 3.0),
                                        (247.5, X), (180, h), (270, h), (337.5, Y)]).start(7),
      note="a boat with a bowsprit under three tall sails, each a little taller than the one before it")

# --- Twins, Twin Stars and other pictures of the sevens.
def up28(steps, **kw):
    """A figure with a vertical mirror axis from its right half walked upwards,
    each step (direction in 1/28 turn, length): 7 runs straight up."""
    return half(28, [(Fraction(360, 28) * k, l) for k, l in steps], **kw)


HEPTA2 = 0.9293123963233717   # the side of Heptastar 2/7


def twin_star7(tip, notch, side, bridge, first):
    """Two stars of the sevens side by side, each showing four tips, joined by
    a bar between the notches that face each other; first is the side from the
    bar to the first tip, drawn out so that the stars stand apart."""
    joint = (4 * 28 - 4 * tip - 3 * notch) // 2
    return sym(28, [bridge, joint, first, tip, side, notch, side, tip, side, notch, side, tip, side, notch, side, tip, first, joint, X],
               method="twin star")


entry(753, "Twin Star 7", twin_star7(6, 18, HEPTA, 1.0, RHO), note="two Heptastars joined by a bar, four tips of each showing")
entry(798, "Twin Star ²⁄₇", twin_star7(2, 22, HEPTA2, 1.0, HEPTA2), note="two Heptastars ¹⁄₁₄ joined by a bar, four tips of each showing")
entry(789, "Long Twins 7", poly(14, [3, 9, 3, 6] * 2, [SIGMA, 1.0, 1.0, SIGMA] * 2), note="Twins 3/7 drawn out")
entry(780, "Wide Twins 7", up28([(0, X), (7, 1.0), (14, 0.5), (7, 1.0), (11, RHO), (19, RHO), (21, 1.0), (14, 1.0)], top="side"),
      note="two Heptastar tips on squat towers over a wide plinth")
# The Big Twins of sevens: two lobes of six corners each, rounded above and
# below their tips, fused at a notched waist.
entry(785, "Big Twins ²⁄₇", half(28, [(Fraction(360, 28) * k, l) for k, l in
                                      ((25, 1.0), (0, 1.0), (1, RHO), (7, RHO), (11, 1.0), (14, 1.0), (17, X))],
                                bottom="corner", top="corner"),
      note="two broad lobes with tips of 2/7, fused at a notched waist")
entry(828, "Big Twins ³⁄₇", half(28, [(Fraction(360, 28) * k, l) for k, l in
                                      ((25, HEPTA), (27, RHO), (5, 1.0), (7, HEPTA), (11, RHO), (15, HEPTA), (17, X))],
                                bottom="corner", top="corner"),
      note="two rounded lobes with blunt tips of 3/7, fused at a notched waist")
entry(820, "Handle ³⁄₇", up7([(0, 2.0), (-1, RHO), (0, 1.0), (6, SIGMA), (7, X)], top="side").start(4),
      note="a grip on two legs that splay at 3/7")
entry(834, "Sunrise 7 ³⁄₇", sym(28, [14, X, 12, 0.5, 11, HEPTA2, 16, HEPTA2, 8, HEPTA2, 16, HEPTA2, 8, HEPTA2, 16, HEPTA2, 8],
                                first="corner"), note="Heptastar 2/7 rising over a horizon that meets it at 3/7")
# A bud on a straight stem with one leaf to its side, walked so that side 1,
# the axis side, is the stem's foot: the leaf's weight is balanced by the bud
# leaning the other way, so that the stem stands upright.
entry(836, "Left Rosebud 7", loop(28, [(Fraction(360, 28) * k, l) for k, l in
                                       ((0, 0.5), (7, 2.0), (4, 1.5), (12, X), (5, RHO), (10, 1.5), (18, 1.5), (23, RHO), (21, Y))]).start(8),
      note="a bud on a stem, one leaf to its side")
entry(838, "Cap 7", up28([(0, X), (7, 0.5), (14, 0.5), (7, 1.0), (9, HEPTA), (11, HEPTA), (14, 1.0)], top="side"),
      note="Cap's brim under a crown rounded as the Heptagon is")
