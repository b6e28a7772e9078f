# The release.
# Linux: cmake --install puts the shell, its services library, the plug-in
# and the help pages together in lib/kalendra/ (the shell loads the plug-in
# found beside itself), a link bin/torvane to the shell, and the readme with
# the sample holidays.ini (an example to copy, never active by itself) in
# share/doc/kalendra/.
# Installed binaries are stripped; the build folder keeps the debug
# information.
# Windows: the build makes release/kalendra-VERSION-x64.zip with the plug-in
# (stripped: no debug sections), the compiled help, the sample holidays.ini
# and a short readme.
if(NOT WIN32)
  set_target_properties(torvane torvane_services kalendra PROPERTIES INSTALL_RPATH "$ORIGIN")
  # Read by the install rules of the targets below, as --strip would set it.
  install(CODE "set(CMAKE_INSTALL_DO_STRIP TRUE)")
  install(TARGETS torvane torvane_services kalendra RUNTIME DESTINATION lib/kalendra LIBRARY DESTINATION lib/kalendra)
  install(DIRECTORY ${KALENDRA_HELP_PAGES}/ DESTINATION lib/kalendra/help)
  install(FILES README.md data/holidays.ini DESTINATION share/doc/kalendra)
  install(CODE [[
    file(MAKE_DIRECTORY "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/bin")
    file(CREATE_LINK ../lib/kalendra/torvane "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/bin/torvane" SYMBOLIC)
  ]])
else()
  set(release_name kalendra-${PROJECT_VERSION}-x64)
  set(release_zip ${CMAKE_BINARY_DIR}/release/${release_name}.zip)
  set(release_stage ${CMAKE_BINARY_DIR}/release/${release_name})
  add_custom_command(
    OUTPUT ${release_zip}
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${release_stage}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${release_stage}
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:kalendra> ${KALENDRA_HELP_FILE} ${release_stage}/
    COMMAND ${CMAKE_STRIP} --strip-all ${release_stage}/$<TARGET_FILE_NAME:kalendra>
    COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/data/holidays.ini ${release_stage}/holidays.ini.sample
    COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/docs/windows-readme.txt ${release_stage}/README.txt
    COMMAND ${CMAKE_COMMAND} -E chdir ${CMAKE_BINARY_DIR}/release ${CMAKE_COMMAND} -E tar cf ${release_zip} --format=zip ${release_name}
    DEPENDS kalendra kalendra_help ${KALENDRA_HELP_FILE} ${PROJECT_SOURCE_DIR}/data/holidays.ini
            ${PROJECT_SOURCE_DIR}/docs/windows-readme.txt
    COMMENT "Packing ${release_name}.zip")
  add_custom_target(kalendra_release ALL DEPENDS ${release_zip})
  set(KALENDRA_RELEASE_ZIP ${release_zip})  # for the test of its contents
endif()
