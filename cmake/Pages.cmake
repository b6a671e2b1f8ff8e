# The manual pages in English and, where po4a is found, in Chinese, which
# po4a makes through man/po.  A page whose translation is not up to date
# keeps the English of the sentences it lacks, and configure names it.
find_program(PO4A po4a)
if(PO4A)
	set(languages zh_CN/)
	file(GLOB po ${PROJECT_SOURCE_DIR}/man/po/*)
	set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS man/po4a.cfg ${po})
	set(made ${PROJECT_BINARY_DIR}/man/zh_CN)
	file(MAKE_DIRECTORY ${made})
	# --force: each configure judges every page, even one it made before; a
	# page not wholly translated it does not make at --keep 100, or removes.
	foreach(keep 100 0)
		execute_process(COMMAND ${PO4A} --no-update --force --keep ${keep}
			--destdir ${PROJECT_BINARY_DIR}/man po4a.cfg
			WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}/man COMMAND_ERROR_IS_FATAL ANY)
		file(GLOB pages RELATIVE ${PROJECT_SOURCE_DIR}/man ${PROJECT_SOURCE_DIR}/man/*.in)
		file(GLOB translated RELATIVE ${made} ${made}/*.in)
		list(REMOVE_ITEM pages ${translated})
		if(NOT pages)
			break()
		endif()
		list(TRANSFORM pages REPLACE "[.]in$" "")
		message(NOTICE "Chinese pages in part English, as man/po is not up to date for "
			"them (CONTRIBUTING.md says how to bring it up to date): ${pages}")
	endforeach()
else()
	message(NOTICE "Chinese manual pages left out: no po4a "
		"(on Debian, `bash tools/deps` installs it).")
endif()

# add_page(PAGE SECTION [TARGET]): the page PAGE.SECTION in each language,
# its version and date filled in, gzipped and installed; with TARGET, a
# link to TARGET.SECTION.
function(add_page page section)
	foreach(lang "" ${languages})
		set(out ${PROJECT_BINARY_DIR}/man/${lang}${page}.${section})
		set(template ${out}.in)
		if(NOT lang)
			set(template ${PROJECT_SOURCE_DIR}/man/${page}.${section}.in)
		endif()
		if(ARGC GREATER 2)
			file(CREATE_LINK ${ARGV2}.${section}.gz ${out}.gz SYMBOLIC)
		else()
			set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${template})
			file(READ ${template} text)
			# po4a ends some requests with a blank.
			string(REGEX REPLACE " +\n" "\n" text "${text}")
			file(CONFIGURE OUTPUT ${out} CONTENT "${text}" @ONLY)
			add_gzipped(${out})
		endif()
		install(FILES ${out}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/${lang}man${section})
	endforeach()
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
