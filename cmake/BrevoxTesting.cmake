# Test and benchmark registration shared by every component.
#
# brevox_add_gtest(NAME SOURCES ... LIBS ... [LABELS ...])
#   One GoogleTest executable, one CTest test. Each run writes its results as
#   XML under test-results/, which scripts/test sums into its closing line.
#   Windows builds run through CMAKE_CROSSCOMPILING_EMULATOR (Wine).
function(brevox_add_gtest name)
  cmake_parse_arguments(T "" "TIMEOUT" "SOURCES;LIBS;LABELS;DEPENDS" ${ARGN})
  if(BREVOX_FUZZ)
    return()
  endif()
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock GTest::gtest_main Threads::Threads)
  if(T_DEPENDS)
    add_dependencies(${name} ${T_DEPENDS})
  endif()
  set(xml ${CMAKE_BINARY_DIR}/test-results/${name}.xml)
  if(WIN32)
    set(xml "Z:${xml}")
  endif()
  add_test(NAME ${name} COMMAND ${name} --gtest_output=xml:${xml}
           WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 600)
  endif()
  set_tests_properties(${name} PROPERTIES TIMEOUT ${T_TIMEOUT} LABELS "${T_LABELS}")
  if(NOT WIN32)
    set_property(TEST ${name} APPEND PROPERTY ENVIRONMENT "LD_LIBRARY_PATH=${CMAKE_BINARY_DIR}/bin")
  endif()
endfunction()

# brevox_add_bench(NAME SOURCES ... LIBS ...): a benchmark program that prints
# its table to stdout; the `bench` target runs them all in one go.
function(brevox_add_bench name)
  cmake_parse_arguments(B "" "" "SOURCES;LIBS;DEPENDS" ${ARGN})
  if(BREVOX_FUZZ)
    return()
  endif()
  add_executable(${name} ${B_SOURCES})
  target_link_libraries(${name} PRIVATE ${B_LIBS})
  if(B_DEPENDS)
    add_dependencies(${name} ${B_DEPENDS})
  endif()
  set_property(GLOBAL APPEND PROPERTY BREVOX_BENCHES ${name})
endfunction()

function(brevox_finish_bench_target)
  get_property(benches GLOBAL PROPERTY BREVOX_BENCHES)
  set(cmds COMMAND ${CMAKE_COMMAND} -E echo "Benchmarks (one run, ratios against their floors)")
  foreach(b IN LISTS benches)
    list(APPEND cmds COMMAND ${CMAKE_COMMAND} -E env LD_LIBRARY_PATH=${CMAKE_BINARY_DIR}/bin
         ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:${b}>)
  endforeach()
  add_custom_target(bench ${cmds} DEPENDS ${benches}
                    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/bin USES_TERMINAL VERBATIM)
endfunction()

# brevox_add_fuzzer(NAME SOURCES ... LIBS ... CORPUS dir): libFuzzer target,
# built only in the fuzz tree; scripts/test runs it briefly on its corpus.
function(brevox_add_fuzzer name)
  cmake_parse_arguments(F "" "CORPUS" "SOURCES;LIBS" ${ARGN})
  if(NOT BREVOX_FUZZ)
    return()
  endif()
  add_executable(${name} ${F_SOURCES})
  target_link_libraries(${name} PRIVATE ${F_LIBS})
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  file(APPEND ${CMAKE_BINARY_DIR}/fuzzers.txt "${name} ${F_CORPUS}\n")
endfunction()
