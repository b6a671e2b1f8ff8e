# Hardened as distributions harden packages, each flag where the compiler
# and target take it.  Every build makes position-independent executables
# where it can.
include(CheckPIESupported)
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
check_pie_supported()

# A distribution's build (type None) passes every other flag itself.
string(TOUPPER "${CMAKE_BUILD_TYPE}" build_type)
if(build_type STREQUAL "NONE")
	return()
endif()

include(CheckCXXCompilerFlag)
include(CheckLinkerFlag)

# Before the user's flags, which can turn any off.  Warnings are errors
# here: a flag taken with one (a stack protector where the stack grows up)
# does nothing.
set(hardening)
foreach(flag -fstack-protector-strong -fstack-clash-protection -fcf-protection
		-Wformat -Werror=format-security)
	string(MAKE_C_IDENTIFIER "CXX_ACCEPTS${flag}" accepted)
	set(CMAKE_REQUIRED_FLAGS "-Werror ${hardening}")
	check_cxx_compiler_flag(${flag} ${accepted})
	if(${accepted})
		string(APPEND hardening " ${flag}")
	endif()
endforeach()
unset(CMAKE_REQUIRED_FLAGS)
string(STRIP "${hardening}" hardening)
set(CMAKE_CXX_FLAGS "${hardening} ${CMAKE_CXX_FLAGS}")

# Fortified libc calls need the optimizer: only optimizing configurations
# get them, where the user has not chosen a level already.
foreach(config DEBUG RELEASE RELWITHDEBINFO MINSIZEREL)
	if(CMAKE_CXX_FLAGS_${config} MATCHES "(^| )-O([1-3gsz]|fast)?( |$)" AND
	   NOT "${CMAKE_CXX_FLAGS} ${CMAKE_CXX_FLAGS_${config}}" MATCHES "_FORTIFY_SOURCE")
		string(APPEND CMAKE_CXX_FLAGS_${config} " -D_FORTIFY_SOURCE=2")
	endif()
endforeach()

check_linker_flag(CXX "LINKER:-z,relro,-z,now" LINKER_ACCEPTS_RELRO_NOW)
if(LINKER_ACCEPTS_RELRO_NOW)
	set(CMAKE_EXE_LINKER_FLAGS "-Wl,-z,relro -Wl,-z,now ${CMAKE_EXE_LINKER_FLAGS}")
endif()
