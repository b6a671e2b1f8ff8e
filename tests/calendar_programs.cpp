// The calendar programs' sources, compiled whole with main renamed, so that
// their helpers are tested as they are built.
#define main month_walk_main
#include "calendar/month-walk.cpp"
#undef main
#define main day_step_main
#include "calendar/day-step.cpp"
#undef main
