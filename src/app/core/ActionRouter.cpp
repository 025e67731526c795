#include "app/core/ActionRouter.h"

namespace ornival {

void ActionTable::add(std::string action, Perform perform, Validate validate) {
  entries_.push_back({std::move(action), std::move(perform), std::move(validate)});
}

const ActionTable::Entry* ActionTable::find(std::string_view action) const {
  for (const Entry& entry : entries_)
    if (entry.action == action)
      return &entry;
  return nullptr;
}

bool ActionTable::answers(std::string_view action) const { return find(action) != nullptr; }

bool ActionTable::validate(const Action& action) const {
  const Entry* entry = find(action.name);
  return entry && (!entry->validate || entry->validate(action));
}

void ActionTable::perform(const Action& action) {
  if (const Entry* entry = find(action.name); entry && entry->perform)
    entry->perform(action);
}

ActionTarget* ActionRouter::target(std::string_view action) const {
  for (ActionTarget* target : chain_)
    if (target && target->answers(action))
      return target;
  return nullptr;
}

bool ActionRouter::send(const Action& action) const {
  ActionTarget* answering = target(action.name);
  if (!answering)
    return false;
  answering->perform(action);
  return true;
}

bool ActionRouter::validate(const Action& action) const {
  const ActionTarget* answering = target(action.name);
  return answering && answering->validate(action);
}

void ActionRouter::validate(std::vector<MenuItem>& items) const {
  for (MenuItem& item : items) {
    if (!item.action.empty())
      item.enabled = validate(Action{item.action, item.tag, item.representedObject});
    validate(item.submenu);
  }
}

}  // namespace ornival
