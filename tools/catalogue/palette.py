"""The catalogue's side lengths: one exact constant per length.

Figures glue along sides of equal length, and the program compares lengths
exactly (symmetry, mirror pairing, equal sides), so every side of every figure
is one of these literals, bit for bit. A design may compute a length any way
it likes; snap() replaces the result by the palette constant it matches, or
refuses it. A new length is added here, once, with what it is.
"""

import math

SQRT2 = math.sqrt(2.0)
PHI = (1.0 + math.sqrt(5.0)) / 2.0

# The lengths that designs build with, each named once so that every design
# file means the same number by the same name (`from palette import A, HEX`).
# The expressions are the ones the designs have always computed with, so that
# intermediate results, and with them the solved sides, stay bit for bit.

# Octagonal: the Sun of side 1 (tips of 1/4, notches of 5/8), the Square, the
# Octagon.
S2 = SQRT2                     # √2, the diagonal of a unit square
h = S2 / 2                     # 1/√2, half that diagonal
H = 1 + h                      # 1 + 1/√2
A = 1 + S2                     # 1 + √2: the Square's side, the Sun's centre-to-tip
B = 2 + S2                     # 2 + √2
C = 2 + 2 * S2                 # 2 + 2√2
N8 = math.sqrt(2 + S2)         # √(2 + √2): the Sun's centre-to-notch
O8 = 1.3065629648763766        # an octagon of side 1, centre to corner

# Sixteen and thirty-two points.
S16 = 1.5664544973505214       # the side of Star 16
R16 = 4.460884994775326        # Star 16's centre-to-tip
S32 = 2.95462846528022         # the side of Sun 32
R32 = 8.750340680894675        # Sun 32's centre-to-tip
W32 = 1.152838837459074        # the base of a Sun 32 tip, between the notches beside it
C32 = 0.3901806440322565       # 2 sin(π/16), a side of the 32-gon of radius 1

# Twelve and twenty-four points.
S12 = 1.249688897773919        # the side of Sun 12
TT12 = 1.7673269879789604      # between two neighbouring tips of Sun 12
HEX = 1.9711971193069775       # the side of the Hexagon and the Hexstar
T12 = 0.9148357668252574       # the side of Tristar 1/12
S24 = 1.1645246645991763       # the side of Star 24
Q12 = 0.5176380902050415       # 2 sin 15°: the base of a 1/12 triangle of legs 1
R3 = math.sqrt(3)              # √3

# Five, ten and twenty points: Sun 10 and the Decastar of side 1, the
# Pentagon and the Star of side φ.
P = PHI                        # φ, the Pentagon's side
P2 = PHI * PHI                 # φ²: Sun 10's centre-to-tip, the Decastar's centre-to-notch
S20 = 0.9021130325903072       # the side of Star 20
TAN54 = 1.3763819204711736     # tan 54°, the Pentagon's centre-to-corner
TAN72 = 3.0776835371752536     # tan 72°, the Decastar's centre-to-tip
DECA_OUT = 0.45964954842535866 # tan 72° − φ²: the Decastar's tip radius beyond its notch circle

# Seven and fourteen points.
HEPTA = 0.8019377358048383     # 2 cos(π/7) − 1, the Heptastar's side
RHO = 1.8019377358048383       # 2 cos(π/7): the Heptagon's short diagonal
SIGMA = 2.246979603717467      # ρ² − 1: the Heptagon's long diagonal

# literal, family, what it is
ENTRIES = [
    # The octagonal family: the Sun, the Square, the Octagon.
    ("1.0", "all", "the unit side"),
    ("0.7071067811865476", "8", "1/√2, half the diagonal of a unit square"),
    ("1.4142135623730951", "8", "√2, the diagonal of a unit square"),
    ("1.7071067811865475", "8", "1 + 1/√2"),
    ("2.0", "all", "two unit sides"),
    ("3.0", "all", "three unit sides"),
    ("2.414213562373095", "8", "1 + √2: the Square's side, the Sun's centre-to-tip"),
    ("2.8284271247461903", "8", "2√2"),
    ("3.414213562373095", "8", "2 + √2"),
    ("3.8284271247461903", "8", "1 + 2√2"),
    ("4.82842712474619", "8", "2 + 2√2"),
    ("5.82842712474619", "8", "3 + 2√2"),
    ("6.82842712474619", "8", "4 + 2√2"),
    # Sixteen and thirty-two points.
    ("0.8477590650225735", "16", "√(2 + √2) − 1"),
    ("1.5664544973505214", "16", "the side of Star 16"),
    ("1.8477590650225735", "16", "√(2 + √2): the Sun's centre-to-notch, the long diagonal of a 1/8 rhombus of side 1"),
    ("3.695518130045147", "8", "2√(2 + √2), the Sun's notch-to-opposite-notch"),
    ("0.7653668647301796", "8", "2 sin 22.5°, the side of an octagon 1 from centre to corner"),
    ("1.3065629648763766", "8", "the centre-to-corner of an octagon of side 1"),
    ("2.613125929752753", "8", "the Octagon's centre-to-corner (side 2)"),
    ("2.95462846528022", "32", "the side of Sun 32"),
    ("8.750340680894675", "32", "Sun 32's centre-to-tip, the long side of Sunray 32"),
    ("1.152838837459074", "32", "between the two notches beside a tip of Sun 32"),
    ("0.3901806440322565", "32", "2 sin(π/16), a side of the 32-gon of radius 1"),
    ("4.460884994775326", "8", "the centre-to-tip of Octastar, Star 16 and Star 24 alike; a Sunray 1/16's long side"),
    # Five, ten and twenty points.
    ("0.3681587642946257", "10", ""),
    ("0.6180339887498949", "10", "φ − 1"),
    ("0.9021130325903072", "20", "the side of Star 20"),
    ("0.9562952014676113", "20", ""),
    ("3.3895902435633705", "20", "Star 20's centre-to-tip, a Sunray 1/20's long side"),
    ("1.1755705045849463", "10", "2 sin 36°, the short diagonal of a unit 1/5 rhombus"),
    ("1.3763819204711736", "10", "tan 54°"),
    ("1.618033988749895", "10", "φ, the golden ratio"),
    ("1.902113032590307", "10", "2 sin 72°, the long diagonal of a unit 1/5 rhombus"),
    ("2.618033988749895", "10", "φ², Sun 10's centre-to-tip"),
    ("3.0776835371752536", "10", "tan 72°"),
    ("3.618033988749895", "10", "φ² + 1, Sun 10's chord between notches four tips apart"),
    ("4.23606797749979", "10", "φ³"),
    ("5.23606797749979", "10", "2φ², the Decastar's notch-to-opposite-notch"),
    # Lengths first met in the figures of 841 to 1121.
    ("2.2304424973876626", "16", "the height of a Sun tip over the horizon through its notches"),
    ("4.121320343559643", "8", "(1 + 1/√2)(1 + √2): an Octastar tip's reach along the horizon through its notches"),
    ("0.5877852522924731", "10", "sin 36°, half the short diagonal of a unit 1/5 rhombus"),
    ("1.107650597496717", "8", "the left shoulder of Left Acorn A ¹⁄₄, beside its bent stalk"),
    ("2.955409662519292", "8", "the long wall of Left Acorn A ¹⁄₄"),
    ("3.154322029898952", "8", "the long leg of Left Acorn A ⁵⁄₈'s bent point"),
    ("6.121320343559642", "8", "the cap of Left Acorn A ⁵⁄₈, overhanging a nut of 1 + √2"),
    ("1.990869852671399", "24", "the long flank of Left Small Shield ¹⁄₁₂ ¹⁄₆"),
    ("1.4732317624663573", "24", "the short flank of Left Small Shield ¹⁄₁₂ ¹⁄₆"),
    ("0.9326022230419394", "16", "the dipping top of Shield ¹⁄₁₆"),
    ("1.3594359193487262", "16", "the dipping top of Shield ³⁄₃₂"),
    ("0.6688209953803445", "14", "the dipping top of Shield ¹⁄₁₄ ²⁄₇"),
    ("3.132908994701043", "16", "twice the side of Star 16"),
    ("0.6678730350929648", "18", "the inner side of V 9's arms"),
    ("0.8015666049038918", "16", "the inner side of V ³⁄₁₆'s arms"),
    ("0.3286139867036134", "16", "the finial of Queen"),
    ("3.9700057380800096", "14", "the roof of Cottage ²⁄₇"),
    ("0.41237230557085713", "16", "the middle of Shield ³⁄₃₂'s wavy top"),
    ("0.8660254037844384", "12", "√3/2"),
    ("0.847858762962566", "10", "the middle tines of Fork ³⁄₁₀"),
    ("2.7527638409423467", "10", "the notched rim of Acorn Ginkgo ¹⁄₅"),
    ("1.3445765167552552", "10", "the flat cap of Acorn Star ¹⁄₅"),
    ("1.5176380902050417", "24", "1 + 2 sin 15°"),
    ("1.3789373819630113", "24", "the inner side of Left Crest 12's taller horn"),
    ("2.1961524227066334", "12", "3√3 − 3"),
    ("4.987241532966369", "18", "the centre-to-tip of an 18-pointed star of tips 1/18 on sides of Rhombus ¹⁄₉"),
    ("5.8997724148494495", "14", "the bar of Tri Bracket 7"),
    ("5.350701673763247", "14", "the tapering handle of Shovel ³⁄₇"),
    ("0.9855985596534886", "24", "a side of a Square Star ¹⁄₆, closing its tips round the square"),
    ("1.40117116263667", "24", "a side of a Square Star ¹⁄₆, closing its tips round the square"),
    ("1.8233454726555574", "24", "a side of a Square Star ¹⁄₆, closing its tips round the square"),
    ("1.909552207034256", "24", "a side of a Square Star ¹⁄₆, closing its tips round the square"),
    ("2.1164998210913324", "24", "a side of a Square Star ¹⁄₆, closing its tips round the square"),
    ("2.4859416877895186", "24", "a side of a Square Star ¹⁄₆, closing its tips round the square"),
    ("3.8187076668770175", "24", "a side of a Square Star ¹⁄₆, closing its tips round the square"),
    ("4.286771978588185", "24", "a side of a Square Star ¹⁄₆, closing its tips round the square"),
    ("4.473648653919003", "24", "a side of a Square Star ¹⁄₆, closing its tips round the square"),
    ("5.11333946868221", "24", "a side of a Square Star ¹⁄₆, closing its tips round the square"),
    ("5.383427675435558", "24", "a side of a Square Star ¹⁄₆, closing its tips round the square"),
    ("2.6132922557707885", "24", "a side of a Square Star ¹⁄₆, closing its tips round the square"),
    ("3.750401762746858", "24", "a side of a Square Star ¹⁄₆, closing its tips round the square"),
    ("4.8293387081772385", "24", "a side of a Square Star ¹⁄₆, closing its tips round the square"),
    ("4.917061067638811", "24", "a side of a Square Star ¹⁄₆, closing its tips round the square"),
    ("5.540523414096314", "24", "a side of a Square Star ¹⁄₆, closing its tips round the square"),
    ("3.7071067811865475", "8", "3 + 1/√2"),
    ("11.289312119521517", "16", "the band of Left Headdress"),
    ("5.261972627395667", "16", "the high side of Left Headdress's band"),
    ("3.0793604314244356", "24", "a side of a Square Star ¹⁄₆, closing its tips round the square"),
    ("5.388484420744261", "24", "a side of a Square Star ¹⁄₆, closing its tips round the square"),
    ("2.9176077997076053", "16", "the middle toe of Truncated Paw"),
    ("5.0641777724759125", "18", "twice the side of Rhombus ¹⁄₉"),
    # (end of 841-1121)
    # Twelve and twenty-four points.
    ("0.5176380902050415", "24", ""),
    ("0.9148357668252574", "24", ""),
    ("1.0172103181602914", "24", ""),
    ("1.1547005383792515", "12", "2/√3"),
    ("1.1645246645991763", "24", "the side of Star 24"),
    ("1.249688897773919", "12", "the side of Sun 12"),
    ("1.543757124589647", "24", ""),
    ("1.5215247984503677", "24", "the long side of a Sunray 3/24 on Star 24"),
    ("2.2496888977739187", "24", "the long side of a Sunray 2/24 on Star 24"),
    ("1.5773502691896257", "12", "1 + 1/√3"),
    ("1.7320508075688772", "12", "√3"),
    ("5.464101615137754", "12", "2 + 2√3: the leaning sides of Long Shield ¹⁄₁₂ ¹⁄₄"),
    ("1.7673269879789604", "12", ""),
    ("1.9711971193069775", "12", "(2 + √2)/√3, the Hexagon's side"),
    ("2.1645246645991763", "12", ""),
    ("2.499377795547838", "12", "twice the side of Sun 12"),
    ("2.6821627548042177", "12", ""),
    # Seven and fourteen points.
    ("0.5086140720906989", "12", ""),
    ("0.5724165284311622", "14", ""),
    ("0.6920214716300959", "14", ""),
    ("0.8019377358048383", "14", "2 cos(π/7) − 1"),
    ("0.9293123963233717", "14", ""),
    ("1.2862082642155812", "14", ""),
    ("1.445041867912629", "14", ""),
    ("1.8019377358048383", "14", "2 cos(π/7)"),
    ("2.0096886790241912", "14", ""),
    ("2.246979603717467", "14", "ρ² − 1 with ρ = 2 cos(π/7): the Heptagon's long diagonal, a side of Pentastar 7 d"),
    ("0.5549581320873711", "14", "1/ρ: the short sides of a kite of a Heptastar tip over a Heptagon corner"),
    ("0.4450418679126286", "14", "σ − ρ, the long diagonal of the Heptagon less its short one"),
    ("1.2469796037174672", "14", "σ − 1 = 1/(ρ − 1)"),
    ("2.6038754716096766", "14", "a Heptagon side of 1 with the Heptastar tip sides running on from both ends"),
    ("0.8677674782351164", "14", "2 sin(π/7): the base of a triangle of apex 1/7 and legs 1"),
    ("0.4135829247341146", "14", "the base of a Heptastar 1/14 tip"),
    ("0.5", "14", "half the Heptagon's side: the wrist of Hand Heptastar ⁻¹⁄₄"),
    ("0.25", "14", "a quarter of the Heptagon's side: the shoulders either side of that wrist"),
    ("1.23463313526982", "16", "2 − 2 sin 22.5°: the top of a trapezoid of 3/16 on a base of 2, legs 1"),
    ("0.5257311121191335", "20", "1/(2 sin 72°): the inner sides of a dart of a 1/10 tip, sides φ and barbs 3/20"),
    ("1.020366712255743", "12", "the short sides of a kite of 1/6 and 5/12, long sides the Hexagon's"),
    ("3.6639024601470145", "12", "Compass 1/6's centre-to-tip"),
    # Nine and eighteen points.
    ("1.05381874887022", "18", ""),
    ("1.078725692426601", "18", ""),
    ("1.614543993253255", "18", ""),
    ("1.7587704831436335", "18", ""),
    ("1.958110933998418", "18", ""),
    ("2.00243420249451", "18", ""),
    ("2.5320888862379562", "18", ""),
    # Lengths that figures 561 to 840 close with.
    ("0.7320508075688771", "12", "√3 − 1: the ridge of Wide Roof ⁵⁄₁₂"),
    ("1.538841768587627", "10", "2 sin 72° cos 36°: half the horizon of Sunrise 10"),
    ("4.26197262739567", "16", "Hexadecastar ¹⁄₄'s centre-to-tip"),
    ("7.249019570823104", "16", "Hexadecastar ¹⁄₄'s notch-to-opposite-notch"),
    ("0.6269801688313519", "14", "half the horizon of Sunrise ¹⁄₇"),
    ("1.0922842620785356", "14", "half the horizon of Sunrise ²⁄₇"),
    ("0.3819660112501051", "10", "2 − φ = 1/φ²: where the Golden Gnomon of legs 2 parts into its golden triangle"),
    ("2.335125603737886", "14", "the upper slope of Tree 7"),
    ("1.8629366604572732", "14", "the top of Columnn 7's capital"),
    ("3.405813207414515", "14", "3ρ − 2, a Heptagon side and three Heptastar sides: the edge of Shovel ³⁄₁₄, the top of Cupcake 7"),
    ("4.911853999979578", "14", "the top of Cupcake 7's icing"),
    ("1.8290848111728217", "14", "the edges either side of Ginkgo 7's notch"),
    ("3.0727110268456648", "16", "the slopes of Tent 16 B"),
    ("1.4806877677571328", "16", "the crown of Pointy Acorn 16 B's cap"),
    ("2.5664544973505214", "16", "1 + the side of Star 16: the leading edge of Airplane 16 B's wing"),
    ("2.43484796842742", "16", "the nose of Airplane 16 B"),
    ("0.754364599085947", "14", "the crown of Small Bonnet 7"),
    ("0.4058132074145127", "14", "3ρ − 5: the crown of Bonnet ²⁄₇"),
    ("1.1588336036970468", "14", "the crown of Bonnet ³⁄₇"),
    ("0.31174490092936535", "14", "the floor of the notch atop Palm 7's crown"),
    ("1.7931509443361076", "12", "the dipped top edges of Blazon 12"),
    ("1.969214651533521", "16", "the domed top of Thumbtack's head"),
    ("1.3249196962329057", "10", "the inner sides of Y ¹⁄₁₀'s arms"),
    ("0.595491502812526", "10", "the sides of Candle ¹⁄₅'s flame"),
    ("4.385410681680073", "12", "the hem of Skirt ¹⁄₆"),
    ("1.5006222044521622", "12", "the roof of Ship ¹⁄₆'s deckhouse"),
    ("1.5", "all", "three halves: the middle peak of Triplet ¹⁄₆"),
    ("4.732050807568878", "12", "3 + √3: the brim of Cap 12"),
    ("4.593793989476367", "8", "the waistband of Tooth Skirt"),
    ("1.3178372451957825", "12", "the flat crown of Square Bonnet ¹⁄₆"),
    ("1.137063339542725", "14", "the gathered top of Acorn Bag 7"),
    ("0.9238795325112867", "16", "cos 22.5° = half of √(2 + √2): the halves of the edge Octastar Edge stands on, "
     "from a Sun tip's radius to the notch beside it across the horizon"),
    ("0.45964954842535866", "10", "tan 72° − φ²: the Decastar's tip radius beyond its notch circle"),
    ("0.8284271247461903", "8", "2√2 − 2: the horns of Crest Kite"),
    ("2.355953478829463", "8", "a side of Left Fork"),
    ("2.8534926441050223", "12", "a side of Tri Acorn ¹⁄₆"),
    ("2.1659106810403497", "8", "a side of Left Fork"),
    ("2.6722882583776277", "10", "a side of Left Half Shield ¹⁄₁₀"),
    ("0.45105651629515386", "10", "a side of Left Half Shield ¹⁄₁₀"),
    ("1.8745333466608782", "12", "one and a half sides of Sun 12: the big tips of the Square Stars 1/6"),
    ("3.7490666933217565", "12", "three sides of Sun 12: the plain sides of the Square Stars 1/6"),
    ("0.9372666733304391", "12", "three quarters of the side of Sun 12: the foot of Square Star 1/6 1 2 1"),
    ("6.381286267534822", "14", "a side of Wide Twins 7"),
    ("0.7530203962825347", "14", "a side of Big Twins ²⁄₇"),
    ("3.198062264195163", "14", "a side of Handle ³⁄₇, the brim of Left Bonnet ¹⁄₇"),
    ("0.4555281603610223", "14", "a side of Sunrise 7 ³⁄₇"),
    ("3.949855824363647", "14", "a side of Cap 7"),
    ("0.6248444488869594", "12", "half the side of Sun 12"),
    ("2.5", "all", "five halves: the ends of Twins ¹⁄₆"),
    ("0.75", "all", "three quarters"),
    ("1.252460881112459", "14", "the leaf's lower edge of Left Rosebud 7"),
    ("3.7161696338975894", "14", "the stem's far side of Left Rosebud 7"),
    ("1.3276472373473165", "12", "the top leaf of Wide Trifolium ⁵⁄₁₂"),
    ("1.304736598840219", "12", "a side of Fork 12"),
    ("1.3574250351607648", "8", "a side of Crest Hand"),
    ("1.666045055090517", "10", "a side of Dart Kite ¹⁄₅"),
    ("0.4470857293848732", "12", "a side of Fork ¹⁄₆"),
    ("5.024656570913546", "12", "the roof of Left Bonnet ¹⁄₆"),
    ("5.050557550731414", "12", "the high wall of Left Bonnet ¹⁄₆"),
    ("4.124893110613835", "8", "a side of Left Sailboat 3"),
    ("3.6791494182327344", "8", "a side of Left Sailboat 3"),
    ("3.04988805276466", "12", "the crown of Left Square Bonnet ¹⁄₆"),
    # Lengths that figures 841 to 1121 close with.
    ("0.2862082642155812", "14", "0.2862… less than 1.2862: a side of Pentastar ¹⁄₁₄ b"),
    ("0.41421356237309515", "8", "√2 − 1: the blunt end of Thin Belt √2"),
    ("0.45648694878029966", "14", "a side of Petal ³⁄₁₄ ³⁄₇"),
    ("0.5281806762408592", "12", "a side of Star ¹⁄₆ 3 7"),
    ("0.5739779522395381", "18", "a side of Kite ¹⁄₁₈"),
    ("0.579192220162267", "20", "a side of Sunray ¹⁄₂₀ ¹⁄₁₀"),
    ("0.5857864376269049", "8", "2 − √2: the blunt end of Belt √2"),
    ("0.6028023233797852", "12", "a side of Star ¹⁄₆ 1 2 3"),
    ("0.6038754716096754", "14", "a side of Bread 7"),
    ("0.7215082215330587", "12", "a side of Star ¹⁄₆ 2 3 4"),
    ("0.7673269879789604", "12", "1.7673… less 1: a side of Kite ⁵⁄₂₄"),
    ("0.7714382734786193", "14", "a side of Short Label 7"),
    ("0.8793852415718162", "18", "a side of Arrowhead ¹⁄₉ ¹⁄₆"),
    ("0.8900837358252583", "14", "a side of Venus 7"),
    ("0.9589200178396083", "24", "a side of Petal ⁵⁄₂₄"),
    ("1.073132184970986", "24", "a side of Kite ⁷⁄₂₄"),
    ("1.1479559044790766", "18", "a side of Kite ²⁄₉"),
    ("1.198358465723876", "18", "a side of Petal ²⁄₉ ¹⁄₃"),
    ("1.3246452938962199", "12", "a side of Left Fork ¹⁄₆"),
    ("1.3472963553338604", "18", "a side of Dart ¹⁄₆ ¹⁄₉"),
    ("1.4939592074349348", "14", "a side of Left Bonnet 7"),
    ("1.982889722747621", "24", "a side of Triangle ⁷⁄₂₄"),
    ("2.0756177483140394", "18", "a side of Kite ²⁄₉ ¹⁄₆"),
    ("2.3675421299708637", "16", "a side of Skirt ⁷⁄₁₆"),
    ("2.684040286651339", "18", "a side of Petal 12 9"),
    ("2.844863208252079", "12", "a side of Left Fork ¹⁄₆"),
    ("3.0343501527885928", "18", "a side of Kite ⁷⁄₁₈"),
    ("4.663902460147017", "12", "a side of Star ¹⁄₆ 2 8"),
    ("6.692021471630096", "14", "the horizon of Sunrise 14 ³⁄₇"),
    ("8.242640687119286", "8", "4 + 3√2, the long side of Thin Belt √2"),
    ("1.2071067811865475", "8", "(1 + √2)/2, half the Square's side"),
    ("0.8836634939894802", "12", "half of 1.7673…: the half base of Left Cairo"),
    ("3.297877056362575", "12", "the height of Cairo from its base to its apex"),
    ("1.4324738570302995", "24", "a side of Left Quadrilateral ⁵⁄₂₄ ¹⁄₃"),
    ("1.8026031683890433", "24", "a side of Left Quadrilateral ⁵⁄₂₄ ¹⁄₃"),
    ("0.8090169943749475", "10", "φ/2 = cos 36°, half the Pentagon's side: the halves of Drum ¹⁄₅"),
    ("1.1165201670872644", "16", "1 + 4 sin 22.5° − √2: the table of Octa Gem"),
    ("1.1206147584281818", "18", "3 − 2 cos 20°: the table of Gem ²⁄₉"),
    ("1.532088886237956", "18", "2 cos 40°: the walls of Pentagon ⁵⁄₁₈"),
    ("1.8793852415718169", "18", "2 cos 20°, the Nonagon's shorter diagonal: the tip sides of Petal 9"),
    ("4.758770483143637", "18", "1 + 4 cos 20°: the long sides of Sunray ¹⁄₉ ²⁄₉ on Nonastar ¹⁄₉"),
    ("3.180030884270192", "18", "the floor of Notch ²⁄₉"),
    ("1.3730088502444022", "16", "the shoulders of Petal ¹⁄₈ up to its square top"),
    ("4.329049329198353", "12", "the floor of Notch 12"),
    ("5.226681596905678", "18", "the floor of Twin Peaks ²⁄₉"),
    ("0.9118539999795812", "14", "the neckline of Dress ¹⁄₇"),
    ("4.493959207434934", "14", "2σ, twice the Heptagon's long diagonal: the long sides of Belt ³⁄₁₄"),
    ("0.6395240038449674", "14", "the blunt end of Belt ³⁄₁₄"),
    ("1.4430164430661168", "12", "Delta ¹⁄₄'s centre-to-notch, the cut of Left Delta ¹⁄₄"),
    ("2.964407624105707", "14", "the shoulders of Wings 7"),
    ("1.30442530420137", "18", "the waistband of Skirt ²⁄₉"),
    ("2.5421578920406316", "18", "the cap of Acorn ²⁄₉"),
    ("2.120614758428183", "18", "the shoulders of Wings 9"),
    ("1.8746235949379129", "18", "the top of Bread 9"),
    ("2.916221867996836", "18", "the head of Cork 9"),
    ("0.9301512653149666", "16", "the crown of Bonnet ¹⁄₈"),
    ("0.9176077997076054", "16", "the crown of Bonnet ¹⁄₈ b"),
    ("1.386874070247246", "16", "the top of Bread 8"),
    ("1.8982758594312217", "16", "the head of Cork ¹⁄₄"),
    ("0.8524912211537026", "24", "the tip sides of Petal 12 D"),
    ("2.787693700234703", "24", "the tip sides of Petal 12 E"),
    ("1.6168139402787043", "24", "the roof of Tack ⁷⁄₂₄'s head"),
    ("1.7127001509287922", "24", "the waistband of Skirt ⁵⁄₂₄"),
    ("2.154859961110307", "14", "the roof of Tack ¹⁄₇'s head"),
    ("4.525785092079037", "16", "the table of Brilliant"),
    ("1.0483394239551282", "16", "the table of Flat Brilliant"),
    ("2.2998926876885855", "16", "the top of Chisel's handle"),
    ("3.1213203435596424", "8", "the outer legs of Handle"),
    ("1.530733729460359", "8", "the ridge slopes of Thin Roof"),
    ("2.692021471630096", "14", "the top of Short Hexagon ³⁄₇"),
    ("2.645841624856079", "10", "the floor of Notch ²⁄₅"),
    ("1.7391701236163812", "18", "the outer sides of Small Twins ⁷⁄₁₈"),
    ("3.942394238613955", "12", "twice the Hexagon's side: the rim of Acorn Cap 12"),
    ("2.40438943615317", "12", "the stalk's top of Acorn Cap 12"),
    ("1.7778695740147803", "12", "the foot sides of Long Petal ¹⁄₃"),
    ("1.1782179919859732", "12", "the crown's roof of Hat ¹⁄₃"),
    ("5.68844134336727", "14", "the tip sides of Long Leaf 7"),
    ("1.5549581320873722", "14", "1 + 1/ρ: the ring's lower sides in Venus ³⁄₁₄"),
    ("1.6809323425387763", "18", "the shoulders of Shovel ⁵⁄₁₈"),
    ("2.2360679774997902", "10", "√5 = 2φ − 1: the ring's lower sides in Venus 5"),
    ("2.663642724161403", "16", "the head of Long Right Arrow"),
    ("5.4969014285419195", "18", "the top leaf of Palm ¹⁄₉"),
    ("1.419326267986036", "18", "the top of Baluster ²⁄₉"),
    ("0.350550989431947", "10", "the knob of Spinning Top ¹⁄₅"),
    ("3.0626732839703976", "18", "the bottom tips' inner sides of Pentastar ¹⁄₉"),
    ("1.4533631938113558", "18", "the bottom tips' inner sides of Pentastar ¹⁄₉ b"),
    ("3.761951883330754", "18", "the bottom tips' inner sides of Pentastar ¹⁄₉ c"),
    ("1.7494908372008178", "18", "the bottom tips' inner sides of Pentastar ¹⁄₉ d"),
    ("0.9519524718632097", "16", "the bottom tips' inner sides of Pentastar ¹⁄₃₂"),
    ("3.467178602922359", "14", "the bottom tips' inner sides of Pentastar ³⁄₁₄"),
    ("1.143765100869029", "10", "the bottom tips' inner sides of Pentastar F"),
    ("1.2360679774997898", "10", "√5 − 1 = 2/φ: the bottom tips' inner sides of Pentastar G"),
    ("2.3530058438983406", "10", "the bottom tips' inner sides of Pentastar H"),
    ("2.1408071258405696", "12", "the bottom tips' inner sides of Pentastar ¹⁄₁₂ f"),
    ("2.5776835371752527", "10", "the tip's left side of Left Petal ³⁄₁₀"),
    ("4.156875757337522", "10", "the long left side of Left Petal ³⁄₁₀"),
    ("2.883357680669369", "20", "Pentastar A from its top tip to its bottom notch: the cut of Left Half Pentastar A"),
    ("0.38268343236508967", "16", "sin 22.5°, half of Wings A's waist: the cut of Left Half Wings A"),
    ("1.7944330170235951", "10", "the legs of Bracket ¹¹⁄₃₀"),
    ("2.490907738305701", "16", "the lowest tip's inner side in Heptastar ¹⁄₈"),
    ("3.440031080572679", "10", "the lowest tips' inner sides in Heptastar ¹⁄₅"),
    ("4.250908796837778", "10", "the lowest tips' inner sides in Nonastar ¹⁄₅"),
    ("2.0763215945211986", "16", "the top of Pawn B's head"),
    ("1.9339966273213847", "16", "the stem of Sprout ³⁄₁₆"),
    ("3.23606797749979", "10", "2φ: the wrist of Hand ³⁄₁₀"),
    ("0.8244294954150512", "10", "the gap between the middle fingers of Hand ³⁄₁₀"),
    ("5.854101966249685", "10", "φ³ + φ: between two Decastar tips three tips apart, the horizon of Sunrise ³⁄₁₀"),
    ("1.3090169943749475", "10", "φ²/2: the middle of the Decastar's centre-to-notch and Sun 10's centre-to-tip"),
    ("3.267766952966369", "8", "(3 + 5/√2)/2: each half of the horizon of Left ³⁄₄ Sunrise"),
    ("1.1380711874576983", "8", "(2 + √2)/3: a third of the foot of Seven Sun"),
    # Lengths of the second round's redesigns of 561 to 1121.
    ("2.4693365928607345", "24", "a closing side of Square Star ¹⁄₆ 5 1 2, beside its drawn square side"),
    ("2.5842704787585804", "24", "a closing side of Square Star ¹⁄₆ 5 1 2, beside its drawn square side"),
    ("1.4228363195532998", "10", "the upper left side of Left Petal ³⁄₁₀"),
    ("1.9920718593705513", "24", "the back of Left Square Bonnet ¹⁄₆"),
    ("2.166045055090518", "10", "the lower left side of Left Petal ³⁄₁₀"),
    ("2.1464466094067256", "8", "the top of Left Acorn A ⁵⁄₈'s cap, between its bevels"),
    ("2.560660171779821", "8", "the deeper side of the Left Acorns A's caps"),
    ("3.974873734152917", "8", "the top of Left Acorn A ¹⁄₄'s cap"),
    ("3.306562964876376", "8", "2 + the centre-to-corner of an octagon of side 1: the upper waist of Big Twins ³⁄₈"),
    ("0.3079785283699043", "14", "a side of Left Bonnet 7"),
    ("0.5664544973505204", "16", "a side of Left Sunrise ⁵⁄₁₆"),
    ("0.6745630752863039", "14", "a side of Left Bonnet ¹⁄₇"),
    ("0.7844793394610469", "14", "a side of Left Bag 7"),
    ("0.8535533905932737", "8", "(1 + 1/√2)/2: the top between the knuckles of Left Fist"),
    ("1.143104132107791", "14", "a side of Flat Left Bag 7"),
    ("1.2426406871192857", "8", "3√2 − 3: the thumb of the Fists"),
    ("1.4393398282201788", "8", "a side of Left Fist"),
    ("1.4547305469368204", "14", "a side of Left Bag 7"),
    ("2.5549581320873713", "14", "2 + 1/ρ: the back of Left Bonnet 7"),
    ("3.3176672073940967", "14", "a side of Left Bonnet ¹⁄₇"),
    ("3.460884994775325", "16", "a side of Left Sunrise ⁵⁄₁₆"),
]

VALUES = [float(literal) for literal, _, _ in ENTRIES]

# Closer than this to a palette constant counts as that constant; anything
# farther is a length the palette does not have.
TOLERANCE = 1e-9


class LengthError(ValueError):
    pass


def snap(value):
    """The palette constant that value stands for."""
    best = min(VALUES, key=lambda v: abs(v - value))
    if abs(best - value) > TOLERANCE * max(1.0, abs(value)):
        raise LengthError("length %r is not in the palette" % value)
    return best


def literal(value):
    """The C++ literal of a palette constant: the shortest text that reads
    back as the same double."""
    text = repr(float(value))
    return text if ("." in text or "e" in text) else text + ".0"


def describe(value):
    for lit, family, note in ENTRIES:
        if float(lit) == value:
            return "%s (%s)" % (lit, note or family)
    return repr(value)
