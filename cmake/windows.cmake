enable_language(RC)

add_compile_options(-Wall -Wextra -Werror)
# msvcrt's own formatting keeps the exe small; MinGW's ANSI stdio would add
# some 30 KB.
add_compile_definitions(__USE_MINGW_ANSI_STDIO=0 WIN32_LEAN_AND_MEAN)
# Nothing but system DLLs may be imported at run time.
add_link_options(-static -static-libgcc -static-libstdc++)

# No unwind tables: nothing unwinds through the Launcher, and a disc's start
# program should stay small.
set(LAUNCHER_FLAGS -fno-exceptions -fno-rtti -fno-asynchronous-unwind-tables -fno-unwind-tables
    -ffunction-sections)
# The 95 family runs on a 386: no instruction of later processors (cmov)
# unless the processor is asked first, as the checksum asks for MMX.
# Arguments pushed rather than stored: a tenth less code. That needs the
# stack probes off, which only a frame of a page or more needs: no frame
# may come near one.
if(CMAKE_SYSTEM_PROCESSOR STREQUAL "i686")
    list(APPEND LAUNCHER_FLAGS -march=i386 -mno-accumulate-outgoing-args -mno-stack-arg-probe -Wframe-larger-than=4000)
endif()

# Floor by floor from the ground up: each includes only the floors listed
# before it.
add_library(launcher_core STATIC
    base/dll_search.cpp
    base/files.cpp
    base/format.cpp
    base/launcher_state.cpp
    base/message_pump.cpp
    base/messages.cpp
    base/path_chars.cpp
    base/platform.cpp
    base/run_log.cpp
    base/system_folders.cpp
    crashreport/crash_report.cpp
    crashreport/log_path.cpp
    preflight/directx_offer.cpp
    preflight/driver_table.cpp
    preflight/preflight.cpp
    preflight/video_driver.cpp
    setup/checksum.cpp
    setup/checksum_list.cpp
    setup/checksum_list_reader.cpp
    setup/data_folder.cpp
    setup/directories.cpp
    setup/file_engine.cpp
    setup/install_path.cpp
    setup/path_rules.cpp
    setup/product_key.cpp
    setup/progress.cpp
    setup/registry.cpp
    setup/remove_mode.cpp
    setup/restart_removal.cpp
    setup/setup_options.cpp
    setup/setup_state.cpp
    setup/shortcuts.cpp
    setup/unattended.cpp
    setup/uninstall.cpp
    setup/verified_copy.cpp
    program/disc_search.cpp
    program/elevation.cpp
    program/instances.cpp
    program/launch.cpp
    program/menu.cpp
    program/switches.cpp
)
target_include_directories(launcher_core PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(launcher_core PUBLIC dxguid comctl32 shell32 ole32 uuid)
target_compile_options(launcher_core PRIVATE ${LAUNCHER_FLAGS} $<$<CONFIG:MinSizeRel>:-Os>)

add_executable(Thundra WIN32 program/startup.cpp program/winmain.cpp resources/launcher.rc)
target_compile_options(Thundra PRIVATE ${LAUNCHER_FLAGS})
target_include_directories(Thundra PRIVATE ${CMAKE_SOURCE_DIR}/resources)
target_link_libraries(Thundra PRIVATE launcher_core)
# The Launcher's own start-up code (program/startup.cpp): the toolchain's
# adds some 8 KB and two sections. Not built whole-program: this linker
# crashes on link-time optimisation without the toolchain's start files,
# and the start-up code saves four times what that saved.
if(CMAKE_SYSTEM_PROCESSOR STREQUAL "i686")
    set(LAUNCHER_ENTRY _WinMainCRTStartup)
else()
    set(LAUNCHER_ENTRY WinMainCRTStartup)
endif()
target_link_options(Thundra PRIVATE -mwindows -nostartfiles -Wl,-e,${LAUNCHER_ENTRY} -Wl,--gc-sections -s)
set_source_files_properties(resources/launcher.rc PROPERTIES
    OBJECT_DEPENDS "${CMAKE_SOURCE_DIR}/resources/launcher.manifest;${CMAKE_SOURCE_DIR}/resources/thundra.ico;${CMAKE_SOURCE_DIR}/resources/dialogs.rc;${CMAKE_SOURCE_DIR}/resources/menu.rc;${CMAKE_SOURCE_DIR}/resources/resource_ids.h;${CMAKE_SOURCE_DIR}/resources/menu.bmp")

add_subdirectory(game)

# The tests run the shipped 32-bit Launcher; their own build (the posix
# thread model for GoogleTest) makes 32-bit doubles, as on a real machine.
if(THUNDRA_TESTS)
    # Test programs and doubles side by side, so that each finds the others.
    set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests/bin)
    add_subdirectory(tests/common)
    add_subdirectory(tests/doubles)
    add_subdirectory(tests/robot)
    add_subdirectory(tests/win32)
    add_subdirectory(bench)
    add_subdirectory(tests/e2e)
elseif(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
    # The install benchmark and the loop over every step of the same C++,
    # which 64-bit Wine runs natively.
    set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests/bin)
    add_subdirectory(tests/common)
    add_subdirectory(tests/win32)
    add_subdirectory(bench)
endif()
