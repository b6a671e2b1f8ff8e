# Toolchain for a cross build to the Debian architecture RECKONINGS_ARCH
# (any of Debian's release architectures but amd64) with Debian's cross compiler,
# g++-TRIPLET.  What the build runs of its own, the tests and the answers,
# runs under qemu's user emulation, named to each command: nothing of the
# machine's own set-up (binfmt_misc) is used.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES RECKONINGS_ARCH)

# ARCH:GNU TRIPLET:PROCESSOR:QEMU[:MULTIARCH], where MULTIARCH names the
# folder of the target's libraries, /usr/lib/MULTIARCH, if not the triplet.
set(targets
	arm64:aarch64-linux-gnu:aarch64:aarch64
	armel:arm-linux-gnueabi:armv5tel:arm
	armhf:arm-linux-gnueabihf:armv7l:arm
	i386:i686-linux-gnu:i686:i386:i386-linux-gnu
	mipsel:mipsel-linux-gnu:mips:mipsel
	mips64el:mips64el-linux-gnuabi64:mips64:mips64el
	ppc64el:powerpc64le-linux-gnu:ppc64le:ppc64le
	riscv64:riscv64-linux-gnu:riscv64:riscv64
	s390x:s390x-linux-gnu:s390x:s390x)
list(FILTER targets INCLUDE REGEX "^${RECKONINGS_ARCH}:")
if(NOT RECKONINGS_ARCH OR NOT targets)
	message(FATAL_ERROR "RECKONINGS_ARCH is '${RECKONINGS_ARCH}', not one of "
		"arm64, armel, armhf, i386, mipsel, mips64el, ppc64el, riscv64 or s390x")
endif()
string(REPLACE ":" ";" target "${targets}")
list(GET target 1 triplet)
list(GET target 2 processor)
list(GET target 3 qemu)
set(multiarch ${triplet})
list(LENGTH target fields)
if(fields GREATER 4)
	list(GET target 4 multiarch)
endif()

set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR ${processor})
set(CMAKE_CXX_COMPILER ${triplet}-g++)

# The target's C library from Debian's multiarch packages (libc6:ARCH)
# serves everything, the iconv modules too; without them, the one that
# comes with the cross compiler serves the programs.
find_program(RECKONINGS_QEMU qemu-${qemu} REQUIRED)
if(EXISTS /usr/lib/${multiarch}/libc.so.6)
	set(CMAKE_CROSSCOMPILING_EMULATOR ${RECKONINGS_QEMU})
else()
	set(CMAKE_CROSSCOMPILING_EMULATOR ${RECKONINGS_QEMU} -L /usr/${triplet})
endif()
