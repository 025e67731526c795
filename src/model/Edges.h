#pragma once

#include <memory>
#include <vector>

namespace ornival {

class Edge;

// A run of consecutive free sides of one tile, the piece from which a group
// tile's outline is chained together. Lives only while the outline is traced.
class Edges {
public:
  static std::shared_ptr<Edges> create();

  // The run, in the tile's side order.
  std::vector<std::shared_ptr<Edge>> edges;
  // Claimed as some run's successor; cleared again while loops are walked.
  bool used = false;
  // The run whose first side starts where this run ends; the list of runs
  // owns every run.
  std::weak_ptr<Edges> next;
};

}  // namespace ornival
