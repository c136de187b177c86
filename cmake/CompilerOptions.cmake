# Warnings, sanitizers and the compiler cache, applied to every target of the project.

find_program(VELMORO_CCACHE ccache)
if(VELMORO_CCACHE)
  set(CMAKE_C_COMPILER_LAUNCHER ${VELMORO_CCACHE})
  set(CMAKE_CXX_COMPILER_LAUNCHER ${VELMORO_CCACHE})
endif()

add_compile_options(-Wall -Wextra -Wno-unused-parameter)
if(VELMORO_WERROR)
  add_compile_options(-Werror)
endif()

if(VELMORO_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

if(VELMORO_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "VELMORO_FUZZ needs clang: configure with -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang")
  endif()
  # Every library is instrumented for coverage; only the fuzz binaries link the libFuzzer main.
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
