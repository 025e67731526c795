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

}  // namespace ornival
