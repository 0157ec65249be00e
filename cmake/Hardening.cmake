# The protections Debian builds its own packages with, for the builds that are
# shipped: a position-independent executable (so ASLR moves the program too),
# a canary against stack smashing, the checked variants of the string and
# memory functions, and a read-only relocation table resolved at start.
# Debug builds stay as they are but for PIE, which Debian's compiler makes
# anyway: the sanitizers of `make check-asan` and the libFuzzer build of
# `make fuzz` bring checks of their own and clash with _FORTIFY_SOURCE, which
# also needs the optimiser to do anything.
option(VANTOR_HARDEN "Build release-type configurations with the Debian hardening flags" ON)

if(NOT VANTOR_HARDEN OR VANTOR_SANITIZE OR VANTOR_FUZZ)
  return()
endif()

set(_vantor_release $<CONFIG:Release,RelWithDebInfo,MinSizeRel>)

if(MINGW)
  # The PE counterparts: the loader may move the program (ASLR, anywhere in
  # the 64-bit address space) and its data is never executed. Debian's
  # binutils set them by default already; said here so no toolchain drops them.
  # The stack protector and _FORTIFY_SOURCE would make the program depend on
  # libssp-0.dll, which the zip does not carry.
  add_link_options($<${_vantor_release}:LINKER:--dynamicbase,--nxcompat,--high-entropy-va>)
elseif(UNIX)
  # Qt is built to reduce relocations and insists that code linking it be
  # compiled with -fPIC; a PIC object links into a PIE all the same, so the
  # property asks CMake only for the -pie link step.
  include(CheckPIESupported)
  check_pie_supported(OUTPUT_VARIABLE _vantor_pie_output LANGUAGES CXX)
  if(CMAKE_CXX_LINK_PIE_SUPPORTED)
    set(CMAKE_POSITION_INDEPENDENT_CODE ON)
  else()
    message(WARNING "The linker cannot make a position-independent executable: ${_vantor_pie_output}")
  endif()
  add_compile_options($<${_vantor_release}:-fstack-protector-strong>
                      $<${_vantor_release}:-U_FORTIFY_SOURCE>
                      $<${_vantor_release}:-D_FORTIFY_SOURCE=2>)
  add_link_options($<${_vantor_release}:LINKER:-z,relro,-z,now>)
endif()

unset(_vantor_release)
