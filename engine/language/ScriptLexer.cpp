#include "engine/language/ScriptLexer.h"

#include "engine/language/BuiltinTable.h"
#include "engine/ports/CaseMapping.h"
#include "engine/values/NumberText.h"
#include "engine/ports/ScriptHostPort.h"

const char* const kKeywordNames[32] = {
    "AND",  "OR",      "NOT",   "IF",       "THEN",         "ELSE",   "ELSEIF", "ENDIF",
    "WHILE", "WEND",   "DO",    "UNTIL",    "FOR",          "NEXT",   "TO",     "STEP",
    "EXITLOOP", "CONTINUELOOP", "SELECT", "CASE", "ENDSELECT", "DIM", "REDIM", "LOCAL",
    "GLOBAL", "FUNC",  "ENDFUNC", "RETURN", "EXIT",         "TAG",    "GOTO",   "BYREF"};

namespace {

constexpr int kTagKeyword = 29;
constexpr int kGotoKeyword = 30;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsWordChar(char c) { return IsLetter(c) || IsDigit(c) || c == '_'; }
bool IsHexDigit(char c) { return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

class Lexer {
 public:
  Lexer(const std::string& line, bool expandEnv, ScriptTokenList& tokens, LexError* error)
      : line_(line), expandEnv_(expandEnv), tokens_(tokens), error_(error) {}

  bool Run() {
    tokens_.Clear();
    size_t length = line_.size();
    while (pos_ < length) {
      char c = line_[pos_];
      if (c == ' ' || c == '\t') {
        ++pos_;
      } else if (IsDigit(c) || c == '.') {
        if (!ReadNumberLiteral()) return Fail("Unable to parse line.", pos_);
      } else if (IsLetter(c) || c == '_') {
        if (ReadWord()) return true;  // TAG or GOTO took the rest of the line
      } else if (!ReadSymbol(c)) {
        return false;
      } else if (commentAt_ >= 0) {
        break;
      }
    }
    End(commentAt_ >= 0 ? commentAt_ : static_cast<int>(length));
    return true;
  }

 private:
  void Add(ScriptTokenType type, int column, const ScriptValue* value = nullptr) {
    ScriptToken token;
    token.type = type;
    token.column = column;
    if (value) token.value = *value;
    tokens_.Add(token);
  }
  void End(int column) { Add(ScriptTokenType::kEndOfLine, column); }
  bool Fail(const char* message, size_t column) {
    if (error_) {
      error_->message = message;
      error_->column = static_cast<int>(column);
    }
    End(static_cast<int>(line_.size()));
    return false;
  }

  bool ReadNumberLiteral() {
    size_t start = pos_;
    ScriptValue value;
    if (line_[pos_] == '0' && pos_ + 1 < line_.size() && (line_[pos_ + 1] == 'x' || line_[pos_ + 1] == 'X')) {
      size_t p = pos_ + 2;
      unsigned number = 0;
      int digits = 0;
      while (p < line_.size() && IsHexDigit(line_[p])) {
        if (++digits > 8) return false;
        char c = line_[p++];
        unsigned digit = IsDigit(c) ? c - '0' : (c | 0x20) - 'a' + 10;
        number = number * 16 + digit;
      }
      value.SetInt(static_cast<int>(number));
      pos_ = p;
    } else {
      size_t p = pos_;
      bool dot = false, digit = false, exponent = false, exponentDigit = false;
      while (p < line_.size()) {
        char c = line_[p];
        if (IsDigit(c)) {
          digit = true;
          if (exponent) exponentDigit = true;
        } else if (c == '.' && !dot && !exponent) {
          dot = true;
        } else if ((c == 'e' || c == 'E') && digit && !exponent) {
          exponent = true;
        } else if ((c == '+' || c == '-') && exponent && (line_[p - 1] == 'e' || line_[p - 1] == 'E')) {
          // sign of the exponent
        } else {
          break;
        }
        ++p;
      }
      if (exponent && !exponentDigit) return false;
      value.SetDouble(TextToDouble(line_.substr(pos_, p - pos_).c_str()));
      pos_ = p;
    }
    Add(ScriptTokenType::kLiteral, static_cast<int>(start), &value);
    return true;
  }

  bool ReadStringLiteral() {
    size_t start = pos_;
    char quote = line_[pos_++];
    std::string text;
    for (;;) {
      if (pos_ >= line_.size()) return Fail("String missing closing quote.", start);
      char c = line_[pos_++];
      if (c == quote) {
        if (pos_ < line_.size() && line_[pos_] == quote) {
          text += quote;
          ++pos_;
          continue;
        }
        break;
      }
      text += c;
    }
    if (expandEnv_) text = ExpandEnvironmentStrings(text);
    ScriptValue value;
    value.SetText(text.c_str());
    Add(ScriptTokenType::kLiteral, static_cast<int>(start), &value);
    return true;
  }

  bool ReadName(ScriptTokenType type) {
    size_t start = pos_++;
    size_t p = pos_;
    while (p < line_.size() && IsWordChar(line_[p])) ++p;
    if (p == pos_) return Fail("Badly formated variable or macro.", start);
    ScriptValue value;
    value.SetText(line_.substr(pos_, p - pos_).c_str());
    Add(type, static_cast<int>(start), &value);
    pos_ = p;
    return true;
  }

  // Returns true when the rest of the line was taken as label text.
  bool ReadWord() {
    size_t start = pos_;
    while (pos_ < line_.size() && IsWordChar(line_[pos_])) ++pos_;
    std::string word = ToUpperAnsi(line_.substr(start, pos_ - start));
    ScriptValue value;
    int keywordIndex = FindKeyword(word);
    if (keywordIndex >= 0) {
      value.SetInt(keywordIndex);
      Add(ScriptTokenType::kKeyword, static_cast<int>(start), &value);
      if (keywordIndex == kTagKeyword || keywordIndex == kGotoKeyword) {
        // The label is the raw text after the keyword and one blank.
        size_t labelStart = pos_;
        if (labelStart < line_.size() && (line_[labelStart] == ' ' || line_[labelStart] == '\t')) ++labelStart;
        ScriptValue label;
        label.SetText(line_.substr(labelStart).c_str());
        Add(ScriptTokenType::kLiteral, static_cast<int>(labelStart), &label);
        End(static_cast<int>(line_.size()));
        return true;
      }
      return false;
    }
    int row = FindBuiltin(word.c_str());
    if (row >= 0) {
      value.SetInt(row);
      Add(ScriptTokenType::kBuiltin, static_cast<int>(start), &value);
    } else {
      value.SetText(word.c_str());
      Add(ScriptTokenType::kUserFunction, static_cast<int>(start), &value);
    }
    return false;
  }

  bool ReadSymbol(char c) {
    size_t start = pos_;
    char next = pos_ + 1 < line_.size() ? line_[pos_ + 1] : '\0';
    ScriptTokenType type = ScriptTokenType::kEndOfLine;
    size_t width = 1;
    switch (c) {
      case '"':
      case '\'':
        return ReadStringLiteral();
      case '$':
        return ReadName(ScriptTokenType::kVariable);
      case '@':
        return ReadName(ScriptTokenType::kMacro);
      case ';':
        commentAt_ = static_cast<int>(pos_);
        return true;
      case '<':
        if (next == '=') type = ScriptTokenType::kLessEqual, width = 2;
        else if (next == '>') type = ScriptTokenType::kNotEqual, width = 2;
        else type = ScriptTokenType::kLess;
        break;
      case '>':
        if (next == '=') type = ScriptTokenType::kGreaterEqual, width = 2;
        else type = ScriptTokenType::kGreater;
        break;
      case '=':
        if (next == '=') type = ScriptTokenType::kEqualCase, width = 2;
        else type = ScriptTokenType::kEqual;
        break;
      case '&': type = ScriptTokenType::kConcat; break;
      case '(': type = ScriptTokenType::kOpenParen; break;
      case ')': type = ScriptTokenType::kCloseParen; break;
      case '*': type = ScriptTokenType::kMultiply; break;
      case '+': type = ScriptTokenType::kPlus; break;
      case ',': type = ScriptTokenType::kComma; break;
      case '-': type = ScriptTokenType::kMinus; break;
      case '/': type = ScriptTokenType::kDivide; break;
      case '[': type = ScriptTokenType::kOpenBracket; break;
      case ']': type = ScriptTokenType::kCloseBracket; break;
      case '^': type = ScriptTokenType::kPower; break;
      default:
        return Fail("Unable to parse line.", start);
    }
    Add(type, static_cast<int>(start));
    pos_ += width;
    return true;
  }

  const std::string& line_;
  bool expandEnv_;
  ScriptTokenList& tokens_;
  LexError* error_;
  size_t pos_ = 0;
  int commentAt_ = -1;
};

}  // namespace

std::string ToUpperAnsi(std::string text) {
  if (!text.empty()) GetCaseMapping().Upper(text.data(), static_cast<int>(text.size()));
  return text;
}

int FindKeyword(const std::string& upperWord) {
  for (int i = 0; i < 32; ++i) {
    if (upperWord == kKeywordNames[i]) return i;
  }
  return -1;
}

bool TokeniseScriptLine(const std::string& line, bool expandEnv, ScriptTokenList& tokens, LexError* error) {
  return Lexer(line, expandEnv, tokens, error).Run();
}

std::string ExpandEnvironmentStrings(const std::string& text) {
  constexpr size_t kMaxLength = kMaxExpandedLength;
  std::string out;
  size_t pos = 0;
  while (pos < text.size()) {
    char c = text[pos];
    if (c != '%') {
      out += c;
      ++pos;
      continue;
    }
    if (pos + 1 < text.size() && text[pos + 1] == '%') {
      out += '%';
      pos += 2;
      continue;
    }
    size_t close = text.find('%', pos + 1);
    std::string name = text.substr(pos + 1, close == std::string::npos ? std::string::npos : close - pos - 1);
    std::string value;
    if (GetScriptHostPort().GetEnv(name, &value)) out += value;
    pos = close == std::string::npos ? text.size() : close + 1;
  }
  if (out.size() > kMaxLength) out.resize(kMaxLength);
  return out;
}
