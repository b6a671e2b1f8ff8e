// day-step-padded: the date 8112 days after 30 April 1777, found one day at
// a time through the proleptic Gregorian calendar; printed as YYYY-MM-DD.
#include <cerrno>
#include <cstdio>
#include <cstring>

int main()
{
	// Entry m - 1 is the length of month m; February's is recomputed before
	// every step from the year of the date, so it is right when read.
	int length[12] = {31, 0, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
	int year = 1777;
	int month = 4; // 1..12 at the head of every step
	int day = 30;  // 1..length[month - 1] at the head of every step
	int steps = 8112;

	while (steps != 0) {
		if (year % 400 == 0)
			length[1] = 29;
		else if (year % 4 != 0 || year % 100 == 0)
			length[1] = 28;
		else
			length[1] = 29;
		++day;
		--steps;
		if (day > length[month - 1]) {
			++month;
			day = 1;
		}
		if (month > 12) {
			++year;
			month = 1;
			day = 1;
		}
	}

	std::printf("%d-%02d-%02d", year, month, day);

	if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
		std::fprintf(stderr, "day-step-padded: write error: %s\n", std::strerror(errno));
		return 1;
	}
	return 0;
}
