# Run by cpack on its staging tree: packs it as a .deb and a .tar.gz, the
# same bytes for any builder: modes set whatever the umask, owned by root,
# stamped with SOURCE_DATE_EPOCH (else the newest release's date), members
# in the order of their names.
set(root ${CPACK_TEMPORARY_DIRECTORY})
set(out ${CPACK_TOPLEVEL_DIRECTORY})
string(REGEX REPLACE "^/" "" prefix ${CPACK_PACKAGING_INSTALL_PREFIX})
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
	set(ENV{SOURCE_DATE_EPOCH} ${CPACK_RECKONINGS_EPOCH})
endif()
if(NOT CPACK_RECKONINGS_ARCH)
	message(FATAL_ERROR "cpack: dpkg names no Debian architecture for this build's target")
endif()
set(ENV{DEB_HOST_ARCH} ${CPACK_RECKONINGS_ARCH})

# run(COMMAND...): runs it in ${out}; its failure stops cpack.
function(run)
	execute_process(COMMAND ${ARGN} WORKING_DIRECTORY ${out} COMMAND_ERROR_IS_FATAL ANY)
endfunction()

# dpkg's tools write the control file from the template, the changelog and
# the programs' libraries.  dpkg-shlibdeps finds the package's tree by its
# DEBIAN folder; Installed-Size counts it without.  The template is copied
# writable, whatever the source release's modes.
file(COPY ${CPACK_RECKONINGS_CONTROL} DESTINATION ${out}/debian NO_SOURCE_PERMISSIONS)
file(GLOB programs ${root}/${prefix}/bin/*)
file(MAKE_DIRECTORY ${root}/DEBIAN)
run(dpkg-shlibdeps -Tdebian/substvars ${programs})
file(REMOVE_RECURSE ${root}/DEBIAN)
run(dpkg-gencontrol -l${CPACK_RECKONINGS_CHANGELOG} -Tdebian/substvars -P${root} -O${out}/control)
file(MAKE_DIRECTORY ${root}/DEBIAN)
file(RENAME ${out}/control ${root}/DEBIAN/control)
execute_process(COMMAND find ${prefix} -type f
	COMMAND env LC_ALL=C sort
	COMMAND xargs -d "\n" md5sum
	WORKING_DIRECTORY ${root} OUTPUT_FILE ${root}/DEBIAN/md5sums COMMAND_ERROR_IS_FATAL ANY)

run(chmod -R u=rwX,go=rX ${root})
run(find ${root} -exec touch -h -d @$ENV{SOURCE_DATE_EPOCH} {} +)
# dpkg-deb names the package, in a folder of its own.
file(REMOVE_RECURSE ${out}/deb)
file(MAKE_DIRECTORY ${out}/deb)
run(dpkg-deb --root-owner-group -Zgzip -z9 --build ${root} ${out}/deb)
file(GLOB deb ${out}/deb/*.deb)

# The .tar.gz: the same tree, in a folder of the package's name.
set(tgz ${CPACK_PACKAGE_FILE_NAME}.tar)
run(tar -C ${root} --sort=name --format=gnu --owner=root:0 --group=root:0
	--mtime=@$ENV{SOURCE_DATE_EPOCH} --transform=s|^${prefix}|${CPACK_PACKAGE_FILE_NAME}|S
	-cf ${tgz} ${prefix})
run(gzip -9n ${tgz})
set(CPACK_EXTERNAL_BUILT_PACKAGES ${deb} ${out}/${tgz}.gz)
