# Installation, desktop integration, Windows resources and the Debian package.
# Included at the end of the top-level CMakeLists.txt, after the front ends'
# folders, so that their targets exist when the rules below look for them.
include(GNUInstallDirs)

# Date of the release that PROJECT_VERSION names; move it with the version.
set(BRELLOW_RELEASE_DATE "2026-12-07")
set(BRELLOW_COPYRIGHT_YEAR "2026")
set(BRELLOW_ICON_SIZES 256 128 64 48 32 24 16)
string(TOLOWER "${BRELLOW_PRODUCT}" BRELLOW_PACKAGE_NAME)
set(BRELLOW_DOCDIR "${CMAKE_INSTALL_DATAROOTDIR}/doc/${BRELLOW_PACKAGE_NAME}")
set(brellow_res "${PROJECT_SOURCE_DIR}/res")
set(brellow_res_out "${PROJECT_BINARY_DIR}/res")

# Debian wants manual pages compressed, with no name or time stamp inside.
find_program(BRELLOW_GZIP gzip)
function(brellow_install_manpage page)
    set(source "${brellow_res}/${page}")
    if(NOT UNIX)
        return()
    elseif(NOT BRELLOW_GZIP)
        install(FILES ${source} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
        return()
    endif()
    set(compressed "${brellow_res_out}/${page}.gz")
    add_custom_command(OUTPUT ${compressed}
        COMMAND ${CMAKE_COMMAND} -E copy ${source} ${brellow_res_out}/${page}
        COMMAND ${BRELLOW_GZIP} -9nf ${brellow_res_out}/${page}
        DEPENDS ${source}
        COMMENT "Compressing the manual page ${page}"
        VERBATIM)
    string(REPLACE "." "_" target_name "manpage_${page}")
    add_custom_target(${target_name} ALL DEPENDS ${compressed})
    install(FILES ${compressed} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endfunction()

if(TARGET brellow)
    install(TARGETS brellow RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    brellow_install_manpage(brellow.1)

    # The menu entry, the software-centre record and the icon only make sense
    # together with the window they launch.
    configure_file(${brellow_res}/brellow.desktop.in
                   ${brellow_res_out}/${BRELLOW_APP_ID}.desktop @ONLY)
    configure_file(${brellow_res}/brellow.metainfo.xml.in
                   ${brellow_res_out}/${BRELLOW_APP_ID}.metainfo.xml @ONLY)
    install(FILES ${brellow_res_out}/${BRELLOW_APP_ID}.desktop
            DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications)
    install(FILES ${brellow_res_out}/${BRELLOW_APP_ID}.metainfo.xml
            DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/metainfo)

    foreach(size IN LISTS BRELLOW_ICON_SIZES)
        set(icon "${brellow_res}/icons/brellow-${size}.png")
        if(EXISTS "${icon}")
            install(FILES "${icon}"
                    DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/${size}x${size}/apps
                    RENAME ${BRELLOW_APP_ID}.png)
        else()
            message(WARNING "Icon ${icon} is missing; it will not be installed")
        endif()
    endforeach()

    if(WIN32)
        set(BRELLOW_MANIFEST_FILE "${brellow_res}/brellow.manifest")
        set(tweak "${PROJECT_VERSION_TWEAK}")
        if(tweak STREQUAL "")
            set(tweak 0)
        endif()
        set(BRELLOW_VERSION_COMMAS
            "${PROJECT_VERSION_MAJOR},${PROJECT_VERSION_MINOR},${PROJECT_VERSION_PATCH},${tweak}")
        configure_file(${brellow_res}/brellow.rc.in ${brellow_res_out}/brellow.rc @ONLY)
        target_sources(brellow PRIVATE ${brellow_res_out}/brellow.rc)
        if(MSVC)
            # The resource script embeds the manifest already.
            target_link_options(brellow PRIVATE /MANIFEST:NO)
        endif()
    endif()
endif()

if(TARGET brellow-cli)
    install(TARGETS brellow-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    # FFmpeg's modules (the stretcher's apart), which both programs load for the options that need it.
    install(TARGETS brellow-media brellow-stretch LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}/brellow
            PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)

    brellow_install_manpage(brellow-cli.1)
endif()

# The speech detector's model, read by both programs (its licence is in LICENSE).
install(FILES ${PROJECT_SOURCE_DIR}/res/models/speech-v5.bin
        DESTINATION ${CMAKE_INSTALL_DATADIR}/brellow/models)

# Debian's name for the licence file in a package's documentation folder.
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${BRELLOW_DOCDIR} RENAME copyright)

# cpack -G DEB in the build folder, after the build. cpack runs the install
# rules through the "preinstall" target, which would otherwise rebuild the
# whole tree first; packaging what was built keeps it quick and predictable.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
set(CPACK_PACKAGE_NAME "${BRELLOW_PACKAGE_NAME}")
set(CPACK_PACKAGE_VENDOR "${BRELLOW_COMPANY}")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
# Debian shows the first line as the synopsis and the rest as is.
set(CPACK_PACKAGE_DESCRIPTION [=[
${BRELLOW_PRODUCT} helps language learners practise speaking. It reads
spoken-word recordings and writes, for each one, a practice file in which
every spoken phrase is followed by a silence as long as that phrase: time to
repeat what was just heard.
.
Mono Microsoft ADPCM WAV files are read as they come; with the option to read
every recording format, also MP3, M4A, Ogg, Opus, FLAC and whatever else
FFmpeg's libraries read, mono or stereo. Practice files are written as WAV,
FLAC, MP3 or Opus. Options tune the phrase detector and the pauses, play each
phrase in several passes at chosen tempos, write where each phrase is (SRT,
LRC or Audacity labels) and cut every phrase into a clip for Anki.
.
The package holds the desktop program and the terminal command brellow-cli.]=])
string(CONFIGURE "${CPACK_PACKAGE_DESCRIPTION}" CPACK_PACKAGE_DESCRIPTION)
string(STRIP "${CPACK_PACKAGE_DESCRIPTION}" CPACK_PACKAGE_DESCRIPTION)
set(CPACK_PACKAGE_HOMEPAGE_URL "${PROJECT_HOMEPAGE_URL}")
set(CPACK_PACKAGE_CONTACT "${BRELLOW_COMPANY} <brellow@quorvel.example>")
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/LICENSE")
set(CPACK_PACKAGE_INSTALL_DIRECTORY "${BRELLOW_PRODUCT}")
set(CPACK_STRIP_FILES ON)
set(CPACK_SOURCE_IGNORE_FILES "/\\.git/" "/build[^/]*/" "/out/" "/fuzz/corpus-work/" "\\.swp$")
if(UNIX AND NOT APPLE)
    set(CPACK_GENERATOR "DEB")
endif()

set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION "sound")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
# The run-time libraries (Qt, libstdc++, libc) come from dpkg-shlibdeps, so the
# list follows what the binaries really link and never names a -dev package.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own texts (Yes and No, the file dialogs) in the window's language.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
