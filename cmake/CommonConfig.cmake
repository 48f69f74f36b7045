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
if(STAK_ASAN)
  target_compile_options(stak_options INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer)
  target_link_options(stak_options INTERFACE -fsanitize=address,undefined)
endif()
