#include "run.h"

#include <gtest/gtest.h>

#include <bitset>

namespace {

// A monotone path through 5 rows and 4 columns is 4 steps down and 3 to
// the right in some order: count the 7-step sequences with 3 right steps.
TEST(GridPaths, CountsEveryOrderOfItsSteps)
{
	int paths = 0;
	for (unsigned steps = 0; steps < 1u << 7; ++steps)
		paths += std::bitset<7>(steps).count() == 3;
	EXPECT_EQ(run("grid-paths").out, std::to_string(paths));
}

} // namespace
