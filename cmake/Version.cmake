# CHANGELOG records the releases, newest first, in Debian's format.  Its
# newest entry names the version (reckonings_version) and the day of the
# release (reckonings_date, as YYYY-MM-DD, and reckonings_epoch, in seconds
# since 1970): the date that the manual pages and the packages bear.
# Editing CHANGELOG runs the configure again, so a new release reaches the
# build at once.
cmake_path(SET changelog NORMALIZE ${CMAKE_CURRENT_LIST_DIR}/../CHANGELOG)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${changelog})

file(STRINGS ${changelog} newest LIMIT_COUNT 1 REGEX "^reckonings \\(")
string(REGEX REPLACE "^reckonings \\(([^)]+)\\).*" "\\1" reckonings_version "${newest}")
file(STRINGS ${changelog} signed LIMIT_COUNT 1 REGEX "^ -- .*>  ")
string(REGEX REPLACE "^ -- .*>  " "" released "${signed}")
if(NOT reckonings_version OR NOT released)
	message(FATAL_ERROR "CHANGELOG does not begin with a signed release entry")
endif()
execute_process(COMMAND date -u -d "${released}" "+%s %F"
	OUTPUT_VARIABLE when OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
separate_arguments(when UNIX_COMMAND "${when}")
list(GET when 0 reckonings_epoch)
list(GET when 1 reckonings_date)
