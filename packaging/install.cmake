# Installed layout (prefix /usr in the package):
#   bin/quadrel
#   share/quadrel/{kolu/,wav/,aide.html,exemples/*.quadrel}
#   desktop entry, icons, MIME type, AppStream metadata, man page, Debian docs.
# The program finds share/quadrel from its own folder (src/shell/chemins.cpp).
if(NOT TARGET quadrel)
  return()
endif()

include(GNUInstallDirs)
set(QUADREL_PACKAGING ${PROJECT_SOURCE_DIR}/packaging)
set(QUADREL_DATADIR ${CMAKE_INSTALL_DATADIR}/quadrel)
set(QUADREL_APPSTREAM_ID fr.quadrel.Quadrel)
# Debian's layout, not GNUInstallDirs' share/doc/Quadrel.
set(QUADREL_DOCDIR ${CMAKE_INSTALL_DATADIR}/doc/quadrel)
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

install(TARGETS quadrel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# A stripped install (the package's) also drops the compiler's notes, as Debian's tools do.
install(CODE "if(CMAKE_INSTALL_DO_STRIP)
  execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment --remove-section=.note
                  \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/quadrel\")
endif()")
install(DIRECTORY ${PROJECT_SOURCE_DIR}/resources/kolu ${PROJECT_SOURCE_DIR}/resources/wav
        DESTINATION ${QUADREL_DATADIR})
install(FILES ${PROJECT_SOURCE_DIR}/resources/aide.html DESTINATION ${QUADREL_DATADIR})

# Lessons are added to exemples/ over time: every one found there is shipped.
file(GLOB QUADREL_EXEMPLES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/exemples/*.quadrel)
if(QUADREL_EXEMPLES)
  install(FILES ${QUADREL_EXEMPLES} DESTINATION ${QUADREL_DATADIR}/exemples)
endif()

install(FILES ${QUADREL_PACKAGING}/quadrel.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${QUADREL_PACKAGING}/quadrel.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
install(FILES ${QUADREL_PACKAGING}/${QUADREL_APPSTREAM_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(taille 48 256)
  install(FILES ${QUADREL_PACKAGING}/icons/quadrel-${taille}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${taille}x${taille}/apps
          RENAME quadrel.png)
endforeach()
install(FILES ${QUADREL_PACKAGING}/icons/quadrel.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# Debian wants the changelog and the man page compressed, without a time stamp or a name in
# the gzip header so that two builds give the same bytes.
function(quadrel_gzip source cible)
  add_custom_command(OUTPUT ${cible}
    COMMAND sh -c "gzip -9nc < \"$0\" > \"$1\"" ${source} ${cible}
    DEPENDS ${source} VERBATIM)
endfunction()
set(QUADREL_GZ ${CMAKE_BINARY_DIR}/packaging)
file(MAKE_DIRECTORY ${QUADREL_GZ})
quadrel_gzip(${QUADREL_PACKAGING}/changelog ${QUADREL_GZ}/changelog.gz)
quadrel_gzip(${QUADREL_PACKAGING}/quadrel.1 ${QUADREL_GZ}/quadrel.1.gz)
add_custom_target(quadrel_docs ALL DEPENDS ${QUADREL_GZ}/changelog.gz ${QUADREL_GZ}/quadrel.1.gz)
add_dependencies(quadrel quadrel_docs)
install(FILES ${QUADREL_GZ}/changelog.gz ${QUADREL_PACKAGING}/copyright
        DESTINATION ${QUADREL_DOCDIR})
install(FILES ${QUADREL_GZ}/quadrel.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${QUADREL_PACKAGING}/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
        RENAME quadrel)

# The changelog's newest entry names the version that is being packaged.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${QUADREL_PACKAGING}/changelog)
file(STRINGS ${QUADREL_PACKAGING}/changelog QUADREL_CHANGELOG_TETE LIMIT_COUNT 1)
if(NOT QUADREL_CHANGELOG_TETE MATCHES "^quadrel \\(${PROJECT_VERSION}\\) ")
  message(WARNING "packaging/changelog does not start with version ${PROJECT_VERSION}")
endif()

# The installed tree, checked as a desktop would read it.
add_test(NAME installation
         COMMAND ${QUADREL_PACKAGING}/check-install ${CMAKE_BINARY_DIR} ${QUADREL_APPSTREAM_ID}
                 ${PROJECT_VERSION})
set_tests_properties(installation PROPERTIES TIMEOUT 120)

include(${QUADREL_PACKAGING}/cpack.cmake)
