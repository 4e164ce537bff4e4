# The Windows cross build's tests: GoogleTest built from Debian's sources with the cross
# compiler, and every test program run under Wine in a prefix private to this build.

set(KAVEL_GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources (Debian: googletest)")
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${KAVEL_GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

find_program(KAVEL_WINE wine REQUIRED)
find_program(KAVEL_WINESERVER wineserver REQUIRED)
find_program(KAVEL_PYTHON python3 REQUIRED)
set(KAVEL_WINE_PREFIX ${CMAKE_BINARY_DIR}/wine-prefix)

configure_file(${CMAKE_CURRENT_LIST_DIR}/wine-run.sh.in ${CMAKE_BINARY_DIR}/wine-run @ONLY
               FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                WORLD_READ WORLD_EXECUTE)
# ctest starts one persistent wineserver before the tests and stops it after them.
configure_file(${CMAKE_CURRENT_LIST_DIR}/CTestCustom.cmake.in ${CMAKE_BINARY_DIR}/CTestCustom.cmake
               @ONLY)

# Every test program of this build runs through the launcher.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run)
