#pragma once

#include <cstdint>

#include "engine/language/PreparedExpression.h"
#include "engine/values/ScriptValue.h"
#include "engine/values/VariableTable.h"

// Token kinds of a script line. The codes are fixed: the evaluator and the
// statement executor dispatch on them.
enum class ScriptTokenType : std::int32_t {
    kKeyword = 0,        // payload: keyword index
    kBuiltin = 1,        // payload: row of the built-in table
    kLiteral = 2,        // payload: the number or string
    kEqual = 3,          // =
    kGreater = 4,        // >
    kLess = 5,           // <
    kNotEqual = 6,       // <>
    kGreaterEqual = 7,   // >=
    kLessEqual = 8,      // <=
    kOpenParen = 9,      // (
    kCloseParen = 10,    // )
    kPlus = 11,          // +
    kMinus = 12,         // -
    kDivide = 13,        // /
    kMultiply = 14,      // *
    kVariable = 15,      // payload: the name after "$"
    kEndOfLine = 16,
    kUserFunction = 17,  // payload: the upper-cased name
    kComma = 18,         // ,
    kConcat = 19,        // &
    kOpenBracket = 20,   // [
    kCloseBracket = 21,  // ]
    kMacro = 22,         // payload: the name after "@"
    kEqualCase = 23,     // ==
    kPower = 24,         // ^
};

struct ScriptToken {
    ScriptTokenType type = ScriptTokenType::kEndOfLine;
    ScriptValue value;
    std::int32_t column = 0;  // 0-based position in the line where it starts
    // A variable token's name as last resolved (kept tokens resolve once).
    mutable ResolvedName resolved;
    // A user-function token's row in the prepared functions, valid while
    // functionsVersion is the interpreter's.
    mutable std::int32_t functionIndex = -1;
    mutable std::uint64_t functionsVersion = 0;
    // Found once per kept token, as distances that hold in any slice:
    // a "(" to its ")" (0: not known yet); the first token of a call's
    // argument to the "," or ")" that ends it (-1: not known yet).
    mutable std::int32_t closeOffset = 0;
    mutable std::int32_t argumentEnd = -1;
    // The target of an assignment: whether and how the statement appends to
    // its own variable in place (0: not; -1: not known yet).
    mutable std::int8_t appendsToItself = -1;
    // The target of an assignment: whether its value may be evaluated
    // straight into the variable (-1: not known yet).
    mutable std::int8_t assignsInPlace = -1;
    // A keyword token's index, read from its value once (-1: not yet).
    mutable std::int8_t keywordIndex = -1;
    // A user-function token of a kept line: its call's argument count (-1:
    // not known yet).
    mutable std::int32_t argumentCount = -1;
    // The first token of an expression in a kept line: the expression's
    // prepared form (made on its first evaluation).
    mutable PreparedExpressionSlot prepared;
};
