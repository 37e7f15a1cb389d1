# The Debian package (scripts/package): the program in /usr/bin, its menu entry, AppStream
# metadata and icon under one application id, the shipped holiday list, sample data and
# settings template in /usr/share/rdx508, and the copyright and changelog. These rules
# belong to the component "deb", which a plain install leaves out, so the portable program
# folder that `cmake --install` lays out stays as it is.

set(RDX508_APP_ID io.github.rdx508.ShikyoNote)
set(deb_source ${RDX508_ROOT}/packaging/deb)
set(deb_build ${CMAKE_CURRENT_BINARY_DIR}/deb)
set(deb_rules COMPONENT deb EXCLUDE_FROM_ALL)

configure_file(${deb_source}/${RDX508_APP_ID}.metainfo.xml.in ${deb_build}/${RDX508_APP_ID}.metainfo.xml @ONLY)
configure_file(${deb_source}/changelog.in ${deb_build}/changelog @ONLY)

install(TARGETS rdx508 RUNTIME DESTINATION bin ${deb_rules})
install(FILES ${deb_source}/${RDX508_APP_ID}.desktop DESTINATION share/applications ${deb_rules})
install(FILES ${deb_build}/${RDX508_APP_ID}.metainfo.xml DESTINATION share/metainfo ${deb_rules})
install(FILES ${RDX508_ROOT}/packaging/rdx508.svg DESTINATION share/icons/hicolor/scalable/apps
        RENAME ${RDX508_APP_ID}.svg ${deb_rules})
install(FILES ${RDX508_ROOT}/data/syukujitsu.csv ${RDX508_ROOT}/data/RDX508_DAYS.TXT
              ${RDX508_ROOT}/data/RDX508_COLOR.TXT ${RDX508_ROOT}/data/RDX508_INIT.TXT
        DESTINATION share/rdx508 ${deb_rules})
install(FILES ${deb_source}/copyright DESTINATION share/doc/rdx508 ${deb_rules})
install(FILES ${deb_source}/lintian-overrides DESTINATION share/lintian/overrides RENAME rdx508 ${deb_rules})
# Debian keeps changelogs compressed at the highest level, without a time stamp.
install(CODE "execute_process(COMMAND gzip -9nc \"${deb_build}/changelog\"
                              OUTPUT_FILE \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/share/doc/rdx508/changelog.gz\"
                              COMMAND_ERROR_IS_FATAL ANY)"
        ${deb_rules})

set(CPACK_GENERATOR DEB)
set(CPACK_COMPONENTS_ALL deb)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
set(CPACK_PACKAGE_NAME rdx508)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/package)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_CONTACT "The RDX508 maintainers <maintainers@users.noreply.c-seed-9ff41be1.example>")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_NAME rdx508)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The X11 platform plugin and Qt's Japanese dialogs are loaded at run time, so shlibdeps cannot
# see them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic, qt6-qpa-plugins, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "notebook of the Tokyo market's daily figures (市況ノート)")
# The long description; CPack puts the summary above it as the synopsis.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "A private investor records TOPIX, the Nikkei average and the numbers of
advancing and declining issues day by day, and reads moving averages, the
divergence, the advance ratio and the advance-decline ratio off a coloured
grid, with a forecast row and a chart window. The notebook lives in
~/.local/share/RDX508 and is left alone when the package is removed.")
include(CPack)
