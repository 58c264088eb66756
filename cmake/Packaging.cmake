# Packages built by CPack from the install rules. Settings common to every
# platform first; each platform's generator and its own settings below.
set(CPACK_PACKAGE_NAME tamberon)
set(CPACK_PACKAGE_VENDOR TAMBERON)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "TAMBERON <dev@tamberon.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Kurswahl für die Kursstufe am Gymnasium in Baden-Württemberg")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "TAMBERON plant und prüft die Kurswahl für die vier Halbjahre der Kursstufe des\n"
    "allgemeinbildenden Gymnasiums in Baden-Württemberg (gültig ab Abitur 2010):\n"
    "jeder Klick wird sofort nach der NGVO geprüft, die Noten ergeben Block I,\n"
    "Block II und die Durchschnittsnote, der Belegplan-Wahlbogen wird gedruckt.\n"
    "tamberon-check prüft die Wahldateien eines ganzen Jahrgangs ohne Fenster.")
set(CPACK_STRIP_FILES ON)

if(UNIX AND NOT APPLE)
    set(CPACK_GENERATOR DEB)
    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
    set(CPACK_DEBIAN_PACKAGE_SECTION education)
    # Libraries found by dpkg-shlibdeps in the installed programs, and Qt's German
    # texts for the standard dialogs.
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-translations-l10n)
endif()

include(CPack)
