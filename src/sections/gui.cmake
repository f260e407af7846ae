# The sheet's section lists.
list(APPEND QUADREL_VIEW_SOURCES
  sections/feuille_sections.cpp
)
# The section and free point dialogs.
list(APPEND QUADREL_DIALOG_SOURCES
  sections/choixsection.cpp
  sections/pointlibre.cpp
)
