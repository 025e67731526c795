#include "app/core/ActionRouter.h"

namespace ornival {

void ActionTable::add(std::string action, Perform perform, Validate validate) {
  entries_.push_back({std::move(action), std::move(perform), std::move(validate)});
}

void ActionTable::setCheck(std::string_view action, Check check) {
  for (Entry& entry : entries_)
    if (entry.action == action)
      entry.check = check;
}

void ActionTable::setTitle(std::string_view action, Title title) {
  for (Entry& entry : entries_)
    if (entry.action == action)
      entry.title = title;
}

std::optional<std::string> ActionTable::title(const Action& action) const {
  const Entry* entry = find(action.name);
  if (!entry || !entry->title)
    return std::nullopt;
  return entry->title(action);
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

std::optional<bool> ActionTable::checkState(const Action& action) const {
  const Entry* entry = find(action.name);
  if (!entry || !entry->check)
    return std::nullopt;
  return entry->check(action);
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

std::optional<bool> ActionRouter::checkState(const Action& action) const {
  const ActionTarget* answering = target(action.name);
  return answering ? answering->checkState(action) : std::nullopt;
}

std::optional<std::string> ActionRouter::title(const Action& action) const {
  const ActionTarget* answering = target(action.name);
  return answering ? answering->title(action) : std::nullopt;
}

void ActionRouter::validate(std::vector<MenuItem>& items) const {
  for (MenuItem& item : items) {
    if (!item.action.empty()) {
      const Action action{item.action, item.tag, item.representedObject};
      item.enabled = validate(action);
      item.checked = checkState(action).value_or(false);
      if (auto named = title(action))
        item.title = std::move(*named);
    }
    validate(item.submenu);
  }
}

}  // namespace ornival
