# cpack -G DEB (from the build folder) makes a Debian package of what cmake --install puts in
# place: libraries, headers, the CMake package and the pkg-config file, under /usr.
set(CPACK_PACKAGE_NAME zynguipack)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Visual desktop components for C++ on their own component framework")
set(CPACK_PACKAGE_VENDOR "zynguipack developers")
set(CPACK_PACKAGE_CONTACT "zynguipack developers <zynguipack@localhost>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION libdevel)
# The package configuration looks the libraries below up when an application is built
# (their development packages), and text needs the fonts at run time.
set(zyn_deb_depends "libfreetype-dev, libfontconfig-dev, libpng-dev, libjpeg-dev, pkg-config, fonts-dejavu-core, fonts-liberation2")
if(SDL2_FOUND)
  string(APPEND zyn_deb_depends ", libsdl2-dev")
endif()
if(ATKBRIDGE_FOUND)
  string(APPEND zyn_deb_depends ", libatk-bridge2.0-dev, libatk1.0-dev")
endif()
set(CPACK_DEBIAN_PACKAGE_DEPENDS "${zyn_deb_depends}")
if(BUILD_SHARED_LIBS)
  # The shared libraries' own dependencies, as dpkg-shlibdeps finds them, when it is there.
  find_program(ZYN_DPKG_SHLIBDEPS dpkg-shlibdeps)
  if(ZYN_DPKG_SHLIBDEPS)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  endif()
endif()
include(CPack)
