// The main window: lists the robots of the data folder with a tick that
// enables each, keeps their start and end hotkeys registered, and runs a
// robot through the script engine when its start hotkey is pressed, when Run
// Robot is pressed, or when a scheduled start asks for it.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "app/HotkeyRegistry.h"
#include "controls/win32/ButtonST.h"
#include "controls/win32/SortListCtrl.h"
#include "robots/Robot.h"
#include "robots/win32/EndKeyHook.h"
#include "ui/win32/Dialog.h"

// Sizes `window` so that its client area spans (left, top)-(right, bottom)
// and centres it on its parent, or on the screen when it has none.
void SetClientSizeCentered(HWND window, int left, int top, int right, int bottom);

class CMerlaneDlg : public ui::Dialog {
 public:
  CMerlaneDlg();
  ~CMerlaneDlg() override;

  // Creates the window modelessly from its template.
  bool Create(HINSTANCE instance);
  // Started with "-a " and a robot's name: run it once, then quit.
  void SetCommandLineRun(const std::string& robotName);
  // Takes the tray icon away before the program ends.
  void SetTrayIconRemover(std::function<void()> remover) { removeTrayIcon_ = remover; }

  void SetupRobotList();
  // Reloads the robots and the list rows from the robot files.
  void LoadRobots();
  void SetRowChecked(int row, bool ticked);

  void RegisterAllHotkeys(bool startOnly);
  void UnregisterAllHotkeys(bool startOnly);

  // 1 when the robot ran, 0 when it was not started.
  int RunRobotFile(const std::string& path);
  int RunCurrentRobot();
  int RunRobotByName(const std::string& name);

  // 1 when no other robot uses the key, else 0 after telling the user.
  int CheckStartHotkeyFree(const std::string& text) const;
  int CheckEndHotkeyFree(const std::string& text) const;

  // The tips of the day's options file, "option.ini" in the data folder:
  // reading leaves the show-tips flag when there is no file; writing makes
  // the data folder first. Without a data folder neither does anything.
  void LoadOptions();
  void SaveOptions();
  int ShowTipsFlag() const { return showTips_; }

  // The icon button of a visible command (Run, Schedule, Help, Add, Edit,
  // Remove); null for another id.
  CButtonST* CommandButton(int id);

  // Frees every hotkey and ends the message loop with code 18.
  void ExitApplication();

  const std::vector<CRobot>& Robots() const { return robots_; }
  CSortListCtrl& RobotList() { return list_; }
  bool IsRunning() const { return running_ != 0; }
  bool IsEditing() const { return editing_; }
  // Watches the live end keys from the keyboard's own events while a run
  // lasts (see EndKeyHook.h).
  const EndKeyHook& EndKeyWatchOfRuns() const { return endKeyHook_; }
  int RowCount() const { return rowCount_; }

 protected:
  bool OnInitDialog() override;
  bool OnCommand(int id, int code, HWND control) override;
  bool OnNotify(NMHDR* header, LRESULT& result) override;
  void OnOK() override {}  // Enter does not close the main window
  void OnCancel() override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  // Where a run request came from: it decides what an unreadable robot file
  // is told as.
  enum class RunSource { kUser, kScheduled };

  int RunRobotFile(const std::string& path, RunSource source);
  int RunRobotByName(const std::string& name, RunSource source);
  void RepeatRuns(const CRobot& robot);
  // Runs `run` (a whole run) with the end-key hook installed.
  void RunWatchingEndKeys(const std::function<void()>& run);
  void OnHotKey(int id);
  void OnRobotListItemChanged(const NMLISTVIEW& change);
  // Once per robot: its file was not read whole, so a tick is not saved.
  void TellTickNotSaved(const std::string& name);
  // Sets the row's tick back to what the robot file holds, without writing
  // it again.
  void ShowFileTick(int row, bool ticked);
  void OnRunScheduledRobot(LPARAM index);
  void OnTimer(UINT_PTR id);
  void OnPaint();
  void PaintBackground(HDC dc);
  void OnRunRobot();
  void OnRemoveRobot();
  void OnSchedule();
  void OnHelp();
  void OnFeedback();
  void OnTest();
  // Timer 1031: the tips of the day, unless switched off.
  void ShowTipsOfTheDay();
  void OnOptions();
  void OnShareRobot();
  // The robot editor, opened modally: Add and Record make a new robot, Edit
  // changes the selected one (MerlaneDlgEditRobot.cpp).
  enum class EditorUse { kAdd, kEdit, kRecord };
  void OnAddRobot();
  void OnEditRobot();
  void OnRecordRobot();
  void OpenRobotEditor(EditorUse use);
  void SetupButtons();
  // The first selected row and its robot name; -1 (after `noneMessage`) when
  // no row is selected.
  int SelectedRobot(const char* noneMessage, std::string& name);
  // The robot of a name in the array; -1 when there is none. Rows are looked
  // up by their name, since sorting the list reorders the rows.
  int RobotIndexOfName(const std::string& name) const;
  // Registers what should be live now and unregisters the rest.
  void SyncHotkeys();
  void Quit();

  CSortListCtrl list_;
  HICON icon_ = nullptr;
  HICON smallIcon_ = nullptr;
  HBITMAP background_ = nullptr;
  int commandLineRun_ = 0;
  std::string commandLineRobot_;
  int rowCount_ = 0;
  std::string currentRobotPath_;
  bool stop_ = false;  // set by an end hotkey, cleared when a run starts
  std::vector<CRobot> robots_;
  int editedRobot_ = -1;  // array index of the robot an editor has open
  bool editing_ = false;  // a robot editor is open
  int running_ = 0;
  bool toldNoDataFolder_ = false;
  std::vector<std::string> toldTickNotSaved_;  // robot names
  bool showingFileTick_ = false;
  int showTips_ = 1;

  // The visible command buttons, in the order of their table.
  CButtonST buttons_[6];

  // The hidden Test command's script: nothing sets these, so it runs the
  // script file chosen in an open dialog.
  int testMode_ = 0;  // 1: run testScript_ as one line, else the file testPath_
  std::string testScript_;
  std::string testPath_;

  // Which hotkeys are live: none after the exit routine; while an editor is
  // open only the end key of a robot that runs; only end keys while a robot
  // runs, the running robot's own included even when it is not enabled.
  HotkeyRegistry hotkeys_;
  bool allKeysOff_ = false;
  bool startKeysOff_ = false;
  bool exiting_ = false;
  std::string runningEndKey_;
  EndKeyHook endKeyHook_;  // the live end keys, installed for each whole run
  std::function<void()> removeTrayIcon_;
};
