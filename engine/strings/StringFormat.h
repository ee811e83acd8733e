// The formatted text of STRINGFORMAT: a format with escapes and printf-like
// conversions, filled from the values after it.
#pragma once

#include <string>

class ScriptValueList;

// Longest text that one conversion gives (also the widest width and the
// largest precision taken).
constexpr int kMaxConversionLength = 65535;

// args[0] is the format, args[1..] the values, used in order.
// - "\n", "\r", "\t" give LF, CR and TAB; "%%" and "\%" give "%"; a "\"
//   before any other character gives both characters unchanged.
// - A conversion is "%", any of the flags "-+ #0", width digits, "." and
//   precision digits, any of the length letters "h" and "l" (ignored) and
//   one of "diouxXeEfgGs": d, i signed and o, u, x, X unsigned 32-bit
//   integers; e, E, f, g, G the value's double form (the engine's own number
//   text); s its text. Anything else after the "%" is no conversion: the
//   "%" is written as it stands and scanning goes on after it.
// - At a conversion after the last value the output ends.
std::string FormatScriptText(const ScriptValueList& args);
