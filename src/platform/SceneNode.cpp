#include "platform/SceneNode.h"

#include "platform/Precondition.h"

#include <algorithm>

namespace ornival {

void SceneNode::addChildNode(const std::shared_ptr<SceneNode>& child) {
  ORNIVAL_PRECONDITION(child != nullptr);
  for (const SceneNode* ancestor = this; ancestor != nullptr; ancestor = ancestor->parent_.lock().get())
    ORNIVAL_PRECONDITION(ancestor != child.get());
  // The argument may be an element of the old parent's list, which the
  // removal below invalidates.
  const std::shared_ptr<SceneNode> added = child;
  added->removeFromParentNode();
  children_.push_back(added);
  added->parent_ = weak_from_this();
}

void SceneNode::removeFromParentNode() {
  // The parent may hold the last reference to this node.
  const std::shared_ptr<SceneNode> self = shared_from_this();
  const std::shared_ptr<SceneNode> parent = parent_.lock();
  parent_.reset();
  if (!parent)
    return;
  auto& siblings = parent->children_;
  siblings.erase(std::remove(siblings.begin(), siblings.end(), self), siblings.end());
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
  const auto place = std::find(children_.begin(), children_.end(), replaced);
  *place = added;
  added->parent_ = weak_from_this();
  replaced->parent_.reset();
}

std::shared_ptr<SceneNode> SceneNode::flattenedClone() const {
  auto clone = create(geometry_ ? geometry_->copy() : nullptr);
  clone->name_ = name_;
  clone->transform_ = transform_;
  clone->opacity_ = opacity_;
  clone->hidden_ = hidden_;
  clone->renderingOrder_ = renderingOrder_;
  // Depth first in tree order, with an explicit stack so that depth costs no
  // call stack.
  struct Pending {
    const SceneNode* node;
    Transform3D toClone;
    double opacity;
  };
  std::vector<Pending> stack;
  for (auto it = children_.rbegin(); it != children_.rend(); ++it)
    stack.push_back({it->get(), (*it)->transform_, (*it)->opacity_});
  while (!stack.empty()) {
    const Pending item = stack.back();
    stack.pop_back();
    if (item.node->hidden_)
      continue;
    if (item.node->geometry_) {
      auto flat = create(item.node->geometry_->copy());
      flat->name_ = item.node->name_;
      flat->transform_ = item.toClone;
      flat->opacity_ = item.opacity;
      flat->renderingOrder_ = item.node->renderingOrder_;
      clone->addChildNode(flat);
    }
    const auto& grandchildren = item.node->children_;
    for (auto it = grandchildren.rbegin(); it != grandchildren.rend(); ++it)
      stack.push_back({it->get(), (*it)->transform_.concatenating(item.toClone), item.opacity * (*it)->opacity_});
  }
  return clone;
}

}  // namespace ornival
