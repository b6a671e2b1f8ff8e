// The calendar programs' February rules, and the date they all reach,
// against the C++ library's own civil calendar.
#include "run.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>

// February's length, as month-walk and day-step reckon it (built as they
// ship, in calendar_programs.cpp).
int month_walk_rn(int year);
int day_step_ifleapyear(int year);

namespace {

using namespace std::chrono;

// 0, -4 and -400 are leap years and -100 is not: chrono's years cover both
// signs, and the remainder of signed division must agree with it.
TEST(FebruaryLength, AgreesWithChronoOverEveryYearItKnows)
{
	for (int y = int(year::min()); y <= int(year::max()); ++y) {
		int days = year{y}.is_leap() ? 29 : 28;
		ASSERT_EQ(month_walk_rn(y), days) << "month-walk's February of year " << y;
		ASSERT_EQ(day_step_ifleapyear(y), days) << "day-step's February of year " << y;
	}
}

// Day 1 of the count is 30 April 1777 and day 5343 is 15 December 1791;
// all three programs name day 8113.
TEST(CalendarPrograms, NameTheDateThatChronoReckonsForDay8113)
{
	const year_month_day day8113{sys_days{1777y / April / 30} + days{8113 - 1}};
	ASSERT_EQ(day8113, year_month_day{sys_days{1791y / December / 15} + days{8113 - 5343}});

	const std::string y = std::to_string(int(day8113.year()));
	const std::string m = std::to_string(unsigned(day8113.month()));
	const std::string d = std::to_string(unsigned(day8113.day()));
	auto two = [](const std::string &s) { return s.size() < 2 ? "0" + s : s; };
	EXPECT_EQ(run("month-walk").out, y + "\xe5\xb9\xb4" + m + "\xe6\x9c\x88" + d + "\xe6\x97\xa5");
	EXPECT_EQ(run("day-step").out, y + "-" + m + "-" + d + " \n");
	EXPECT_EQ(run("day-step-padded").out, y + "-" + two(m) + "-" + two(d));
}

} // namespace
