# Installation into the usual places of a Linux desktop, and the Debian package.

set(MORVANE_APP_ID org.morvane.Morvane)

install(FILES ${PROJECT_SOURCE_DIR}/data/completion/morvane-convert
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)

# The man page is made from the tool's own --help, so the two never disagree.
find_program(HELP2MAN help2man)
if(HELP2MAN AND TARGET morvane-convert)
    set(man_page ${CMAKE_CURRENT_BINARY_DIR}/morvane-convert.1.gz)
    # Compressed, as Debian keeps its man pages.
    add_custom_command(
        OUTPUT ${man_page}
        COMMAND ${HELP2MAN} --locale=C.UTF-8 --no-info --no-discard-stderr
                --name "convert amounts to Chinese capital figures and change letter case"
                --output ${CMAKE_CURRENT_BINARY_DIR}/morvane-convert.1 $<TARGET_FILE:morvane-convert>
        COMMAND gzip -9nf ${CMAKE_CURRENT_BINARY_DIR}/morvane-convert.1
        DEPENDS morvane-convert
        COMMENT "Generating the morvane-convert man page")
    add_custom_target(man_page ALL DEPENDS ${man_page})
    install(FILES ${man_page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
else()
    message(STATUS "No man page for morvane-convert: help2man or the tool is missing")
endif()

install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/morvane
        RENAME copyright)

if(MORVANE_BUILD_GUI)
    install(FILES ${PROJECT_SOURCE_DIR}/data/${MORVANE_APP_ID}.desktop
            DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${PROJECT_SOURCE_DIR}/data/${MORVANE_APP_ID}.metainfo.xml
            DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    foreach(size 16 32 48)
        install(FILES ${PROJECT_SOURCE_DIR}/data/icons/${size}x${size}/morvane.png
                DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
                RENAME ${MORVANE_APP_ID}.png)
    endforeach()
    install(FILES ${PROJECT_SOURCE_DIR}/data/icons/morvane.svg
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
            RENAME ${MORVANE_APP_ID}.svg)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME morvane)
set(CPACK_PACKAGE_VENDOR "The Morvane developers")
set(CPACK_PACKAGE_CONTACT "The Morvane developers <dev@morvane.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "amounts in Chinese capital figures and English letter case")
set(CPACK_PACKAGE_DESCRIPTION
    "Morvane turns an amount written in figures into the capital-figure form used on Chinese\n\
cheques and invoices, and turns English text to upper case, lower case or a capital at\n\
every word. It has one small window and a command-line companion, morvane-convert.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${PROJECT_HOMEPAGE_URL})
# Library dependencies come from the binaries themselves; what they load at
# run time without linking, the CJK font and Qt's own translations, is added.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(MORVANE_BUILD_GUI)
    set(CPACK_DEBIAN_PACKAGE_DEPENDS
        "fonts-wqy-microhei | fonts-noto-cjk, qt6-translations-l10n, qt6-qpa-plugins")
endif()
include(CPack)
