# debian/changelog lists the releases, newest first: the upstream version of
# the newest (reckonings_version, without a distribution's revision), and
# the day that its signature line gives, which the pages bear
# (reckonings_date, YYYY-MM-DD).
set(changelog ${CMAKE_CURRENT_SOURCE_DIR}/debian/changelog)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${changelog})

# An entry's first line, then its signature line: the newest entry's two
# come first, or it is not signed.
file(STRINGS ${changelog} lines REGEX "^([a-z0-9]| -- )" LIMIT_COUNT 2)
if(NOT lines MATCHES "^[a-z0-9][^ ]* \\(([0-9]+:)?([^)]+)\\)[^\n]*; -- [^;]*>  ([^;]+)$")
	message(FATAL_ERROR "debian/changelog does not begin with a signed release entry")
endif()
set(released ${CMAKE_MATCH_3})
string(REGEX REPLACE "-[^-]*$" "" reckonings_version ${CMAKE_MATCH_2})
execute_process(COMMAND date -u -d "${released}" +%F
	OUTPUT_VARIABLE reckonings_date OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
