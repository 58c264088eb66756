# The installed folder on Windows is flat: the programs and every DLL they load side by
# side, Qt's plugins and translations below it, found through qt.conf.

set(TAMBERON_WINDOWS_PROGRAMS tamberon)
foreach(target tamberon-check tamberon-check-pdf)
    if(TARGET ${target})
        list(APPEND TAMBERON_WINDOWS_PROGRAMS ${target})
    endif()
endforeach()
install(TARGETS ${TAMBERON_WINDOWS_PROGRAMS} RUNTIME DESTINATION . COMPONENT tamberon)

# Qt, from the prefix the build found it in. Printing to Windows printers is part of
# Qt6PrintSupport itself; there is no print plugin on Windows.
set(qt_bin ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS})
set(qt_plugins ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_PLUGINS})
set(qt_dlls)
foreach(module Core Gui Widgets PrintSupport)
    list(APPEND qt_dlls ${qt_bin}/Qt6${module}$<$<CONFIG:Debug>:d>.dll)
endforeach()
install(FILES ${qt_dlls} DESTINATION . COMPONENT tamberon)
install(FILES ${qt_plugins}/platforms/qwindows.dll DESTINATION plugins/platforms COMPONENT tamberon)
install(FILES ${qt_plugins}/styles/qwindowsvistastyle.dll DESTINATION plugins/styles COMPONENT tamberon)

# Plugins and translations relative to the programs' folder.
file(WRITE ${CMAKE_BINARY_DIR}/qt.conf "[Paths]\nPrefix = .\nPlugins = plugins\nTranslations = translations\n")
install(FILES ${CMAKE_BINARY_DIR}/qt.conf DESTINATION . COMPONENT tamberon)

# German texts of Qt's own dialogs. The .qm files do not depend on the platform, so the
# host's copies serve (Debian: qt6-translations-l10n).
find_file(TAMBERON_QTBASE_DE qtbase_de.qm
    PATHS ${QT6_INSTALL_PREFIX}/translations /usr/share/qt6/translations
    NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
if(TAMBERON_QTBASE_DE)
    install(FILES ${TAMBERON_QTBASE_DE} DESTINATION translations COMPONENT tamberon)
else()
    message(WARNING "qtbase_de.qm not found: Qt's dialogs will speak English")
endif()

# The MinGW runtime, where the compiler keeps it.
set(mingw_dlls)
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
        OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${path}" OR NOT EXISTS "${path}")
        message(FATAL_ERROR "MinGW runtime ${dll} not found (the compiler answered '${path}')")
    endif()
    list(APPEND mingw_dlls ${path})
endforeach()
install(FILES ${mingw_dlls} DESTINATION . COMPONENT tamberon)
set(TAMBERON_MINGW_RUNTIME ${mingw_dlls} CACHE INTERNAL "MinGW runtime DLLs")
