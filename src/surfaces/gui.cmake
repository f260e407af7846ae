# The frame, function and render options dialogs, and the sheet's surface lists.
list(APPEND QUADREL_DIALOG_SOURCES
  surfaces/fonction3d.cpp
  surfaces/optionrepere.cpp
  view/optionrendu.cpp
)
list(APPEND QUADREL_VIEW_SOURCES
  view/feuille_surfaces.cpp
)
