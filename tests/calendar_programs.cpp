// The calendar programs' sources, compiled whole as they ship, with main
// renamed; their helpers are reached through the functions below.
#define main month_walk_main
#include "calendar/month-walk.cpp"
#undef main
#define main day_step_main
#include "calendar/day-step.cpp"
#undef main

int month_walk_rn(int year) { return rn(year); }
int day_step_ifleapyear(int year) { return ifleapyear(year); }
