// Ids of the options dialog and the share form.
#pragma once

// Share form
#define IDD_ROBOT_UPLOAD 161
#define IDC_HTML_PLACEHOLDER 1068

// Options
#define IDD_OPTIONS 197
#define IDC_EXPORT 1111
#define IDC_IMPORT 1112
#define IDC_ADVANCED_INPUT 1120
