# Installing and packaging: `cmake --install` lays the program out as the Linux desktop expects
# (GNUInstallDirs), and `cpack -G DEB` (scripts/package) wraps that layout in a .deb.
#
# An installed program finds its shipped data relative to its own executable
# (<prefix>/bin -> <prefix>/share/velmar-powerball), so an install into any prefix, or a
# .deb unpacked anywhere, works as it is.
include(GNUInstallDirs)

set(POWERBALL_APP_ID de.velmar.powerball)
set(POWERBALL_PACKAGE velmar-powerball)
set(POWERBALL_SHARE_DIR ${CMAKE_INSTALL_DATADIR}/${POWERBALL_PACKAGE})
set(POWERBALL_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/${POWERBALL_PACKAGE})
set(PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)

set(powerball_programs powerball-cli powerball-server)
if(POWERBALL_BUILD_UI)
    list(APPEND powerball_programs powerball)
endif()
install(TARGETS ${powerball_programs} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The window's modules (libcurl's client, the sound player), which it finds beside bin/.
if(POWERBALL_BUILD_UI)
    install(TARGETS powerball_http_module powerball_sound_module
            LIBRARY DESTINATION ${POWERBALL_MODULE_SUBDIR})
endif()

# The data each user's folder is seeded from.
install(FILES ${PROJECT_SOURCE_DIR}/data/powerball-draws.csv ${PROJECT_SOURCE_DIR}/data/yippee.wav
        DESTINATION ${POWERBALL_SHARE_DIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/Land ${PROJECT_SOURCE_DIR}/data/Script
        DESTINATION ${POWERBALL_SHARE_DIR})

# The manual the window shows under "Handbuch": the README's parts for users (between the marks
# "<!-- manual -->" and "<!-- /manual -->"), written into build/share/velmar-powerball, where
# the window of a build tree finds it as an installed one does beside bin/.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/README.md)
file(READ ${PROJECT_SOURCE_DIR}/README.md powerball_readme)
set(powerball_manual "")
while(TRUE)
    string(FIND "${powerball_readme}" "<!-- manual -->" powerball_begin)
    if(powerball_begin EQUAL -1)
        break()
    endif()
    math(EXPR powerball_begin "${powerball_begin} + 15")
    string(SUBSTRING "${powerball_readme}" ${powerball_begin} -1 powerball_readme)
    string(FIND "${powerball_readme}" "<!-- /manual -->" powerball_end)
    if(powerball_end EQUAL -1)
        message(FATAL_ERROR "README.md: a manual part without its end mark")
    endif()
    string(SUBSTRING "${powerball_readme}" 0 ${powerball_end} powerball_part)
    string(APPEND powerball_manual "${powerball_part}")
    math(EXPR powerball_end "${powerball_end} + 16")
    string(SUBSTRING "${powerball_readme}" ${powerball_end} -1 powerball_readme)
endwhile()
file(WRITE ${CMAKE_BINARY_DIR}/share/${POWERBALL_PACKAGE}/manual.md
     "# Velmars Lumero for PowerBall®\n${powerball_manual}")
install(FILES ${CMAKE_BINARY_DIR}/share/${POWERBALL_PACKAGE}/manual.md
        DESTINATION ${POWERBALL_SHARE_DIR})

# The desktop entry, its icon and the AppStream data.
install(FILES ${PACKAGING_DIR}/${POWERBALL_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PACKAGING_DIR}/${POWERBALL_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PACKAGING_DIR}/${POWERBALL_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# The PNG icons are rendered from the SVG into build/share/icons, where the window of a build
# tree finds them too (beside bin/, as in an installed prefix).
find_program(RSVG_CONVERT rsvg-convert)
if(RSVG_CONVERT)
    set(icon_files)
    foreach(size 48 128 256)
        set(icon ${CMAKE_BINARY_DIR}/share/icons/hicolor/${size}x${size}/apps/${POWERBALL_APP_ID}.png)
        add_custom_command(OUTPUT ${icon}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/share/icons/hicolor/${size}x${size}/apps
            COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} -o ${icon} ${PACKAGING_DIR}/${POWERBALL_APP_ID}.svg
            DEPENDS ${PACKAGING_DIR}/${POWERBALL_APP_ID}.svg
            COMMENT "Rendering the ${size} pixel icon"
            VERBATIM)
        list(APPEND icon_files ${icon})
        install(FILES ${icon} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
    endforeach()
    add_custom_target(powerball_icons ALL DEPENDS ${icon_files})
else()
    message(WARNING "rsvg-convert not found (scripts/install-deps installs it): no PNG icons")
endif()

# Manual pages from the programs' own --help and --version, compressed as Debian wants them.
find_program(HELP2MAN help2man)
find_program(GZIP gzip)
if(HELP2MAN AND GZIP)
    set(man_files)
    set(man_name_powerball-cli "the Powerball tip program's commands without a window")
    set(man_name_powerball-server "update server for the Powerball tip program's draws")
    set(man_name_powerball "Powerball draw history, statistics and tip rows")
    foreach(program ${powerball_programs})
        set(page ${CMAKE_BINARY_DIR}/man/${program}.1)
        add_custom_command(OUTPUT ${page}.gz
            COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
            # The window answers --help without a display.
            COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8
                ${HELP2MAN} --no-info --section 1 --name ${man_name_${program}}
                --version-string "${program} ${PROJECT_VERSION}" --locale C.UTF-8
                --include ${PACKAGING_DIR}/man/${program}.h2m --output ${page} $<TARGET_FILE:${program}>
            COMMAND ${GZIP} -9nf ${page}
            DEPENDS ${program} ${PACKAGING_DIR}/man/${program}.h2m
            COMMENT "Writing the manual page of ${program}"
            VERBATIM)
        list(APPEND man_files ${page}.gz)
        install(FILES ${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    endforeach()
    add_custom_target(powerball_manuals ALL DEPENDS ${man_files})
else()
    message(WARNING "help2man not found (scripts/install-deps installs it): no manual pages")
endif()

# The package's own documents.
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/doc/changelog.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/doc
    COMMAND ${CMAKE_COMMAND} -E copy ${PACKAGING_DIR}/changelog ${CMAKE_BINARY_DIR}/doc/changelog
    COMMAND ${GZIP} -9nf ${CMAKE_BINARY_DIR}/doc/changelog
    DEPENDS ${PACKAGING_DIR}/changelog
    VERBATIM)
add_custom_target(powerball_changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/doc/changelog.gz)
install(FILES ${PACKAGING_DIR}/copyright ${CMAKE_BINARY_DIR}/doc/changelog.gz
        DESTINATION ${POWERBALL_DOC_DIR})
# The update server's example unit, which its manual page points to.
install(FILES ${PROJECT_SOURCE_DIR}/docs/powerball-server.service DESTINATION ${POWERBALL_DOC_DIR})

# cpack -G DEB: the library dependencies come from the binaries (dpkg-shlibdeps); what the
# window loads at run time without linking it is named here: the GStreamer plugins of the
# sound and the fonts of the Chinese and Hindi texts.
set(CPACK_PACKAGE_NAME ${POWERBALL_PACKAGE})
set(CPACK_PACKAGE_VENDOR "Velmar")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Velmar <powerball@velmar.de>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Powerball draw history, statistics and tip rows")
set(CPACK_PACKAGE_DESCRIPTION
"A desktop program for players of the US Powerball lottery. It keeps the
draw history since November 1997 in one file and updates it from an update
server, charts frequencies, overdue numbers, runs of neighbours and cross
sums, generates up to 12 tip rows from many options, checks tips against any
draw and replays the past to judge its settings.

The package holds the window (powerball), the commands without a window
(powerball-cli) and the update server (powerball-server). Each user's data
lives in ~/.local/share/Velmar/PowerBall, seeded from the bundled history.")
set(CPACK_DEBIAN_PACKAGE_SECTION "utils")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.velmar.de")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, fonts-dejavu-core, fonts-wqy-microhei, fonts-lohit-deva")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
include(CPack)
