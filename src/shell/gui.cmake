# Read last of all folders: every file list is complete here, so the GUI targets are made
# here, one per layer: quadrel_view -> quadrel_dialogs -> quadrel_shell -> quadrel.

add_library(quadrel_view STATIC ${QUADREL_VIEW_SOURCES})
target_link_libraries(quadrel_view PUBLIC
  quadrel_geometry quadrel_cursorfile
  Qt6::Widgets Qt6::OpenGL Qt6::OpenGLWidgets Qt6::Multimedia
  OpenGL::GL OpenGL::GLU OpenGL::EGL)

if(QUADREL_DIALOG_SOURCES)
  add_library(quadrel_dialogs STATIC ${QUADREL_DIALOG_SOURCES})
  target_link_libraries(quadrel_dialogs PUBLIC quadrel_view)
else()
  add_library(quadrel_dialogs INTERFACE)
  target_link_libraries(quadrel_dialogs INTERFACE quadrel_view)
endif()

add_library(quadrel_shell STATIC
  shell/apropos.cpp
  shell/cahier.cpp
  shell/chemins.cpp
  shell/demarrage.cpp
  shell/dessin_lecon.cpp
  shell/fichier_lecon.cpp
  shell/historique.cpp
  shell/hote.cpp
  shell/lecons.cpp
  shell/lot.cpp
  shell/fond.cpp
  shell/outils.cpp
  shell/outils_textes.cpp
  shell/pressepapier.cpp
)
target_link_libraries(quadrel_shell PUBLIC quadrel_dialogs quadrel_files)
target_compile_definitions(quadrel_shell PUBLIC QUADREL_VERSION="${PROJECT_VERSION}")
set(QUADREL_RESOURCES ${PROJECT_SOURCE_DIR}/resources)
qt_add_resources(quadrel_shell images
  PREFIX /
  BASE ${QUADREL_RESOURCES}
  FILES ${QUADREL_RESOURCES}/quadrel.png ${QUADREL_RESOURCES}/apropos.jpg
        ${QUADREL_RESOURCES}/boutons/00-repere.png ${QUADREL_RESOURCES}/boutons/01-visuel.png
        ${QUADREL_RESOURCES}/boutons/02-fonction.png ${QUADREL_RESOURCES}/boutons/03-quadriques.png
        ${QUADREL_RESOURCES}/boutons/04-section.png ${QUADREL_RESOURCES}/boutons/05-point.png
        ${QUADREL_RESOURCES}/boutons/06-export.png ${QUADREL_RESOURCES}/boutons/07-videoprojecteur.png
        ${QUADREL_RESOURCES}/boutons/08-apropos.png ${QUADREL_RESOURCES}/boutons/09-weblien.png
        ${QUADREL_RESOURCES}/boutons/10-aide.png ${QUADREL_RESOURCES}/boutons/11-quitter.png
        ${QUADREL_RESOURCES}/point/plus.png ${QUADREL_RESOURCES}/point/moins.png)

# The executable lands in <build>/src/shell with kolu/, wav/, the help page and the example
# lessons beside it,
# where it finds them when not installed (packaging/install.cmake puts them in share/quadrel).
add_executable(quadrel shell/main.cpp)
target_link_libraries(quadrel PRIVATE quadrel_shell)
set_target_properties(quadrel PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/shell)
add_custom_command(TARGET quadrel POST_BUILD
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${QUADREL_RESOURCES}/kolu $<TARGET_FILE_DIR:quadrel>/kolu
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${QUADREL_RESOURCES}/wav $<TARGET_FILE_DIR:quadrel>/wav
  COMMAND ${CMAKE_COMMAND} -E copy ${QUADREL_RESOURCES}/aide.html $<TARGET_FILE_DIR:quadrel>/aide.html
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${PROJECT_SOURCE_DIR}/exemples $<TARGET_FILE_DIR:quadrel>/exemples
  VERBATIM)

# Timings for the notes (not a test): scripts/measure runs it under Xvfb.
add_executable(quadrel_mesures ${PROJECT_SOURCE_DIR}/tools/mesures.cpp)
target_link_libraries(quadrel_mesures PRIVATE quadrel_shell)
set_target_properties(quadrel_mesures PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/shell)
