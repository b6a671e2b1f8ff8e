# The tests need GoogleTest; without it the programs still build.  Left to
# itself, the configure builds the tests wherever GoogleTest is found and
# says so where it is not, and asks again at every configure; the tests
# asked for outright (-DBUILD_TESTING=ON) must have it.
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
# Tests only: CTest's dashboard targets (Nightly, Experimental and the
# like) serve no purpose here.
enable_testing()
