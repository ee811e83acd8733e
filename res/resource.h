// Resource ids of Quillmark: dialog templates, controls, menus and images.
#pragma once

#include "res/ScheduleIds.h"
#include "res/TipsIds.h"
#include "res/AboutIds.h"
#include "res/OptionsShareIds.h"
#include "res/EditorControlsIds.h"
#include "res/RobotEditorIds.h"
#include "res/RecorderIds.h"

// Main window
#define IDD_MERLANE_DIALOG 102
#define IDC_SCHEDULE 999
#define IDC_TEST 1000
#define IDC_ROBOT_LIST 1001
#define IDC_RUN_ROBOT 1002
#define IDC_OPTIONS 1003
#define IDC_HELP_BUTTON 1004
#define IDC_ADD_ROBOT 1005
#define IDC_EDIT_ROBOT 1006
#define IDC_REMOVE_ROBOT 1007
#define IDC_SHARE_ROBOT 1008
#define IDC_RECORD_ROBOT 1009
#define IDC_COMPILE_TO_EXE 1010
#define IDC_UPDATE 1067
#define ID_FEEDBACK 1135
#define ID_SHARE_ROBOT 1148

// Images
#define IDR_MAINFRAME 128
#define IDI_TRAY 131
#define IDB_BACKGROUND 132
#define IDI_RUN_ROBOT 133
#define IDI_ADD_ROBOT 134
#define IDI_EDIT_ROBOT 135
#define IDI_HELP 136
#define IDI_REMOVE_ROBOT 138
#define IDI_SCHEDULE 195

// Tray menu
#define IDR_TRAY_MENU 129
#define ID_TRAY_SHOW 32771
#define ID_TRAY_HIDE 32772
#define ID_TRAY_HELP 32773
#define ID_TRAY_ABOUT 32774
#define ID_TRAY_EXIT 32775
