# Installation and the Debian package. The installed tree has the build tree's shape: the programs in
# bin/, their data in share/quarvin (found from the program's folder, platform/dati_programma.h), plus
# what a desktop needs to list the program: a .desktop entry, the icon in the hicolor theme, AppStream
# metadata, the system file's MIME type and the manual page of quarvin-cli.
include(GNUInstallDirs)

set(QUARVIN_DATI_INSTALLATI ${CMAKE_INSTALL_DATADIR}/quarvin)
set(QUARVIN_DESKTOP ${PROJECT_SOURCE_DIR}/data/desktop)
set(QUARVIN_ID it.quarvina.Quarvin)

install(TARGETS quarvin quarvin-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

install(FILES ${PROJECT_SOURCE_DIR}/data/storico.txt ${PROJECT_SOURCE_DIR}/data/smorfia.txt ${QUARVIN_RIDUTTORI}
    DESTINATION ${QUARVIN_DATI_INSTALLATI})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/help/ DESTINATION ${QUARVIN_DATI_INSTALLATI}/help)

install(FILES ${QUARVIN_DESKTOP}/${QUARVIN_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${QUARVIN_DESKTOP}/quarvin-sistema.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
configure_file(${QUARVIN_DESKTOP}/${QUARVIN_ID}.metainfo.xml.in ${CMAKE_BINARY_DIR}/${QUARVIN_ID}.metainfo.xml
    @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/${QUARVIN_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The icon: the drawing itself for scalable lookups, and the PNG sizes rendered from it at build time.
set(QUARVIN_LATI_ICONA 16 22 24 32 48 64 128 256)
set(QUARVIN_ICONE_PNG)
foreach(lato ${QUARVIN_LATI_ICONA})
    list(APPEND QUARVIN_ICONE_PNG ${CMAKE_BINARY_DIR}/icone/${lato}x${lato}/apps/quarvin.png)
endforeach()
add_custom_command(OUTPUT ${QUARVIN_ICONE_PNG}
    COMMAND quarvin-icona-png ${QUARVIN_DESKTOP}/quarvin.svg ${CMAKE_BINARY_DIR}/icone quarvin
        ${QUARVIN_LATI_ICONA}
    DEPENDS quarvin-icona-png ${QUARVIN_DESKTOP}/quarvin.svg
    COMMENT "Icona del programma in PNG"
    VERBATIM)
add_custom_target(quarvin_icona ALL DEPENDS ${QUARVIN_ICONE_PNG})
install(FILES ${QUARVIN_DESKTOP}/quarvin.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(DIRECTORY ${CMAKE_BINARY_DIR}/icone/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)

# Manual pages ship compressed, as man finds them; -n keeps the archive free of time stamps.
set(QUARVIN_MAN ${CMAKE_BINARY_DIR}/quarvin-cli.1.gz)
add_custom_command(OUTPUT ${QUARVIN_MAN}
    COMMAND sh -c "gzip -9nc \"$0\" > \"$1\"" ${QUARVIN_DESKTOP}/quarvin-cli.1 ${QUARVIN_MAN}
    DEPENDS ${QUARVIN_DESKTOP}/quarvin-cli.1
    VERBATIM)
add_custom_target(quarvin_man ALL DEPENDS ${QUARVIN_MAN})
install(FILES ${QUARVIN_MAN} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# `make package`: a .deb for /usr. The libraries it needs come from dpkg-shlibdeps (Qt, libcurl, and the
# Qt SVG library the toolbar pictures use); the Italian texts of Qt's own dialogs are recommended.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quarvina-lotto)
set(CPACK_PACKAGE_VENDOR Calvestra)
set(CPACK_PACKAGE_CONTACT "Calvestra <assistenza@quarvina.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "sistemi, riduzioni, statistiche e stampa per il Lotto")
# The long description, one line per control-file line (dpkg shows it as written).
set(CPACK_PACKAGE_DESCRIPTION "QUARVINA LOTTO compone i sistemi per il gioco del Lotto, li riduce con
metodi matematici, statistici e misti, li controlla con le estrazioni
dell'archivio storico e li stampa sulle schedine. Comprende quarvin-cli,
lo stesso motore dalla riga di comando.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/pacchetto)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.quarvina.example)
include(CPack)
