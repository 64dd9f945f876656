# Checked builds for CI, each in a build folder of its own:
#   VARNEL_SANITIZE  AddressSanitizer and UndefinedBehaviorSanitizer on every
#                    target; any report ends the process with a failure.
#   VARNEL_FUZZ      the libFuzzer targets in fuzz/ (clang only); the rest of
#                    the code gets the coverage the fuzzers steer by.
option(VARNEL_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(VARNEL_FUZZ "Build the libFuzzer targets (needs clang)" OFF)

if(VARNEL_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

if(VARNEL_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "VARNEL_FUZZ needs clang: configure with -DCMAKE_CXX_COMPILER=clang++")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()
