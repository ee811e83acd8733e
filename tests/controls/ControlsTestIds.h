// Resource ids of the dialog templates the controls' tests use.
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
