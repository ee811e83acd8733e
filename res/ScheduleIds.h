// Resource ids of the schedule wizard, its pages and the schedule list. Ids
// repeat between the wizard and its pages and from page to page: a control
// is always reached through the window of its own page.
#pragma once

#define IDD_SCHEDULE_WIZARD 188
#define IDD_SCHEDULE_KIND 189
#define IDD_SCHEDULE_DAILY 190
#define IDD_SCHEDULE_WEEKLY 191
#define IDD_SCHEDULE_MONTHLY 192
#define IDD_SCHEDULE_ONCE 193
#define IDD_SCHEDULE_ACCOUNT 194
#define IDD_SCHEDULE_LIST 196

// The wizard
#define IDC_WIZARD_FRAME 1073
#define IDC_WIZARD_NEXT 1074
#define IDC_WIZARD_BACK 1075
#define IDC_WIZARD_CANCEL 1103

// Page "kind"
#define IDC_KIND_DAILY 1075
#define IDC_KIND_WEEKLY 1041
#define IDC_KIND_MONTHLY 1042
#define IDC_KIND_ONCE 1076
#define IDC_KIND_STARTUP 1044
#define IDC_KIND_LOGON 1045

// Shared by the pages that have them
#define IDC_PAGE_START_TIME 1078
#define IDC_PAGE_START_DATE 1084
#define IDC_PAGE_COUNT 1081
#define IDC_PAGE_COUNT_SPIN 1083

// Page "daily"
#define IDC_DAILY_EVERY_DAY 1075
#define IDC_DAILY_WEEKDAYS 1079
#define IDC_DAILY_EVERY 1080

// Page "weekly": Monday 1085 to Sunday 1091
#define IDC_WEEKLY_MONDAY 1085
#define IDC_WEEKLY_SUNDAY 1091

// Page "monthly": months January 1085 to August 1092, September 1096 to
// December 1099
#define IDC_MONTHLY_DAY 1093
#define IDC_MONTHLY_THE 1094
#define IDC_MONTHLY_WHICH_WEEK 1095
#define IDC_MONTHLY_WEEKDAY 1082
#define IDC_MONTHLY_JANUARY 1085
#define IDC_MONTHLY_AUGUST 1092
#define IDC_MONTHLY_SEPTEMBER 1096
#define IDC_MONTHLY_DECEMBER 1099

// Page "account"
#define IDC_ACCOUNT_CURRENT 1040
#define IDC_ACCOUNT_OTHER 1043
#define IDC_ACCOUNT_USER 1096
#define IDC_ACCOUNT_USER_LABEL 1097
#define IDC_ACCOUNT_PASSWORD_LABEL 1098
#define IDC_ACCOUNT_PASSWORD 1099
#define IDC_ACCOUNT_CONFIRM_LABEL 1100
#define IDC_ACCOUNT_CONFIRM 1101
#define IDC_ACCOUNT_NOTE 1102

// The schedule list
#define IDC_SCHEDULE_TASKS 1107
#define IDC_SCHEDULE_MODIFY 1108
#define IDC_SCHEDULE_DELETE 1109
