# Warnings are errors in our own code only (not in Qt's or GoogleTest's headers).
function(qv_strict target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
endfunction()

# qv_library(name SOURCES ... LIBS ...): a static library of our own code.
function(qv_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_LIBS})
  qv_strict(${name})
endfunction()

# qv_gtest(name SOURCES ... LIBS ...): a GoogleTest executable registered with ctest.
function(qv_gtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main GTest::gmock)
  qv_strict(${name})
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8")
endfunction()

# qv_qtest(name SOURCES ... LIBS ...): a Qt Test executable (form tests), run offscreen.
function(qv_qtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} Qt6::Test Qt6::Widgets)
  qv_strict(${name})
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8")
endfunction()

# qv_bench(name SOURCES ... LIBS ...): a Google Benchmark executable; ctest runs it once, briefly,
# so a benchmark that no longer builds or crashes is noticed (timings are read by hand).
function(qv_bench name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} benchmark::benchmark benchmark::benchmark_main)
  qv_strict(${name})
  add_test(NAME ${name} COMMAND ${name} --benchmark_min_time=0.001)
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8" LABELS bench)
endfunction()

# qv_fuzz(name SOURCES ... LIBS ...): a libFuzzer target; ./test runs it for a few seconds.
function(qv_fuzz name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS})
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  qv_strict(${name})
  add_dependencies(all_fuzzers ${name})
endfunction()
