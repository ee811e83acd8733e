// Tips of the day.
#pragma once

#define IDD_TIPS 208
#define IDC_TIP_TEXT 1081
#define IDC_NEXT_TIP 1138
#define IDC_DONT_SHOW_TIPS 1139
