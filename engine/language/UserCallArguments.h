#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "engine/values/ScriptValue.h"

// What a parameter of a user-function call is bound to: a value of its own,
// the caller's variable itself (ByRef), or a copy of an array element that
// goes back by name and subscripts at return (the function may resize the
// array meanwhile).
struct UserCallArgument {
  // On the heap: a value parameter's storage goes into the function's scope
  // as it is, and the scope's spare storage comes back for the next call.
  std::unique_ptr<ScriptValue> value;
  ScriptValue* target = nullptr;
  bool element = false;
  std::string variable;          // element only: the array's name
  std::vector<int> subscripts;   // element only
  std::string parameter;         // element only: the parameter's name
};

// The argument records of the user-function calls under way, one list per
// nesting level, kept for the next call of that level so that a call
// allocates none. A level's list stays put while deeper calls take theirs.
class UserCallArgumentPool {
 public:
  // Records [0, count) of the next level, each as a new one's.
  std::vector<UserCallArgument>& Take(std::size_t count) {
    if (inUse_ == levels_.size()) levels_.push_back(std::make_unique<std::vector<UserCallArgument>>());
    std::vector<UserCallArgument>& level = *levels_[inUse_];
    if (level.size() < count) level.resize(count);
    for (std::size_t i = 0; i < count; ++i) {
      UserCallArgument& argument = level[i];
      argument.target = nullptr;
      argument.element = false;
      if (!argument.value) argument.value = std::make_unique<ScriptValue>();
    }
    ++inUse_;  // only once nothing can throw: a failed Take takes nothing
    return level;
  }
  // Gives the last level taken back. Values that went into the function's
  // scope left new ones behind; the rest (copies of elements, what a failed
  // call had evaluated) go now.
  void Give(std::size_t count, bool valuesMoved) {
    std::vector<UserCallArgument>& level = *levels_[--inUse_];
    for (std::size_t i = 0; i < count; ++i) {
      UserCallArgument& argument = level[i];
      if (argument.value && (!valuesMoved || argument.element)) *argument.value = ScriptValue();
    }
  }

 private:
  std::vector<std::unique_ptr<std::vector<UserCallArgument>>> levels_;
  std::size_t inUse_ = 0;
};
