// grid-paths: the number of monotone paths, by steps right or down, from the
// top-left to the bottom-right cell of a grid of 5 rows and 4 columns.
#include <cerrno>
#include <cstdio>
#include <cstring>

int main()
{
	// paths[r][c]: the paths from the top-left cell to cell (r, c), which is
	// the binomial coefficient (r + c choose c).  Every cell is written
	// before it is read.
	int paths[5][4];

	for (int c = 0; c < 4; ++c)
		paths[0][c] = 1;
	for (int r = 1; r < 5; ++r)
		paths[r][0] = 1;
	for (int r = 1; r < 5; ++r)
		for (int c = 1; c < 4; ++c)
			paths[r][c] = paths[r - 1][c] + paths[r][c - 1];

	std::printf("%d", paths[4][3]);

	if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
		std::fprintf(stderr, "grid-paths: write error: %s\n", std::strerror(errno));
		return 1;
	}
	return 0;
}
