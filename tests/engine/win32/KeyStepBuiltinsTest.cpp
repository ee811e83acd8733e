// The robot's key steps and a robot-style script typing into a helper's EDIT
// and clicking its button, run by the scriptrun tool like a robot's file.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "tests/support/ScriptRunner.h"
#include "tests/support/TempFolder.h"
#include "tests/support/win32/ControlsWindowHelper.h"
#include "tests/support/win32/EditWindowHelper.h"
#include "tests/support/win32/TestWindows.h"

namespace {

using Helper = ControlsWindowHelper;

TEST(KeyStepBuiltins, KeySendPressesANamedKeyCountTimesIntoTheFocusedWindow) {
  Helper helper("Quillmark key step target");
  ASSERT_TRUE(helper.Started());
  ASSERT_TRUE(helper.BringToFront());
  ScriptRunner runner;
  EXPECT_EQ(runner.RunAndReport("$a = KeySend(\"\", \"\", \"\", \"A\")\n"
                                "$enter = KeySend(\"\", \"\", \"\", \"<Enter>\", 3)\n"
                                "$none = KeySend(\"\", \"\", \"\", \"<Enter>\", 0)\n"
                                "$unknown = KeySend(\"\", \"\", \"\", \"<Entr>\", 2)\n"
                                "$down = KeyDown(\"\", \"\", \"\", \"<Shift>\")\n"
                                "$b = KeySend(\"\", \"\", \"\", \"B\", \"\")\n"
                                "$up = KeyUp(\"\", \"\", \"\", \"<Shift>\")\n"
                                "$noWindow = KeySend(\"Quillmark no window\", \"\", \"\", \"C\")\n"
                                "$noControl = KeySend(\"Quillmark key step\", \"\", \"Edit9\", \"C\")\n"
                                "$control = KeySend(\"Quillmark key step\", \"\", \"Edit1\", \"<Tab>\", 0)\n",
                                {"a", "enter", "none", "unknown", "down", "b", "up", "noWindow", "noControl",
                                 "control"}),
            "a=1\nenter=1\nnone=1\nunknown=0\ndown=1\nb=1\nup=1\nnoWindow=0\nnoControl=0\ncontrol=1\n");
  // No "9" for the unknown name, no C for the missing window or control.
  EXPECT_EQ(WaitForWindowText(helper.Child(Helper::kEditId), "a\r\n\r\n\r\nB"), "a\r\n\r\n\r\nB");
  EXPECT_GE(GetAsyncKeyState(VK_SHIFT), 0);
}

TEST(KeyStepBuiltins, ARobotScriptThroughScriptrunTypesAndClicks) {
  Helper helper("Quillmark robot target");
  ASSERT_TRUE(helper.Started());
  ASSERT_TRUE(helper.BringToFront());
  POINT ok = helper.ChildCentre(Helper::kOkId);
  POINT edit = helper.ChildCentre(Helper::kEditId);
  TempFolder folder;
  std::string script = folder.File("robot.txt");
  {
    std::ofstream out(script, std::ios::binary);
    out << "MouseMove(" << edit.x << ", " << edit.y << ")\r\n"
        << "MouseClick(\"left\", 1)\r\n"
        << "KeySend(\"\",\"\",\"\",\"H\", 1)\r\n"
        << "WAIT(100)\r\n"
        << "KeySend(\"\",\"\",\"\",\"I\", 2)\r\n"
        << "KeySend(\"\",\"\",\"\",\"<Enter>\", 1)\r\n"
        << "Send(\"ok.\", 1)\r\n"
        << "WAIT(50)\r\n"
        << "MouseMove(" << ok.x << ", " << ok.y << ")\r\n"
        << "MouseClick(\"left\", 1)\r\n";
  }
  std::string commandLine = "\"";
  commandLine.append(HelperProgramPath("scriptrun.exe")).append("\" \"").append(script).append("\"");
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  ASSERT_TRUE(CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                             &process));
  DWORD waited = WaitForSingleObject(process.hProcess, 30000);
  DWORD code = 1;
  GetExitCodeProcess(process.hProcess, &code);
  if (waited != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  EXPECT_EQ(code, 0u);
  EXPECT_EQ(WaitForWindowText(helper.Child(Helper::kEditId), "hii\r\nok."), "hii\r\nok.");
  EXPECT_EQ(helper.WaitForNotes("ok;"), "ok;");
}

}  // namespace
