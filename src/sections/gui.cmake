# The sheet's section lists.
list(APPEND QUADREL_VIEW_SOURCES
  sections/feuille_sections.cpp
)
