// Resource ids of the recorder dialog.
#pragma once

#define IDD_RECORD_ROBOT 159
#define IDC_RECORD_START 1064
#define IDC_RECORD_STOP 1065
#define IDC_RECORD_DETAIL 1104
#define IDC_RECORD_HELP 1123
// The hand cursor of link labels, shared with the about box.
#ifndef IDC_LINK_CURSOR
#define IDC_LINK_CURSOR 143
#endif
