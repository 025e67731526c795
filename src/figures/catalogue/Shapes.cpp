#include "figures/catalogue/Shapes.h"

#include "figures/Figure.h"
#include "figures/catalogue/CatalogueEntry.h"
#include "platform/Precondition.h"

namespace ornival {

std::vector<Shapes> Shapes::allCases() {
  std::vector<Shapes> cases;
  cases.reserve(std::size_t(caseCount));
  for (int raw = firstRawValue; raw < firstRawValue + caseCount; ++raw)
    cases.push_back(Shapes(raw));
  return cases;
}

const std::vector<Shapes>& Shapes::allButLast() {
  static const std::vector<Shapes> cases = [] {
    std::vector<Shapes> all = allCases();
    ORNIVAL_PRECONDITION(!all.empty());
    all.pop_back();
    return all;
  }();
  return cases;
}

const std::vector<std::shared_ptr<Figure>>& Shapes::figures() {
  // A function-local static: the first caller builds it, any others that
  // arrive meanwhile wait, and nobody sees a partly built table.
  static const std::vector<std::shared_ptr<Figure>> table = [] {
    std::vector<std::shared_ptr<Figure>> figures;
    figures.reserve(std::size_t(caseCount));
    for (const CatalogueEntry& entry : catalogueEntries())
      figures.push_back(makeCatalogueFigure(entry));
    return figures;
  }();
  return table;
}

const std::unordered_map<Shapes, Shapes>& Shapes::mirrors() {
  static const std::unordered_map<Shapes, Shapes> map = makeMirrorMap(figures());
  return map;
}

const std::array<std::string_view, 20>& Shapes::nameModifiers() {
  static constexpr std::array<std::string_view, 20> words{
      "Right", "Left", "Big", "Reverse", "Long", "Wide", "Flat", "Short", "Small", "Double",
      "Narrow", "Pointy", "Half", "Alhambra", "Thin", "Obtuse", "Low", "Truncated", "Quarter", "Three Quarters"};
  return words;
}

int Shapes::mirrorAxisCount() const {
  const Figure& figure = *figures()[std::size_t(rawValue_ - firstRawValue)];
  return int(figure.vertexAxes().size() + figure.edgeAxes().size()) / 2;
}

int Shapes::rotationCount() const {
  const Figure& figure = *figures()[std::size_t(rawValue_ - firstRawValue)];
  return int(figure.vertices().size()) / figure.variantCount();
}

}  // namespace ornival
