// Resource ids of the recorder dialog.
#pragma once

#define IDD_RECORD_ROBOT 159
#define IDC_RECORD_START 1064
#define IDC_RECORD_STOP 1065
#define IDC_RECORD_DETAIL 1104
#define IDC_RECORD_HELP 1123
// The link label's hand cursor is the about box's (IDC_LINK_CURSOR, AboutIds.h).
