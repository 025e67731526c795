"""Checks of the authoring tool against the program's own rules:
python3 -m unittest discover tools/catalogue"""

import math
import os
import shutil
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import author  # noqa: E402
import checks  # noqa: E402
import families  # noqa: E402
import geometry  # noqa: E402
import shapes  # noqa: E402
import table  # noqa: E402


class WalkTest(unittest.TestCase):
    def test_walk_is_exact_along_axes_and_diagonals(self):
        self.assertEqual(geometry.walk([1, 1, 1, 1], [1.0] * 4), [(0, 0), (1, 0), (1, 1), (0, 1)])
        # An octagon's diagonal sides mirror each other bit for bit.
        v = geometry.walk([1] * 8, [1.0] * 8)
        # The diagonal side takes the cosine for both components.
        self.assertEqual(v[2], (1.0 + math.cos(math.pi / 4), math.cos(math.pi / 4)))
        self.assertEqual(v[3][0], v[2][0])
        self.assertEqual(v[6][0], v[7][0])

    def test_every_given_entry_closes(self):
        _, rows = table.read_rows()
        outlines = table.evaluate(rows)
        for raw in checks.GIVEN - {476, 477}:
            o = outlines[raw]
            self.assertLess(geometry.closure_error(o.dividends, o.lengths), 5e-13, raw)

    def test_mirror_rule_maps_axes_like_the_given_pair(self):
        # Left Bird (vertex 6) and Right Bird (vertex 3), seven corners.
        self.assertEqual(geometry.mirrored_axis(("vertex", 6), 7, 0), ("vertex", 3))
        _, rows = table.read_rows()
        o = table.evaluate(rows)
        self.assertEqual(geometry.canonical_name(o[16].dividends, o[16].lengths),
                         geometry.reversed_canonical_name(o[17].dividends, o[17].lengths))


class ShapeTest(unittest.TestCase):
    def test_symmetric_builder_closes_and_is_its_own_mirror_image(self):
        house = shapes.sym(8, [shapes.X, 2, 1.0, 3, 1.4142135623730951, 2]).close()
        d, l = house.dividends(), house.sides
        self.assertEqual(d, [2, 3, 2, 3, 2])
        self.assertEqual(l[0], 2.0)
        self.assertIn(("edge", 0), geometry.mirror_axes(d, l))
        self.assertEqual(geometry.canonical_name(d, l), geometry.reversed_canonical_name(d, l))

    def test_solver_finds_two_sides_and_refuses_lengths_off_the_palette(self):
        # A right triangle of legs X and Y with hypotenuse 2 + √2.
        t = shapes.poly(8, [1, 1, 2], [shapes.X, 3.414213562373095, shapes.Y]).close()
        self.assertEqual(t.sides, [2.414213562373095, 3.414213562373095, 2.414213562373095])
        with self.assertRaises(shapes.DesignError):
            shapes.poly(8, [1, 1, 2], [shapes.X, 3.0, shapes.Y]).close()
        with self.assertRaises(shapes.DesignError):
            shapes.poly(8, [1, 2, 2], [1.0, 1.0, 1.0]).close()

    def test_pentastar_closes_the_regular_star_and_stands_on_its_notch_or_its_tip(self):
        phi = 1.618033988749895
        for north, first in ((False, 14), (True, 2)):
            star = families.pentastar(20, (2, 2, 2), (14, 14, 14), (phi,) * 4, north=north).close()
            self.assertEqual(star.sides, [phi] * 10)
            self.assertEqual(star.corners[-1], first)  # the corner that vertex 0 is
            self.assertIn(("vertex", 0), geometry.mirror_axes(star.dividends(), star.sides))

    def test_square_star_puts_each_group_on_its_own_side_and_draws_the_bare_ones(self):
        s12 = 1.249688897773919
        # Tips on the right and top sides, the left and bottom sides drawn: a
        # square corner (24 of 96) opposite the notch between the two tips.
        corner = families.square_star([0, 1, 1, 0], s12, bare={2: [(3, shapes.X), (0, shapes.Y)]}).close()
        self.assertEqual(corner.corners, [16, 56, 16, 40, 24, 40])
        self.assertEqual(corner.sides, [s12] * 6)
        # A group of two fans its tips 1/16 turn apart: the notch between
        # them is 37/48, and the figure of 2, 1, 2 is its own mirror image.
        star = families.square_star([0, 2, 1, 2], s12, free={0: shapes.X, 9: shapes.Y}).close()
        self.assertEqual(star.corners.count(16), 5)
        self.assertIn(74, star.corners)
        d, l = star.dividends(), star.sides
        self.assertEqual(geometry.canonical_name(d, l), geometry.reversed_canonical_name(d, l))

    def test_twins_fuse_two_equal_lobes_at_notches_on_both_axes(self):
        # Twins ³⁄₈'s lobes of 3/8 tips and square side corners, fused at
        # notches of 5/8: the given figure's corners, walked from a notch.
        t = families.twins(16, 1, 3, 1.0, 1.0).close()
        self.assertEqual(t.dividends(), [2, 3, 2, 5, 2, 3, 2, 5])
        self.assertEqual(t.sides, [1.0] * 8)
        d, l = t.dividends(), t.sides
        self.assertEqual(geometry.first_mirror_axis(d), ("vertex", 0))
        self.assertEqual(geometry.mirror_axes(d, l), [("vertex", 0), ("vertex", 2), ("vertex", 4), ("vertex", 6)])
        tipped = families.twins(16, 1, 3, 1.0, 1.0, tip_first=True).close()
        self.assertEqual(tipped.corners[-1], 3 * 2)  # vertex 0 is a tip of 3/8

    def test_recipes_build_what_the_generators_design(self):
        rows = {}
        for recipe, shape in (("sector(8, 2, 1.0, 2.414213562373095)", families.sector(8, 2, 1.0, 2.414213562373095)),
                              ("rhombus(1, 5, 1.618033988749895)", families.rhombus(1, 5, 1.618033988749895))):
            row = table.Row(0, table.ROW.match('  {7, "X", south, scaleable, setupAxis, "%s"},\n' % recipe))
            built = table.evaluate({7: row})[7]
            self.assertEqual((built.dividends, built.lengths), shape.outline())


class IconStandingTest(unittest.TestCase):
    def test_warns_when_the_notch_of_a_dart_is_its_axis_and_sits_at_or_past_the_centre(self):
        # Darts stood on their notch (vertex 2): the deeper the notch, the
        # nearer the mean of the four corners comes to it, and then passes it.
        row = table.Row(0, table.ROW.match('  {7, "X", south, fixedSize, vertex(2), "polygon({}, {})"},\n'))
        for tip, reflex, a, expected in ((1, 5, 2.414213562373095, None),     # notch well clear of the centre
                                         (1, 13, 2.414213562373095, "unstable"),  # 4% of the radius away
                                         (2, 12, 1.8477590650225735, "on its head")):  # the centre past the notch
            unit = 8 if reflex == 5 else 16
            dart = families.dart(unit, tip, reflex, a).close()
            report = checks.Report()
            checks.check_entry(report, row, table.Outline(dart.dividends(), dart.sides))
            icon = [text for _, text in report.warnings if "icon" in text]
            with self.subTest(tip=tip, reflex=reflex):
                self.assertEqual(report.errors, [])
                if expected is None:
                    self.assertEqual(icon, [])
                else:
                    self.assertEqual(len(icon), 1)
                    self.assertIn(expected, icon[0])
            # By its tip (vertex 0) every one of them stands well.
            share, cosine = geometry.icon_standing(geometry.walk(dart.dividends(), dart.sides), ("vertex", 0))
            self.assertGreater(share, checks.MIN_AXIS_OFFSET)
            self.assertGreater(cosine, 0.99)

    def test_outward_direction_at_a_side_and_at_a_reflex_corner(self):
        square = geometry.walk([1, 1, 1, 1], [1.0] * 4)
        self.assertEqual(geometry.outward_at_axis(square, ("edge", 0)), (0.0, -1.0))
        dart = families.dart(8, 1, 5, 2.414213562373095).close()
        v = geometry.walk(dart.dividends(), dart.sides)
        # The notch opens away from the tip.
        ox, oy = geometry.outward_at_axis(v, ("vertex", 2))
        tx, ty = v[0][0] - v[2][0], v[0][1] - v[2][1]
        self.assertLess(ox * tx + oy * ty, 0)


class DesignFileTest(unittest.TestCase):
    def test_a_length_where_a_corner_belongs_is_reported_with_its_entry_and_place(self):
        # One side too many shifts X into a corner's place; the design after
        # it must still be built.
        with tempfile.TemporaryDirectory() as directory:
            path = os.path.join(directory, "designs.py")
            with open(path, "w", encoding="utf-8") as f:
                f.write('entry(6, "House", sym(8, [2 + SQRT2, 2, 2 + SQRT2, 2, 1, X, 2]))\n'
                        'entry(2, "Right Hexagon", sym(8, [1 + SQRT2, 2, 1 + SQRT2 / 2, 3, 1, 3, 1]))\n')
            _, _, designs, report = author.build([path])
        self.assertEqual([raw for raw, _ in report.errors], [6])
        text = report.errors[0][1]
        for part in ("designs.py:1", "House", "item 5", "X"):
            self.assertIn(part, text)
        self.assertIn(2, designs)
        with self.assertRaisesRegex(shapes.DesignError, "corner 1 is X"):
            shapes.poly(8, [2, shapes.X, 2, 3, 3], [1.0] * 5).close()


class CatalogueRulesTest(unittest.TestCase):
    def row(self, raw, name):
        return table.Row(0, table.ROW.match('  {%d, "%s", south, scaleable, setupAxis, "polygon({}, {})"},\n'
                                            % (raw, name)))

    def test_the_palette_holds_each_length_once(self):
        import palette
        values = sorted(palette.VALUES)
        for a, b in zip(values, values[1:]):
            self.assertGreater(b - a, 2 * palette.TOLERANCE * max(1.0, b), (a, b))

    def test_a_straight_corner_only_between_sides_of_one_length(self):
        # A rectangle 2 by 1 with a corner of 1/2 on its top side.
        for top, errors in (((1.0, 1.0), 0), ((0.5, 1.5), 1)):
            report = checks.Report()
            checks.check_entry(report, self.row(911, "Rectangle 2"),
                               table.Outline([1, 1, 2, 1, 1], [2.0, 1.0, top[0], top[1], 1.0]))
            with self.subTest(top=top):
                self.assertEqual(len([t for _, t in report.errors if "straight" in t]), errors)

    def test_a_fraction_the_catalogue_says_names_no_corner_must_not_be_one(self):
        rhombus = families.rhombus(2, 7, 1.0).close()
        for raw, name, expected in ((798, "Twin Star ²⁄₇", "must name no corner"), (796, "Rhombus ²⁄₇", None)):
            report = checks.Report()
            checks.check_entry(report, self.row(raw, name), table.Outline(rhombus.dividends(), rhombus.sides))
            with self.subTest(raw=raw):
                if expected:
                    self.assertTrue(any(expected in t for _, t in report.errors), report.errors)
                else:
                    self.assertEqual(report.errors, [])

    def test_one_shape_under_two_names_is_an_error_unless_only_a_size_word_parts_them(self):
        _, rows = table.read_rows()
        outlines = table.evaluate(rows)
        # A rectangle twice the size of Rectangle 2, turned a quarter.
        outlines[622] = table.Outline([1, 1, 1, 1], [4.0, 2.0, 4.0, 2.0])
        rows[233].name = "Small Wide Rectangle 2"
        rows[911].name = "Wide Rectangle 2"
        outlines[233] = table.Outline([1, 1, 1, 1], [1.0, 0.5, 1.0, 0.5])
        report = checks.Report()
        checks.check_table(report, rows, outlines, {622, 233})
        # Each pair once; the two that differ by Small alone pass.
        shared = sorted((raw, t) for raw, t in report.errors if "one shape" in t)
        self.assertEqual(shared, [(233, "is one shape with 622 Trapezoid 1 1 2"),
                                  (622, "is one shape with 911 Wide Rectangle 2")])


class RewriteTest(unittest.TestCase):
    def test_rewrite_replaces_only_the_named_rows(self):
        with tempfile.TemporaryDirectory() as directory:
            path = os.path.join(directory, "CatalogueEntry.cpp")
            shutil.copy(table.TABLE, path)
            before, rows = table.read_rows(path)
            table.rewrite({2: "polygon({1, 1, 1, 1}, {1.0, 1.0, 1.0, 1.0})"}, path)
            after, new_rows = table.read_rows(path)
            self.assertEqual(len(before), len(after))
            changed = [i for i, (a, b) in enumerate(zip(before, after)) if a != b]
            self.assertEqual(changed, [rows[2].line_number])
            self.assertEqual(new_rows[2].name, rows[2].name)
            self.assertEqual(new_rows[2].kind, "polygon")


if __name__ == "__main__":
    unittest.main()


class TallyTest(unittest.TestCase):
    def test_the_table_has_the_catalogues_shape_and_a_changed_count_breaks_it(self):
        _, rows = table.read_rows()
        outlines = table.evaluate(rows)
        self.assertIn(checks.HAS_ITS_SHAPE, checks.tally(rows, outlines))

        house = outlines[6]
        outlines[6] = table.Outline(house.dividends + [4], house.lengths + [1.0])
        self.assertNotIn(checks.HAS_ITS_SHAPE, checks.tally(rows, outlines))
        report = checks.Report()
        checks.check_table(report, rows, outlines, {6})
        self.assertTrue(any("figures of %d corners" % (len(house.dividends) + 1) in text for _, text in report.errors))

    def test_a_new_equal_sided_figure_breaks_the_count(self):
        _, rows = table.read_rows()
        outlines = table.evaluate(rows)
        outlines[6] = table.Outline([1] * 5, [1.0] * 5)
        self.assertNotIn(checks.HAS_ITS_SHAPE, checks.tally(rows, outlines))
        report = checks.Report()
        checks.check_table(report, rows, outlines, {6})
        self.assertTrue(any("equal-sided" in text for _, text in report.errors))
