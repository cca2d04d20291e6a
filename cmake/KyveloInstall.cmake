# What `cmake --install` puts under the prefix: the program, its language files, help pages and
# sample trips, the desktop entry, the AppStream metainfo, the icon in the hicolor theme, the manual
# page, and the copyright and changelog that Debian asks for in /usr/share/doc/kyvelo.
#
# On Windows the program is a folder that runs from wherever it is put: kyvelo.exe with its language
# files and help pages in kyvelo\ beside it (scripts/windows.sh adds Qt and the runtime).
if(WIN32)
  set(CMAKE_INSTALL_BINDIR .)
  set(CMAKE_INSTALL_DATADIR .)
endif()
include(GNUInstallDirs)

set(KYVELO_APP_ID example.kyvelo.Kyvelo)
# Every language file the generator writes (kyvelo_<code>.itl); the program picks one by the user's
# locale or by the choice made in its context menu, and lists them all there.
file(GLOB KYVELO_LANGUAGE_FILES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/app/languages/kyvelo_*.itl)

# The installed program finds the shared data from its own folder, so a prefix moved as a whole or
# staged with DESTDIR still works.
file(RELATIVE_PATH data_from_program ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_DATADIR})
target_compile_definitions(kyvelo_localisation PRIVATE KYVELO_DATA_FROM_PROGRAM="${data_from_program}")

# The built program finds them the same way, so its language menu works before installing.
set(built_language_folder $<TARGET_FILE_DIR:kyvelo>/${data_from_program}/kyvelo)
add_custom_target(kyvelo_package_languages ALL
                  COMMAND ${CMAKE_COMMAND} -E make_directory ${built_language_folder}
                  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${KYVELO_LANGUAGE_FILES} ${built_language_folder}
                  DEPENDS ${KYVELO_LANGUAGE_FILES})
add_dependencies(kyvelo kyvelo_package_languages)

# The 48 x 48 icon is drawn from the scalable one, so the two cannot drift apart. The program's
# windows carry it too, from a resource. Without rsvg-convert the program builds all the same, its
# windows without the icon, and only the scalable icon is installed; packages need it.
find_program(RSVG_CONVERT rsvg-convert)
set(icon_48 ${CMAKE_CURRENT_BINARY_DIR}/icons/48x48/kyvelo.png)
if(RSVG_CONVERT)
  add_custom_command(OUTPUT ${icon_48}
                     COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/icons/48x48
                     COMMAND ${RSVG_CONVERT} -w 48 -h 48 -o ${icon_48} ${PROJECT_SOURCE_DIR}/data/kyvelo.svg
                     DEPENDS ${PROJECT_SOURCE_DIR}/data/kyvelo.svg)
  add_custom_target(kyvelo_icons ALL DEPENDS ${icon_48})
  qt_add_resources(kyvelo_app kyvelo_icon PREFIX /icons BASE ${CMAKE_CURRENT_BINARY_DIR}/icons/48x48 FILES ${icon_48})
else()
  message(STATUS "rsvg-convert not found (Debian: librsvg2-bin): the program's windows have no icon "
                 "and the 48 x 48 icon is not installed; scripts/package.sh needs it.")
  add_custom_target(kyvelo_icons)
endif()

configure_file(${PROJECT_SOURCE_DIR}/data/${KYVELO_APP_ID}.metainfo.xml.in ${KYVELO_APP_ID}.metainfo.xml @ONLY)

# Debian keeps the changelog and the manual page compressed, without name and time stamp.
configure_file(${PROJECT_SOURCE_DIR}/data/debian/kyvelo.1.in doc/kyvelo.1 @ONLY)
set(changelog ${CMAKE_CURRENT_BINARY_DIR}/doc/changelog.gz)
set(manual ${CMAKE_CURRENT_BINARY_DIR}/doc/kyvelo.1.gz)
add_custom_command(OUTPUT ${changelog} ${manual}
                   COMMAND gzip -9 -n -c ${PROJECT_SOURCE_DIR}/data/debian/changelog > ${changelog}
                   COMMAND gzip -9 -n -c ${CMAKE_CURRENT_BINARY_DIR}/doc/kyvelo.1 > ${manual}
                   DEPENDS ${PROJECT_SOURCE_DIR}/data/debian/changelog ${CMAKE_CURRENT_BINARY_DIR}/doc/kyvelo.1)
add_custom_target(kyvelo_docs ALL DEPENDS ${changelog} ${manual})

install(TARGETS kyvelo RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${KYVELO_LANGUAGE_FILES} DESTINATION ${CMAKE_INSTALL_DATADIR}/kyvelo)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/help DESTINATION ${CMAKE_INSTALL_DATADIR}/kyvelo)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/trips DESTINATION ${CMAKE_INSTALL_DATADIR}/kyvelo)
if(WIN32)
  return()
endif()
install(FILES ${PROJECT_SOURCE_DIR}/data/${KYVELO_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${KYVELO_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/data/kyvelo.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
if(RSVG_CONVERT)
  install(FILES ${icon_48} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/48x48/apps)
endif()
install(FILES ${PROJECT_SOURCE_DIR}/data/debian/copyright ${changelog} DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/kyvelo)
install(FILES ${manual} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
