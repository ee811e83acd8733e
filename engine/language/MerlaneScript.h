// The interpreter: one object for the process. It owns the run state, the
// options, the user functions and block stacks, the variable table, the wait
// state and the table of built-ins; it tokenises, evaluates and executes the
// lines of the loaded script file (CMerlane_ScriptFile).
//
// Its work is split over several files: MerlaneScript.cpp (object, built-in
// dispatch, error report), ScriptLexer.cpp, ScriptEvaluator.cpp,
// ScriptMacros.cpp, ScriptStatements.cpp, ScriptBlocks.cpp,
// ScriptDeclarations.cpp, ScriptCalls.cpp, ScriptRunLoop.cpp,
// ScriptPrepare.cpp and MouseMotion.cpp (the click of the mouse built-ins).
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/language/BuiltinTable.h"
#include "engine/files/FileSlotTable.h"
#include "engine/keys/KeySender.h"
#include "engine/ports/RecWinInfo.h"
#include "engine/ports/StopRequest.h"
#include "engine/language/ScriptBlockStack.h"
#include "engine/language/ScriptToken.h"
#include "engine/language/ScriptTokenList.h"
#include "engine/language/UserCallArguments.h"
#include "engine/values/ScriptValue.h"
#include "engine/values/ScriptValueList.h"
#include "engine/values/VariableTable.h"

class CMerlane_ScriptFile;
class ExpressionStacks;

// One Func of the prepared script.
struct UserFunction {
  struct Parameter {
    std::string name;  // as written after "$"
    bool byRef = false;
    mutable ResolvedName upper;  // the name as variables know it, made once
  };
  std::string name;       // upper case
  int funcLine = 0;       // line of "Func"
  int endFuncLine = 0;    // line of "EndFunc"; past the script's end when it has none
  std::vector<Parameter> parameters;
};

// A script hot key registered by HOTKEYSET.
struct HotkeySlot {
  int id = 0;
  int code = 0;            // virtual key * 65536 + modifier bits
  std::string function;    // user function to run
};

// Run states.
namespace run_state {
constexpr int kRunning = 0;
constexpr int kEnded = 1;
constexpr int kDelay = 2;
constexpr int kWinWait = 3;
constexpr int kWinWaitClose = 4;
constexpr int kWinWaitActive = 5;
constexpr int kWinWaitNotActive = 6;
constexpr int kRunWait = 7;
constexpr int kRecordedWindow = 8;
constexpr int kProcessWait = 9;
constexpr int kProcessWaitClose = 10;
constexpr int kCount = 11;
}  // namespace run_state

// A poll of one wait state, called once per turn of the wait loop: true while
// the wait goes on (no line runs this turn); when the wait is over it sets the
// return flag and the state 0. Families register the polls of their waits.
using WaitPoll = bool (*)(CMerlane_Script& engine);
void SetWaitPoll(int state, WaitPoll poll);
WaitPoll GetWaitPoll(int state);

// The process-wide flag of a pending WAITLONG, cleared by its timer (on the
// timer's thread) or by the end of a run. The family that starts the timer
// registers how to end it; it runs once per pending wait.
void SetLongWaitPending();
bool IsLongWaitPending();
void SetLongWaitStopper(void (*stopper)());

// How a script hot key goes back to the system when the interpreter holding
// it is destroyed; the family that registers hot keys sets it.
void SetHotkeyReleaser(void (*release)(const HotkeySlot& slot));

// How a sound that SOUNDPLAY left open is closed when the interpreter goes;
// the sound family sets it.
void SetSoundCloser(void (*close)());

// The element of an array at the given subscripts (created on first use), or
// null when their count or range does not fit the array.
ScriptValue* ElementAt(ScriptValue& array, const std::vector<int>& subscripts);

class CMerlane_Script {
 public:
  static constexpr int kMaxDepth = 384;
  static constexpr int kSlotCount = 64;

  explicit CMerlane_Script(CMerlane_ScriptFile& file);
  virtual ~CMerlane_Script();
  CMerlane_Script(const CMerlane_Script&) = delete;
  CMerlane_Script& operator=(const CMerlane_Script&) = delete;

  // --- set by the program around a run -------------------------------------
  int UseRecWin = 0;
  int UseSimilarWin = 0;
  StopRequest stopRequest{0};  // set from any thread; see StopRequest.h
  int runInBackground = 0;
  int startCursorX = 0;  // also the point of the background click (see MouseMotion.h)
  int startCursorY = 0;
  unsigned char saveCursorAtNextMove = 0;  // a background click asks the next move to save the cursor
  KeySender keySender;  // SetRunContext copies runInBackground into it

  // --- script names, set by PrepareScript ----------------------------------
  std::string scriptFileName;
  std::string scriptFullPath;
  std::string scriptFolder;

  void* engineWindow = nullptr;  // never created: boxes have no owner
  int depth = 0;
  int currentLine = 0;
  int runState = run_state::kRunning;
  unsigned char quitDone = 0;

  // --- options --------------------------------------------------------------
  unsigned char MouseCoordMode = 1;
  unsigned char PixelCoordMode = 1;
  unsigned char CaretCoordMode = 1;
  unsigned char RunErrorsFatal = 1;
  unsigned char ExpandEnvStrings = 0;
  unsigned char MustDeclareVars = 0;
  int MouseClickDelay = 10;
  int MouseClickDownDelay = 10;
  int MouseClickDragDelay = 250;
  unsigned char ColorMode = 0;

  std::vector<UserFunction> userFunctions;
  ScriptValue result;            // value of the last call (Return, waits)
  unsigned char returnFlag = 0;
  int errorValue = 0;            // @error
  int exitCode = 0;              // set by Exit

  ScriptBlockStack callStack;
  ScriptBlockStack ifStack;
  ScriptBlockStack loopStack;
  ScriptBlockStack selectStack;
  ScriptBlockStack labelStack;

  FileSlotTable fileSlots;  // open files and file searches of the file built-ins
  std::array<std::unique_ptr<HotkeySlot>, kSlotCount> hotkeySlots;
  std::array<int, kSlotCount> hotkeyRing{};
  int hotkeyRingRead = 0;
  int hotkeyRingWrite = 0;

  BuiltinRow* builtins = nullptr;
  int builtinCount = 0;
  int currentBuiltin = -1;  // row being dispatched

  // --- window search and waits ----------------------------------------------
  std::string searchTitle;
  std::string searchText;
  void* foundWindow = nullptr;     // kept when a search fails
  std::string controlArgument;         // control argument of the control built-ins
  void* foundControl = nullptr;
  int WinTitleMatchMode = 1;
  int WinTextMatchMode = 1;
  int waitLength = 0;
  unsigned char WinDetectHiddenText = 0;
  unsigned char WinSearchChildren = 0;
  int WinWaitDelay = 250;
  unsigned waitStart = 0;
  std::string processWaitName;
  int processWaitTimeout = 0;
  unsigned processWaitStart = 0;
  void* runWaitProcess = nullptr;

  // --- programs started under another user (RUNASSET) ----------------------
  int runAsSet = 0;
  int runAsLogonFlags = 0;
  std::wstring runAsUser;
  std::wstring runAsDomain;
  std::wstring runAsPassword;

  // --- adlib ------------------------------------------------------------------
  std::string adlibFunction;
  unsigned char adlibEnabled = 0;
  unsigned char adlibRunning = 0;
  unsigned adlibLastTime = 0;
  int adlibInterval = 0;

  // --- recorded-window check ----------------------------------------------
  unsigned char windowCheckPending = 0;
  unsigned char programStarted = 0;
  int retryCount = 0;
  int retryLimit = 0;
  int windowIndex = 0;
  RecWinInfo currentWindow;

  VariableTable variables;
  CMerlane_ScriptFile& scriptFile;

  // --- object and dispatch --------------------------------------------------
  void SetRunContext(int background, int x, int y);
  void SetErrorValue(int n) { errorValue = n; }
  int InvokeBuiltin(int index, ScriptValueList& args, ScriptValue& callResult);
  void QueueHotkey(int id);
  // A left click at a screen point through the mouse port (MouseMotion.cpp).
  void ClickAtScreenPoint(int x, int y);

  // --- run loop ---------------------------------------------------------------
  int RunFromLine(int line, int keepDepth);
  // Pumps the thread's queue as the run loop does before every line; false
  // when it took a quit message, which ends every run.
  bool PumpMessages();
  int RunNested(int line, bool newScope, bool restoreError);
  // Tokenises (unless its tokens are kept: `kept`, or null to look them up)
  // and executes the current line.
  void RunLine(const std::string& text, ScriptTokenList* kept, int& next);
  // RunLine's part for a line without kept tokens.
  void RunTokenisedLine(const std::string& text, int& next);
  // Every nested run, call and bracket of a script nests C++ calls too: false,
  // after reporting the script error, when the stack left is too short to go
  // deeper. The depth limit of runs alone cannot tell, as one line may nest
  // thousands of calls.
  bool EnoughStackToNest();
  bool ProcessWaitState();
  // True when ProcessWaitState would find nothing to do (the common turn).
  bool NothingToServe() const;
  bool CheckLineWindow(int line);
  bool FindRecordedWindow();
  bool PollAdlib();
  bool RunQueuedHotkey();
  int PrepareScript(const std::string& path);
  static void StopWaitLong();

  // --- errors -----------------------------------------------------------------
  // Shows the "Internal Error" box for the current line (column -1: no marker),
  // ends the run and sets the stop request.
  void ReportLineError(const std::string& message, int column);
  void ReportLineErrorDetail(const std::string& message, const std::string& detail);
  // The text that ReportLineError shows.
  std::string FormatLineError(const std::string& message, int column) const;

  // --- language ---------------------------------------------------------------
  int TokeniseLine(const std::string& line, ScriptTokenList& tokens);
  int EvalExpression(ScriptTokenList& tokens, int& position, ScriptValue& value);
  // The expression whose first operand is `first` and whose tokens go on
  // from `position` (an operator): what the scan gives with `first` on its
  // operand stack before it reads them. Errors with no better place go to
  // `column`.
  int EvalAfterOperand(ScriptTokenList& tokens, int& position, const ScriptValue& first, int column,
                       ScriptValue& value);
  int EvalCondition(ScriptTokenList& tokens, int& position, bool& flag);
  // Kept lines evaluate their expressions from prepared forms; off, every
  // expression goes through the operator scan (tests compare the two).
  bool preparedExpressions = true;
  int ExecuteLine(ScriptTokenList& tokens, int& nextLine);
  int CallBuiltin(ScriptTokenList& tokens, int& position, ScriptValue& callResult);
  int CallUserFunction(ScriptTokenList& tokens, int& position, ScriptValue& callResult);
  const UserFunction* FindUserFunction(const std::string& name) const;
  // The function a user-function token names, looked up once per prepared
  // script; null for an unknown name.
  const UserFunction* FindUserFunction(const ScriptToken& token) const;

 private:
  // Evaluator steps.
  int ReadVariable(ScriptTokenList& tokens, int& position, ScriptValue& value);
  // The variable a token names, or null after reporting it undeclared.
  ScriptValue* FindDeclared(const ScriptToken& token);
  int ReadSubscripts(ScriptTokenList& tokens, int& position, std::vector<int>& subscripts);
  int EvalMacro(const ScriptToken& token, ScriptValue& value);
  // The operator scan from where it stands (the steps of a prepared form may
  // hand over to it) and the steps themselves (ScriptEvaluator.cpp).
  int ScanExpression(ScriptTokenList& tokens, int& position, ScriptValue& value, ExpressionStacks& stacks,
                     int firstColumn, bool afterOperand);
  int RunPreparedExpression(const PreparedExpression& form, ScriptTokenList& tokens, int& position,
                            ScriptValue& value, ExpressionStacks& stacks, int firstColumn);
  // EvalExpression past its lone operands, with the first operand given
  // (`first`) or not (null); `start` is the token at `position`.
  inline int EvalFrom(ScriptTokenList& tokens, int& position, const ScriptToken& start, const ScriptValue* first,
                      int firstColumn, ScriptValue& value);
  // A call, subscripted variable or macro in an operand's place.
  int EvalOperandApart(ScriptTokenList& tokens, int& position, ScriptValue& operand);
  // Finds the ")" that closes the call whose name is at position (reports a
  // call without its brackets).
  int FindCallClose(ScriptTokenList& tokens, int position, int& close);
  // Evaluates the call argument at tokens [start, end) as a line of its own
  // that ends at endColumn (reports text after its expression).
  int EvalArgument(ScriptTokenList& tokens, int start, int end, int endColumn, ScriptValue& value);

  // Statements.
  int ExecKeyword(ScriptTokenList& tokens, int& nextLine);
  // A line that is a call of a built-in or user function.
  int ExecCallLine(ScriptTokenList& tokens);
  int ExecAssignment(ScriptTokenList& tokens);
  int ExecIf(ScriptTokenList& tokens, int& nextLine);
  int ExecElse(ScriptTokenList& tokens, int& nextLine);
  int ExecEndIf(ScriptTokenList& tokens);
  int ExecWhile(ScriptTokenList& tokens, int& nextLine);
  int ExecWend(ScriptTokenList& tokens, int& nextLine);
  int ExecDo(ScriptTokenList& tokens, int& nextLine);
  int ExecUntil(ScriptTokenList& tokens, int& nextLine);
  int ExecFor(ScriptTokenList& tokens, int& nextLine);
  int ExecNext(ScriptTokenList& tokens, int& nextLine);
  int ExecExitLoop(ScriptTokenList& tokens, int& nextLine);
  int ExecContinueLoop(ScriptTokenList& tokens, int& nextLine);
  int ExecSelect(ScriptTokenList& tokens, int& nextLine);
  int ExecCase(ScriptTokenList& tokens, int& nextLine);
  int ExecEndSelect(ScriptTokenList& tokens);
  int ExecDim(ScriptTokenList& tokens, int scope);
  int ExecReturn(ScriptTokenList& tokens);
  int ExecExit(ScriptTokenList& tokens);
  int ExecGoto(ScriptTokenList& tokens, int& nextLine);
  int ExecFuncSkip(int& nextLine);

  // Helpers of the statements.
  // Whether the line ends at position; else reports the text there. Inline:
  // nearly every statement ends with it.
  bool ExpectEnd(ScriptTokenList& tokens, int position) {
    return tokens.GetAt(position).type == ScriptTokenType::kEndOfLine || ReportIllegalText(tokens, position);
  }
  bool ReportIllegalText(ScriptTokenList& tokens, int position);  // false
  int ReportAt(const std::string& message, ScriptTokenList& tokens, int position);
  int FindBlockEnd(int fromLine, int openKeyword, int closeKeyword);
  // The tokens of a line without reporting (its kept tokens, or `scratch`
  // tokenised): its first keyword, -1 for none, -2 past the end of the script.
  int ScanLine(int line, ScriptTokenList& scratch, ScriptTokenList*& tokens);
  int FirstKeyword(int line);
  // Pushes an If or Select record and continues at the taken line, or at the
  // closing line when no branch was taken.
  void EnterBlock(ScriptBlockStack& stack, int closeLine, int taken, int& nextLine);
  bool HasOpener(const ScriptBlockStack& stack, int kind) const;
  void PushLoop(int kind, int openLine, int closeLine, const std::string& var,
                const ScriptValue& end, const ScriptValue& step);
  void RestoreBlockDepths(const ScriptBlock& loop);

  // Preparation.
  // Tokenises line n as the current line, reporting its errors.
  int TokeniseLineAt(int line, ScriptTokenList& tokens);
  int ScanUserFunctions();
  int CheckUserFunctionCalls();
  void CollectLabels();

  // Changes whenever the user functions are made again (PrepareScript).
  std::uint64_t functionsVersion_ = 0;
  std::function<void(int id)> hotkeyQueue_;
  std::vector<std::unique_ptr<ScriptValueList>> argumentLists_;  // of built-in calls, by nesting
  std::size_t argumentListsInUse_ = 0;
  std::vector<std::unique_ptr<std::vector<int>>> subscriptLists_;  // of subscripted reads, by nesting
  std::size_t subscriptListsInUse_ = 0;
  UserCallArgumentPool userCallArguments_;  // of user-function calls, by nesting
  // Where Return puts its value: the result slot of the user-function call
  // under way (its caller's), or null for `result` (top level, hot keys,
  // AdlibEnable and Call functions). Return leaves it null behind it.
  ScriptValue* returnSlot_ = nullptr;
  int expressionNesting_ = 0;  // expressions being evaluated
  int expressionColumn_ = -1;  // where the next expression's own errors go (-1: its first token)  // what the pump gives script hot keys to
  bool quitReposted_ = false;
  int quitCode_ = 0;
  // Shared by every expression being evaluated, nested ones stacked above
  // their outer one (ScriptEvaluator.cpp).
  std::vector<int> operatorStack_;
  std::vector<ScriptValue> operandStack_;
};

// Keyword indexes of the language (the payload of a keyword token).
namespace keyword {
enum : int {
  kAnd, kOr, kNot, kIf, kThen, kElse, kElseIf, kEndIf, kWhile, kWEnd, kDo, kUntil,
  kFor, kNext, kTo, kStep, kExitLoop, kContinueLoop, kSelect, kCase, kEndSelect,
  kDim, kReDim, kLocal, kGlobal, kFunc, kEndFunc, kReturn, kExit, kTag, kGoto, kByRef,
  kCount
};
}  // namespace keyword
