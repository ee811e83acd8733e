// The application seeds the runtime's random sequence once as it starts, so
// the first tip of the day is not the same at every start.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>

#include "app/MerlaneApp.h"

namespace {

TEST(Application, SeedsTheRandomSequenceAtStart) {
  std::srand(1);  // the sequence of a program that never seeds
  const int unseeded[3] = {std::rand(), std::rand(), std::rand()};
  std::srand(1);
  CMerlaneApp app(GetModuleHandleA(nullptr), "");
  const int seeded[3] = {std::rand(), std::rand(), std::rand()};
  EXPECT_FALSE(seeded[0] == unseeded[0] && seeded[1] == unseeded[1] && seeded[2] == unseeded[2])
      << seeded[0] << " " << seeded[1] << " " << seeded[2];
}

}  // namespace
