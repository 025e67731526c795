#pragma once

#include "platform/Geometry.h"
#include "platform/Transform3D.h"

#include <memory>
#include <string>
#include <vector>

namespace ornival {

// One node of the retained 3D scene: plain data that a renderer draws later.
// A point of the node's geometry, and of its children, lies at
// transform.apply(point) in the parent's space. z rises out of the tiling
// plane and y points up.
//
// Main thread only, like everything that is shown.
class SceneNode : public std::enable_shared_from_this<SceneNode> {
public:
  static std::shared_ptr<SceneNode> create(std::shared_ptr<Geometry> geometry = nullptr) {
    // The node and its count in one block.
    struct Made : SceneNode {
      explicit Made(std::shared_ptr<Geometry> geometry) : SceneNode(std::move(geometry)) {}
    };
    return std::make_shared<Made>(std::move(geometry));
  }

  SceneNode(const SceneNode&) = delete;
  SceneNode& operator=(const SceneNode&) = delete;

  const std::string& name() const { return name_; }
  void setName(std::string name) { name_ = std::move(name); }
  const Transform3D& transform() const { return transform_; }
  void setTransform(const Transform3D& transform) { transform_ = transform; }
  // Absent for a node that only groups others.
  const std::shared_ptr<Geometry>& geometry() const { return geometry_; }
  void setGeometry(std::shared_ptr<Geometry> geometry) { geometry_ = std::move(geometry); }
  // Where the geometry is drawn, each place mapping into the node's own space
  // as a child's transform would: many tiles of one solid and material drawn
  // at once. Absent (the usual case) draws the geometry once, in place.
  // Children are not repeated. The list never changes once given, so that a
  // renderer may keep its own copy while the list lives.
  using Instances = std::vector<Transform3D>;
  const std::shared_ptr<const Instances>& instances() const { return instances_; }
  void setInstances(std::shared_ptr<const Instances> instances) { instances_ = std::move(instances); }
  // Multiplies down the tree: a child at 0.5 under a parent at 0.5 shows at 0.25.
  double opacity() const { return opacity_; }
  void setOpacity(double opacity) { opacity_ = opacity; }
  // A hidden node hides its whole subtree.
  bool isHidden() const { return hidden_; }
  void setHidden(bool hidden) { hidden_ = hidden; }
  // Nodes of higher order are drawn later; equal orders keep tree order.
  int renderingOrder() const { return renderingOrder_; }
  void setRenderingOrder(int order) { renderingOrder_ = order; }

  // In the order they were added.
  const std::vector<std::shared_ptr<SceneNode>>& childNodes() const {
    if (holes_ != 0)
      closeHoles();
    return children_;
  }
  std::shared_ptr<SceneNode> parentNode() const { return parent_.lock(); }

  // Appends child after the other children, taking it out of its present
  // parent first (this one included, so adding again moves it to the end).
  // Adding a node to itself or to one of its descendants is a programming
  // error.
  void addChildNode(const std::shared_ptr<SceneNode>& child);
  // Nothing happens when the node has no parent. Takes constant time, however
  // many siblings there are: closing a window lets go of every tile's node.
  void removeFromParentNode();
  // Puts child in the place of old, one of the children; child leaves its
  // present parent first. Replacing a node that is no child of this one is a
  // programming error.
  void replaceChildNode(const std::shared_ptr<SceneNode>& old, const std::shared_ptr<SceneNode>& child);

  // A snapshot of the subtree as one node and one level of children: the new
  // node has this node's name, transform, geometry, opacity, hidden flag and
  // order, and a child for every visible descendant with geometry, in tree
  // order, placed by the transforms between them and this node and with the
  // opacities between them multiplied in. Geometries are copies, so a later
  // change of a tile's material leaves the snapshot as it was; hidden
  // subtrees are left out. The renderer draws thousands of tiles as one
  // shallow node that an edit replaces whole.
  std::shared_ptr<SceneNode> flattenedClone() const;

  // The same snapshot with one child for all the descendants that show one
  // solid (the same sources) in one material at one opacity and order, each
  // child drawing its solid at their places (`instances`), in the order of
  // their first descendant. Places that turn the solid inside out go to a
  // child of their own, so that every child faces one way. However many
  // tiles, the renderer draws a few nodes, and an edit rebuilds lists of
  // transforms rather than copies of nodes.
  std::shared_ptr<SceneNode> flattenedByMaterial() const;

private:
  explicit SceneNode(std::shared_ptr<Geometry> geometry) : geometry_(std::move(geometry)) {}

  // Takes out the empty places that removals left, keeping the order.
  void closeHoles() const;
  // The node without its children, its geometry a copy.
  std::shared_ptr<SceneNode> shallowCopy() const;
  // Every shown descendant with geometry, in tree order, once per place it is
  // drawn at: visit(node, its place in this node's space, its opacity).
  template <typename Visit>
  void forEachShownDescendant(Visit visit) const;

  std::string name_;
  Transform3D transform_;
  std::shared_ptr<Geometry> geometry_;
  std::shared_ptr<const Instances> instances_;
  double opacity_ = 1.0;
  bool hidden_ = false;
  int renderingOrder_ = 0;
  // A removed child leaves an empty place, found through the child's own
  // position and closed up later in one pass: removal never scans siblings.
  mutable std::vector<std::shared_ptr<SceneNode>> children_;
  mutable std::size_t holes_ = 0;
  // Where the node stands in its parent's list while it has a parent.
  mutable std::size_t place_ = 0;
  std::weak_ptr<SceneNode> parent_;
};

}  // namespace ornival
