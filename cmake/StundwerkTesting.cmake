# GoogleTest: the system's package natively, built from Debian's sources for MinGW.
if(CMAKE_CROSSCOMPILING)
    set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
    foreach(t gtest gtest_main gmock gmock_main)
        if(TARGET ${t})
            target_link_options(${t} INTERFACE -static -static-libgcc -static-libstdc++)
        endif()
    endforeach()
else()
    find_package(GTest REQUIRED)
endif()

# stundwerk_test(NAME SOURCES... [LIBS ...] [WINE_GUI])
# One CTest test per test program. Under MinGW the program runs through the
# cross-compiling emulator (tools/wine-run); exit code 77 means "skipped"
# (32-bit Wine missing).
function(stundwerk_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES} ${ARG_UNPARSED_ARGUMENTS})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main stundwerk_options)
    add_test(NAME ${name} COMMAND ${name} --gtest_color=no)
    set_tests_properties(${name} PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 600)
endfunction()
