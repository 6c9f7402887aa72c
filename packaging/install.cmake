# SPDX-License-Identifier: GPL-3.0-or-later
# What `cmake --install` puts where, and the Debian package built from it with `cpack -G DEB`.
include(GNUInstallDirs)

install(TARGETS hx7conf hx7ctl hx7sim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_CURRENT_LIST_DIR}/hx7conf.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/hx7conf.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# The Debian changelog and the AppStream releases come from CHANGELOG.md; the build stops when its newest release
# is not the project's version.
set(HX7_MAINTAINER "hx7conf maintainers <hx7conf@example.org>")
set(changelog ${PROJECT_BINARY_DIR}/packaging/changelog)
set(metainfo ${PROJECT_BINARY_DIR}/packaging/org.hx7conf.hx7conf.metainfo.xml)
add_custom_command(OUTPUT ${changelog}.gz ${metainfo}
                   COMMAND ${CMAKE_CURRENT_LIST_DIR}/changelog.sh ${PROJECT_SOURCE_DIR}/CHANGELOG.md
                           ${PROJECT_VERSION} ${HX7_MAINTAINER} ${changelog}
                           ${CMAKE_CURRENT_LIST_DIR}/org.hx7conf.hx7conf.metainfo.xml ${metainfo}
                   COMMAND gzip -9nf ${changelog}
                   DEPENDS ${PROJECT_SOURCE_DIR}/CHANGELOG.md ${CMAKE_CURRENT_LIST_DIR}/changelog.sh
                           ${CMAKE_CURRENT_LIST_DIR}/org.hx7conf.hx7conf.metainfo.xml
                   COMMENT "Writing the changelog and the AppStream releases from CHANGELOG.md"
                   VERBATIM)
add_custom_target(hx7_changelog ALL DEPENDS ${changelog}.gz ${metainfo})
install(FILES ${metainfo} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${changelog}.gz ${CMAKE_CURRENT_LIST_DIR}/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})
# The user guide, as the program shows it (F1), for reading without the program too.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/guide/ DESTINATION ${CMAKE_INSTALL_DOCDIR}/guide)
# Examples to open or copy: a module's configuration file and the demo layout (a small station of six modules,
# the one ./run.sh opens against the simulator). Installed read-only: copy the folder to work in it.
install(FILES ${CMAKE_CURRENT_LIST_DIR}/sample-config.txt DESTINATION ${CMAKE_INSTALL_DOCDIR}/examples)
install(DIRECTORY ${CMAKE_CURRENT_LIST_DIR}/demo-layout DESTINATION ${CMAKE_INSTALL_DOCDIR}/examples)

# Manual pages carry the project version and are installed compressed, as Debian keeps them; -n leaves the
# time stamp out, so the same sources give the same package. hx7conf and hx7ctl have a page in each language the
# program speaks: NAME.1.in in Czech, NAME.en.1.in and NAME.de.1.in beside it.
# hx7ctl writes the list of its commands into its page from its command table, as --help shows them, and with
# --lang the texts of the table in the page's language.
set(manpages)
foreach(page hx7ctl hx7ctl.en hx7ctl.de hx7sim hx7conf hx7conf.en hx7conf.de)
    set(roff ${PROJECT_BINARY_DIR}/packaging/${page}.1)
    if(page MATCHES "^hx7ctl")
        set(language)
        if(page MATCHES "\\.([a-z]+)$")
            set(language --lang ${CMAKE_MATCH_1})
        endif()
        configure_file(${CMAKE_CURRENT_LIST_DIR}/${page}.1.in ${roff}.in @ONLY)
        add_custom_command(OUTPUT ${roff}
                           COMMAND hx7ctl ${language} --manual-page ${roff}.in ${roff}
                           DEPENDS hx7ctl ${roff}.in
                           COMMENT "Writing the commands into the manual page ${page}.1"
                           VERBATIM)
    else()
        configure_file(${CMAKE_CURRENT_LIST_DIR}/${page}.1.in ${roff} @ONLY)
    endif()
    add_custom_command(OUTPUT ${roff}.gz
                       COMMAND gzip -9nkf ${roff}
                       DEPENDS ${roff}
                       COMMENT "Compressing the manual page ${page}.1"
                       VERBATIM)
    list(APPEND manpages ${roff}.gz)
endforeach()
add_custom_target(hx7_manpages ALL DEPENDS ${manpages})
# The Czech pages, the program's own language, where man looks first; the others under their language, where man
# looks for the locale's language (LANG=de_DE.UTF-8, man -L de).
foreach(roff ${manpages})
    if(roff MATCHES "/([a-z0-9]+)\\.([a-z]+)\\.1\\.gz$")
        install(FILES ${roff} DESTINATION ${CMAKE_INSTALL_MANDIR}/${CMAKE_MATCH_2}/man1 RENAME ${CMAKE_MATCH_1}.1.gz)
    else()
        install(FILES ${roff} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    endif()
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME hx7conf)
set(CPACK_PACKAGE_VENDOR hx7conf)
set(CPACK_PACKAGE_CONTACT ${HX7_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "konfigurace modulů HX7 (dekodéry DCC pro návěstidla a výhybky)")
set(CPACK_PACKAGE_DESCRIPTION
    "HX7 konfig čte, kontroluje a zapisuje po sériové lince RS232 konfiguraci
modulů řady HX7 (HX7, HX7V, HX7S, i s motorovou volbou M): adresu DCC,
výstupy, návěstní znaky a 24 návěstních cest. Konfiguraci ukládá do textového
souboru a načte ji i bez připojeného modulu.

Balíček obsahuje grafický program hx7conf, nástroj příkazové řádky hx7ctl pro
skripty a zálohy a simulátor modulu hx7sim.

HX7 configurator reads, verifies and stores the configuration of HX7 DCC
accessory decoders for model-railway signals and turnouts over an RS232
serial line.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries come from the binaries themselves (dpkg-shlibdeps); Qt's Czech texts for the standard buttons
# and dialogs are a separate package.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Plugins are invisible to dpkg-shlibdeps, and Qt's GUI library only recommends its platform plugins: without
# them (an install without recommended packages) the program cannot open a window.
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
include(CPack)
