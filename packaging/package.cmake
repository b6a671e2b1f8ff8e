# Run by cpack, once it has installed the collection into the staging tree
# CPACK_TEMPORARY_DIRECTORY: packs that tree as a Debian package and as a
# .tar.gz.  Both come out the same bytes whoever builds them and wherever:
# the tree's modes are set whatever the umask, every member is owned by
# root, stamped with SOURCE_DATE_EPOCH and stored in the order of its name,
# and Installed-Size is counted from the file sizes, as dpkg counts it, not
# from the space that one filesystem happens to give them.
set(root ${CPACK_TEMPORARY_DIRECTORY})
set(out ${CPACK_TOPLEVEL_DIRECTORY})

# run(COMMAND...): runs a command, and stops cpack where it fails.
function(run)
	execute_process(COMMAND ${ARGN} COMMAND_ERROR_IS_FATAL ANY)
endfunction()

# Installed-Size, in KiB, as dpkg-gencontrol counts it: a file its size
# rounded up, and 1 for each folder (the top one too) and each link.
set(size 1)
set(files)
file(GLOB_RECURSE entries LIST_DIRECTORIES true ${root}/*)
foreach(entry ${entries})
	if(IS_DIRECTORY ${entry} OR IS_SYMLINK ${entry})
		math(EXPR size "${size} + 1")
	else()
		file(SIZE ${entry} bytes)
		math(EXPR size "${size} + (${bytes} + 1023) / 1024")
		list(APPEND files ${entry})
	endif()
endforeach()

# The libraries the programs need, read as dpkg-shlibdeps reads them in a
# Debian package's build: from a folder that has a debian/control, of
# programs in a tree that has a DEBIAN folder.
file(WRITE ${out}/shlibdeps/debian/control "")
file(MAKE_DIRECTORY ${root}/DEBIAN)
file(GLOB programs ${root}${CPACK_PACKAGING_INSTALL_PREFIX}/bin/*)
execute_process(COMMAND dpkg-shlibdeps -O ${programs}
	WORKING_DIRECTORY ${out}/shlibdeps
	OUTPUT_VARIABLE depends OUTPUT_STRIP_TRAILING_WHITESPACE
	COMMAND_ERROR_IS_FATAL ANY)
string(REGEX REPLACE "^shlibs:Depends=" "" depends "${depends}")

if(NOT CPACK_DEBIAN_PACKAGE_ARCHITECTURE)
	execute_process(COMMAND dpkg --print-architecture
		OUTPUT_VARIABLE CPACK_DEBIAN_PACKAGE_ARCHITECTURE
		OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
endif()
string(STRIP "${CPACK_PACKAGE_DESCRIPTION}" description)
string(REPLACE "\n" "\n " description "${description}")
file(WRITE ${root}/DEBIAN/control "\
Package: ${CPACK_PACKAGE_NAME}
Version: ${CPACK_PACKAGE_VERSION}
Architecture: ${CPACK_DEBIAN_PACKAGE_ARCHITECTURE}
Maintainer: ${CPACK_PACKAGE_CONTACT}
Installed-Size: ${size}
Depends: ${depends}
Section: ${CPACK_DEBIAN_PACKAGE_SECTION}
Priority: optional
Description: ${CPACK_PACKAGE_DESCRIPTION_SUMMARY}
 ${description}
")
file(WRITE ${root}/DEBIAN/md5sums "")
foreach(file ${files})
	file(MD5 ${file} sum)
	file(RELATIVE_PATH name ${root} ${file})
	file(APPEND ${root}/DEBIAN/md5sums "${sum}  ${name}\n")
endforeach()

# Modes and times as any builder makes them.
run(chmod -R u=rwX,go=rX ${root})
run(find ${root} -exec touch -h -d @$ENV{SOURCE_DATE_EPOCH} {} +)

set(deb ${out}/${CPACK_PACKAGE_NAME}_${CPACK_PACKAGE_VERSION}_${CPACK_DEBIAN_PACKAGE_ARCHITECTURE}.deb)
run(dpkg-deb --root-owner-group -Zgzip -z9 --build ${root} ${deb} OUTPUT_QUIET)

# The .tar.gz holds the same tree under a folder of the package's name.
set(tgz ${out}/${CPACK_PACKAGE_FILE_NAME}.tar.gz)
string(REGEX REPLACE "^/" "" prefix ${CPACK_PACKAGING_INSTALL_PREFIX})
run(tar -C ${root} --sort=name --format=gnu --owner=root:0 --group=root:0
	--mtime=@$ENV{SOURCE_DATE_EPOCH} --transform=s|^${prefix}|${CPACK_PACKAGE_FILE_NAME}|S
	-cf ${out}/package.tar ${prefix})
run(gzip -9n ${out}/package.tar)
file(RENAME ${out}/package.tar.gz ${tgz})

set(CPACK_EXTERNAL_BUILT_PACKAGES ${deb} ${tgz})
