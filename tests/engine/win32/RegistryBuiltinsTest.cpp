// The registry built-ins run by scripts against a key of the tests under
// HKEY_CURRENT_USER.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/ScriptRunner.h"

namespace {

const char kTestKey[] = "Software\\QuillmarkTest\\Registry";
const char kKeyError[] = "Error: Unable to read/write the requested registry key.";

class RegistryBuiltins : public ::testing::Test {
 protected:
  void SetUp() override { RegDeleteTreeA(HKEY_CURRENT_USER, kTestKey); }
  void TearDown() override { RegDeleteTreeA(HKEY_CURRENT_USER, kTestKey); }

  // Runs the script after "$k = <the test key>" and reports the names.
  std::string Run(const std::string& script, const std::vector<std::string>& names) {
    return RunScriptText(std::string("$k = \"HKCU\\") + kTestKey + "\"\n" + script, names);
  }

  static bool KeyExists(const std::string& subkey) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, subkey.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
  }

  // The stored type and bytes of a value of the test key; type 0 when missing.
  static std::string Stored(const char* name, DWORD* type) {
    std::vector<char> data(1024);
    DWORD size = static_cast<DWORD>(data.size());
    *type = 0;
    if (RegGetValueA(HKEY_CURRENT_USER, kTestKey, name, RRF_RT_ANY | RRF_NOEXPAND, type, data.data(), &size) !=
        ERROR_SUCCESS) {
      *type = 0;
      return "";
    }
    return std::string(data.data(), size);
  }

  static void Put(const char* name, DWORD type, const std::string& bytes, const char* subkey = kTestKey) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, subkey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExA(key, name, 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                   static_cast<DWORD>(bytes.size()));
    RegCloseKey(key);
  }
};

TEST_F(RegistryBuiltins, ShortRootInLowerCaseWithFinalBackslashIsTheSameKey) {
  Put("v", REG_SZ, std::string("same\0", 5));
  EXPECT_EQ(Run("$a = RegRead(\"hkcu\\Software\\QuillmarkTest\\Registry\\\", \"v\")\n"
                "$b = RegRead(\"HKEY_CURRENT_USER\\Software\\QuillmarkTest\\Registry\", \"v\")\n",
                {"a", "b"}),
            "a=same\nb=same\n");
}

TEST_F(RegistryBuiltins, AnUnknownRootEndsTheRunInEveryFunction) {
  for (const char* call : {"RegRead(\"HKXX\\Software\", \"v\")", "RegWrite(\"HKXX\\Software\")",
                           "RegDelete(\"HKXX\\Software\")", "RegEnumKey(\"HKXX\\Software\", 1)",
                           "RegEnumVal(\"HKXX\\Software\", 1)"}) {
    std::string report = Run(std::string("$r = ") + call + "\n$after = 1\n", {"after"});
    EXPECT_NE(report.find("after=<undeclared>"), std::string::npos) << call;
    EXPECT_NE(report.find(kKeyError), std::string::npos) << call;
  }
}

TEST_F(RegistryBuiltins, ValuesOfEveryTypeAreWrittenAndReadBack) {
  EXPECT_EQ(Run("$sz = RegWrite($k, \"sz\", \"reg_sz\", \"text\")\n"
                "$ex = RegWrite($k, \"ex\", \"REG_EXPAND_SZ\", \"%PATH%\\x\")\n"
                "$multi = RegWrite($k, \"multi\", \"REG_MULTI_SZ\", \"a\" & @LF & \"b\")\n"
                "$bin = RegWrite($k, \"bin\", \"REG_BINARY\", \"0aff\")\n"
                "$dw = RegWrite($k, \"dw\", \"REG_DWORD\", 123)\n"
                "$rsz = RegRead($k, \"sz\")\n"
                "$rex = RegRead($k, \"ex\")\n"
                "$rmulti = RegRead($k, \"multi\")\n"
                "$rbin = RegRead($k, \"bin\")\n"
                "$rdw = RegRead($k, \"dw\")\n",
                {"sz", "ex", "multi", "bin", "dw", "rsz", "rex", "rmulti", "rbin", "rdw"}),
            "sz=1\nex=1\nmulti=1\nbin=1\ndw=1\nrsz=text\nrex=%PATH%\\x\nrmulti=a\\nb\nrbin=0AFF\nrdw=123\n");
  DWORD type = 0;
  EXPECT_EQ(Stored("sz", &type), std::string("text\0", 5));
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(Stored("ex", &type), std::string("%PATH%\\x\0", 9));
  EXPECT_EQ(type, static_cast<DWORD>(REG_EXPAND_SZ));
  EXPECT_EQ(Stored("multi", &type), std::string("a\0b\0\0", 5));
  EXPECT_EQ(type, static_cast<DWORD>(REG_MULTI_SZ));
  EXPECT_EQ(Stored("bin", &type), "\x0A\xFF");
  EXPECT_EQ(type, static_cast<DWORD>(REG_BINARY));
  EXPECT_EQ(Stored("dw", &type), std::string("\x7B\0\0\0", 4));
  EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
}

TEST_F(RegistryBuiltins, DwordsFromTwoToThe31UpSurviveAReadAndWriteBack) {
  Put("big", REG_DWORD, std::string("\xFF\xFF\xFF\xFF", 4));
  EXPECT_EQ(Run("$v = RegRead($k, \"big\")\n"
                "$w = RegWrite($k, \"copy\", \"REG_DWORD\", $v)\n"
                "$c = RegRead($k, \"copy\")\n"
                "$h = RegWrite($k, \"half\", \"REG_DWORD\", 2147483648)\n"
                "$m = RegWrite($k, \"minus\", \"REG_DWORD\", -1)\n"
                "$x = RegWrite($k, \"hex\", \"REG_DWORD\", \"0x80000001\")\n",
                {"v", "w", "c", "h", "m", "x"}),
            "v=4294967295\nw=1\nc=4294967295\nh=1\nm=1\nx=1\n");
  DWORD type = 0;
  EXPECT_EQ(Stored("copy", &type), "\xFF\xFF\xFF\xFF");
  EXPECT_EQ(Stored("half", &type), std::string("\0\0\0\x80", 4));
  EXPECT_EQ(Stored("minus", &type), "\xFF\xFF\xFF\xFF");
  EXPECT_EQ(Stored("hex", &type), std::string("\x01\0\0\x80", 4));
}

TEST_F(RegistryBuiltins, BadBinaryDataWritesNothingAndCreatesNoKey) {
  EXPECT_EQ(Run("$odd = RegWrite($k, \"bin\", \"REG_BINARY\", \"abc\")\n"
                "$nothex = RegWrite($k, \"bin\", \"REG_BINARY\", \"0g\")\n",
                {"odd", "nothex"}),
            "odd=0\nnothex=0\n");
  EXPECT_FALSE(KeyExists(kTestKey));
}

TEST_F(RegistryBuiltins, AnUnknownTypeEndsTheRunWithoutCreatingTheKey) {
  std::string report = Run("$r = RegWrite($k, \"v\", \"REG_QWORD\", 1)\n", {"r"});
  EXPECT_NE(report.find(kKeyError), std::string::npos) << report;
  EXPECT_FALSE(KeyExists(kTestKey));
}

TEST_F(RegistryBuiltins, OnlyOneOrFourArgumentsWrite) {
  EXPECT_EQ(Run("$two = RegWrite($k, \"v\")\n$three = RegWrite($k, \"v\", \"REG_SZ\")\n", {"two", "three"}),
            "two=0\nthree=0\n");
  EXPECT_FALSE(KeyExists(kTestKey));
  EXPECT_EQ(Run("$one = RegWrite($k & \"\\Sub\")\n", {"one"}), "one=1\n");
  EXPECT_TRUE(KeyExists(std::string(kTestKey) + "\\Sub"));
}

TEST_F(RegistryBuiltins, ReadFailuresAreToldByError) {
  Put("q", REG_QWORD, std::string("\1\0\0\0\0\0\0\0", 8));
  EXPECT_EQ(Run("$q = RegRead($k, \"q\")\n$qe = @error\n"
                "$m = RegRead($k, \"missing\")\n$me = @error\n"
                "$n = RegRead($k & \"\\NoSuchKey\", \"v\")\n$ne = @error\n",
                {"q", "qe", "m", "me", "n", "ne"}),
            "q=\nqe=-2\nm=\nme=-1\nn=\nne=1\n");
}

TEST_F(RegistryBuiltins, DeleteValuesAndWholeTrees) {
  Put("v", REG_SZ, std::string("x\0", 2));
  Put("w", REG_SZ, std::string("x\0", 2), "Software\\QuillmarkTest\\Registry\\A\\B\\C");
  Put("w", REG_SZ, std::string("x\0", 2), "Software\\QuillmarkTest\\Registry\\A\\D");
  EXPECT_EQ(Run("$missing = RegDelete($k, \"nothing\")\n"
                "$value = RegDelete($k, \"v\")\n"
                "$again = RegDelete($k, \"v\")\n"
                "$tree = RegDelete($k & \"\\A\")\n"
                "$gone = RegDelete($k & \"\\A\")\n",
                {"missing", "value", "again", "tree", "gone"}),
            "missing=0\nvalue=1\nagain=0\ntree=1\ngone=0\n");
  DWORD type = 0;
  Stored("v", &type);
  EXPECT_EQ(type, 0u);
  EXPECT_FALSE(KeyExists(std::string(kTestKey) + "\\A"));
  EXPECT_TRUE(KeyExists(kTestKey));
}

TEST_F(RegistryBuiltins, AWholeRootIsNeverDeleted) {
  Put("v", REG_SZ, std::string("x\0", 2));
  EXPECT_EQ(Run("$short = RegDelete(\"HKCU\")\n"
                "$slash = RegDelete(\"hkcu\\\")\n"
                "$long = RegDelete(\"HKEY_CURRENT_USER\\\\\")\n",
                {"short", "slash", "long"}),
            "short=2\nslash=2\nlong=2\n");
  EXPECT_TRUE(KeyExists(kTestKey));
  EXPECT_TRUE(KeyExists("Software"));
}

TEST_F(RegistryBuiltins, EnumerateSubkeysAndValuesByInstance) {
  Put("only", REG_SZ, std::string("x\0", 2));
  Put("w", REG_SZ, std::string("x\0", 2), "Software\\QuillmarkTest\\Registry\\First");
  EXPECT_EQ(Run("$k1 = RegEnumKey($k, 1)\n$k1e = @error\n"
                "$k2 = RegEnumKey($k, 2)\n$k2e = @error\n"
                "$k0 = RegEnumKey($k, 0)\n$k0e = @error\n"
                "$v1 = RegEnumVal($k, 1)\n"
                "$v2 = RegEnumVal($k, 2)\n$v2e = @error\n"
                "$none = RegEnumVal($k & \"\\NoSuchKey\", 1)\n$nonee = @error\n",
                {"k1", "k1e", "k2", "k2e", "k0", "k0e", "v1", "v2", "v2e", "none", "nonee"}),
            "k1=First\nk1e=0\nk2=\nk2e=-1\nk0=\nk0e=-1\nv1=only\nv2=\nv2e=-1\nnone=\nnonee=1\n");
}

TEST_F(RegistryBuiltins, RemoteRegistryThatCannotBeReached) {
  EXPECT_EQ(Run("$r = \"\\\\qm-no-such-host\\HKLM\\Software\"\n"
                "$read = RegRead($r, \"v\")\n$readErr = @error\n"
                "$write = RegWrite($r, \"v\", \"REG_SZ\", \"x\")\n"
                "$del = RegDelete($r, \"v\")\n"
                "$enum = RegEnumKey($r, 1)\n$enumErr = @error\n",
                {"read", "readErr", "write", "del", "enum", "enumErr"}),
            "read=\nreadErr=1\nwrite=0\ndel=0\nenum=\nenumErr=1\n");
}

TEST_F(RegistryBuiltins, RemoteFormNamingThisComputer) {
  Put("v", REG_SZ, std::string("here\0", 5));
  char computer[MAX_COMPUTERNAME_LENGTH + 1] = {};
  DWORD size = sizeof computer;
  ASSERT_TRUE(GetComputerNameA(computer, &size));
  EXPECT_EQ(Run(std::string("$v = RegRead(\"\\\\") + computer + "\\HKCU\\" + kTestKey + "\", \"v\")\n", {"v"}),
            "v=here\n");
}

}  // namespace
