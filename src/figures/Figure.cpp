#include "figures/Figure.h"

#include "platform/Arithmetic.h"
#include "platform/NumberText.h"
#include "platform/Precondition.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numbers>

namespace ornival {

namespace {

using Int = std::int64_t;

// x mod m for ring indices.
int wrap(int x, int m) { return positiveModulo(x, m); }

// The exterior turn at a corner of dividend d in half divisor units: D for
// straight on, 0 for a full reversal, negative for a reflex corner.
Int exteriorTurn(Int divisor, Int dividend, int n) {
  return checkedSub(divisor, checkedMul(checkedMul(Int{2}, dividend), Int{n - 2}));
}

// The direction of the next side after turning at a corner, in 0 ..< 2D.
Int turned(Int heading, Int divisor, Int dividend, int n) {
  const Int fullTurn = checkedMul(Int{2}, divisor);
  return positiveModulo(checkedAdd(checkedAdd(heading, fullTurn), exteriorTurn(divisor, dividend, n)), fullTurn);
}

// The first mirror axis of a dividend sequence, lengths aside: edge axes
// before vertex axes, the smallest position first.
Axis firstMirrorAxis(const std::vector<Int>& d) {
  const int n = static_cast<int>(d.size());
  if (n == 0)
    return Axis::edge(0);
  for (int s = 0; s < n; ++s) {
    bool mirrored = true;
    for (int j = 0; j <= n / 2 && mirrored; ++j)
      mirrored = d[wrap(s + j, n)] == d[wrap(s - 1 - j, n)];
    if (mirrored)
      return Axis::edge(s);
  }
  for (int s = 0; s < n; ++s) {
    bool mirrored = true;
    for (int j = 0; j < n / 2 && mirrored; ++j)
      mirrored = d[wrap(s + j, n)] == d[wrap(s - 2 - j, n)];
    if (mirrored)
      return Axis::vertex(s);
  }
  return Axis::edge(0);
}

}  // namespace

Figure::Figure(Shapes tool, std::string name) : tool_(tool), name_(std::move(name)) {}

std::shared_ptr<Figure> Figure::create(Shapes tool, std::string name) {
  return std::shared_ptr<Figure>(new Figure(tool, std::move(name)));
}

void Figure::setup(std::vector<Int> dividends, std::vector<double> lengths) {
  dividends_ = std::move(dividends);
  lengths_ = std::move(lengths);
  ORNIVAL_PRECONDITION(!lengths_.empty());
  const int count = n();
  ORNIVAL_PRECONDITION(count == 0 || lengths_.size() >= std::size_t(count - 1));

  updateEquilateral();
  axis_ = firstMirrorAxis(dividends_);

  // The walk appends one corner per side but the closing one; a single corner
  // has no side to walk, and the origin stays its only vertex.
  if (count > 1) {
    // The direction stays an exact integer; only its reduction to the first
    // octant meets sine and cosine, so equal magnitudes come out bit for bit.
    const Int D = divisor();
    Vec2 p{lengths_[0], 0.0};
    Int h = 0;
    for (int i = 0;; ++i) {
      vertices_.push_back(p);
      if (i >= count - 2)
        break;
      h = turned(h, D, dividends_[i], count);
      Int a = h;
      double sy = 1.0;
      double sx = 1.0;
      if (a > D) {
        a = 2 * D - a;
        sy = -1.0;
      }
      if (a > D / 2) {
        a = D - a;
        sx = -1.0;
      }
      const bool swap = 2 * a > D / 2;
      if (swap)
        a = D / 2 - a;
      const double theta = (double(a) * std::numbers::pi) / double(D);
      const double c = std::cos(theta);
      // At exactly an octant the library's sine and cosine differ in the last
      // bit; a diagonal side gets the cosine (the nearer to √½) for both, so
      // that it mirrors onto itself and onto the other diagonals exactly.
      const double s = 4 * a == D ? c : std::sin(theta);
      const double length = lengths_[i + 1];
      if (swap) {
        p.x += sx * s * length;
        p.y += sy * c * length;
      } else {
        p.x += sx * c * length;
        p.y += sy * s * length;
      }
    }
  }
}

void Figure::updateEquilateral() {
  equilateral_ = std::all_of(lengths_.begin(), lengths_.end(), [&](double l) { return l == lengths_[0]; });
  if (equilateral_)
    scaleable_ = true;
}

std::int64_t Figure::divisor() const {
  return divisor_.get([&] {
    Int sum = 0;
    for (Int d : dividends_)
      sum = checkedAdd(sum, d);
    return checkedMul(Int{2}, sum);
  });
}

Vec2 Figure::center() const {
  return center_.get([&] {
    Vec2 sum;
    for (Vec2 v : vertices_)
      sum += v;
    return vertices_.empty() ? sum : sum / double(vertices_.size());
  });
}

int Figure::variantCount() const {
  return variantCount_.get([&] {
    const int count = n();
    if (count < 2)
      return count;
    ORNIVAL_PRECONDITION(lengths_.size() >= std::size_t(count));
    for (int p = 1; p <= count / 2; ++p) {
      if (count % p != 0)
        continue;
      bool periodic = true;
      for (int k = 0; k < p && periodic; ++k)
        for (int m = 1; m < count / p && periodic; ++m)
          periodic = dividends_[k] == dividends_[k + m * p] && lengths_[k] == lengths_[k + m * p];
      if (periodic)
        return p;
    }
    return count;
  });
}

const std::string& Figure::canonicalName() const {
  return canonicalName_.get([&] { return smallestRotationText(0, false); });
}

// The mirror image walks the corners the other way round, so each corner
// meets the side after it instead of the one before.
const std::string& Figure::reversedCanonicalName() const {
  return reversedCanonicalName_.get([&] { return smallestRotationText(1, true); });
}

std::string Figure::smallestRotationText(int lengthShift, bool reversed) const {
  const int count = n();
  ORNIVAL_PRECONDITION(lengths_.size() >= std::size_t(count));
  std::vector<Int> bestDividends;
  std::vector<double> bestLengths;
  for (int r = 0; r < variantCount(); ++r) {
    std::vector<Int> d;
    std::vector<double> l;
    for (int k = 0; k < count; ++k) {
      d.push_back(dividends_[wrap(r + k, count)]);
      l.push_back(lengths_[wrap(r + k + lengthShift, count)]);
    }
    if (reversed) {
      std::reverse(d.begin(), d.end());
      std::reverse(l.begin(), l.end());
    }
    // On equal dividends the earlier rotation stays; lengths never decide.
    if (r == 0 || d < bestDividends) {
      bestDividends = std::move(d);
      bestLengths = std::move(l);
    }
  }

  std::string text = "[";
  for (std::size_t i = 0; i < bestDividends.size(); ++i)
    text += (i == 0 ? "" : ", ") + formatInteger(bestDividends[i]);
  text += "][";
  for (std::size_t i = 0; i < bestLengths.size(); ++i)
    text += (i == 0 ? "" : ", ") + formatNumberWithFraction(bestLengths[i]);
  return text + "]";
}

int Figure::equilateralCount() const {
  return equilateralCount_.get([&] {
    int best = 0;
    for (double l : lengths_)
      best = std::max(best, int(std::count(lengths_.begin(), lengths_.end(), l)));
    return best;
  });
}

double Figure::radius() const {
  return radius_.get([&] {
    const Vec2 c = center();
    double largest = 0.25;
    for (Vec2 v : vertices_)
      largest = std::max(largest, (v - c).lengthSquared());
    return std::sqrt(largest);
  });
}

const std::vector<Axis>& Figure::edgeAxes() const {
  return edgeAxes_.get([&] {
    const int count = n();
    ORNIVAL_PRECONDITION(lengths_.size() >= std::size_t(count));
    std::vector<Axis> axes;
    for (int s = 0; s < count; ++s) {
      bool mirrored = true;
      for (int j = 0; j <= count / 2 && mirrored; ++j)
        mirrored = dividends_[wrap(s + j, count)] == dividends_[wrap(s - 1 - j, count)] &&
                   lengths_[wrap(s + j, count)] == lengths_[wrap(s - j, count)];
      if (mirrored)
        axes.push_back(Axis::edge(s));
    }
    return axes;
  });
}

const std::vector<Axis>& Figure::vertexAxes() const {
  return vertexAxes_.get([&] {
    const int count = n();
    ORNIVAL_PRECONDITION(lengths_.size() >= std::size_t(count));
    std::vector<Axis> axes;
    for (int s = 0; s < count; ++s) {
      bool mirrored = true;
      for (int j = 0; j < count / 2 && mirrored; ++j)
        mirrored = dividends_[wrap(s + j, count)] == dividends_[wrap(s - 2 - j, count)] &&
                   lengths_[wrap(s + j, count)] == lengths_[wrap(s - 1 - j, count)];
      if (mirrored)
        axes.push_back(Axis::vertex(s));
    }
    return axes;
  });
}

const std::vector<std::vector<int>>& Figure::parallels() const {
  return parallels_.get([&] {
    const int count = n();
    std::vector<std::vector<int>> result(static_cast<std::size_t>(count));
    if (count == 0)
      return result;
    const Int D = divisor();
    ORNIVAL_PRECONDITION(D != 0);
    std::vector<Int> h(static_cast<std::size_t>(count));
    for (int i = 1; i < count; ++i)
      h[i] = turned(h[i - 1], D, dividends_[i - 1], count);
    for (int i = 0; i < count; ++i)
      for (int j = 0; j < count; ++j)
        if (h[j] != h[i] && positiveModulo(h[j], D) == positiveModulo(h[i], D))
          result[i].push_back(j);
    return result;
  });
}

double Figure::angle() const {
  return angles_.get([&] {
    AngleData data;
    const int m = static_cast<int>(vertices_.size());
    double smallest = 999.0;
    for (int i = 0; i < variantCount(); ++i) {
      const Vec2 a = vertices_[wrap(i, m)];
      const Vec2 b = vertices_[wrap(i + 1, m)];
      const Vec2 c = vertices_[wrap(i + 2, m)];
      double theta = std::atan2(a.y - b.y, a.x - b.x) - std::atan2(c.y - b.y, c.x - b.x);
      if (theta < 0.0)
        theta += 2.0 * std::numbers::pi;
      data.angles.push_back(theta * 180.0 / std::numbers::pi);
      if (theta < smallest)
        smallest = theta;
    }
    data.angle = smallest * 180.0 / std::numbers::pi;
    return data;
  }).angle;
}

const std::vector<double>& Figure::angles() const {
  angle();
  return angles_.get([] { return AngleData{}; }).angles;
}

int Figure::concave() const {
  return concave_.get([&] {
    const int period = variantCount();
    ORNIVAL_PRECONDITION(period > 0 && n() >= period);
    const Int D = divisor();
    int reflex = 0;
    for (int i = 0; i < period; ++i)
      if (checkedMul(checkedMul(Int{2}, dividends_[i]), Int{n() - 2}) > D)
        ++reflex;
    return reflex * static_cast<int>(vertices_.size()) / period;
  });
}

double Figure::area() const {
  return area_.get([&] {
    ORNIVAL_PRECONDITION(!vertices_.empty());
    double sum = 0.0;
    Vec2 previous = vertices_.back();
    for (Vec2 v : vertices_) {
      sum += (v.x + previous.x) * (v.y - previous.y);
      previous = v;
    }
    return 0.5 * sum;
  });
}

double Figure::perimeter() const {
  return perimeter_.get([&] {
    double sum = 0.0;
    for (double l : lengths_)
      sum += l;
    return sum;
  });
}

double Figure::density() const {
  return density_.get([&] { return area() / (perimeter() * perimeter()); });
}

double Figure::cornerTurnFraction(int i) const {
  ORNIVAL_PRECONDITION(i >= 0);
  const int count = n();
  if (i >= count)
    return 1.0;
  const Int D = divisor();
  const Int turn = exteriorTurn(D, dividends_[wrap(i - 1, count)], count);
  ORNIVAL_PRECONDITION(turn != std::numeric_limits<Int>::min());
  return double(turn < 0 ? -turn : turn) / double(D);
}

Axis Figure::mirrorAxis(const Figure* partner) const {
  if (partner == nullptr || partner == this)
    return axis_;
  const int count = n();
  // A partner with another number of corners can never line up.
  if (partner->dividends_.size() != dividends_.size())
    return axis_;
  const int period = variantCount();
  for (int t = 0; t < period; ++t) {
    bool match = true;
    for (int k = 0; k < period && match; ++k)
      match = dividends_[wrap(t - 1 + k, count)] == partner->dividends_[wrap(count - 1 - k, count)];
    if (match)
      return t % 2 == 0 ? Axis::vertex(t / 2) : Axis::edge((t - 1) / 2);
  }
  return axis_;
}

Vec2 Figure::axisPoint(Axis axis) const {
  const int m = static_cast<int>(vertices_.size());
  ORNIVAL_PRECONDITION(axis.index >= 0 && axis.index < m);
  if (axis.kind == Axis::Kind::vertex)
    return vertices_[axis.index];
  return (vertices_[axis.index] + vertices_[wrap(axis.index + 1, m)]) / 2.0;
}

double cornerAngleFraction(Vec2 p0, Vec2 p1, Vec2 p2) {
  const double v =
      1.0 - (std::atan2(p0.y - p1.y, p0.x - p1.x) - std::atan2(p2.y - p1.y, p2.x - p1.x)) / std::numbers::pi;
  if (v > 1.0)
    return std::abs(v - 2.0);
  if (v < -1.0)
    return std::abs(v + 2.0);
  return std::abs(v);
}

}  // namespace ornival
