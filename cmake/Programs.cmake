# add_program(NAME DIR [ENCODING ENC] [MANPAGE PAGE]): the program NAME of
# DIR/NAME.cpp, built and installed into bin/ with its page man/NAME.1, or
# a link to PAGE.1; ENC is its output's, if not UTF-8.  Global properties
# list it: as NAME in RECKONINGS_PROGRAMS, as ENC:PATH in RECKONINGS_ANSWERS.
function(add_program name dir)
	cmake_parse_arguments(PARSE_ARGV 2 arg "" "ENCODING;MANPAGE" "")
	add_executable(${name} ${dir}/${name}.cpp)
	set_target_properties(${name} PROPERTIES
		RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/bin)
	install(TARGETS ${name} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
	# Stripped, a program keeps no note of its compiler either.
	install(CODE "
		if(CMAKE_INSTALL_DO_STRIP)
			set(bindir \"${CMAKE_INSTALL_BINDIR}\")
			cmake_path(ABSOLUTE_PATH bindir BASE_DIRECTORY \${CMAKE_INSTALL_PREFIX})
			execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment
				\"\$ENV{DESTDIR}\${bindir}/${name}\" COMMAND_ERROR_IS_FATAL ANY)
		endif()")

	set(page ${PROJECT_BINARY_DIR}/man/${name}.1)
	if(arg_MANPAGE)
		file(CREATE_LINK ${arg_MANPAGE}.1.gz ${page}.gz SYMBOLIC)
	else()
		configure_file(man/${name}.1.in ${page} @ONLY)
		add_gzipped(${page})
	endif()
	install(FILES ${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

	set_property(GLOBAL APPEND PROPERTY RECKONINGS_PROGRAMS ${name})
	set_property(GLOBAL APPEND PROPERTY RECKONINGS_ANSWERS
		"${arg_ENCODING}:$<TARGET_FILE:${name}>")
endfunction()

# add_gzipped(FILE): FILE.gz beside FILE, built by default, as Debian keeps
# pages and changelogs: at the best level, with no name or time stamp.
function(add_gzipped file)
	add_custom_command(OUTPUT ${file}.gz
		COMMAND gzip -9nkf ${file}
		DEPENDS ${file}
		VERBATIM)
	file(RELATIVE_PATH name ${PROJECT_BINARY_DIR} ${file}.gz)
	string(MAKE_C_IDENTIFIER "${name}" name)
	add_custom_target(${name} ALL DEPENDS ${file}.gz)
endfunction()
