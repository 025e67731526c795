"""Checks of the direction-drawn outlines:
python3 -m unittest discover tools/catalogue"""

import math
import os
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import geometry  # noqa: E402
import headings  # noqa: E402
from shapes import DesignError, X  # noqa: E402


class HalfTest(unittest.TestCase):
    def test_a_house_from_its_right_half_closes_with_its_roof_solved(self):
        house = headings.half(12, [(0, 2.0), (90, 1.0), (150, X)]).close()
        self.assertEqual(house.corners, [3, 4, 4, 4, 3])
        self.assertAlmostEqual(house.sides[2], 2 / math.sqrt(3), places=12)
        self.assertEqual(geometry.first_mirror_axis(house.dividends()), ("edge", 0))

    def test_from_top_puts_the_top_on_the_axis_setup_finds(self):
        # A drop of a 1/5 tip pointing up, rounder below: walked from the top,
        # its tip is vertex 0.
        drop = headings.half(20, [(234, 1.618033988749895), (288, 1.1755705045849463), (342, X)], bottom="corner",
                             top="corner", from_top=True).close()
        vertices = geometry.walk(drop.dividends(), drop.sides)
        self.assertEqual(geometry.first_mirror_axis(drop.dividends()), ("vertex", 0))
        tip = vertices[0]
        cx = sum(x for x, _ in vertices) / len(vertices)
        cy = sum(y for _, y in vertices) / len(vertices)
        self.assertGreater(math.hypot(tip[0] - cx, tip[1] - cy), 1.0)

    def test_refuses_a_straight_corner_and_a_bottom_side_off_the_axis(self):
        with self.assertRaises(DesignError):
            headings.half(8, [(0, 2.0), (90, 1.0), (90, 1.0), (180, X)], top="side")
        with self.assertRaises(DesignError):
            headings.half(8, [(45, 2.0), (90, 1.0), (180, X)], top="side")

    def test_loop_closes_the_corner_after_the_last_side_onto_the_first(self):
        square = headings.loop(8, [(0, 1.0), (90, 1.0), (180, 1.0), (270, 1.0)])
        self.assertEqual(square.corners, [2, 2, 2, 2])


if __name__ == "__main__":
    unittest.main()
