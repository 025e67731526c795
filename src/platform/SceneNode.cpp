#include "platform/SceneNode.h"

#include "platform/Material.h"
#include "platform/Precondition.h"

#include <algorithm>
#include <functional>
#include <unordered_map>

namespace ornival {

void SceneNode::addChildNode(const std::shared_ptr<SceneNode>& child) {
  ORNIVAL_PRECONDITION(child != nullptr);
  for (const SceneNode* ancestor = this; ancestor != nullptr; ancestor = ancestor->parent_.lock().get())
    ORNIVAL_PRECONDITION(ancestor != child.get());
  // The argument may be an element of the old parent's list, which the
  // removal below invalidates.
  const std::shared_ptr<SceneNode> added = child;
  added->removeFromParentNode();
  added->place_ = children_.size();
  children_.push_back(added);
  added->parent_ = weak_from_this();
}

void SceneNode::removeFromParentNode() {
  // Nothing to do for a node without a parent, and nothing to touch: a
  // closing window asks every tile's node, most of which left already.
  if (parent_.expired()) {
    parent_.reset();
    return;
  }
  // The parent may hold the last reference to this node.
  const std::shared_ptr<SceneNode> self = shared_from_this();
  const std::shared_ptr<SceneNode> parent = parent_.lock();
  parent_.reset();
  if (!parent)
    return;
  auto& siblings = parent->children_;
  ORNIVAL_PRECONDITION(place_ < siblings.size() && siblings[place_] == self);
  siblings[place_].reset();
  ++parent->holes_;
  // Closed up once they are half the list, so that a parent that loses most
  // of its children does not keep their places, and the pass costs at most
  // as much again as the removals that called for it.
  if (parent->holes_ > 16 && parent->holes_ * 2 > siblings.size())
    parent->closeHoles();
}

void SceneNode::closeHoles() const {
  std::size_t kept = 0;
  for (std::size_t i = 0; i < children_.size(); ++i) {
    if (!children_[i])
      continue;
    children_[i]->place_ = kept;
    if (i != kept)
      children_[kept] = std::move(children_[i]);
    ++kept;
  }
  children_.resize(kept);
  holes_ = 0;
}

void SceneNode::replaceChildNode(const std::shared_ptr<SceneNode>& old, const std::shared_ptr<SceneNode>& child) {
  ORNIVAL_PRECONDITION(old != nullptr && old->parent_.lock().get() == this);
  ORNIVAL_PRECONDITION(child != nullptr);
  if (child == old)
    return;
  for (const SceneNode* ancestor = this; ancestor != nullptr; ancestor = ancestor->parent_.lock().get())
    ORNIVAL_PRECONDITION(ancestor != child.get());
  const std::shared_ptr<SceneNode> added = child;
  const std::shared_ptr<SceneNode> replaced = old;
  added->removeFromParentNode();
  // The removal above may have closed up the list, moving the old node too.
  const std::size_t place = replaced->place_;
  ORNIVAL_PRECONDITION(place < children_.size() && children_[place] == replaced);
  children_[place] = added;
  added->place_ = place;
  added->parent_ = weak_from_this();
  replaced->parent_.reset();
}

namespace {

double linearDeterminant(const Transform3D& t) {
  const auto& m = t.m;
  return m[0][0] * (m[1][1] * m[2][2] - m[1][2] * m[2][1]) - m[0][1] * (m[1][0] * m[2][2] - m[1][2] * m[2][0]) +
         m[0][2] * (m[1][0] * m[2][1] - m[1][1] * m[2][0]);
}

}  // namespace

template <typename Visit>
void SceneNode::forEachShownDescendant(Visit visit) const {
  // Depth first in tree order, with an explicit stack so that depth costs no
  // call stack.
  struct Pending {
    const SceneNode* node;
    Transform3D toTop;
    double opacity;
  };
  std::vector<Pending> stack;
  const auto& children = childNodes();
  for (auto it = children.rbegin(); it != children.rend(); ++it)
    stack.push_back({it->get(), (*it)->transform_, (*it)->opacity_});
  while (!stack.empty()) {
    const Pending item = stack.back();
    stack.pop_back();
    if (item.node->hidden_)
      continue;
    if (item.node->geometry_) {
      if (item.node->instances_) {
        for (const Transform3D& place : *item.node->instances_)
          visit(*item.node, place.concatenating(item.toTop), item.opacity);
      } else {
        visit(*item.node, item.toTop, item.opacity);
      }
    }
    const auto& grandchildren = item.node->childNodes();
    for (auto it = grandchildren.rbegin(); it != grandchildren.rend(); ++it)
      stack.push_back({it->get(), (*it)->transform_.concatenating(item.toTop), item.opacity * (*it)->opacity_});
  }
}

std::shared_ptr<SceneNode> SceneNode::shallowCopy() const {
  auto copy = create(geometry_ ? geometry_->copy() : nullptr);
  copy->name_ = name_;
  copy->transform_ = transform_;
  copy->instances_ = instances_;
  copy->opacity_ = opacity_;
  copy->hidden_ = hidden_;
  copy->renderingOrder_ = renderingOrder_;
  return copy;
}

std::shared_ptr<SceneNode> SceneNode::flattenedClone() const {
  auto clone = shallowCopy();
  forEachShownDescendant([&](const SceneNode& node, const Transform3D& place, double opacity) {
    auto flat = create(node.geometry_->copy());
    flat->name_ = node.name_;
    flat->transform_ = place;
    flat->opacity_ = opacity;
    flat->renderingOrder_ = node.renderingOrder_;
    clone->addChildNode(flat);
  });
  return clone;
}

std::shared_ptr<SceneNode> SceneNode::flattenedByMaterial() const {
  auto clone = shallowCopy();
  struct Key {
    const GeometrySources* sources;
    const Material* material;
    double opacity;
    int order;
    bool turned;
    bool operator==(const Key&) const = default;
  };
  struct KeyHash {
    std::size_t operator()(const Key& k) const {
      std::size_t h = std::hash<const void*>()(k.sources) * 31 + std::hash<const void*>()(k.material);
      h = h * 31 + std::hash<double>()(k.opacity);
      return (h * 31 + std::hash<int>()(k.order)) * 2 + (k.turned ? 1 : 0);
    }
  };
  struct Group {
    std::shared_ptr<SceneNode> node;
    std::shared_ptr<Instances> places;
  };
  std::unordered_map<Key, std::size_t, KeyHash> groupOf;
  std::vector<Group> groups;
  forEachShownDescendant([&](const SceneNode& node, const Transform3D& place, double opacity) {
    const Key key{&node.geometry_->sources(), node.geometry_->firstMaterial().get(), opacity, node.renderingOrder_,
                  linearDeterminant(place) < 0.0};
    const auto [found, added] = groupOf.try_emplace(key, groups.size());
    if (added) {
      auto group = create(node.geometry_->copy());
      group->name_ = node.name_;
      group->opacity_ = opacity;
      group->renderingOrder_ = node.renderingOrder_;
      groups.push_back({std::move(group), std::make_shared<Instances>()});
    }
    groups[found->second].places->push_back(place);
  });
  for (auto& group : groups) {
    group.node->instances_ = std::move(group.places);
    clone->addChildNode(group.node);
  }
  return clone;
}

}  // namespace ornival
