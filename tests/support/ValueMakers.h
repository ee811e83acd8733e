// Short ways to make script values in tests.
#pragma once

#include "engine/values/ScriptValue.h"

inline ScriptValue Text(const char* s) {
  ScriptValue v;
  v.SetText(s);
  return v;
}

inline ScriptValue Number(double d) {
  ScriptValue v;
  v.SetDouble(d);
  return v;
}
