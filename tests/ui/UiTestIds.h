// Resource ids of the dialog templates the window-framework tests use.
#pragma once

#define IDD_UI_TEST 300
#define IDC_UI_EDIT 301
#define IDC_UI_PRESS 302
#define IDC_UI_LIST 303
#define IDC_UI_OWNERDRAW 304
