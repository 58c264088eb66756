# Windows packages: the installed folder zipped, and an NSIS installer that installs for
# all users or for the current user alone, adds a start-menu entry and an uninstaller and
# opens .tmd and .tnd files with the program.

set(CPACK_VERBATIM_VARIABLES ON)
set(CPACK_GENERATOR NSIS ZIP)
set(CPACK_PACKAGE_NAME TAMBERON)
set(CPACK_PACKAGE_VENDOR Tamberon)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Kurswahl für die Kursstufe am Gymnasium in Baden-Württemberg")
set(CPACK_PACKAGE_FILE_NAME TAMBERON-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY TAMBERON)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY TAMBERON)
set(CPACK_PACKAGE_EXECUTABLES tamberon TAMBERON)
set(CPACK_MONOLITHIC_INSTALL ON)

set(CPACK_NSIS_PACKAGE_NAME TAMBERON)
set(CPACK_NSIS_DISPLAY_NAME TAMBERON)
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_NSIS_INSTALLED_ICON_NAME tamberon.exe)
set(CPACK_NSIS_MUI_ICON ${TAMBERON_WINDOWS_DIR}/tamberon.ico)
set(CPACK_NSIS_MUI_UNIICON ${TAMBERON_WINDOWS_DIR}/tamberon.ico)
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)
# The template: CMake's own, with the choice between all users and the current user.
list(APPEND CMAKE_MODULE_PATH ${TAMBERON_WINDOWS_DIR})

# File types: "TAMBERON.tmd" and "TAMBERON.tnd" under Software\Classes of the chosen
# context (SHCTX), so that a per-user install needs no administrator; each with its own
# icon from tamberon.exe (resources 2 and 3, see tamberon.rc.in), offered under
# "Öffnen mit" (OpenWithProgids, SupportedTypes) also where the user chose another program.
set(app_key "Software\\Classes\\Applications\\tamberon.exe")
set(assoc_install "WriteRegStr SHCTX '${app_key}' 'FriendlyAppName' 'TAMBERON'\n")
set(assoc_uninstall)
foreach(type "tmd|Tamberondatei (mit Namen)|2" "tnd|Tamberondatei (mit Noten)|3")
    string(REPLACE "|" ";" type "${type}")
    list(GET type 0 ext)
    list(GET type 1 description)
    list(GET type 2 icon)
    set(ext_key "Software\\Classes\\.${ext}")
    set(type_key "Software\\Classes\\TAMBERON.${ext}")
    string(APPEND assoc_install
        "WriteRegStr SHCTX '${ext_key}' '' 'TAMBERON.${ext}'\n"
        "WriteRegStr SHCTX '${ext_key}\\OpenWithProgids' 'TAMBERON.${ext}' ''\n"
        "WriteRegStr SHCTX '${type_key}' '' '${description}'\n"
        "WriteRegStr SHCTX '${type_key}\\DefaultIcon' '' '\"$INSTDIR\\tamberon.exe\",-${icon}'\n"
        "WriteRegStr SHCTX '${type_key}\\shell\\open\\command' '' '\"$INSTDIR\\tamberon.exe\" \"%1\"'\n"
        "WriteRegStr SHCTX '${app_key}\\SupportedTypes' '.${ext}' ''\n")
    # The extension itself only as far as it still points to this program.
    string(APPEND assoc_uninstall
        "DeleteRegKey SHCTX '${type_key}'\n"
        "DeleteRegValue SHCTX '${ext_key}\\OpenWithProgids' 'TAMBERON.${ext}'\n"
        "DeleteRegKey /ifempty SHCTX '${ext_key}\\OpenWithProgids'\n"
        "ReadRegStr $0 SHCTX '${ext_key}' ''\n"
        "StrCmp $0 'TAMBERON.${ext}' 0 +2\n"
        "DeleteRegValue SHCTX '${ext_key}' ''\n"
        "DeleteRegKey /ifempty SHCTX '${ext_key}'\n")
endforeach()
string(APPEND assoc_uninstall "DeleteRegKey SHCTX '${app_key}'\n")
set(notify "System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'\n")
set(CPACK_NSIS_EXTRA_INSTALL_COMMANDS "${assoc_install}${notify}")
set(CPACK_NSIS_EXTRA_UNINSTALL_COMMANDS "${assoc_uninstall}${notify}")
# Only when the program is removed, not replaced by a newer version: the list of recent
# files of the user who uninstalls (the program's QSettings).
string(CONCAT CPACK_NSIS_TAMBERON_USER_DATA_UNINSTALL
    "DeleteRegKey HKCU 'Software\\Tamberon\\Tamberon'\n"
    "DeleteRegKey /ifempty HKCU 'Software\\Tamberon'")

include(CPack)
