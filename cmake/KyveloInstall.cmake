# What `cmake --install` puts under the prefix: the program, its language files, the desktop entry,
# the AppStream metainfo and the icon in the hicolor theme.
include(GNUInstallDirs)

set(KYVELO_APP_ID example.kyvelo.Kyvelo)
# The German and the English language file; the program picks one by the user's locale.
set(KYVELO_LANGUAGE_FILES ${PROJECT_SOURCE_DIR}/src/app/languages/kyvelo_de.itl
                          ${PROJECT_SOURCE_DIR}/src/app/languages/kyvelo_en.itl)

# The installed program finds the shared data from its own folder, so a prefix moved as a whole or
# staged with DESTDIR still works.
file(RELATIVE_PATH data_from_program ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_DATADIR})
target_compile_definitions(kyvelo_system PRIVATE KYVELO_DATA_FROM_PROGRAM="${data_from_program}")

# The 48 x 48 icon is drawn from the scalable one, so the two cannot drift apart.
find_program(RSVG_CONVERT rsvg-convert REQUIRED)
set(icon_48 ${CMAKE_CURRENT_BINARY_DIR}/icons/48x48/kyvelo.png)
add_custom_command(OUTPUT ${icon_48}
                   COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/icons/48x48
                   COMMAND ${RSVG_CONVERT} -w 48 -h 48 -o ${icon_48} ${PROJECT_SOURCE_DIR}/data/kyvelo.svg
                   DEPENDS ${PROJECT_SOURCE_DIR}/data/kyvelo.svg)
add_custom_target(kyvelo_icons ALL DEPENDS ${icon_48})

configure_file(${PROJECT_SOURCE_DIR}/data/${KYVELO_APP_ID}.metainfo.xml.in ${KYVELO_APP_ID}.metainfo.xml @ONLY)

install(TARGETS kyvelo RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${KYVELO_LANGUAGE_FILES} DESTINATION ${CMAKE_INSTALL_DATADIR}/kyvelo)
install(FILES ${PROJECT_SOURCE_DIR}/data/${KYVELO_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${KYVELO_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/data/kyvelo.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${icon_48} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/48x48/apps)
