# `dist`: the source release, reckonings-VERSION.tar.gz and its .sha256,
# of the files that git tracks in the commit, then built and tested from
# itself.
add_custom_target(dist
	COMMAND bash ${PROJECT_SOURCE_DIR}/tools/dist ${PROJECT_SOURCE_DIR}
		${PROJECT_BINARY_DIR} ${PROJECT_NAME}-${PROJECT_VERSION}
	USES_TERMINAL
	VERBATIM)
