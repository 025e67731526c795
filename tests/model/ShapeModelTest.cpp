#include "model/ShapeModel.h"

#include "model/Edge.h"
#include "support/Figures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace ornival {
namespace {

constexpr double margin = 1.0 / 512;

TEST(ShapeModel, EdgesFormARingInVertexOrder) {
  const auto model = ShapeModel::create(testing::lShape());
  const auto& edges = model->edges();
  ASSERT_EQ(edges.size(), 6u);
  for (std::size_t i = 0; i < edges.size(); ++i) {
    EXPECT_EQ(edges[i]->index(), int(i));
    EXPECT_EQ(edges[i]->vertex(), model->figure()->vertices()[i]);
    EXPECT_EQ(edges[i]->next.lock(), edges[(i + 1) % 6]);
    EXPECT_EQ(edges[(i + 1) % 6]->previous(), edges[i]);
    EXPECT_EQ(edges[i]->shapeModel.lock(), model);
    EXPECT_TRUE(edges[i]->join.expired());
    EXPECT_TRUE(edges[i]->shape.expired());
    EXPECT_FALSE(edges[i]->isGroupJoin);
    EXPECT_EQ(edges[i]->spin, Spin::unknown);
  }
  EXPECT_EQ(&model->edges(), &edges);  // built once
}

TEST(ShapeModel, RefreshPlacesEverythingInOnePass) {
  const auto model = ShapeModel::create(testing::unitSquare());
  EXPECT_EQ(model->scale(), 1.0);

  model->transformation = ShapeModel::defaultTransformation();
  model->updateTransformedGeometry();
  EXPECT_EQ(model->scale(), 1.0);
  EXPECT_EQ(model->center(), (Vec2{10, 10}));
  EXPECT_EQ(model->bounds(), (Line{{-margin, -margin}, {20 + margin, 20 + margin}}));
  // A tenth of the way from the centre to the midpoint of side 0.
  EXPECT_EQ(model->offCenter(), (Vec2{10, 9}));
  ASSERT_EQ(model->border().size(), 4u);
  EXPECT_EQ(model->border()[1], (Line{{20, 0}, {20, 20}}));
  EXPECT_EQ(model->edges()[2]->transformedVertex(), (Vec2{20, 20}));

  // Turned a quarter and doubled: the scale is the first column's length.
  model->transformation = AffineTransform::rotation(std::numbers::pi / 2).scaledBy(40, 40);
  model->updateTransformedGeometry();
  EXPECT_DOUBLE_EQ(model->scale(), 2.0);
  EXPECT_NEAR(model->edges()[1]->transformedVertex().x, 0.0, 1e-12);
  EXPECT_NEAR(model->edges()[1]->transformedVertex().y, 40.0, 1e-12);
  EXPECT_NEAR(model->bounds().vertex0.x, -40 - margin, 1e-12);
}

TEST(ShapeModel, CachesKeepTheirValueUntilTheRefresh) {
  const auto model = ShapeModel::create(testing::unitSquare());
  const auto edge = model->edges()[1];
  EXPECT_EQ(edge->transformedVertex(), (Vec2{1, 0}));  // read under the identity
  model->transformation = AffineTransform::translation(5, 0);
  // Read before: the old value stays. Read first now: the new transformation.
  EXPECT_EQ(edge->transformedVertex(), (Vec2{1, 0}));
  EXPECT_EQ(model->edges()[2]->transformedVertex(), (Vec2{6, 1}));
  EXPECT_EQ(model->center(), (Vec2{5.5, 0.5}));
  model->updateTransformedGeometry();
  EXPECT_EQ(edge->transformedVertex(), (Vec2{6, 0}));
}

TEST(ShapeModel, RefreshAfterAMoveReplacesEveryValueAlreadyRead) {
  const auto model = ShapeModel::create(testing::unitSquare());
  model->transformation = ShapeModel::defaultTransformation();
  model->updateTransformedGeometry();
  // Every cache filled under the first placement.
  model->center();
  model->offCenter();
  model->bounds();
  model->border();

  model->transformation = AffineTransform::translation(100, -50).concatenating(AffineTransform::scale(2, 2));
  model->updateTransformedGeometry();
  EXPECT_EQ(model->scale(), 2.0 / 20.0);
  EXPECT_EQ(model->edges()[3]->transformedVertex(), (Vec2{200, -98}));
  EXPECT_EQ(model->center(), (Vec2{201, -99}));
  EXPECT_NEAR(model->offCenter().x, 201, 1e-12);
  EXPECT_NEAR(model->offCenter().y, -99.1, 1e-12);
  EXPECT_EQ(model->bounds(), (Line{{200 - margin, -100 - margin}, {202 + margin, -98 + margin}}));
  EXPECT_EQ(model->border(), (std::vector<Line>{{{200, -100}, {202, -100}},
                                                {{202, -100}, {202, -98}},
                                                {{202, -98}, {200, -98}},
                                                {{200, -98}, {200, -100}}}));
}

// A large tiling reads the sides as segments only near the pointer: a tile
// whose segments were never read must still give those of its last place.
TEST(ShapeModel, ABorderFirstReadAfterMovesFollowsTheLastMove) {
  const auto model = ShapeModel::create(testing::unitSquare());
  model->transformation = ShapeModel::defaultTransformation();
  model->updateTransformedGeometry();
  model->transformation = AffineTransform::translation(100, -50).concatenating(AffineTransform::scale(2, 2));
  model->updateTransformedGeometry();
  EXPECT_EQ(model->border(), (std::vector<Line>{{{200, -100}, {202, -100}},
                                                {{202, -100}, {202, -98}},
                                                {{202, -98}, {200, -98}},
                                                {{200, -98}, {200, -100}}}));
}

TEST(ShapeModel, AnEdgeOutlivingItsTileFallsBackToItsFigureCorner) {
  std::shared_ptr<Edge> edge;
  {
    const auto model = ShapeModel::create(testing::equilateralTriangle());
    model->transformation = AffineTransform::translation(3, 3);
    edge = model->edges()[1];
  }
  EXPECT_TRUE(edge->shapeModel.expired());
  EXPECT_EQ(edge->transformedVertex(), (Vec2{1, 0}));
  EXPECT_DEATH(edge->previous(), "");
}

}  // namespace
}  // namespace ornival
