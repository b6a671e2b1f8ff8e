# add_program(NAME DIR [ENCODING ENC] [MANPAGE PAGE]): the program NAME of
# DIR/NAME.cpp, built and installed into bin/ with its page NAME.1, or a
# link to PAGE.1; ENC is its output's, if not UTF-8.  Global properties
# list it: as NAME in RECKONINGS_PROGRAMS, as ENC:PATH in RECKONINGS_ANSWERS.
function(add_program name dir)
	cmake_parse_arguments(PARSE_ARGV 2 arg "" "ENCODING;MANPAGE" "")
	add_executable(${name} ${dir}/${name}.cpp)
	set_target_properties(${name} PROPERTIES
		RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/bin)
	install(TARGETS ${name} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
	add_page(${name} 1 ${arg_MANPAGE})

	set_property(GLOBAL APPEND PROPERTY RECKONINGS_PROGRAMS ${name})
	set_property(GLOBAL APPEND PROPERTY RECKONINGS_ANSWERS
		"${arg_ENCODING}:$<TARGET_FILE:${name}>")
endfunction()
