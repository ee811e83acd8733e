#include "engine/ResultArray.h"

bool MakeResultArray(ScriptValue& result, int n) {
  result.ClearSubscripts();
  if (n < 0 || !result.PushSubscript(n) || !result.CreateArray()) {
    result.ClearSubscripts();
    result.SetInt(0);
    return false;
  }
  return true;
}

ScriptValue* ResultElement(ScriptValue& result, int i) {
  if (!result.IsArray()) return nullptr;
  result.ClearSubscripts();
  result.PushSubscript(i);
  return result.GetElement();
}
