include(ExternalProject)
enable_testing()

# --- The two Windows builds of the same sources -----------------------------
foreach(arch i686 x86_64 i686-tests)
    ExternalProject_Add(windows_${arch}
        SOURCE_DIR ${CMAKE_SOURCE_DIR}
        BINARY_DIR ${CMAKE_BINARY_DIR}/${arch}
        CMAKE_GENERATOR ${CMAKE_GENERATOR}
        CMAKE_ARGS
            -DCMAKE_TOOLCHAIN_FILE=${CMAKE_SOURCE_DIR}/cmake/toolchain-${arch}.cmake
            -DCMAKE_BUILD_TYPE=MinSizeRel
        BUILD_ALWAYS ON
        INSTALL_COMMAND ""
        USES_TERMINAL_BUILD ON)
endforeach()
set(SHIPPED_LAUNCHER ${CMAKE_BINARY_DIR}/i686/Thundra.exe)
set(TEST_BIN ${CMAKE_BINARY_DIR}/i686-tests/tests/bin)

# --- Native: the Windows-free code under the sanitizers ---------------------
set(SANITIZE -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
add_compile_options(-Wall -Wextra -Werror -g)

set(PORTABLE_SOURCES
    base/format.cpp base/path_chars.cpp program/switches.cpp preflight/driver_table.cpp
    setup/checksum.cpp setup/checksum_list_reader.cpp setup/path_rules.cpp)
add_library(portable STATIC ${PORTABLE_SOURCES})
target_include_directories(portable PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_options(portable PRIVATE ${SANITIZE})

find_package(GTest REQUIRED)
add_executable(native_tests
    tests/native/checksum_list_test.cpp tests/native/checksum_test.cpp tests/native/driver_table_test.cpp
    tests/native/format_test.cpp tests/native/path_chars_test.cpp tests/native/switches_test.cpp tests/native/code_page.cpp)
target_compile_options(native_tests PRIVATE ${SANITIZE})
target_link_options(native_tests PRIVATE ${SANITIZE})
target_link_libraries(native_tests PRIVATE portable GTest::gtest_main)
add_test(NAME native COMMAND native_tests)

if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    # Fuzz targets for the parsers of what comes from outside; each runs for
    # a bounded time in the test command.
    set(FUZZ_SECONDS 10)   # each target, in the test command
    foreach(target switches driver_table checksum_list)
        add_executable(fuzz_${target} tests/fuzz/${target}_fuzz.cpp tests/native/code_page.cpp ${PORTABLE_SOURCES})
        target_include_directories(fuzz_${target} PRIVATE ${CMAKE_SOURCE_DIR})
        target_compile_options(fuzz_${target} PRIVATE -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all)
        target_link_options(fuzz_${target} PRIVATE -fsanitize=fuzzer,address,undefined)
        # New inputs go to the build tree; the seeds in the source tree stay as they are.
        set(corpus ${CMAKE_BINARY_DIR}/fuzz-corpus/${target})
        file(MAKE_DIRECTORY ${corpus})
        add_test(NAME fuzz_${target}
            COMMAND fuzz_${target} -max_total_time=${FUZZ_SECONDS} -seed=1 -max_len=1024 -print_final_stats=1
                    ${corpus} ${CMAKE_SOURCE_DIR}/tests/fuzz/corpus/${target})
    endforeach()
endif()

# The checksum's speed; a benchmark that prints figures (scripts/benchmark.sh), not a test.
add_executable(checksum_bench bench/checksum_bench.cpp setup/checksum.cpp)
target_include_directories(checksum_bench PRIVATE ${CMAKE_SOURCE_DIR})
target_compile_options(checksum_bench PRIVATE -O2)

# --- The disc-authoring tool, with the Launcher's own checksum and list reader
add_executable(thundra-disc authoring/thundra_disc.cpp base/path_chars.cpp setup/checksum.cpp setup/checksum_list_reader.cpp)
target_include_directories(thundra-disc PRIVATE ${CMAKE_SOURCE_DIR})
target_compile_options(thundra-disc PRIVATE -O2)
add_test(NAME authoring COMMAND ${CMAKE_SOURCE_DIR}/tests/authoring/authoring_test.sh $<TARGET_FILE:thundra-disc>)

# The sample disc, written by the tool from the 64-bit build; the tests walk
# the user's whole road on it.
set(SAMPLE_DISC ${CMAKE_BINARY_DIR}/sample-disc)
add_custom_target(sample_disc ALL
    COMMAND ${CMAKE_SOURCE_DIR}/scripts/sample-disc.sh ${CMAKE_BINARY_DIR} i686 ${SAMPLE_DISC} >/dev/null
    DEPENDS thundra-disc windows_i686
    COMMENT "Writing the sample disc")

# --- Checks on the shipped exe ----------------------------------------------
add_test(NAME launcher_runtime_i686
    COMMAND ${CMAKE_SOURCE_DIR}/tests/build/check-runtime.sh i686-w64-mingw32-objdump ${SHIPPED_LAUNCHER} 386)
add_test(NAME launcher_runtime_x86_64
    COMMAND ${CMAKE_SOURCE_DIR}/tests/build/check-runtime.sh x86_64-w64-mingw32-objdump ${CMAKE_BINARY_DIR}/x86_64/Thundra.exe)

add_test(NAME floors COMMAND ${CMAKE_SOURCE_DIR}/tests/build/check-floors.sh ${CMAKE_SOURCE_DIR})
add_test(NAME docs COMMAND ${CMAKE_SOURCE_DIR}/tests/build/check-docs.sh ${CMAKE_SOURCE_DIR})

# --- Under Wine: throwaway prefixes, each with one wineserver for the run ----
# The tests of one session take turns (they share its registry and disks);
# the sessions run side by side: the in-process tests in one, the shipped
# exe end to end in another, and two for users of their own.
set(WINE_STATE ${CMAKE_BINARY_DIR}/wine)
set(WINE_RUN ${CMAKE_SOURCE_DIR}/scripts/wine/run.sh ${WINE_STATE})
add_test(NAME wine_session_start COMMAND ${CMAKE_SOURCE_DIR}/tests/wine/session.sh start ${WINE_STATE})
add_test(NAME wine_session_stop COMMAND ${CMAKE_SOURCE_DIR}/tests/wine/session.sh stop ${WINE_STATE})
set_tests_properties(wine_session_start PROPERTIES FIXTURES_SETUP wine RESOURCE_LOCK wine)
set_tests_properties(wine_session_stop PROPERTIES FIXTURES_CLEANUP wine RESOURCE_LOCK wine)

add_test(NAME win32 COMMAND ${WINE_RUN} ${TEST_BIN}/win32_tests.exe)
add_test(NAME every_step COMMAND ${WINE_RUN} ${CMAKE_BINARY_DIR}/x86_64/tests/bin/every_step_tests.exe)
set_tests_properties(every_step PROPERTIES FIXTURES_REQUIRED wine RESOURCE_LOCK wine TIMEOUT 600)
add_test(NAME flush_trace COMMAND ${CMAKE_SOURCE_DIR}/tests/e2e/flush_trace.sh ${WINE_STATE} ${SAMPLE_DISC}/Thundra.exe)
# The install benchmark once, on a small data set: every figure printed.
add_test(NAME benchmark COMMAND ${CMAKE_SOURCE_DIR}/tests/build/check-bench.sh ${WINE_RUN}
    ${CMAKE_BINARY_DIR}/x86_64/tests/bin/install_bench.exe C:\\thundra-bench --small)
set_tests_properties(benchmark PROPERTIES FIXTURES_REQUIRED wine RESOURCE_LOCK wine TIMEOUT 300)
set_tests_properties(win32 flush_trace PROPERTIES FIXTURES_REQUIRED wine RESOURCE_LOCK wine TIMEOUT 600)

# The end-to-end session's prefix comes from the same template, once the
# first session has made it.
set(WINE_E2E_STATE ${CMAKE_BINARY_DIR}/wine-e2e)
add_test(NAME wine_e2e_start COMMAND ${CMAKE_SOURCE_DIR}/tests/wine/session.sh start ${WINE_E2E_STATE})
add_test(NAME wine_e2e_stop COMMAND ${CMAKE_SOURCE_DIR}/tests/wine/session.sh stop ${WINE_E2E_STATE})
set_tests_properties(wine_e2e_start PROPERTIES FIXTURES_SETUP wine_e2e RESOURCE_LOCK wine_e2e DEPENDS wine_session_start)
set_tests_properties(wine_e2e_stop PROPERTIES FIXTURES_CLEANUP wine_e2e RESOURCE_LOCK wine_e2e)
# The end-to-end tests that start no Setup run in the first session, after
# the in-process tests, so that the two sessions take about as long.
set(E2E_PLAY E2E.WhatTheGameIsGiven*:E2E.PrecedenceOfTheModes)
add_test(NAME e2e COMMAND ${CMAKE_SOURCE_DIR}/scripts/wine/run.sh ${WINE_E2E_STATE} ${TEST_BIN}/e2e_tests.exe
    --gtest_filter=-*Profile*:*Japanese*:${E2E_PLAY})
add_test(NAME e2e_play COMMAND ${WINE_RUN} ${TEST_BIN}/e2e_tests.exe --gtest_filter=${E2E_PLAY})
set_tests_properties(e2e e2e_play PROPERTIES
    ENVIRONMENT "THUNDRA_LAUNCHER=Z:${SHIPPED_LAUNCHER};THUNDRA_SAMPLE_DISC=Z:${SAMPLE_DISC}" TIMEOUT 600)
set_tests_properties(e2e PROPERTIES FIXTURES_REQUIRED wine_e2e RESOURCE_LOCK wine_e2e)
set_tests_properties(e2e_play PROPERTIES FIXTURES_REQUIRED wine RESOURCE_LOCK wine)

# A session of its own for a user whose profile the ANSI code page can't
# write (Zhanna, in Cyrillic).
set(WINE_PROFILE_STATE ${CMAKE_BINARY_DIR}/wine-profile)
add_test(NAME wine_profile_start COMMAND env THUNDRA_USER=Жанна ${CMAKE_SOURCE_DIR}/tests/wine/session.sh start ${WINE_PROFILE_STATE})
add_test(NAME wine_profile_stop COMMAND ${CMAKE_SOURCE_DIR}/tests/wine/session.sh stop ${WINE_PROFILE_STATE})
set_tests_properties(wine_profile_start PROPERTIES FIXTURES_SETUP wine_profile RESOURCE_LOCK wine_profile)
set_tests_properties(wine_profile_stop PROPERTIES FIXTURES_CLEANUP wine_profile RESOURCE_LOCK wine_profile)
add_test(NAME e2e_profile COMMAND ${CMAKE_SOURCE_DIR}/scripts/wine/run.sh ${WINE_PROFILE_STATE} ${TEST_BIN}/e2e_tests.exe --gtest_filter=*Profile*)
set_tests_properties(e2e_profile PROPERTIES ENVIRONMENT "THUNDRA_LAUNCHER=Z:${SHIPPED_LAUNCHER};THUNDRA_SAMPLE_DISC=Z:${SAMPLE_DISC}"
    FIXTURES_REQUIRED wine_profile RESOURCE_LOCK wine_profile TIMEOUT 600)

# A Japanese Windows: code page 932, whose characters may end in the byte of
# a backslash, and a user named in it.
set(WINE_JA_STATE ${CMAKE_BINARY_DIR}/wine-ja)
add_test(NAME wine_ja_start COMMAND env THUNDRA_USER=表示 THUNDRA_LOCALE=ja_JP.UTF-8 ${CMAKE_SOURCE_DIR}/tests/wine/session.sh start ${WINE_JA_STATE})
add_test(NAME wine_ja_stop COMMAND ${CMAKE_SOURCE_DIR}/tests/wine/session.sh stop ${WINE_JA_STATE})
set_tests_properties(wine_ja_start PROPERTIES FIXTURES_SETUP wine_ja RESOURCE_LOCK wine_ja)
set_tests_properties(wine_ja_stop PROPERTIES FIXTURES_CLEANUP wine_ja RESOURCE_LOCK wine_ja)
add_test(NAME win32_ja COMMAND ${CMAKE_SOURCE_DIR}/scripts/wine/run.sh ${WINE_JA_STATE} ${TEST_BIN}/win32_tests.exe --gtest_filter=InstallPath.*:Switches.*)
add_test(NAME e2e_ja COMMAND ${CMAKE_SOURCE_DIR}/scripts/wine/run.sh ${WINE_JA_STATE} ${TEST_BIN}/e2e_tests.exe --gtest_filter=*Japanese*)
set_tests_properties(e2e_ja PROPERTIES ENVIRONMENT "THUNDRA_LAUNCHER=Z:${SHIPPED_LAUNCHER};THUNDRA_SAMPLE_DISC=Z:${SAMPLE_DISC}")
set_tests_properties(win32_ja e2e_ja PROPERTIES FIXTURES_REQUIRED wine_ja RESOURCE_LOCK wine_ja TIMEOUT 600)
