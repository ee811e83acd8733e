// Splits a command line into arguments: blanks and tabs separate them outside
// double quotes; a doubled double quote stands for one literal double quote.
#pragma once

#include <string>
#include <vector>

class CCommandLineArgs {
 public:
  static constexpr int kMaxArgs = 64;
  static constexpr size_t kMaxTokenLength = 4095;

  void Split(const std::string& line);
  // Adds a token; tokens past the 64th are dropped.
  void AddArg(const std::string& token);
  void Clear();

  int Count() const { return static_cast<int>(args_.size()); }
  const std::string& Arg(int index) const { return args_[index]; }
  const std::string& Line() const { return line_; }

 private:
  std::vector<std::string> args_;
  std::string line_;
};

// The splitter of the hidden Test command.
CCommandLineArgs& CommandLineArgs();
