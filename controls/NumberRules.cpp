#include "controls/NumberRules.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The plain decimal number inside `text` (blanks trimmed); false when there
// is none. The sign is kept in `digits` for the conversion.
bool PlainDecimal(const std::string& text, std::string& digits) {
  size_t begin = 0;
  size_t end = text.size();
  while (begin < end && IsBlank(text[begin])) ++begin;
  while (end > begin && IsBlank(text[end - 1])) --end;
  size_t pos = begin;
  bool negative = false;
  if (pos < end && (text[pos] == '+' || text[pos] == '-')) negative = text[pos++] == '-';
  size_t intDigits = 0;
  size_t fracDigits = 0;
  std::string body;
  while (pos < end && IsDigit(text[pos])) body += text[pos++], ++intDigits;
  if (pos < end && text[pos] == '.') {
    body += text[pos++];
    while (pos < end && IsDigit(text[pos])) body += text[pos++], ++fracDigits;
  }
  if (pos != end || intDigits + fracDigits == 0) return false;
  if (intDigits == 0) body = "0" + body;
  if (fracDigits == 0 && body.back() == '.') body.pop_back();
  digits = (negative ? "-" : "") + body;
  return true;
}

// The number as double; false for no number or one too large to hold.
bool ParsePlain(const std::string& text, double& value) {
  std::string digits;
  if (!PlainDecimal(text, digits)) return false;
  auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (error == std::errc::result_out_of_range) {
    value = digits[0] == '-' ? -std::numeric_limits<double>::infinity()
                             : std::numeric_limits<double>::infinity();
  }
  return end == digits.data() + digits.size() || error == std::errc::result_out_of_range;
}

}  // namespace

NumberCheck CheckNumberText(const std::string& text, float minimum, float maximum) {
  if (text == "+" || text == "-") return NumberCheck::kLoneSign;
  double value = 0;
  if (!ParsePlain(text, value)) return NumberCheck::kNotANumber;
  // A digit string too long for a float lies beyond every range.
  const double asFloat = static_cast<double>(static_cast<float>(value));
  if (!std::isfinite(value) || !std::isfinite(asFloat)) return NumberCheck::kOutOfRange;
  if (asFloat > maximum || asFloat < minimum) return NumberCheck::kOutOfRange;
  return NumberCheck::kValid;
}

float NumberTextValue(const std::string& text) {
  double value = 0;
  if (!ParsePlain(text, value)) return 0;
  const float result = static_cast<float>(value);
  return std::isfinite(result) ? result : 0;
}

int DecimalsOf(float value) {
  if (!std::isfinite(value) || value == 0) return 0;
  // Six significant digits, as the value is shown: "d.ddddde<exp>".
  char text[64];
  auto [end, error] =
      std::to_chars(text, text + sizeof text, static_cast<double>(value),
                    std::chars_format::scientific, 5);
  if (error != std::errc()) return 0;
  std::string scientific(text, end);
  const size_t e = scientific.find('e');
  const int exponent = std::atoi(scientific.c_str() + e + 1);
  std::string mantissa = scientific.substr(0, e);
  size_t lastDigit = mantissa.find_last_not_of('0');
  // Digits after the point that are not trailing zeros.
  const int significantAfterPoint =
      mantissa[lastDigit] == '.' ? 0
                                 : static_cast<int>(lastDigit - mantissa.find('.'));
  const int decimals = significantAfterPoint - exponent;
  return decimals > 0 ? decimals : 0;
}

std::string FormatFixed(float value, int decimals) {
  char text[128];
  auto [end, error] = std::to_chars(text, text + sizeof text, static_cast<double>(value),
                                    std::chars_format::fixed, decimals);
  if (error != std::errc()) return "0";
  return std::string(text, end);
}

float StepValue(float value, float step, int count, float minimum, float maximum) {
  float next = value + step * static_cast<float>(count);
  if (std::isnan(next)) return minimum;
  if (next > maximum) return maximum;
  if (next < minimum) return minimum;
  return next;
}

bool SpinCounterNeedsRecentre(int position, int delta) {
  const int size = delta < 0 ? -delta : delta;
  return position <= size || position >= kSpinCounterTop - size;
}
