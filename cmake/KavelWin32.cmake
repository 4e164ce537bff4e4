# The Windows build's window programs: their resources, the Win32 front-end of each concern
# (app/, panel/, dialogs/ each add theirs from a win32/ folder once it exists), the bare window
# the start-up benchmark compares with, and the installer. Included by the top level when
# KAVEL_BUILD_WIN32_GUI is on.
if(NOT WIN32)
  message(FATAL_ERROR "KAVEL_BUILD_WIN32_GUI needs the Windows build (preset win32)")
endif()

# kavel_add_win32_program(TARGET SOURCES...): a window program. It starts at wWinMain
# (-municode), runs in the GUI subsystem (-mwindows), links the system libraries a front-end
# uses and the program's resources (version record, manifest, icon, bitmaps).
function(kavel_add_win32_program target)
  add_executable(${target} WIN32 ${ARGN})
  target_compile_options(${target} PRIVATE -municode)
  target_link_options(${target} PRIVATE -municode)
  target_link_libraries(${target} PRIVATE kavel_res_win32 comctl32 gdi32 comdlg32 shell32
                                          advapi32)
endfunction()

# kavel_add_win32_bench(TARGET SOURCES... [LIBRARIES libraries...]): the window program made of
# these sources and libraries, built with the start-up probe (bench/win32/first_paint_probe.h):
# it prints its start-up time and ends. bench/win32/run.py finds it in bench/win32 of the build;
# Kavel's is bench_kavel_win32.
add_library(kavel_first_paint_probe OBJECT ${PROJECT_SOURCE_DIR}/bench/win32/first_paint_probe.cpp)
target_include_directories(kavel_first_paint_probe PRIVATE ${PROJECT_SOURCE_DIR})
function(kavel_add_win32_bench target)
  cmake_parse_arguments(PARSE_ARGV 1 bench "" "" "LIBRARIES")
  kavel_add_win32_program(${target} ${bench_UNPARSED_ARGUMENTS})
  target_link_libraries(${target} PRIVATE kavel_first_paint_probe ${bench_LIBRARIES})
  set_target_properties(${target} PROPERTIES
    RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/bench/win32)
endfunction()

# The icon's sizes: what the shell and the window frame ask for.
set(KAVEL_WIN32_ICON_SIZES 16 24 32 48 64 128 256)
add_subdirectory(${PROJECT_SOURCE_DIR}/res/win32 ${PROJECT_BINARY_DIR}/res/win32)
foreach(concern dialogs panel app)
  if(EXISTS ${PROJECT_SOURCE_DIR}/${concern}/win32/CMakeLists.txt)
    add_subdirectory(${PROJECT_SOURCE_DIR}/${concern}/win32 ${PROJECT_BINARY_DIR}/${concern}/win32)
  endif()
endforeach()
add_subdirectory(${PROJECT_SOURCE_DIR}/bench/win32 ${PROJECT_BINARY_DIR}/bench/win32)
add_subdirectory(${PROJECT_SOURCE_DIR}/installer ${PROJECT_BINARY_DIR}/installer)
