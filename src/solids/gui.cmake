# The solid chooser, its pictures and the five solid dialogs.
qt_add_resources(QUADREL_DIALOG_SOURCES ${PROJECT_SOURCE_DIR}/resources/quadriques.qrc)
list(APPEND QUADREL_DIALOG_SOURCES
  solids/caraccone.cpp
  solids/caraccube.cpp
  solids/caraccyl.cpp
  solids/caracpyr.cpp
  solids/caracsphere.cpp
  solids/choixquadrics.cpp
  solids/quadriques.cpp
  solids/solid_dialog.cpp
)
# The sheet's pyramid list.
list(APPEND QUADREL_VIEW_SOURCES
  solids/feuille_pyramide.cpp
)
