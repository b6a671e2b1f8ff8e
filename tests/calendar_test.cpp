// The calendar programs' February rules, and the date they all reach,
// against the C++ library's own civil calendar.
#include "run.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>

// February's length, as month-walk and day-step reckon it (built as they
// ship, in calendar_programs.cpp).
int rn(int year);
int ifleapyear(int year);

namespace {

using namespace std::chrono;

// 0, -4 and -400 are leap years and -100 is not: chrono's years cover both
// signs, and the remainder of signed division must agree with it.
TEST(FebruaryLength, AgreesWithChronoOverEveryYearItKnows)
{
	for (int y = int(year::min()); y <= int(year::max()); ++y) {
		int days = year{y}.is_leap() ? 29 : 28;
		ASSERT_EQ(rn(y), days) << y;
		ASSERT_EQ(ifleapyear(y), days) << y;
	}
}

std::string format(const char *fmt, const year_month_day &date)
{
	char buf[64];
	std::snprintf(buf, sizeof buf, fmt, int(date.year()),
	              unsigned(date.month()), unsigned(date.day()));
	return buf;
}

// Day 1 of the count is 30 April 1777 and day 5343 is 15 December 1791;
// all three programs name day 8113.
TEST(CalendarPrograms, NameTheDateThatChronoReckonsForDay8113)
{
	const year_month_day day8113{sys_days{1777y / April / 30} + days{8113 - 1}};
	ASSERT_EQ(day8113, year_month_day{sys_days{1791y / December / 15} + days{8113 - 5343}});

	EXPECT_EQ(run("month-walk").out,
	          format("%d\xe5\xb9\xb4%u\xe6\x9c\x88%u\xe6\x97\xa5", day8113));
	EXPECT_EQ(run("day-step").out, format("%d-%u-%u \n", day8113));
	EXPECT_EQ(run("day-step-padded").out, format("%d-%02u-%02u", day8113));
}

} // namespace
