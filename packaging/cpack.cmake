# `make package`: one Debian package, quadrel_<version>_<arch>.deb, in the build folder.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quadrel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(QUADREL_MAINTAINER "L'équipe Quadrel <quadrel@example.org>"
    CACHE STRING "Maintainer field of the Debian package")
set(CPACK_PACKAGE_CONTACT "${QUADREL_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${QUADREL_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "3D mathematics for the classroom")
set(CPACK_PACKAGE_DESCRIPTION
    "Quadrel shows a graduated 3D frame and a surface z = f(x, y) typed in
classroom notation, with its level lines, one solid (sphere, cube, cylinder,
double cone, pyramid), the section of the scene by a plane while k runs along
a slider, and a free point that slides on the surface. The view turns, pans
and zooms with the mouse and can be copied to the clipboard.

The interface is in French.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What the linked libraries do not bring: the font the windows ask for, the Qt
# translations, and Mesa's EGL and GL drivers for drawing with no display at all. Qt's
# image (jpeg, gif, ico) and sound plugins ship in libqt6gui6 and libqt6multimedia6,
# which dpkg-shlibdeps finds.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "fonts-comic-neue, qt6-translations-l10n, libegl1, libegl-mesa0, libgl1-mesa-dri")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
