# The Windows build's window programs: their resources, the Win32 front-end of each concern
# (app/, panel/, dialogs/ each add theirs from a win32/ folder once it exists), the bare window
# the start-up benchmark compares with, and the installer. Included by the top level when
# KAVEL_BUILD_WIN32_GUI is on.

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
