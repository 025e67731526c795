#include "model/Edges.h"

namespace ornival {

std::shared_ptr<Edges> Edges::create() {
  return std::make_shared<Edges>();
}

}  // namespace ornival
