// The user functions that the pre-scan of a script found: name, the lines of
// Func and EndFunc, and the number of parameters.
#pragma once

#include <deque>

#include "engine/ScriptString.h"

struct UserFunction {
  ScriptString name;
  int funcLine = 0;
  int endFuncLine = 0;
  int parameterCount = 0;
};

class UserFunctionList {
 public:
  // Appends a copy at the end.
  void Append(const UserFunction& function);
  // The first function whose name equals `name` ignoring case; null when
  // none does. The pointer stays valid until Clear.
  const UserFunction* Find(const char* name) const;
  void Clear();
  int Count() const { return static_cast<int>(functions_.size()); }

 private:
  std::deque<UserFunction> functions_;  // appends keep earlier records in place
};
