#pragma once

#include "figures/Figure.h"
#include "figures/Line.h"
#include "platform/Vec2.h"

#include <memory>
#include <vector>

namespace ornival {

class Edge;
class Shape;

// A glued cluster of tiles that the user handles as one tile: it is placed as
// a whole against any border edge whose length matches one of its outer
// sides, kept in one process-wide slot so another window can paste it, and
// turned into its mirror image.
//
// The group describes its outline as a figure of its own (tool multi, name
// "Multi") in figure units, one figure unit being 20 tiling units, so the
// candidate search can treat it like any catalogue figure: side i of that
// figure is border edge i, and vertex i is border edge i's transformed start
// times 0.05.
//
// A group is complete when create returns; nothing changes its templates,
// border or figure afterwards, so candidate workers may read it freely. Making
// and mirroring groups, and the current slot, are main thread business.
class MultiShape {
public:
  // The group of the tiles reached from `selected` across joins. The tiles
  // must be copies outside the tiling whose joins link only to each other
  // (every join is followed, also to tiles outside the list). The traversal
  // labels of the listed tiles are reset first; those reached end up as 1.
  // The new group becomes current. None when the outline does not close
  // (sides whose ends lie apart, as a damaged file can leave them, or no free
  // side at all): the current group then stays as it was. An absent
  // `selected`, or one that is not among the templates, is a programming
  // error.
  static std::shared_ptr<MultiShape> create(std::shared_ptr<Shape> selected,
                                            std::vector<std::shared_ptr<Shape>> templates);

  virtual ~MultiShape() = default;
  MultiShape(const MultiShape&) = delete;
  MultiShape& operator=(const MultiShape&) = delete;

  // The anchor tile the group was made from; always one of the templates.
  const std::shared_ptr<Shape>& selected() const { return selected_; }
  // The group's tiles, in the order they were given; their fill layers draw
  // the group.
  const std::vector<std::shared_ptr<Shape>>& templates() const { return templates_; }
  // The sides of the outer outline in walking order, counter-clockwise, each
  // a side of one template.
  const std::vector<std::shared_ptr<Edge>>& border() const { return border_; }
  // The group's own figure: the outline, one length per border side in figure
  // units, as many rotations as sides (every side is tried for candidates) and
  // the anchor's centre.
  std::shared_ptr<const Figure> figure() const { return figure_; }
  // The figure's sides as segments in figure units, side i from corner i,
  // made once: every candidate of the group shares them, and a hit test
  // takes the point into a candidate's figure units rather than its outline
  // into canvas units. Plain data, which any thread may hold and let go.
  const std::shared_ptr<const std::vector<Line>>& outline() const { return outline_; }

  // Re-walks the cluster from the anchor: keeps the templates that are
  // reached, sets the border and returns the outline's corners in figure
  // units. Loops around holes are left out, and where the outline touches
  // itself or a hole at a single corner, it goes round the outside there.
  // Empty when no tile has a free side.
  virtual std::vector<Vec2> traceBorder();
  // Gives the figure its side lengths and its equilateral and scaleable flags,
  // once: a figure that has lengths is left alone.
  virtual void setupFigure();

  // A new group of the templates' mirror images, joined where the templates
  // are and laid out from the first template's place, with the image of the
  // anchor as anchor. It becomes current; none, like create, when its outline
  // does not close. Numbers this group's templates by position on the way.
  virtual std::shared_ptr<MultiShape> mirrored();

  // The most recently made group, the clipboard of copy, cut and paste; empty
  // at start. Main thread only.
  static std::shared_ptr<MultiShape> current();
  // Empties the slot, so that tests start from a fresh process's state.
  static void resetCurrent();

protected:
  MultiShape(std::shared_ptr<Shape> selected, std::vector<std::shared_ptr<Shape>> templates);

private:
  std::shared_ptr<Shape> selected_;
  std::vector<std::shared_ptr<Shape>> templates_;
  std::vector<std::shared_ptr<Edge>> border_;
  std::shared_ptr<Figure> figure_;
  std::shared_ptr<const std::vector<Line>> outline_;
};

}  // namespace ornival
