# CHANGELOG, in Debian's format, lists the releases, newest first: its
# version (reckonings_version) and the day that pages and packages bear
# (reckonings_date, YYYY-MM-DD; reckonings_epoch, in Unix time).
cmake_path(SET changelog NORMALIZE ${CMAKE_CURRENT_LIST_DIR}/../CHANGELOG)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${changelog})

file(STRINGS ${changelog} newest LIMIT_COUNT 1 REGEX "^reckonings \\(")
string(REGEX REPLACE "^reckonings \\(([^)]+)\\).*" "\\1" reckonings_version "${newest}")
file(STRINGS ${changelog} signed LIMIT_COUNT 1 REGEX "^ -- .*>  ")
string(REGEX REPLACE "^ -- .*>  " "" released "${signed}")
if(NOT reckonings_version OR NOT released)
	message(FATAL_ERROR "CHANGELOG does not begin with a signed release entry")
endif()
execute_process(COMMAND date -u -d "${released}" "+%s;%F"
	OUTPUT_VARIABLE when OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
list(GET when 0 reckonings_epoch)
list(GET when 1 reckonings_date)
