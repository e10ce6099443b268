# SPDX-License-Identifier: GPL-3.0-or-later
# Installation and the Debian package.
#
#   cmake --install build --prefix /usr/local     a developer's installation
#   cmake --build build --target package          build/quorvel_<version>_<arch>.deb (CPack)
#
# Layout under the prefix: lib/quorvel/ holds the program, a "read-only" mark (the program never
# writes there) and links to its content folders (Images, multiple, wav ...) in share/quorvel/;
# bin/quorvel links to the program; share/ also holds the desktop entry, the GIFT file type,
# AppStream metadata, icons, manual page, copyright and lintian overrides.
# The libraries and tools the package depends on are listed in docs/packaging.md.

set(QUORVEL_PACKAGING_DIR ${CMAKE_CURRENT_LIST_DIR}/../packaging)
set(QUORVEL_DESKTOP_DIR ${CMAKE_CURRENT_LIST_DIR}/../content/desktop)
set(QUORVEL_STAGE_DIR ${CMAKE_BINARY_DIR}/packaging)
set(QUORVEL_ICON_SIZES 16 22 24 32 48 64 128 256)
# Fixed rather than GNUInstallDirs' multiarch library folder: the program's own folder is
# architecture-specific already and has to be the same for every prefix.
set(QUORVEL_LIB_DIR lib/quorvel)
set(QUORVEL_DATA_DIR ${CMAKE_INSTALL_DATADIR}/quorvel)

add_subdirectory(${CMAKE_CURRENT_LIST_DIR}/../tools/iconrender ${CMAKE_BINARY_DIR}/tools/iconrender)

# Files that are made from sources: the icon's PNG sizes, the compressed manual page and
# changelog, and the built-in question files as delivered (the run folder's own "multiple"
# holds whatever worksheets were written while developing).
find_program(GZIP gzip REQUIRED)
file(STRINGS ${QUORVEL_PACKAGING_DIR}/changelog latest LIMIT_COUNT 1)
if(NOT latest MATCHES "^quorvel \\(${PROJECT_VERSION}\\) ")
    message(FATAL_ERROR "packaging/changelog needs an entry for version ${PROJECT_VERSION}")
endif()
configure_file(${QUORVEL_PACKAGING_DIR}/quorvel.1 ${QUORVEL_STAGE_DIR}/man/quorvel.1 @ONLY)
configure_file(${QUORVEL_PACKAGING_DIR}/quorvel.es.1 ${QUORVEL_STAGE_DIR}/man/es/quorvel.1 @ONLY)
set(icon ${QUORVEL_DESKTOP_DIR}/org.quorvel.quorvel.svg)
set(stamp ${QUORVEL_STAGE_DIR}/packaging.stamp)
file(GLOB questions CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/../content/multiple/*.txt
     ${CMAKE_CURRENT_LIST_DIR}/../content/*/multiple/*.txt)
add_custom_command(
    OUTPUT ${stamp}
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${QUORVEL_STAGE_DIR}/icons ${QUORVEL_STAGE_DIR}/content
    COMMAND quorvel-iconrender ${icon} ${QUORVEL_STAGE_DIR}/icons ${QUORVEL_ICON_SIZES}
    COMMAND contentgen ${CMAKE_CURRENT_LIST_DIR}/../content ${QUORVEL_STAGE_DIR}/content --only questions
    COMMAND ${CMAKE_COMMAND} -E copy ${QUORVEL_STAGE_DIR}/man/quorvel.1
            ${QUORVEL_PACKAGING_DIR}/changelog ${QUORVEL_STAGE_DIR}
    COMMAND ${GZIP} -9nf ${QUORVEL_STAGE_DIR}/quorvel.1 ${QUORVEL_STAGE_DIR}/changelog
    COMMAND ${CMAKE_COMMAND} -E make_directory ${QUORVEL_STAGE_DIR}/es
    COMMAND ${CMAKE_COMMAND} -E copy ${QUORVEL_STAGE_DIR}/man/es/quorvel.1 ${QUORVEL_STAGE_DIR}/es
    COMMAND ${GZIP} -9nf ${QUORVEL_STAGE_DIR}/es/quorvel.1
    COMMAND ${CMAKE_COMMAND} -E touch ${stamp}
    DEPENDS quorvel-iconrender contentgen ${icon} ${questions}
            ${QUORVEL_STAGE_DIR}/man/quorvel.1 ${QUORVEL_STAGE_DIR}/man/es/quorvel.1
            ${QUORVEL_PACKAGING_DIR}/changelog
    COMMENT "Building the icons, manual page and question files for installation"
    VERBATIM)
add_custom_target(packaging ALL DEPENDS ${stamp})

# Full RELRO, as Debian builds its packages.
target_link_options(quorvel PRIVATE -Wl,-z,relro,-z,now)
target_link_options(quorvel-devices PRIVATE -Wl,-z,relro,-z,now)
target_link_options(quorvel-windows PRIVATE -Wl,-z,relro,-z,now)
install(CODE "set(lib_dir ${QUORVEL_LIB_DIR})
    set(data_dir ${QUORVEL_DATA_DIR})
    set(bin_dir ${CMAKE_INSTALL_BINDIR})
    set(objcopy ${CMAKE_OBJCOPY})")
install(TARGETS quorvel RUNTIME DESTINATION ${QUORVEL_LIB_DIR})
# The windows and device modules are loaded by their paths beside the program, which links
# provide. The files themselves sit one folder further down: a shared object directly in a folder
# of /usr/lib makes CPack add ldconfig calls to the maintainer scripts, which a private module does
# not need.
install(TARGETS quorvel-windows quorvel-devices LIBRARY DESTINATION ${QUORVEL_LIB_DIR}/modules)
# A stripped program also loses the compiler's notes, as Debian's own packages do.
install(CODE [[
    set(lib "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${lib_dir}")
    foreach(module quorvel-windows quorvel-devices)
        file(CREATE_LINK modules/${module}.so "${lib}/${module}.so" SYMBOLIC)
    endforeach()
    if(CMAKE_INSTALL_DO_STRIP)
        foreach(binary quorvel modules/quorvel-windows.so modules/quorvel-devices.so)
            execute_process(COMMAND ${objcopy} --remove-section=.comment --remove-section=.note
                                    "${lib}/${binary}" COMMAND_ERROR_IS_FATAL ANY)
        endforeach()
    endif()
]])
install(FILES ${QUORVEL_PACKAGING_DIR}/read-only DESTINATION ${QUORVEL_LIB_DIR})
install(DIRECTORY ${QUORVEL_RUN_DIR}/ DESTINATION ${QUORVEL_DATA_DIR}
        PATTERN quorvel EXCLUDE PATTERN quorvel-windows.so EXCLUDE
        PATTERN quorvel-devices.so EXCLUDE PATTERN multiple EXCLUDE
        PATTERN read-only EXCLUDE)
# The question files of every language: English in multiple, the others in <language>/multiple.
install(DIRECTORY ${QUORVEL_STAGE_DIR}/content/ DESTINATION ${QUORVEL_DATA_DIR})
# The program finds its content folders beside itself: each is a link into the data folder.
install(CODE [[
    set(root "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
    file(GLOB folders RELATIVE "${root}/${data_dir}" "${root}/${data_dir}/*")
    foreach(folder IN LISTS folders)
        file(CREATE_LINK "../../${data_dir}/${folder}" "${root}/${lib_dir}/${folder}" SYMBOLIC)
    endforeach()
    file(MAKE_DIRECTORY "${root}/${bin_dir}")
    file(CREATE_LINK "../${lib_dir}/quorvel" "${root}/${bin_dir}/quorvel" SYMBOLIC)
]])
install(FILES ${QUORVEL_DESKTOP_DIR}/org.quorvel.quorvel.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${QUORVEL_DESKTOP_DIR}/org.quorvel.quorvel.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# The GIFT file type, so that a file manager opens .gift files with the desktop entry.
install(FILES ${QUORVEL_DESKTOP_DIR}/org.quorvel.quorvel.mime.xml RENAME org.quorvel.quorvel.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
install(FILES ${icon} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(DIRECTORY ${QUORVEL_STAGE_DIR}/icons/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES ${QUORVEL_STAGE_DIR}/quorvel.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${QUORVEL_STAGE_DIR}/es/quorvel.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/es/man1)
install(FILES ${QUORVEL_PACKAGING_DIR}/lintian-overrides RENAME quorvel
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides)
install(FILES ${QUORVEL_PACKAGING_DIR}/copyright ${QUORVEL_STAGE_DIR}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quorvel)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorvel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Quorvel developers <developers@quorvel.org>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://quorvel.org/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
# What dpkg-shlibdeps cannot see: the faces the screens are designed for, and the plugins and
# services Qt loads at run time for pictures, sound and printing.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "fonts-liberation2, fonts-wine, gstreamer1.0-plugins-base, libqt6svg6")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "pulseaudio | pipewire-pulse, gstreamer1.0-plugins-good, cups, qt6-speech-flite-plugin, qt6-speech-speechd-plugin, speech-dispatcher-espeak-ng")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "physical science for primary-school pupils
Quorvel teaches forces, friction, gravity, magnetism, electric circuits and
the work of Michael Faraday to pupils aged 7 to 11. Each topic has key-facts
pages, a ten-question quiz and drag-and-drop labelling and ordering
activities; every result ends with a celebration and, at full marks, a
printed certificate.

Teachers write their own ten-question worksheets, keep them in a catalogue
and print them, and read and print teacher's notes and a guide. Each user
keeps their own worksheets in their home folder.")
include(CPack)
