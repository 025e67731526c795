#pragma once

#include "app/core/Menu.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ornival {

// What a menu item, a toolbar button or a key sends: the action's name, the
// sender's tag and what it stands for.
struct Action {
  std::string name;
  int tag = 0;
  std::string representedObject;
};

// One link of the chain an action travels: it answers some actions, and says
// for each whether it can do it now.
class ActionTarget {
public:
  virtual ~ActionTarget() = default;
  virtual bool answers(std::string_view action) const = 0;
  // Whether the item is enabled now; asked only for actions it answers.
  virtual bool validate(const Action&) const { return true; }
  // Whether the item shows a check mark now; none for an item that never
  // does.
  virtual std::optional<bool> checkState(const Action&) const { return std::nullopt; }
  // The item's title now, for items that name what they would do ("Undo
  // Add Shape"); none keeps the menu's own title.
  virtual std::optional<std::string> title(const Action&) const { return std::nullopt; }
  virtual void perform(const Action& action) = 0;
};

// A target from plain functions, one entry per action.
class ActionTable : public ActionTarget {
public:
  using Perform = std::function<void(const Action&)>;
  using Validate = std::function<bool(const Action&)>;
  void add(std::string action, Perform perform, Validate validate = {});
  // Gives an action of the table a check mark that follows check.
  using Check = std::function<bool(const Action&)>;
  void setCheck(std::string_view action, Check check);
  // Gives an action of the table a title that follows title.
  using Title = std::function<std::string(const Action&)>;
  void setTitle(std::string_view action, Title title);

  bool answers(std::string_view action) const override;
  bool validate(const Action& action) const override;
  std::optional<bool> checkState(const Action& action) const override;
  std::optional<std::string> title(const Action& action) const override;
  void perform(const Action& action) override;

private:
  struct Entry {
    std::string action;
    Perform perform;
    Validate validate;
    Check check;
    Title title;
  };
  const Entry* find(std::string_view action) const;
  std::vector<Entry> entries_;
};

// The chain an action travels, first target first: the editor, the window
// controller, the document, the application. The first target that answers
// an action takes it; an action nobody answers does nothing and its item is
// disabled.
class ActionRouter {
public:
  // Targets must outlive their place in the chain; none are skipped.
  void setChain(std::vector<ActionTarget*> chain) { chain_ = std::move(chain); }
  const std::vector<ActionTarget*>& chain() const { return chain_; }

  ActionTarget* target(std::string_view action) const;
  // Whether something took the action.
  bool send(const Action& action) const;
  bool validate(const Action& action) const;
  std::optional<bool> checkState(const Action& action) const;
  std::optional<std::string> title(const Action& action) const;
  // Sets `enabled` (and `checked`) on every item with an action, submenus included, as a
  // menu is about to open.
  void validate(std::vector<MenuItem>& items) const;

private:
  std::vector<ActionTarget*> chain_;
};

}  // namespace ornival
