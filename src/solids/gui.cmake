# The solid chooser, its pictures and the five solid dialogs.
qt_add_resources(QUADREL_DIALOG_SOURCES ${PROJECT_SOURCE_DIR}/resources/quadriques.qrc)
list(APPEND QUADREL_DIALOG_SOURCES
  solids/gui/caraccone.cpp
  solids/gui/caraccube.cpp
  solids/gui/caraccyl.cpp
  solids/gui/caracpyr.cpp
  solids/gui/caracsphere.cpp
  solids/gui/choixquadrics.cpp
  solids/gui/solid_windows.cpp
  solids/gui/solid_dialog.cpp
)
