# Windows: the program's resources, one flat folder to install (the programs, the Qt and
# MinGW runtime DLLs, the plugins, the German Qt translations) and the NSIS installer.
# Included from the top level only when WIN32.

set(TAMBERON_WINDOWS_DIR ${CMAKE_SOURCE_DIR}/share/windows)

# Icon and version information of tamberon.exe.
enable_language(RC)
configure_file(${TAMBERON_WINDOWS_DIR}/tamberon.rc.in ${CMAKE_BINARY_DIR}/tamberon.rc @ONLY)
target_sources(tamberon PRIVATE ${CMAKE_BINARY_DIR}/tamberon.rc)
set_source_files_properties(${CMAKE_BINARY_DIR}/tamberon.rc PROPERTIES OBJECT_DEPENDS
    "${TAMBERON_WINDOWS_DIR}/tamberon.ico;${TAMBERON_WINDOWS_DIR}/tamberon-tmd.ico;${TAMBERON_WINDOWS_DIR}/tamberon-tnd.ico")

include(${CMAKE_CURRENT_LIST_DIR}/WindowsDeploy.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/WindowsPackaging.cmake)
