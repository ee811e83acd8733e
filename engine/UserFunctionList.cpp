#include "engine/UserFunctionList.h"

void UserFunctionList::Append(const UserFunction& function) { functions_.push_back(function); }

const UserFunction* UserFunctionList::Find(const char* name) const {
  for (const UserFunction& function : functions_) {
    if (function.name.CompareNoCase(name) == 0) return &function;
  }
  return nullptr;
}

void UserFunctionList::Clear() { functions_.clear(); }
