# Helpers that give tests, benchmarks, fuzz targets and folders of them one shape across the project.
#
#   velmoro_add_test(NAME <name> SOURCES <files...> LIBS <targets...> LABELS unit|integration|e2e
#                    [ENVIRONMENT <VAR=value...>] [TIMEOUT <seconds>])
#       One GoogleTest executable, registered with CTest under its label.
#   velmoro_add_benchmark(NAME <name> SOURCES <files...> LIBS <targets...>)
#       One Google Benchmark executable (run them with scripts/bench).
#   velmoro_add_fuzzer(NAME <name> SOURCES <files...> LIBS <targets...> [CORPUS <dir>])
#       With VELMORO_FUZZ a libFuzzer binary; otherwise a replay driver that feeds every file of
#       CORPUS to the target once, registered as a unit test so the seeds stay crash-free.

# Sanitizer settings every test runs with, so that a plain `ctest` behaves like scripts/test: leaks
# inside system libraries (font caches, GTK) are suppressed, our own never are.
set(VELMORO_TEST_ENVIRONMENT
  "LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/scripts/sanitizers/lsan.supp:print_suppressions=0"
  "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1:suppressions=${PROJECT_SOURCE_DIR}/scripts/sanitizers/ubsan.supp")

function(velmoro_add_test)
  cmake_parse_arguments(T "" "NAME;TIMEOUT" "SOURCES;LIBS;LABELS;ENVIRONMENT" ${ARGN})
  if(NOT VELMORO_TESTS)
    return()
  endif()
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main GTest::gmock)
  add_test(NAME ${T_NAME} COMMAND ${T_NAME})
  if(NOT T_LABELS)
    set(T_LABELS unit)
  endif()
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  set_tests_properties(${T_NAME} PROPERTIES LABELS "${T_LABELS}" TIMEOUT ${T_TIMEOUT}
    ENVIRONMENT "VELMORO_SOURCE_DIR=${PROJECT_SOURCE_DIR};VELMORO_BINARY_DIR=${PROJECT_BINARY_DIR};${VELMORO_TEST_ENVIRONMENT};${T_ENVIRONMENT}")
endfunction()

# A test that runs a command rather than a GoogleTest executable (examples, scripts), with the same
# environment and labels as velmoro_add_test.
#   velmoro_add_command_test(NAME <name> COMMAND <command...> LABELS <label> [TIMEOUT <seconds>])
function(velmoro_add_command_test)
  cmake_parse_arguments(T "" "NAME;TIMEOUT" "COMMAND;LABELS" ${ARGN})
  if(NOT VELMORO_TESTS)
    return()
  endif()
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 120)
  endif()
  add_test(NAME ${T_NAME} COMMAND ${T_COMMAND})
  set_tests_properties(${T_NAME} PROPERTIES LABELS "${T_LABELS}" TIMEOUT ${T_TIMEOUT}
    ENVIRONMENT "VELMORO_SOURCE_DIR=${PROJECT_SOURCE_DIR};VELMORO_BINARY_DIR=${PROJECT_BINARY_DIR};${VELMORO_TEST_ENVIRONMENT}")
endfunction()

function(velmoro_add_benchmark)
  cmake_parse_arguments(B "" "NAME" "SOURCES;LIBS" ${ARGN})
  if(NOT VELMORO_BENCH)
    return()
  endif()
  add_executable(${B_NAME} ${B_SOURCES})
  target_link_libraries(${B_NAME} PRIVATE ${B_LIBS} benchmark::benchmark benchmark::benchmark_main)
endfunction()

function(velmoro_add_fuzzer)
  cmake_parse_arguments(F "" "NAME;CORPUS" "SOURCES;LIBS" ${ARGN})
  if(VELMORO_FUZZ)
    add_executable(${F_NAME} ${F_SOURCES})
    target_link_libraries(${F_NAME} PRIVATE ${F_LIBS})
    target_link_options(${F_NAME} PRIVATE -fsanitize=fuzzer)
  elseif(VELMORO_TESTS)
    add_executable(${F_NAME} ${F_SOURCES} ${PROJECT_SOURCE_DIR}/fuzz/replay_main.cpp)
    target_link_libraries(${F_NAME} PRIVATE ${F_LIBS})
    if(F_CORPUS)
      add_test(NAME ${F_NAME}_corpus COMMAND ${F_NAME} ${F_CORPUS})
      set_tests_properties(${F_NAME}_corpus PROPERTIES LABELS unit TIMEOUT 300
        ENVIRONMENT "${VELMORO_TEST_ENVIRONMENT}")
    endif()
  endif()
endfunction()

# Adds every folder below the current one that has a CMakeLists.txt of its own, in name order, so a
# new test, benchmark, fuzz or tool folder needs no edit of its parent.
function(velmoro_add_subfolders)
  file(GLOB children LIST_DIRECTORIES true RELATIVE ${CMAKE_CURRENT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR}/*)
  list(SORT children)
  foreach(child IN LISTS children)
    if(IS_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}/${child} AND EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${child}/CMakeLists.txt)
      add_subdirectory(${child})
    endif()
  endforeach()
endfunction()
