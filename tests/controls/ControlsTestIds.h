// Resource ids of the controls tests: dialog templates, a menu and an icon.
#pragma once

#define IDD_CT_HOST 400
#define IDD_CT_PAGE 401
#define IDC_CT_KEY 402
#define IDC_CT_HOTKEY 403
#define IDC_CT_NUMBER 404
#define IDC_CT_SPIN 405
#define IDC_CT_OTHER 406
#define IDC_CT_LIST 407
#define IDD_CT_EXPLORER 410
#define IDD_CT_ITEM 411
#define IDD_CT_CONTENT 412
#define IDR_TEST_MENU 300
#define IDI_TEST_ICON 301
#define ID_TEST_OPEN 310
#define ID_TEST_SAVE 311
#define ID_TEST_EXIT 312
#define ID_TEST_DEEP 313
#define IDR_TEST_TOOLBAR 320
#define ID_TEST_PLAIN 314
