# The frame, function and render options dialogs.
list(APPEND QUADREL_DIALOG_SOURCES
  surfaces/gui/fonction3d.cpp
  surfaces/gui/optionrepere.cpp
  view/gui/optionrendu.cpp
)
