#include "engine/maths/MathsBuiltins.h"

#include <cmath>
#include <cstdint>

#include "engine/language/BuiltinTable.h"
#include "engine/language/MerlaneScript.h"
#include "engine/values/Mt19937.h"
#include "engine/values/NumberText.h"

namespace {

double Number(const ScriptValueList& args, int i) { return args.GetAt(i).GetNumber(); }

// A built-in of one number that gives one number.
template <double (*Op)(double)>
int Unary(CMerlane_Script&, ScriptValueList& args, ScriptValue& result) {
  result.SetDouble(Op(Number(args, 0)));
  return 0;
}

double Absolute(double x) { return std::fabs(x); }
double Sine(double x) { return std::sin(x); }
double Cosine(double x) { return std::cos(x); }
double Tangent(double x) { return std::tan(x); }
double ArcSine(double x) { return std::asin(x); }
double ArcCosine(double x) { return std::acos(x); }
double ArcTangent(double x) { return std::atan(x); }
double Exponential(double x) { return std::exp(x); }
double Logarithm(double x) { return std::log(x); }
double SquareRoot(double x) { return std::sqrt(x); }
double Truncated(double x) { return static_cast<double>(DoubleToInt64(x)); }

int FnMod(CMerlane_Script&, ScriptValueList& args, ScriptValue& result) {
  result.SetDouble(std::fmod(Number(args, 0), Number(args, 1)));
  return 0;
}

// Halves round away from zero, at 10^digits (negative digits round to tens,
// hundreds, ...); the factor comes from the same power routine as "^".
int FnRound(CMerlane_Script&, ScriptValueList& args, ScriptValue& result) {
  const double value = Number(args, 0);
  const int digits = args.Count() >= 2 ? args.GetAt(1).GetInt() : 0;
  const double factor = std::pow(10.0, digits);
  if (value >= 0)
    result.SetDouble(std::floor(value * factor + 0.5) / factor);
  else
    result.SetDouble(std::ceil(value * factor - 0.5) / factor);
  return 0;
}

// RANDOM(), RANDOM(limit) in [0, limit), RANDOM(min, max) in [min, max).
int FnRandom(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result) {
  if (args.Count() == 1) {
    const ScriptValue& limit = args.GetAt(0);
    if (!limit.IsNumber()) {
      engine.SetErrorValue(1);
      return 0;
    }
    if (limit.GetNumber() <= 0) {
      engine.SetErrorValue(2);
      return 0;
    }
    result.SetDouble(Mt19937Next() * limit.GetNumber());
    return 0;
  }
  if (args.Count() == 2) {
    if (args.GetAt(0).IsArray() || args.GetAt(1).IsArray()) {
      engine.SetErrorValue(1);
      return 0;
    }
    const double low = Number(args, 0);
    const double high = Number(args, 1);
    if (low >= high) {
      engine.SetErrorValue(2);
      return 0;
    }
    result.SetDouble(low + Mt19937Next() * (high - low));
    return 0;
  }
  result.SetDouble(Mt19937Next());
  return 0;
}

// The 32-bit ints of all arguments, combined from left to right.
template <std::uint32_t (*Op)(std::uint32_t, std::uint32_t)>
int Bitwise(CMerlane_Script&, ScriptValueList& args, ScriptValue& result) {
  std::uint32_t bits = static_cast<std::uint32_t>(args.GetAt(0).GetInt());
  for (int i = 1; i < args.Count(); ++i) bits = Op(bits, static_cast<std::uint32_t>(args.GetAt(i).GetInt()));
  result.SetInt(static_cast<std::int32_t>(bits));
  return 0;
}

std::uint32_t And(std::uint32_t a, std::uint32_t b) { return a & b; }
std::uint32_t Or(std::uint32_t a, std::uint32_t b) { return a | b; }
std::uint32_t Xor(std::uint32_t a, std::uint32_t b) { return a ^ b; }

int FnBitNot(CMerlane_Script&, ScriptValueList& args, ScriptValue& result) {
  result.SetInt(~args.GetAt(0).GetInt());
  return 0;
}

// BITSHIFT(value, n): right by n with the sign kept when n >= 0, left by -n
// otherwise; as the processor does, only the low five bits of the count count.
int FnBitShift(CMerlane_Script&, ScriptValueList& args, ScriptValue& result) {
  const std::int32_t value = args.GetAt(0).GetInt();
  const std::int64_t shift = args.GetAt(1).GetInt();
  if (shift >= 0) {
    result.SetInt(value >> (shift & 31));
  } else {
    const std::uint32_t bits = static_cast<std::uint32_t>(value) << ((-shift) & 31);
    result.SetInt(static_cast<std::int32_t>(bits));
  }
  return 0;
}

}  // namespace

void BindMathsBuiltins() {
  BindBuiltin("ABS", &Unary<Absolute>);
  BindBuiltin("SIN", &Unary<Sine>);
  BindBuiltin("COS", &Unary<Cosine>);
  BindBuiltin("TAN", &Unary<Tangent>);
  BindBuiltin("ASIN", &Unary<ArcSine>);
  BindBuiltin("ACOS", &Unary<ArcCosine>);
  BindBuiltin("ATAN", &Unary<ArcTangent>);
  BindBuiltin("EXP", &Unary<Exponential>);
  BindBuiltin("LOG", &Unary<Logarithm>);
  BindBuiltin("SQRT", &Unary<SquareRoot>);
  BindBuiltin("INT", &Unary<Truncated>);
  BindBuiltin("MOD", &FnMod);
  BindBuiltin("ROUND", &FnRound);
  BindBuiltin("RANDOM", &FnRandom);
  BindBuiltin("BITAND", &Bitwise<And>);
  BindBuiltin("BITOR", &Bitwise<Or>);
  BindBuiltin("BITXOR", &Bitwise<Xor>);
  BindBuiltin("BITNOT", &FnBitNot);
  BindBuiltin("BITSHIFT", &FnBitShift);
  BindConversionBuiltins();
}
