// Paths of the test data files (tests/data), found through QM_TEST_DATA.
#pragma once

#include <string>

// `relative` uses "/" between its parts; the result works natively and under Wine.
std::string TestDataPath(const std::string& relative);
