# The tests need GoogleTest, the programs not: the tests are built where
# it is found, else configure says so; -DBUILD_TESTING=ON insists on them.
find_package(GTest QUIET)
if(NOT DEFINED CACHE{BUILD_TESTING})
	set(BUILD_TESTING ${GTest_FOUND})
	if(NOT GTest_FOUND)
		message(NOTICE "Tests are off: GoogleTest not found (on Debian, `bash tools/deps` installs it).")
	endif()
elseif(BUILD_TESTING AND NOT GTest_FOUND)
	message(FATAL_ERROR "BUILD_TESTING is ON, but GoogleTest is not found "
		"(on Debian, `bash tools/deps` installs it).")
endif()
# Tests alone, without CTest's dashboard targets.
enable_testing()
