# The section and free point dialogs.
list(APPEND QUADREL_DIALOG_SOURCES
  sections/gui/choixsection.cpp
  sections/gui/pointlibre.cpp
)
