"""The corner counts planned for the entries of raw values 561 to 1121 that
were still to be designed, chosen so that the finished catalogue's
histogram of corner counts and its 99 equal-sided figures come out exactly.

    author.py tally --plan tools/catalogue/plan-0561-1121.py

counts the table with every placeholder taken at its planned count: it must
close with nothing over and nothing left. `check` warns about a design whose
corner count or equal sides differ from its planned ones.

Many counts follow from the name (a Hexagon, a Triangle, a sector of a star,
a Star 1/6 of k tips has 2k corners) or from the given axes of a Left/Right
pair, which correspond only for some corner counts. The rest are free and
were chosen so that the quotas close. A designer may trade two counts, or
two equal-sided flags, as long as `tally --plan` still closes; change the
line here in the same commit.

Columns: raw value, corners, "equal" for a figure whose sides are all of one
length (only scaleable entries), the name. Right entries repeat their Left
entry's count.

A Star 1/6 of equal sides has its tips of 1/6 and notches of 5/12 to 11/12
turn between them; with equal sides that closes for 4, 6, 7, 8 and 10 tips
(and 6 one-handed), not for 3 or 5: those have two lengths.

The sectors of the Decastar through tips are 648-654, whose names carry the
half tip 3/20. Decastar 2/5 to 4/5 (488-492) are the cuts through notches
instead, at the same corner counts; the notch cuts of 1/5 and 3/10 are Big
Twins 3/10 and Trifolium 3/10, so Decastar 1/5 and 3/10 (486, 487) are the
tip cuts with each radius parted at φ², two corners more each, which 601,
714 and 789 give back.
"""

TEXT = """
561    18  -     Venus ⁵⁄₁₂
562     5  -     Wide Roof ⁵⁄₁₂
563    12  -     Wide Trifolium ⁵⁄₁₂
565     8  -     Long Sprout 12
566     6  -     Candle 12 S
567     6  -     Shield ¹⁄₁₂ ¹⁄₆ S
568    12  -     Half Sun 10  # cut through two opposite notches, the centre kept as a straight corner (481 is the cut through tips)
569     5  -     Left Half Shield ¹⁄₁₀
570     5  -     Right Half Shield ¹⁄₁₀  # mirror of 569
571     4  -     Left Half Gnomon
572     4  -     Right Half Gnomon  # mirror of 571
573     6  -     Fin C
574    18  -     Twin Star C
575    16  -     Octastar Edge
576    18  -     Twin Star ¹⁄₄
577    16  -     Octa Bow
578    10  -     Double V
579     7  -     Left V  # the given axes allow 7
580     7  -     Right V  # mirror of 579
581     8  -     Left Octa Bow  # the given axes allow 3 or 4 or 5 or 6 or 7 or 8 or 9 or 10 or 11 or 12 or 13 or 14 or 15 or 16 or 17 or 18 or 19 or 20 or 21 or 22 or 23 or 24 or 25 or 26 or 27 or 28 or 29 or 30 or 31 or 32 or 33 or 34 or 35 or 36 or 37 or 38 or 39 or 40 or 41 or 42 or 43 or 44 or 45 or 46 or 47 or 48 or 49 or 50 or 51 or 52 or 53 or 54 or 55 or 56 or 57 or 58 or 59 or 60 or 61 or 62 or 63 or 64
582     8  -     Right Octa Bow  # mirror of 581
584     4  -     Sunray 9
585     5  -     Left House 9
586     5  -     Right House 9  # mirror of 585
588     6  -     Crest 9
591     8  -     Golden Barrel
592     8  -     Short Tree
593    16  -     Fork 12
594     3  -     Left Triangle ¹⁄₁₆ ¹⁄₄  # the given axes allow 3
595     3  -     Right Triangle ¹⁄₁₆ ¹⁄₄  # mirror of 594
596    10  -     Left Fire  # the given axes allow 5 or 10
597    10  -     Right Fire  # mirror of 596
598    10  -     Pentastar ¹⁄₁₂
599     5  -     Left Spark 12  # the given axes allow 5
600     5  -     Right Spark 12  # mirror of 599
601     6  -     Twins 12  # traded with Decastar 1/5 (486), parted at φ² so as not to repeat 648
602     6  -     Crest 12
603    12  equal Square Compass
604     6  -     Blazon 12
605    10  -     Pentastar ¹⁄₁₂ d
606    10  -     Pentastar ¹⁄₁₂ e
607    10  -     Left Low Fire  # the given axes allow 5 or 10
608    10  -     Right Low Fire  # mirror of 607
609    12  -     Half Decastar  # cut through two opposite notches, the centre kept (489 is the cut through tips)
610    12  -     Thin Column
611    16  -     Tooth Skirt
612     7  -     Left Sun 10 ¹⁄₄  # the given axes allow 7
613     7  -     Right Sun 10 ¹⁄₄  # mirror of 612
614     4  -     Trapezoid ³⁄₁₆
615     6  -     Left Half Star ¹⁄₅  # the given axes allow 6
616     6  -     Right Half Star ¹⁄₅  # mirror of 615
617     5  -     Left Half Sprout
618     5  -     Right Half Sprout  # mirror of 617
619     5  -     Left Page ¹⁄₅  # the given axes allow 3 or 4 or 5 or 6 or 7 or 8 or 9 or 10 or 11 or 12 or 13 or 14 or 15 or 16 or 17 or 18 or 19 or 20 or 21 or 22 or 23 or 24 or 25 or 26 or 27 or 28 or 29 or 30 or 31 or 32 or 33 or 34 or 35 or 36 or 37 or 38 or 39 or 40 or 41 or 42 or 43 or 44 or 45 or 46 or 47 or 48 or 49 or 50 or 51 or 52 or 53 or 54 or 55 or 56 or 57 or 58 or 59 or 60 or 61 or 62 or 63 or 64
620     5  -     Right Page ¹⁄₅  # mirror of 619
621     6  -     Bottom Half Wide Barrel
622     4  -     Trapezoid 1 1 2
623     4  -     Left Half Bracket ¹⁄₅  # the given axes allow 4
624     4  -     Right Half Bracket ¹⁄₅  # mirror of 623
625     5  -     Wide Twin Peaks ¹⁄₅
626     6  -     Wide Wings ¹⁄₅
627     6  -     Wings ¹⁄₅
628     6  equal Hexagon ³⁄₁₀
629    18  -     Sunrise 10
630     6  -     Crest Kite
631     8  -     Sun ³⁄₁₀
632    10  -     Sun ⁴⁄₁₀
633    14  -     Crest Hand
634    16  -     Thumbtack
635     6  equal Hexagon ¹⁄₅
636     8  -     Dart Kite ¹⁄₅  # traded with 742
637     8  -     Candle ¹⁄₅
638    16  -     Leaf Star
639     6  -     Long Book ¹⁄₅
640     5  -     Half Twins 10
641    16  -     Octastar ¹⁄₅
642     8  -     Notch ¹⁄₅
643    14  -     Jar
644     6  -     Wings ¹⁄₁₀
645    16  -     Left Fork
646    16  -     Right Fork  # mirror of 645
647     4  -     Arrowhead ¹⁄₁₀ ³⁄₂₀
648     6  -     Decastar ¹⁄₅ ³⁄₂₀  # sector through tips; 486-492 cut otherwise: see the module note
649     8  -     Decastar ³⁄₁₀ ³⁄₂₀
650    10  -     Decastar ²⁄₅ ³⁄₂₀
651    14  -     Decastar ⁻²⁄₅ ³⁄₂₀
652    16  -     Decastar ⁻³⁄₁₀ ³⁄₂₀
653    18  -     Decastar ⁻¹⁄₅ ³⁄₂₀
654    20  -     Decastar ⁻¹⁄₅ ³⁄₂₀
655     6  -     Star ¹⁄₆ 3
656     8  equal Star ¹⁄₆ 2 2
657    12  equal Star ¹⁄₆ 3 3
658    12  equal Star ¹⁄₆ 2 4
659    12  equal Star ¹⁄₆ 3,3
660    14  -     Tri Acorn ¹⁄₆
661     8  equal Star ¹⁄₆ 2,2
662    22  -     Star ¹⁄₆ 11  # eleven tips of 1/6
663    14  -     Star ¹⁄₆ 2,2,3
664    14  -     Star ¹⁄₆ 3,2,2
665    10  equal Pentastar ¹⁄₆
666    10  -     Star ¹⁄₆ 2 3
667    10  -     Star ¹⁄₆ 3 2
668    12  -     Left Fire 4  # the given axes allow 3 or 4 or 6 or 12
669    12  -     Right Fire 4  # mirror of 668
670    10  -     Star ¹⁄₆ 5
671    16  equal Star ¹⁄₆ 4 4
672    14  equal Star ¹⁄₆ 7
673    16  -     Star ¹⁄₆ 3 5
674    16  -     Star ¹⁄₆ 5 3
675    10  -     Star ¹⁄₆ 2,3
676    10  -     Star ¹⁄₆ 3,2
677    16  -     Decastar ⁻⁷⁄₂₀ ³⁄₂₀ ³⁄₁₀  # tip radius to notch radius would make 15, which is full: one corner more
678    16  -     Decastar ⁻⁷⁄₂₀ ³⁄₁₀ ³⁄₂₀
679     6  -     Acorn A Top
680     6  -     Short Wings A
681     8  -     Hammer
682    14  -     Bolt
683    10  -     Y ¹⁄₁₀
684     6  -     Long Navette
685    12  -     x
686    10  -     Left Bracket  # the given axes allow 10
687    10  -     Right Bracket  # mirror of 686
688     6  -     Skirt ⁷⁄₂₄
689     4  -     Kite ¹⁄₆ ⁵⁄₁₂
691     4  -     Kite ¹⁄₈ ⁷⁄₂₄
693    12  -     Candy ¹⁄₆
694     6  -     Half Compass ¹⁄₆
695     6  -     Sun ⁷⁄₂₄ ¹⁄₄
696     8  -     Sun ⁷⁄₂₄ ³⁄₈
697    10  -     Sun ⁷⁄₂₄ ¹⁄₂
698    12  -     Sun ⁷⁄₂₄ ⁻³⁄₈
699    14  -     Sun ⁷⁄₂₄ ⁻¹⁄₄
700    16  -     Sun ⁷⁄₂₄ ⁻¹⁄₈
701     8  -     Square House
702    11  -     Left Sailboat 3  # the given axes fix 11, which takes both 11s left
703    11  -     Right Sailboat 3  # mirror of 702
704    17  -     Hexadecastar Edge ¹⁄₄  # half the star, cut through two opposite notches, the cut one side
705    24  -     Hexadecastar Corner ¹⁄₄  # from a tip radius to one 11 tips on
706    20  -     Star ¹⁄₆ 10
707     8  -     Ship ¹⁄₆
709     5  -     Skirt ¹⁄₆
710    10  -     Thin Y ¹⁄₆
711     8  -     Left Bonnet ¹⁄₆  # the given axes allow 4 or 8
712     8  -     Right Bonnet ¹⁄₆  # mirror of 711
713    12  -     Cap 12
714    12  -     Square Y ¹⁄₆  # with 789: traded with Decastar 3/10 (487), parted at φ² so as not to repeat 649
715    10  -     Left Square Bonnet ¹⁄₆  # the given axes allow 5 or 10
716    10  -     Right Square Bonnet ¹⁄₆  # mirror of 715
717    12  -     Square Bonstar ¹⁄₆
718    20  equal Square Star ¹⁄₆ 10
719    12  equal Square Star ¹⁄₆ 6
720    14  -     Left Square Star ¹⁄₆ 2  # the given axes allow 14 or 28
721    14  -     Right Square Star ¹⁄₆ 2  # mirror of 720
722    14  -     Square Star ¹⁄₆ 1 2
723    14  -     Square Star ¹⁄₆ 2 1
724     9  -     Triplet ¹⁄₆
725    16  -     Fork ¹⁄₆
726    20  -     Star ¹⁄₆ 4 6
727    10  -     Square Bonnet ¹⁄₆
728    12  -     Square Star ¹⁄₆ 2 2
729    16  -     Square Star ¹⁄₆ 2 1 3 1
730    16  -     Square Star ¹⁄₆ 1 3 1 2
731    16  -     Square Star ¹⁄₆ 1 2 1 3
732    16  -     Square Star ¹⁄₆ 3 1 2 1
733    12  -     Square Star ¹⁄₆ 1 2 1
734    20  equal Star ¹⁄₆ 5 5
735    12  equal Star ¹⁄₆ 1 3 2
736    12  equal Star ¹⁄₆ 2 3 1
737    12  -     Square Star ¹⁄₆ 3
738    14  equal Star ¹⁄₆ 2 3 2
739     8  -     Pointy Acorn 16 B
740    12  -     Airplane 16 B
741     6  -     Tent 16 B
742     5  -     Square Star ¹⁄₆ 1  # one tip on a square is odd; traded with 636
744     6  -     Petal 7
745     6  -     Shield ¹⁄₇
746     4  -     Sunray ¹⁄₇
748     6  -     Big Twins ⁵⁄₁₄
749     5  -     Wide Pentagon 7
750     4  -     Arrowhead 7
751     8  equal Octagon 7
752    10  -     Pentastar 7 a
753    18  -     Twin Star 7
754     6  equal Hexagon 7
755     3  -     Triangle 7
757     6  -     Drop 7
758    12  -     U ²⁄₇
759     6  -     Leaf 7
760     8  -     Shovel ³⁄₁₄
761     6  -     Petal ³⁄₇
762     6  -     Fin 7
763     6  -     Drum 7
764     8  equal Quadstar 7
765     6  -     Long Hexagon 7
766    10  -     Cupcake 7
767     4  -     Kite 7
770     6  -     Skirt 7
771     5  -     Pentagon 7
772     8  -     Twins ²⁄₇
774     6  -     Belt 7
775     4  -     Kite ¹⁄₇
776     8  -     Shovel ²⁄₇
777     6  -     Petal ³⁄₁₄ ⁵⁄₁₄
778     8  -     Long Cork 7
779     6  -     Wide Skirt 7
780    14  -     Wide Twins 7
781     6  -     Crest 7
782     5  -     Twin Peaks 7
783     6  -     Thin Belt 7
784     8  -     Cork 7
785    14  -     Big Twins ²⁄₇
786    12  -     Candy ³⁄₁₄
787     8  -     Bag 7
788    10  -     Bonnet 7
789     8  -     Long Twins 7  # Twins ³⁄₇ drawn out; with 714, traded with Decastar 3/10 (487)
790     6  -     Flat Gem 7
791    10  -     Pentastar 7 b
792    10  -     Pentastar 7 c
793    12  -     Crown 7
794     6  -     Narrow Twins ⁵⁄₁₄
795     8  -     Ginkgo 7
797    10  -     Pentastar ³⁄₇
798    18  -     Twin Star ²⁄₇
799     8  -     Small Bonnet 7
800     6  -     Twins ⁵⁄₁₄
802     5  -     Pentagon ³⁄₇
803     6  -     Gem 7
804     4  -     Petal ⁵⁄₁₄
805    14  -     Palm 7
806     8  -     Candle 7
807     4  -     Sunray ¹⁄₁₄
808    10  -     Bonnet ¹⁄₇
809     3  -     Triangle ¹⁄₇
810     6  -     Shield ¹⁄₁₄
811     6  -     Petal 14
812     6  equal Big Hexagon 7
813     4  -     Kite ²⁄₇
814     6  -     V 7
815    14  -     Sunrise ¹⁄₇
816    10  -     Bonnet ²⁄₇
817     8  -     Fin Cork 7
818    12  -     U ³⁄₇
819    10  -     Bonnet ³⁄₇
820     8  -     Handle ³⁄₇
821     8  -     Bag ³⁄₁₄
822    10  -     Pentastar ¹⁄₁₄
823     8  -     Sprout ³⁄₁₄
824     6  -     Small Twins ⁵⁄₁₄
825     8  -     Acorn 7
826    10  -     Acorn Bag 7
828    14  -     Big Twins ³⁄₇
829     6  equal Hexagon ³⁄₇
830    14  -     Tree 7
831     3  -     Triangle ¹⁄₁₄
832     8  -     Candle ¹⁄₇
833    12  -     Columnn 7
834    16  -     Sunrise 7 ³⁄₇
835    14  -     Sunrise ²⁄₇
836     9  -     Left Rosebud 7  # the given axes allow 3 or 9
837     9  -     Right Rosebud 7  # mirror of 836
838    12  -     Cap 7
839     8  -     Label 7
840    12  -     Candy ¹⁄₇
841    12  -     Cottage ²⁄₇  # traded with 904/924: a door and eaves
842     8  -     Flat Bonnet 7
843     8  -     Left Bonnet 7  # the given axes allow 4 or 8
844     8  -     Right Bonnet 7  # mirror of 843
845     6  -     Short Petal ³⁄₇
846     8  -     Twins ³⁄₇
847    10  -     Pentastar 7 d
848     8  -     Bread
849    12  -     Square Compass ¹⁄₈
850     8  -     Dress ¹⁄₇
851    18  -     Venus 7
852    25  -     Sunrise 14 ³⁄₇  # twelve rays over the horizon
854     6  -     Petal ³⁄₁₄ ³⁄₇
855    10  -     Pentastar ¹⁄₁₄ b
856    10  -     Pentastar 7 e
857    14  -     Accordion 7
858     8  -     Short Label 7
859     6  -     Short Hexagon 7
860     6  -     Belt ³⁄₁₄
861     8  -     Left Bonnet ¹⁄₇  # the given axes allow 4 or 8
862     8  -     Right Bonnet ¹⁄₇  # mirror of 861
863     9  -     Sunrise 7 ³⁄₁₄
864    12  -     Tri Bracket 7
865    10  -     Square Star ¹⁄₆ 2 1 2
866     8  -     Left Crest 12  # the given axes allow 4 or 8
867     8  -     Right Crest 12  # mirror of 866
868    20  -     Star ¹⁄₆ 2 8
869    20  -     Star ¹⁄₆ 3 7
870     8  -     Acorn Cap 12
871    10  -     Left Fork ¹⁄₆  # the given axes allow 5 or 10
872    10  -     Right Fork ¹⁄₆  # mirror of 871
873    12  -     Square Star ¹⁄₆ 2 1 1
874    12  -     Square Star ¹⁄₆ 1 1 2
875    16  -     Square Star ¹⁄₆ 3 2 3
876    12  -     Star ¹⁄₆ 1 2 3
877    12  -     Star ¹⁄₆ 3 2 1
878    14  -     Square Star ¹⁄₆ 1 3  # traded with 1067/1068
879    14  -     Square Star ¹⁄₆ 3 1
880    18  -     Square Star ¹⁄₆ 2 5 1
881    18  -     Square Star ¹⁄₆ 1 5 2
882    18  -     Star ¹⁄₆ 2 3 4
883    18  -     Star ¹⁄₆ 4 3 2
884    18  -     Square Star ¹⁄₆ 1 2 5
885    18  -     Square Star ¹⁄₆ 5 2 1
886    10  -     Square Star ¹⁄₆ 2 3
887    10  -     Square Star ¹⁄₆ 3 2
888     6  -     Square Star ¹⁄₆ 1 1
889     4  -     Skirt ⁷⁄₁₆
890     8  -     Left Acorn ¹⁄₅  # traded with 1104: its setup axis must meet the given edge(2) of 891, which 10 corners cannot
891     8  -     Right Acorn ¹⁄₅  # mirror of 890
892    12  -     Left Sun 10 ⁹⁄₂₀  # tip radius to notch radius would make 11, which Sailboat 3 takes
893    12  -     Right Sun 10 ⁹⁄₂₀  # mirror of 892
894     6  -     Thin Gem 7
895    12  -     Thin Columnn 7
896     6  -     Left Small Shield ¹⁄₁₂ ¹⁄₆
897     6  -     Right Small Shield ¹⁄₁₂ ¹⁄₆  # mirror of 896
898    10  -     Pointy Y
899     6  -     Belt √2
900    10  -     Short Pointy Y
901     6  -     Thin Belt √2
902     8  -     Necktie
903     8  -     Shovel ⁵⁄₁₄
904     5  -     Left Decastar ³⁄₂₀  # traded with 841, 1012 and 996: its setup axis must meet the given edge(2) of 924, which allows 5 to 9 corners, and the tip-to-notch cut has 5
905     8  -     Short Acorn ¹⁄₅ Top
906    16  -     Octastar Corner
907    16  -     Brilliant
908    18  -     Double Brilliant
909     8  -     Chisel
910     8  -     Handle
912     8  -     House 2
914    12  equal Hexstar ¹⁄₇
915    12  -     Baluster ¹⁄₆
916    12  -     Trifolium ¹⁄₄ b
917     4  -     Short Left Trapezoid
918     4  -     Short Right Trapezoid  # mirror of 917
919     5  -     Thin Roof
920    14  -     Big Twins ³⁄₈
921    22  -     Queen  # a crown of many points
922    12  -     Mitosis  # its dividends repeat with a shorter period than its lengths
923     8  -     Bookmark
924     5  -     Right Decastar ³⁄₂₀  # mirror of 904
925    10  -     Left Pentastar ¹⁄₁₂  # the given axes allow 5 or 10
926    10  -     Right Pentastar ¹⁄₁₂  # mirror of 925
927     8  -     Bracket ¹¹⁄₃₀
928     6  -     Wings ²⁄₁₅
931    12  -     Candy ¹⁄₁₄
932     6  -     Shield ¹⁄₁₄ ²⁄₇
933     5  -     Left Delta ¹⁄₄
934     5  -     Right Delta ¹⁄₄  # mirror of 933
935     4  -     Left Quadrilateral ⁵⁄₂₄
936     4  -     Right Quadrilateral ⁵⁄₂₄  # mirror of 935
937     4  -     Left Cairo  # the given axes allow 4
938     4  -     Right Cairo  # mirror of 937
939     4  -     Kite ⁷⁄₂₄
940     4  -     Kite ⁵⁄₂₄
941     8  -     Bread 7
942    18  -     Twin Star ¹⁄₇
943     7  -     Left Bag 7  # the given axes allow 7
944     7  -     Right Bag 7  # mirror of 943
945     8  -     Flat Left Bag 7  # the given axes allow 8
946     8  -     Flat Right Bag 7  # mirror of 945
947     8  -     Shovel ³⁄₇
948    16  -     Octastar ³⁄₁₄
949     8  -     Wings 7
950    18  -     Agave
951     6  -     Short Hexagon ³⁄₇
952     6  -     Petal 9
953    18  -     Twin Star 9
954    18  -     Palm ¹⁄₉
955     6  -     Petal 12 9
956    10  -     Pentastar ¹⁄₉
957    10  -     Pentastar ¹⁄₉ b
958     8  equal Octagon ⁴⁄₉
960     4  -     Dart ²⁄₉
963     7  -     Heptagon ¹¹⁄₃₆
964     3  -     Triangle ¹⁄₉
965     6  -     Gem ²⁄₉
967     5  -     Skirt ²⁄₉
968     4  -     Dart ¹⁄₆ ¹⁄₉
969     4  -     Petal ²⁄₉ ¹⁄₃
972     4  -     Kite ²⁄₉ ¹⁄₆
974     6  equal Hexagon ²⁄₉
975     4  -     Arrowhead 9
976     8  -     Acorn ²⁄₉
977     8  -     Twins 9
978     6  -     V 9
979     7  -     Left Bird 9  # the given axes allow 7
980     7  -     Right Bird 9  # mirror of 979
981     5  -     Notch ²⁄₉
982     4  -     Sunray ¹⁄₂₀ ¹⁄₁₀
983     8  -     Wings 9
984    10  -     Pentastar ¹⁄₉ c
986     6  -     Navette ⁵⁄₁₈
987     4  -     Sunray ¹⁄₉ ²⁄₉
988     4  -     Arrowhead ¹⁄₉ ¹⁄₆
989     8  -     Twins ⁷⁄₁₈
990    10  -     Pentastar ¹⁄₉ d
991     6  -     Long Petal ¹⁄₃
992    14  -     Heptastar ¹⁄₈
993     6  -     Petal ¹⁄₈
994     6  -     Shield ¹⁄₁₆
995    10  -     Bonnet ¹⁄₈
996    12  -     Shield ³⁄₃₂  # traded with 904/924
997     6  -     V ³⁄₁₆
998    10  -     Pentastar ¹⁄₃₂
999     8  -     Sprout ³⁄₁₆
1000    5  -     Skirt ⁵⁄₁₆
1001   10  -     Bonnet ¹⁄₈ b
1002    5  -     Notch ²⁄₅
1004   18  -     Nonastar ¹⁄₅
1005    4  -     Left Quadrilateral ⁵⁄₂₄ ¹⁄₃  # the given axes allow 4
1006    4  -     Right Quadrilateral ⁵⁄₂₄ ¹⁄₃  # mirror of 1005
1007   16  -     Pawn B
1008    5  -     Half Drum ¹⁄₅
1009    6  -     Half Wide Barrel
1010   10  -     Left Cork  # the given axes allow 5 or 10
1011   10  -     Right Cork  # mirror of 1010
1012    6  -     Bottom Half Drum ¹⁄₅  # traded with 904/924: a half must differ from Half Drum ¹⁄₅, so its cut keeps a straight corner
1013    5  -     Left Petal ³⁄₁₀
1014    5  -     Right Petal ³⁄₁₀  # mirror of 1013
1015   12  -     Acorn Star ¹⁄₅
1016   18  -     Twin Star ¹⁄₅
1017   14  -     Heptastar ¹⁄₅
1018    5  -     Notch 12
1019    6  -     Petal 12 D
1020    5  -     Short Notch ¹⁄₃
1021   16  -     Spinning Top ¹⁄₅
1022    9  -     Acorn Ginkgo ¹⁄₅  # traded with 1023
1023   10  -     Triplet ¹⁄₅  # traded with 1022: headed north, an odd count stands its base on top
1024   12  -     Truncated Paw
1025    4  -     Arrowhead ¹⁄₇ ¹⁄₁₄
1026    9  -     Long Leaf 7
1027   10  -     Pentastar ³⁄₁₄
1028    6  -     Thin Twins ⁵⁄₁₄
1029    8  -     Tack ¹⁄₇
1030   10  equal Decagon ⁵⁄₁₄
1031    6  -     Wide Belt 7
1032    6  -     Drum ¹⁄₇
1034    5  -     Pentagon ⁵⁄₁₈
1035    4  -     Kite ²⁄₉
1036    8  -     Bread 9
1038    8  -     Shovel ⁵⁄₁₈
1039   16  -     Hand ¹⁄₆
1040    6  -     Petal 12 E
1041   14  -     Left Headdress  # the given axes allow 7 or 14
1042   14  -     Right Headdress  # mirror of 1041
1043   12  -     Square Star ¹⁄₆ 3 3
1044    8  -     Square Cork
1045   12  -     Baluster ²⁄₉
1046   18  -     Sunrise 9
1047    4  -     Kite ¹⁄₁₈
1048    5  -     Twin Peaks ²⁄₉
1049   16  -     Square Star ¹⁄₆ 5 1 2
1050   16  -     Square Star ¹⁄₆ 2 1 5
1051   14  -     Square Star ¹⁄₆ 2 1 1 3
1052   14  -     Square Star ¹⁄₆ 3 1 1 2
1054    4  -     Petal ⁵⁄₂₄
1055    8  -     Tack ⁷⁄₂₄
1056   10  -     Pentastar F
1057   10  -     Pentastar G
1059   18  -     Venus 5
1060    6  -     Thin Belt ³⁄₁₀
1061   16  -     Fork ³⁄₁₀
1062   16  -     Hand ³⁄₁₀
1063   14  -     Serrated Leaf ³⁄₁₀
1064    7  -     Right Arrow
1065   14  -     Long Right Arrow
1066    5  -     Cottage ¹⁄₃
1067   12  -     Left Fist  # traded with 878/879: the setup axis of 1068 must meet the given edge(2), which fourteen corners cannot
1068   12  -     Right Fist  # mirror of 1067
1069    8  -     Hat ¹⁄₃
1070   10  -     Left Notch Fist  # the given axes allow 5 or 10
1071   10  -     Right Notch Fist  # mirror of 1070
1072    8  -     Twins ³⁄₈ ⁵⁄₂₄
1073   10  -     Pentastar H
1074    5  -     Skirt ⁵⁄₂₄
1076    8  -     Leaf ¹⁄₄ B
1077    3  -     Triangle ⁷⁄₂₄
1078    8  -     Octa Gem
1079    8  -     Flat Brilliant
1080   10  -     Pentastar ¹⁄₁₂ f
1081    6  -     Navette ¹⁄₄
1082    8  -     Cork ¹⁄₄
1083    8  -     Bread 8
1084    6  -     Belt ¹⁄₄
1085   16  -     Quasar ¹⁄₄ ⁻¹⁄₃
1086    6  -     Half Compass
1087   12  -     Sun ¹⁄₄ ⁻³⁄₈
1088   16  -     Sun ⁻¹⁄₈ ⁵⁄₁₆
1089    4  -     Quarter Compass
1090   10  -     Half Sun ⁵⁄₁₆
1091    8  -     Three Quarters Compass
1092    6  -     Quarter Sun  # both radial quarters are taken (Sun ¹⁄₄, Twins C): a chord cuts it, keeping its middle
1093   14  -     Three Quarters Sun
1094    8  -     Left Acorn A ¹⁄₄
1095    8  -     Right Acorn A ¹⁄₄  # mirror of 1094
1096    5  -     Left Sun ³⁄₁₆
1097    5  -     Right Sun ³⁄₁₆  # mirror of 1096
1098    9  -     Left Sun ⁵⁄₁₆
1099    9  -     Right Sun ⁵⁄₁₆  # mirror of 1098
1100    9  -     Left Sun ⁷⁄₁₆
1101    9  -     Right Sun ⁷⁄₁₆  # mirror of 1100
1102    6  -     Three Quarters Square
1103   12  -     Sunrise ⁵⁄₈
1104   10  -     Left Acorn A ⁵⁄₈  # traded with 890
1105   10  -     Right Acorn A ⁵⁄₈  # mirror of 1104
1106   10  -     Left ³⁄₄ Sunrise  # the given axes allow 10
1107   10  -     Right ³⁄₄ Sunrise  # mirror of 1106
1108    5  -     Left Sunrise ⁵⁄₁₆  # the given axes allow 5
1109    5  -     Right Sunrise ⁵⁄₁₆  # mirror of 1108
1110    8  -     Cork 9
1111    6  -     Small Twins ⁷⁄₁₈
1112    5  -     Cottage ⁵⁄₁₈
1113    4  -     Kite ⁷⁄₁₈
1114   16  -     Octastar ³⁄₁₀
1115    6  -     Half Octagon
1116    6  -     Left Half Pentastar A  # the given axes allow 6
1117    6  -     Right Half Pentastar A  # mirror of 1116
1118    5  -     Left Half Wings A  # the given axes allow 5
1119    5  -     Right Half Wings A  # mirror of 1118
1120   18  -     Venus ³⁄₁₄
"""


def load(text=TEXT):
    """raw value -> (corners, equal-sided, name)."""
    plan = {}
    for line in text.splitlines():
        line = line.split("#", 1)[0].strip()
        if not line:
            continue
        raw, corners, sides, name = line.split(None, 3)
        if sides not in ("equal", "-"):
            raise ValueError("raw %s: the sides column reads %r, not 'equal' or '-'" % (raw, sides))
        plan[int(raw)] = (int(corners), sides == "equal", name.strip())
    return plan

