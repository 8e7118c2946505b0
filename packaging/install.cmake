# SPDX-License-Identifier: GPL-3.0-or-later
# What `cmake --install` puts on a machine, and the Debian package `cpack -G DEB` makes of it:
# the program with its three launchers, a desktop entry, icons and AppStream metadata for each
# product, the set-up file type and the shipped lessons, the manual page, and the package's
# copyright and changelog.
include(GNUInstallDirs)

set(WAVE_PRODUCTS Pelvane Rundique Sorvelle)
set(WAVE_APP_PREFIX org.wavelab)
set(WAVE_ICON_SIZES 16 22 24 32 48 64 128 256)
set(packaging ${CMAKE_CURRENT_SOURCE_DIR}/packaging)
set(staged ${CMAKE_CURRENT_BINARY_DIR}/packaging)

install(TARGETS interfer RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# The launchers and the manual page's other names are relative links, made here once so that
# they install as links.
file(MAKE_DIRECTORY ${staged}/bin ${staged}/man)
foreach(product ${WAVE_PRODUCTS})
    file(CREATE_LINK interfer ${staged}/bin/${product} SYMBOLIC)
    file(CREATE_LINK interfer.1.gz ${staged}/man/${product}.1.gz SYMBOLIC)
    install(FILES ${staged}/bin/${product} DESTINATION ${CMAKE_INSTALL_BINDIR})
    install(FILES ${staged}/man/${product}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

    set(id ${WAVE_APP_PREFIX}.${product})
    install(FILES ${packaging}/${id}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${packaging}/${id}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    install(FILES ${packaging}/icons/${id}.svg
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
    foreach(size ${WAVE_ICON_SIZES})
        install(FILES ${packaging}/icons/${size}/${id}.png
                DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
    endforeach()
endforeach()

# The lesson set-up file type, its icon, and the lessons shipped with the program.
install(FILES ${packaging}/wavelab.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
install(FILES ${packaging}/icons/application-x-wavelab-setup.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/mimetypes)
install(FILES ${WAVE_EXAMPLES} DESTINATION ${CMAKE_INSTALL_DATADIR}/wavelab/examples)

# Manual pages and changelogs go compressed, without a time stamp, as Debian wants them.
foreach(text man/interfer.1 doc/changelog)
    get_filename_component(name ${text} NAME)
    add_custom_command(OUTPUT ${staged}/${text}.gz
        COMMAND gzip -9 -n -c ${packaging}/${name} > ${staged}/${text}.gz
        DEPENDS ${packaging}/${name} VERBATIM)
    list(APPEND compressed ${staged}/${text}.gz)
endforeach()
file(MAKE_DIRECTORY ${staged}/doc)
add_custom_target(compressed_docs ALL DEPENDS ${compressed})
install(FILES ${staged}/man/interfer.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
set(docdir ${CMAKE_INSTALL_DATADIR}/doc/wavelab)
install(FILES ${packaging}/copyright ${staged}/doc/changelog.gz DESTINATION ${docdir})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME wavelab)
set(CPACK_PACKAGE_VENDOR "Wave Lab")
set(CPACK_PACKAGE_CONTACT "Wave Lab <dev@wavelab.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "wave physics on a ripple tank, for teaching")
set(CPACK_PACKAGE_DESCRIPTION
    "Three teaching programs in one: Rundique shows the interference of waves\n\
from one to three point sources, Pelvane Huygens' principle with wavelets\n\
and refracted or reflected wavefronts, and Sorvelle the diffraction of\n\
waves at a single slit with a window of light patterns and prepared\n\
experiments. Students measure on the pictures, practise measuring angles\n\
and lengths, and print or copy what they see.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt finds its window system plugins at run time, so no library names them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# Qt's own buttons and dialogs in the user's language; without them they stay English.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_POST_BUILD_SCRIPTS ${packaging}/installed_size.cmake)
include(CPack)
