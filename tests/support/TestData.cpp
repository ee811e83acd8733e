#include "tests/support/TestData.h"

#include <gtest/gtest.h>

#include <cstdlib>

std::string TestDataPath(const std::string& relative) {
  const char* root = std::getenv("QM_TEST_DATA");
  if (!root || !*root) {
    ADD_FAILURE() << "QM_TEST_DATA is not set";
    return relative;
  }
  return std::string(root) + "/" + relative;
}
