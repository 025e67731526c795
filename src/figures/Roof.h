#pragma once

#include "figures/RoofParts.h"
#include "figures/Vertex.h"
#include "platform/Vec2.h"

#include <memory>
#include <span>
#include <unordered_map>
#include <vector>

namespace ornival {

// The bevelled roof over a figure's outline: one 45-degree plane per side,
// bones where the planes meet, and one face per side. Heights equal distances:
// a roof point at height h lies h inside the side whose face holds it.
//
// The construction handles edge events only. Each pass meets every bisector
// with the next one, keeps the meeting points that lie inside the outline and
// that lost least against their neighbours, collapses the sides that shrink to
// nothing at the chosen height and repeats on the shrunken ring of planes. The
// choices made in a pass (first match, strictly-better replacement, ties keep
// the earlier result) decide the shape of every catalogue solid, so they are
// kept exactly as they are, even where a different rule would look just as
// plausible.

struct Roof {
  std::vector<Bone> bones;  // in creation order, no two equal
  std::vector<Face> faces;  // one per outline side, in the base ring's order
};

using PlaneRing = std::vector<std::shared_ptr<Plane>>;

// Meeting points of a pass keyed by their 1/512 cell (the first point of a cell
// stays its key), scored by how many bisectors reach another meeting first.
using EventCandidates = std::unordered_map<Vertex3, int>;

// vertices counter-clockwise. heightTieBreak picks, among equally scored
// events, the one closest in height to the previous pass instead of the one
// closest to its bisectors' start points; one catalogue figure needs it.
Roof makeRoof(std::span<const Vec2> vertices, bool heightTieBreak);

// Drops coincident and collinear corners, judging every corner by its
// neighbours in the input ring, not by the corners kept so far.
std::vector<Vertex3> cleanRing(std::span<const Vertex3> corners);

// One plane per side, side i running from corner i to corner i + 1.
PlaneRing makeRoofPlanes(std::span<const Vertex3> corners);

// Bisector i starts at plane i's current lower corner, between the plane before
// it and plane i.
std::vector<Bisector3> makeBisectors(const PlaneRing& ring);

// Result i is where side i (between bisectors i and i + 1) shrinks to nothing.
std::vector<Bisector3Intersection> intersectAdjacentBisectors(const std::vector<Bisector3>& bisectors);

// Admissible meeting points (above the outline, inside it by a margin), each
// losing one point for every bisector that meets its other neighbour nearer.
EventCandidates scoreEventCandidates(const std::vector<Bisector3Intersection>& results,
                                     std::span<const Vec2> polygon);

// The keys with the largest score, in no particular order.
std::vector<Vertex3> bestEventKeys(const EventCandidates& candidates);

// The meeting point a pass collapses at, if any: the first inside result at a
// best key, replaced only by a strictly better one.
const BisectorIntersection* chooseRoofEvent(const std::vector<Bisector3Intersection>& results,
                                            const std::vector<Vertex3>& bestKeys,
                                            std::span<const Vec2> polygon, bool heightTieBreak,
                                            double currentHeight);

// Applies, in index order, every result at a best key within 1/512 of height.
void applyRoofEvents(const std::vector<Bisector3Intersection>& results, std::vector<Bone>& bones,
                     PlaneRing& ring, const std::vector<Vertex3>& bestKeys, double height);

// Raises the two bisectors to the meeting point as bones, moves the next face's
// start up to it and takes the collapsed side's plane out of the ring.
void applyRoofEvent(const BisectorIntersection& event, std::vector<Bone>& bones, PlaneRing& ring);

// Runs passes until none applies or two planes or fewer remain; returns the
// height of each applied pass in order. Heights need not grow from pass to
// pass.
std::vector<double> runRoofEvents(PlaneRing& ring, std::vector<Bone>& bones, std::span<const Vec2> polygon,
                                  bool heightTieBreak);

// Walks each side's face from its two outline corners up along the bones.
std::vector<Face> buildRoofFaces(std::span<const Vertex3> outline, const std::vector<Bone>& bones);

// Closes every open chain of corner records back onto its start, adding a
// corner where the chain's last segment ends elsewhere; returns the added ones.
std::vector<std::shared_ptr<Edge3>> closeFaceChains(const std::vector<std::shared_ptr<Edge3>>& records);

}  // namespace ornival
