// The string built-ins (STRING... functions). Positions are 1-based for the
// script and counted in bytes.
#pragma once

class CMerlane_Script;
class ScriptValue;
class ScriptValueList;

// Binds every string built-in.
void BindStringBuiltins();

// The character-class and number-form tests (StringTests.cpp), bound by
// BindStringBuiltins.
int FnStringIsAlpha(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result);
int FnStringIsAlnum(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result);
int FnStringIsDigit(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result);
int FnStringIsXDigit(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result);
int FnStringIsLower(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result);
int FnStringIsUpper(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result);
int FnStringIsSpace(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result);
int FnStringIsAscii(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result);
int FnStringIsFloat(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result);
int FnStringIsInt(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result);
