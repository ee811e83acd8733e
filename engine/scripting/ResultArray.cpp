#include "engine/scripting/ResultArray.h"

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

void SetResultInts(ScriptValue& result, std::initializer_list<int> numbers) {
  if (!MakeResultArray(result, static_cast<int>(numbers.size()))) return;
  int i = 0;
  for (int number : numbers) ResultElement(result, i++)->SetInt(number);
}
