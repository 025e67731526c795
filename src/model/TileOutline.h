#pragma once

#include "platform/Vec2.h"

#include <memory>
#include <vector>

namespace ornival {

class Edge;

// The edge of the list whose side midpoint lies nearest to point (squared
// distance), the earliest on ties. Edges that lost their next side are passed
// over, except that a first edge without one is returned at once. An empty
// list is a programming error. Also reachable as Edge::nearestMidpoint.
std::shared_ptr<Edge> nearestEdge(Vec2 point, const std::vector<std::shared_ptr<Edge>>& edges);

}  // namespace ornival
