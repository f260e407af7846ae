# What every dialog shares, in the view layer: the dialog base and the host it is given,
# the field helper, the quick help popup, cursors and sounds.

# The cursor file reader is plain C++ (it is also built into a fuzz target).
add_library(quadrel_cursorfile STATIC services/cursorfile.cpp services/cursorani.cpp)
target_include_directories(quadrel_cursorfile PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})

list(APPEND QUADREL_VIEW_SOURCES
  services/aiderapide.cpp
  services/champ.cpp
  services/curseurs.cpp
  services/dialog_base.cpp
  services/sons.cpp
)
