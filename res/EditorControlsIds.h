// Resource ids of the editor's controls: the check message box and the
// item pane's images.
#pragma once

// Check message box
#define IDD_CHECK_MSG_BOX 209
#define IDC_CHECK_MSG_TEXT 1140
#define IDC_CHECK_MSG_DONT_SHOW 1141

// Item pane: the skin (magenta outside) and the collapsed and expanded icons
#define IDB_ITEM_PANE_SKIN 151
#define IDB_PANE_COLLAPSED 153
#define IDB_PANE_EXPANDED 154
