#include "figures/Roof.h"

#include "figures/PlaneGeometry.h"
#include "platform/Grid.h"
#include "platform/Precondition.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace ornival {

namespace {

constexpr double slope = 0.7071067811865476;  // √(1/2): the normal of a 45-degree plane

double squaredDistance(Vertex3 a, Vertex3 b) { return (a.point() - b.point()).lengthSquared(); }

double squaredDistance2(Vertex3 a, Vertex3 b) {
  const double dx = a.x - b.x;
  const double dy = a.y - b.y;
  return dx * dx + dy * dy;
}

bool isInside(Vertex3 point, std::span<const Vec2> polygon) {
  return windingNumber({point.x, point.y}, polygon) >= 1;
}

bool containsKey(const std::vector<Vertex3>& keys, Vertex3 point) {
  return std::find(keys.begin(), keys.end(), point) != keys.end();
}

void appendBone(std::vector<Bone>& bones, Bone bone) {
  if (std::find(bones.begin(), bones.end(), bone) == bones.end())
    bones.push_back(std::move(bone));
}

// An absent plane matches only an absent plane.
bool samePlane(const std::weak_ptr<Plane>& a, const std::weak_ptr<Plane>& b) { return a.lock() == b.lock(); }

}  // namespace

std::vector<Vertex3> cleanRing(std::span<const Vertex3> corners) {
  const std::size_t n = corners.size();
  std::vector<Vertex3> kept;
  kept.reserve(n);
  for (std::size_t i = 0; i < n; ++i) {
    const Vertex3 p = corners[(i + n - 1) % n];
    const Vertex3 c = corners[i];
    const Vertex3 q = corners[(i + 1) % n];
    if (squaredDistance2(c, p) < gridToleranceSquared || squaredDistance2(c, q) < gridToleranceSquared ||
        squaredDistance2(p, q) < gridToleranceSquared)
      continue;
    const double cross = (p.y - c.y) * (q.x - c.x) - (p.x - c.x) * (q.y - c.y);
    if (cross > gridTolerance || cross < -gridTolerance)
      kept.push_back(c);
  }
  return kept;
}

PlaneRing makeRoofPlanes(std::span<const Vertex3> corners) {
  const std::size_t n = corners.size();
  PlaneRing ring;
  ring.reserve(n);
  for (std::size_t i = 0; i < n; ++i) {
    const Vertex3 a = corners[i];
    const Vertex3 b = corners[(i + 1) % n];
    const Vec2 d{b.x - a.x, b.y - a.y};
    const double length = d.length();
    const Vertex3 normal{slope * d.y / length, -slope * d.x / length, slope};
    ring.push_back(Plane::create({a.x, a.y, 0.0}, {a.x, a.y}, {b.x, b.y}, normal,
                                 normal.x * a.x + normal.y * a.y));
  }
  return ring;
}

std::vector<Bisector3> makeBisectors(const PlaneRing& ring) {
  const std::size_t n = ring.size();
  std::vector<Bisector3> bisectors;
  bisectors.reserve(n);
  for (std::size_t i = 0; i < n; ++i)
    bisectors.push_back(Bisector3::make(ring[i]->vertex, ring[(i + n - 1) % n], ring[i]));
  return bisectors;
}

std::vector<Bisector3Intersection> intersectAdjacentBisectors(const std::vector<Bisector3>& bisectors) {
  const std::size_t n = bisectors.size();
  ORNIVAL_PRECONDITION(n <= static_cast<std::size_t>(std::numeric_limits<int>::max()));
  std::vector<Bisector3Intersection> results;
  results.reserve(n);
  for (std::size_t i = 0; i < n; ++i)
    results.push_back(bisectors[i].intersect(bisectors[(i + 1) % n], static_cast<int>(i)));
  return results;
}

EventCandidates scoreEventCandidates(const std::vector<Bisector3Intersection>& results,
                                     std::span<const Vec2> polygon) {
  EventCandidates candidates;
  const auto add = [&](Vertex3 point) {
    if (candidates.find(point) == candidates.end() && point.z > gridTolerance && isInside(point, polygon))
      candidates.emplace(point, 0);
  };
  const std::size_t n = results.size();
  for (std::size_t i = 0; i < n; ++i) {
    const auto* a = std::get_if<BisectorIntersection>(&results[i]);
    if (!a)
      continue;
    const auto* b = std::get_if<BisectorIntersection>(&results[(i + 1) % n]);
    if (!b) {
      add(a->intersection);
      continue;
    }
    // a.next and b.bisector are the same bisector; the meeting farther from
    // its start is the one it never reaches.
    const Vertex3 pa = a->intersection;
    const Vertex3 pb = b->intersection;
    add(pa);
    add(pb);
    const auto keyA = candidates.find(pa);
    const auto keyB = candidates.find(pb);
    if (keyA == candidates.end() || keyB == candidates.end())
      continue;
    const double da = squaredDistance(a->next.vertex, pa);
    const double db = squaredDistance(b->bisector.vertex, pb);
    if (da < gridToleranceSquared || db < gridToleranceSquared || std::abs(da - db) < gridToleranceSquared || pa == pb)
      continue;
    if (da < db)
      --keyB->second;
    else
      --keyA->second;
  }
  return candidates;
}

std::vector<Vertex3> bestEventKeys(const EventCandidates& candidates) {
  std::vector<Vertex3> keys;
  if (candidates.empty())
    return keys;
  int best = std::numeric_limits<int>::min();
  for (const auto& [key, score] : candidates)
    best = std::max(best, score);
  for (const auto& [key, score] : candidates)
    if (score == best)
      keys.push_back(key);
  return keys;
}

const BisectorIntersection* chooseRoofEvent(const std::vector<Bisector3Intersection>& results,
                                            const std::vector<Vertex3>& bestKeys,
                                            std::span<const Vec2> polygon, bool heightTieBreak,
                                            double currentHeight) {
  const BisectorIntersection* choice = nullptr;
  double choiceMeasure = 0.0;
  for (const auto& result : results) {
    const auto* r = std::get_if<BisectorIntersection>(&result);
    if (!r)
      continue;
    const Vertex3 m = r->intersection;
    if (!containsKey(bestKeys, m) || !isInside(m, polygon))
      continue;
    const double measure = heightTieBreak
                               ? std::abs(m.z - currentHeight)
                               : squaredDistance(m, r->bisector.vertex) + squaredDistance(m, r->next.vertex);
    if (!choice || measure < choiceMeasure) {
      choice = r;
      choiceMeasure = measure;
    }
  }
  return choice;
}

void applyRoofEvent(const BisectorIntersection& event, std::vector<Bone>& bones, PlaneRing& ring) {
  const Bisector3& bi = event.bisector;
  const Bisector3& bn = event.next;
  const Vertex3 m = event.intersection;
  if (!(bi.vertex == m))
    appendBone(bones, {bi.vertex, m, bi.plane0, bi.plane1});
  if (!(bn.vertex == m))
    appendBone(bones, {bn.vertex, m, bn.plane0, bn.plane1});
  bn.plane1->vertex = m;
  const auto collapsed = std::find(ring.begin(), ring.end(), bi.plane1);
  if (collapsed != ring.end())
    ring.erase(collapsed);
}

void applyRoofEvents(const std::vector<Bisector3Intersection>& results, std::vector<Bone>& bones,
                     PlaneRing& ring, const std::vector<Vertex3>& bestKeys, double height) {
  for (const auto& result : results) {
    const auto* r = std::get_if<BisectorIntersection>(&result);
    if (r && std::abs(r->intersection.z - height) < gridTolerance && containsKey(bestKeys, r->intersection))
      applyRoofEvent(*r, bones, ring);
  }
}

std::vector<double> runRoofEvents(PlaneRing& ring, std::vector<Bone>& bones, std::span<const Vec2> polygon,
                                  bool heightTieBreak) {
  std::vector<double> heights;
  double height = 0.0;
  // A ring of one plane ends by itself: its bisector meets itself collinear.
  while (ring.size() > 2) {
    const auto results = intersectAdjacentBisectors(makeBisectors(ring));
    const auto bestKeys = bestEventKeys(scoreEventCandidates(results, polygon));
    if (bestKeys.empty())
      break;
    const BisectorIntersection* choice = chooseRoofEvent(results, bestKeys, polygon, heightTieBreak, height);
    if (!choice)
      break;
    const double next = choice->intersection.z;
    const std::size_t before = ring.size();
    applyRoofEvents(results, bones, ring, bestKeys, next);
    // The chosen event itself always applies and removes its side's plane.
    ORNIVAL_PRECONDITION(ring.size() < before);
    height = next;
    heights.push_back(next);
  }
  return heights;
}

std::vector<Face> buildRoofFaces(std::span<const Vertex3> outline, const std::vector<Bone>& bones) {
  const std::vector<Vertex3> reversed(outline.rbegin(), outline.rend());
  const Face base = Face::make(reversed);
  std::vector<std::shared_ptr<Edge3>> records;
  records.reserve(base.edges.size() + 2 * bones.size());

  for (const auto& e : base.edges) {
    const auto next = e->next.lock();
    if (!next)
      continue;
    auto t = Edge3::create(next->vertex);
    const auto rising = std::find_if(bones.begin(), bones.end(), [&](const Bone& b) { return b.start == e->vertex; });
    if (rising != bones.end())
      t->plane = rising->plane0;
    t->join = e;
    e->join = t;
    records.push_back(std::move(t));
  }

  // A record's join is the far end of the segment it starts: on plane0's face
  // a bone is walked upward, continuing the chain that ends at its start; on
  // plane1's face downward, leading into the chain that starts there.
  for (const Bone& b : bones) {
    auto s = Edge3::create(b.start);
    auto u = Edge3::create(b.end);
    s->plane = b.plane0;
    u->plane = b.plane1;
    s->join = u;
    u->join = s;
    for (const auto& x : records) {
      const auto join = x->join.lock();
      if (x->next.expired() && join && join->vertex == b.start && samePlane(x->plane, s->plane)) {
        x->next = s;
        s->previous = x;
        break;
      }
    }
    for (const auto& y : records) {
      if (y->previous.expired() && y->vertex == b.start && samePlane(y->plane, u->plane)) {
        u->next = y;
        y->previous = u;
        break;
      }
    }
    records.push_back(std::move(s));
    records.push_back(std::move(u));
  }

  const auto added = closeFaceChains(records);

  std::vector<Face> faces;
  faces.reserve(base.edges.size());
  const std::size_t limit = records.size() + added.size();
  for (const auto& e : base.edges) {
    const auto first = e->join.lock();
    if (!first)
      continue;
    std::vector<Vertex3> corners;
    for (auto r = first; r; r = r->next.lock()) {
      corners.push_back(r->vertex);
      ORNIVAL_PRECONDITION(corners.size() <= limit);
      if (r->next.lock() == first)
        break;
    }
    faces.push_back(Face::make(corners));
  }
  return faces;
}

std::vector<std::shared_ptr<Edge3>> closeFaceChains(const std::vector<std::shared_ptr<Edge3>>& records) {
  std::vector<std::shared_ptr<Edge3>> added;
  for (const auto& e : records) {
    if (!e->previous.expired() || e->next.expired())
      continue;
    auto last = e;
    std::size_t steps = 0;
    for (auto next = last->next.lock(); next; next = last->next.lock()) {
      last = next;
      // Links are one-to-one, so a chain that starts without a predecessor
      // ends; a longer walk means they were broken.
      ORNIVAL_PRECONDITION(++steps <= records.size());
    }
    const auto join = last->join.lock();
    if (join && !(join->vertex == e->vertex)) {
      auto k = Edge3::create(join->vertex);
      last->next = k;
      k->previous = last;
      k->next = e;
      e->previous = k;
      added.push_back(std::move(k));
    } else {
      last->next = e;
      e->previous = last;
    }
  }
  return added;
}

Roof makeRoof(std::span<const Vec2> vertices, bool heightTieBreak) {
  std::vector<Vertex3> corners;
  corners.reserve(vertices.size());
  for (const Vec2 v : vertices)
    corners.emplace_back(v.x, v.y, 0.0);
  const std::vector<Vertex3> outline = cleanRing(corners);
  std::vector<Vec2> polygon;
  polygon.reserve(outline.size());
  for (const Vertex3& c : outline)
    polygon.push_back({c.x, c.y});

  Roof roof;
  PlaneRing ring = makeRoofPlanes(outline);
  if (ring.size() > 2)
    runRoofEvents(ring, roof.bones, polygon, heightTieBreak);
  if (ring.size() == 2 && !(ring[0]->vertex == ring[1]->vertex))
    appendBone(roof.bones, {ring[0]->vertex, ring[1]->vertex, ring[1], ring[0]});
  roof.faces = buildRoofFaces(outline, roof.bones);
  return roof;
}

}  // namespace ornival
