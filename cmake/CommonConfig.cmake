# One interface target carries the language level, warnings and Qt defines for
# every target of the project.
add_library(stak_options INTERFACE)
target_compile_features(stak_options INTERFACE cxx_std_20)
target_compile_options(stak_options INTERFACE -Wall -Wextra -Wpedantic)
if(STAK_WERROR)
  target_compile_options(stak_options INTERFACE -Werror)
endif()
target_compile_definitions(stak_options INTERFACE
  QT_NO_CAST_FROM_ASCII
  QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
  QT_NO_URL_CAST_FROM_STRING)
# Address and undefined-behaviour sanitizers; with clang also float-to-integer
# overflow. Any report ends the program (scripts/sanitize.sh).
set(STAK_SANITIZERS address,undefined)
if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  string(APPEND STAK_SANITIZERS ",float-cast-overflow")
endif()
if(STAK_ASAN OR STAK_FUZZ)
  target_compile_options(stak_options INTERFACE -fsanitize=${STAK_SANITIZERS}
    -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_link_options(stak_options INTERFACE -fsanitize=${STAK_SANITIZERS}
    -fno-sanitize-recover=all)
endif()
# Fuzzing instruments every library of the program, not just the fuzz targets,
# so that the fuzzer sees the coverage of the code it feeds.
if(STAK_FUZZ)
  target_compile_options(stak_options INTERFACE -fsanitize=fuzzer-no-link)
endif()
