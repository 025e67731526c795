#pragma once

// What opening and saving a document does with a file's text, as one step
// that reports every broken promise it sees: read, apply the settings, glue
// the border sides, count, write the tiles back and read that again. The
// reader's fuzzer stops on the first fault it reports; the unit tests run
// every input the fuzzer ever found through it.
//
// Included from outside tests/ as well, so it names nothing by a path of
// tests/.

#include "document/DocumentWriter.h"
#include "document/OrnivalModel.h"
#include "model/Edge.h"
#include "model/Graph.h"
#include "model/Shape.h"

#include <cmath>
#include <memory>
#include <numeric>
#include <string>
#include <string_view>

namespace ornival::testing {

// Empty when the text opened and saved soundly, else what went wrong.
inline std::string openAndSaveFaults(std::string_view text) {
  std::string faults;
  const auto fault = [&faults](const std::string& what) { faults += what + "\n"; };

  auto model = OrnivalModel::create();
  const TextKind kind = model->read(text);
  if (kind != TextKind::document && !model->shapes.empty())
    fault("tiles read from a text that is no document");

  const auto checkJoins = [&](const char* when) {
    for (std::size_t i = 0; i < model->shapes.size(); ++i) {
      const Shape& tile = *model->shapes[i];
      for (const auto& edge : tile.edges()) {
        const auto partner = edge->join.lock();
        if (partner && partner->join.lock() != edge)
          fault(std::string("one-sided join on tile ") + std::to_string(i) + " " + when);
        if (partner && partner->shape.lock().get() == &tile)
          fault(std::string("tile ") + std::to_string(i) + " joined to itself " + when);
      }
    }
  };
  std::size_t sides = 0;
  for (std::size_t i = 0; i < model->shapes.size(); ++i) {
    const Shape& tile = *model->shapes[i];
    if (tile.index != int(i))
      fault("tile " + std::to_string(i) + " has index " + std::to_string(tile.index));
    const AffineTransform& t = tile.transformation;
    for (double v : {t.a, t.b, t.c, t.d, t.tx, t.ty})
      if (!std::isfinite(v))
        fault("tile " + std::to_string(i) + " placed off the doubles");
    sides += tile.edges().size();
  }
  checkJoins("after reading");

  model->collectBorderEdges();
  if (model->borderEdges.size() != sides)
    fault("border edges " + std::to_string(model->borderEdges.size()) + " of " + std::to_string(sides) + " sides");
  checkJoins("after gluing");
  const auto& counts = model->counts();
  if (std::size_t(std::accumulate(counts.begin(), counts.end(), 0)) != model->shapes.size())
    fault("counts do not add up to the tiles");

  // Saving must keep every tile, in whatever shape the file left them.
  const auto graph = Graph::create(model->shapes);
  const std::string saved = documentText(model->settings, graph->shapes(), graph.get());
  auto reread = OrnivalModel::create();
  if (reread->read(saved) != TextKind::document)
    fault("the saved text is no document");
  if (reread->shapes.size() != model->shapes.size())
    fault("saving kept " + std::to_string(reread->shapes.size()) + " of " + std::to_string(model->shapes.size()) +
          " tiles");
  return faults;
}

}  // namespace ornival::testing
