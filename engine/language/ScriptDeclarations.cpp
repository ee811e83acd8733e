// Dim, ReDim, Local and Global: declarations of variables and arrays.
#include "engine/language/MerlaneScript.h"

namespace {

constexpr int kReDim = 4;
const char kNoVariable[] = "No variable given for \"Dim\", \"Local\" or \"Global\" statement.";
const char kBadSubscript[] = "Array variable subscript badly formatted.";

int ScopeOf(int flags) {
  switch (flags) {
    case 1: return VariableTable::kLocal;
    case 2: return VariableTable::kGlobal;
    default: return VariableTable::kAutomatic;
  }
}

}  // namespace

int CMerlane_Script::ExecDim(ScriptTokenList& tokens, int scopeFlags) {
  int position = 1;
  for (;;) {
    const ScriptToken& var = tokens.GetAt(position);
    if (var.type != ScriptTokenType::kVariable) return ReportAt(kNoVariable, tokens, position);
    const char* name = var.value.GetText();
    ++position;

    std::vector<int> sizes;
    while (tokens.GetAt(position).type == ScriptTokenType::kOpenBracket) {
      int open = position++;
      if (tokens.GetAt(position).type == ScriptTokenType::kCloseBracket)
        return ReportAt("Missing subscript dimensions in \"Dim\" statement.", tokens, position);
      ScriptValue size;
      if (EvalExpression(tokens, position, size)) return 1;
      if (size.GetNumber() < 1 || tokens.GetAt(position).type != ScriptTokenType::kCloseBracket)
        return ReportAt(kBadSubscript, tokens, open);
      ++position;
      if (static_cast<int>(sizes.size()) == ScriptValue::kMaxDimensions)
        return ReportAt("Too many array dimensions (at most 8).", tokens, open);
      sizes.push_back(size.GetInt());
    }
    if (scopeFlags == kReDim && sizes.empty())
      return ReportAt("Missing subscript dimensions in \"Dim\" statement.", tokens, position);

    // Without sizes or an initial value the variable holds the empty string.
    const bool initialised = tokens.GetAt(position).type == ScriptTokenType::kEqual;
    ScriptValue value;
    if (sizes.empty() && !initialised) value.SetText("");
    if (!sizes.empty()) {
      value.ClearSubscripts();
      for (int size : sizes) value.PushSubscript(size);
      if (!value.CreateArray())
        return ReportAt("Unable to allocate array - maximum total size is 16777216 elements.", tokens, position - 1);
    }
    if (initialised) {
      ++position;
      if (EvalExpression(tokens, position, value)) return 1;
    }

    if (scopeFlags == kReDim) {
      // ReDim resizes the variable that an ordinary lookup finds, a global
      // one included, keeping the elements both shapes share.
      ScriptValue* existing = variables.Find(name, VariableTable::kAutomatic);
      if (existing) {
        if (existing->IsArray() && value.IsArray()) value.CopyArrayPreserve(*existing);
        *existing = std::move(value);
      } else {
        variables.Assign(name, std::move(value), VariableTable::kAutomatic);
      }
    } else {
      // The value made here moves in, into the variable the token found
      // before or under the name it upper-cased once: a declaration costs no
      // more than an assignment.
      const int scope = ScopeOf(scopeFlags);
      if (ScriptValue* existing = variables.FindIn(name, var.resolved, scope))
        *existing = std::move(value);
      else
        variables.AssignUpper(variables.Upper(name, var.resolved), std::move(value), scope);
    }

    const ScriptToken& after = tokens.GetAt(position);
    if (after.type == ScriptTokenType::kEndOfLine) return 0;
    if (after.type != ScriptTokenType::kComma) return ReportAt(kBadSubscript, tokens, position);
    ++position;
  }
}
