# Toolchain for a cross build to the Debian architecture RECKONINGS_ARCH
# with Debian's cross compiler.  Tests and answers run under qemu's user
# emulation, named in each command, not through binfmt_misc.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES RECKONINGS_ARCH)

# dpkg knows each architecture's GNU triplet, processor and library folder.
foreach(var GNU_TYPE GNU_CPU MULTIARCH)
	execute_process(COMMAND dpkg-architecture -A${RECKONINGS_ARCH} -qDEB_TARGET_${var}
		OUTPUT_VARIABLE ${var} OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
endforeach()
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR ${GNU_CPU})
set(CMAKE_CXX_COMPILER ${GNU_TYPE}-g++)

# qemu names two processors its own way.
string(REGEX REPLACE "^i686$" "i386" qemu ${GNU_CPU})
string(REPLACE "powerpc64le" "ppc64le" qemu ${qemu})
# Debian's multiarch libc6:ARCH serves all, iconv modules too; else the
# cross compiler's C library serves the programs.
find_program(RECKONINGS_QEMU qemu-${qemu} REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${RECKONINGS_QEMU})
if(NOT EXISTS /usr/lib/${MULTIARCH}/libc.so.6)
	list(APPEND CMAKE_CROSSCOMPILING_EMULATOR -L /usr/${GNU_TYPE})
endif()
