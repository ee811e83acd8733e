// Resources of the controls tests.
#pragma once

#define IDR_TEST_MENU 300
#define IDI_TEST_ICON 301
#define ID_TEST_OPEN 310
#define ID_TEST_SAVE 311
#define ID_TEST_EXIT 312
#define ID_TEST_DEEP 313
