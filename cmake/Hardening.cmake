# Hardened binaries, built the way Debian builds its packages, in every
# optimised build (Release, RelWithDebInfo, MinSizeRel): the benchmarks then
# measure what the package ships.
#   -pie                         position independent executables, so the
#                                loader places them at a random address (the
#                                objects are position independent already:
#                                Qt asks for -fPIC, Debian's compilers
#                                default to PIE)
#   -fstack-protector-strong     a canary in every function with a local
#                                array or a local whose address is taken
#   -fstack-clash-protection     large stack frames are touched page by page
#   -D_FORTIFY_SOURCE=2          the C library's checked copy and format
#                                functions where sizes are known (needs
#                                optimisation)
#   -fcf-protection              indirect branch and return tracking (CET),
#                                where the compiler has it
#   -z relro -z now              every symbol bound at start-up, then the
#                                relocated tables made read-only
# Not in the sanitizer or fuzzer builds: AddressSanitizer checks the plain
# C library functions, which the fortified ones would bypass, and those builds
# check more than hardening does. VARNEL_HARDENED_CONFIGS names the hardened
# build types; it is empty where nothing is hardened.
include(CheckCXXCompilerFlag)

set(VARNEL_HARDENED_CONFIGS)
if(NOT VARNEL_SANITIZE AND NOT VARNEL_FUZZ)
  set(VARNEL_HARDENED_CONFIGS Release RelWithDebInfo MinSizeRel)
  string(JOIN "," configs ${VARNEL_HARDENED_CONFIGS})
  set(varnel_optimised "$<CONFIG:${configs}>")
  set(varnel_hardening_flags -fstack-protector-strong -U_FORTIFY_SOURCE -D_FORTIFY_SOURCE=2 -Wformat
    -Werror=format-security)
  foreach(flag -fstack-clash-protection -fcf-protection)
    string(MAKE_C_IDENTIFIER "VARNEL_HAS${flag}" has_flag)
    check_cxx_compiler_flag(${flag} ${has_flag})
    if(${has_flag})
      list(APPEND varnel_hardening_flags ${flag})
    endif()
  endforeach()
  add_compile_options("$<${varnel_optimised}:${varnel_hardening_flags}>")
  add_link_options("$<${varnel_optimised}:LINKER:-z,relro,-z,now>"
    "$<$<AND:${varnel_optimised},$<STREQUAL:$<TARGET_PROPERTY:TYPE>,EXECUTABLE>>:-pie>")
endif()
