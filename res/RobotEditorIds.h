// Resource ids of the robot editor, its key page and the repeat options.
#pragma once

// The robot editor
#define IDD_INPUT_ROBOT 155
#define IDC_ROBOT_NAME 1028
#define IDC_START_HOTKEY 1032
#define IDC_END_HOTKEY 1033
#define IDC_REPEAT_OPTIONS 1035
#define IDC_REPEAT_TEXT 1036
#define IDC_STEP_LIST 1039
#define IDC_MOVE_UP 1045
#define IDC_MOVE_DOWN 1046
#define IDC_DELETE_STEP 1048
#define IDC_UNDO 1142
#define IDC_RUN_AT_BACKGROUND 1152

// The editor's pane container and the item pane that holds the key page
#define IDD_EXPLORER_PANE 156
#define IDD_ITEM_PANE 157

// The key page in the editor's pane
#define IDD_INPUT_KEY 147
#define IDC_INSERT_ACTION 1009
#define IDC_KEY_TO_PRESS 1012
#define IDC_KEY_ACTION 1013
#define IDC_PRESS_COUNT 1014
#define IDC_PRESS_COUNT_SPIN 1015
#define IDC_INPUT_TEXT 1020
#define IDC_INSERT_TEXT 1021

// Robot repeat options
#define IDD_ROBOT_REPEAT_OPTION 140
#define IDC_RUN_TIMES 1040
#define IDC_REPEAT_COUNT 1041
#define IDC_RUN_UNTIL_END_KEY 1043
#define IDC_REPEAT_COUNT_SPIN 1044
