# Lesson files: the reader and writer need Qt Core (its JSON parser) and nothing of the GUI,
# so they are built with QUADREL_NO_GUI too, for the sanitizer tests and the fuzzer.
find_package(Qt6 REQUIRED COMPONENTS Core)
add_library(quadrel_files STATIC files/lecon_ecrire.cpp files/lecon_lire.cpp)
target_include_directories(quadrel_files PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(quadrel_files PUBLIC quadrel_geometry PRIVATE Qt6::Core)
