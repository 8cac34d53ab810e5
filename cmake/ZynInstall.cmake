# cmake --install puts the libraries, the headers and a package configuration in place, so an
# application can use find_package(zynguipack) and link zynguipack.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

get_property(zyn_targets DIRECTORY ${PROJECT_SOURCE_DIR} PROPERTY BUILDSYSTEM_TARGETS)
set(zyn_export "")
foreach(t IN LISTS zyn_targets)
  if(t MATCHES "^zyn(p_|platform|guipack|_)")
    list(APPEND zyn_export ${t})
  endif()
endforeach()

install(TARGETS ${zyn_export} EXPORT zynguipackTargets
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR})
foreach(dir platform framework resources ${ZYN_PACKAGE_DIRS})
  if(IS_DIRECTORY ${PROJECT_SOURCE_DIR}/${dir})
    install(DIRECTORY ${PROJECT_SOURCE_DIR}/${dir} DESTINATION include/zynguipack
            FILES_MATCHING PATTERN "*.h")
  endif()
endforeach()
install(EXPORT zynguipackTargets DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/zynguipack)
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/zynguipackConfig.cmake.in
  ${CMAKE_BINARY_DIR}/zynguipackConfig.cmake
  INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/zynguipack)
write_basic_package_version_file(${CMAKE_BINARY_DIR}/zynguipackConfigVersion.cmake
  COMPATIBILITY SameMinorVersion)
install(FILES ${CMAKE_BINARY_DIR}/zynguipackConfig.cmake
              ${CMAKE_BINARY_DIR}/zynguipackConfigVersion.cmake
        DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/zynguipack)
install(FILES ${CMAKE_BINARY_DIR}/generated/zynguipack/Version.h DESTINATION include/zynguipack/zynguipack)

# ---- pkg-config: zynguipack.pc beside the CMake package ----------------------------------
# For programs built without CMake: c++ -std=c++20 app.cpp $(pkg-config --cflags --libs zynguipack)
# Static libraries are linked whole, as the CMake targets do, so that every class and
# resource registers itself; shared ones with --no-as-needed for the same reason. The
# prefix is found from the file's own place, so the installed tree can move.
set(zyn_pc_libs "")
foreach(t IN LISTS zyn_export)
  get_target_property(type ${t} TYPE)
  if(type STREQUAL "SHARED_LIBRARY" OR (type STREQUAL "STATIC_LIBRARY" AND NOT BUILD_SHARED_LIBS))
    string(APPEND zyn_pc_libs " -l$<TARGET_LINKER_FILE_BASE_NAME:${t}>")
  endif()
endforeach()
set(zyn_pc_requires "freetype2 fontconfig libpng libjpeg re2 libxml-2.0")
if(SDL2_FOUND)
  string(APPEND zyn_pc_requires " sdl2")
endif()
if(X11_FOUND)
  string(APPEND zyn_pc_requires " x11")
endif()
if(DBUS_FOUND)
  string(APPEND zyn_pc_requires " dbus-1")
endif()
if(ATKBRIDGE_FOUND)
  string(APPEND zyn_pc_requires " atk-bridge-2.0 atk gio-2.0")
endif()
if(BUILD_SHARED_LIBS)
  set(zyn_pc_link "-Wl,--no-as-needed${zyn_pc_libs}")
  set(zyn_pc_requires_line "Requires.private: ${zyn_pc_requires}")
else()
  set(zyn_pc_link "-Wl,--whole-archive${zyn_pc_libs} -Wl,--no-whole-archive")
  set(zyn_pc_requires_line "Requires: ${zyn_pc_requires}")
endif()
string(REGEX REPLACE "[^/]+" ".." zyn_pc_up "${CMAKE_INSTALL_LIBDIR}/pkgconfig")
file(GENERATE OUTPUT ${CMAKE_BINARY_DIR}/zynguipack.pc CONTENT
"prefix=\${pcfiledir}/${zyn_pc_up}
libdir=\${prefix}/${CMAKE_INSTALL_LIBDIR}
includedir=\${prefix}/include/zynguipack

Name: zynguipack
Description: Visual desktop components on their own component framework
Version: ${PROJECT_VERSION}
${zyn_pc_requires_line}
Libs: -L\${libdir} ${zyn_pc_link}
Cflags: -I\${includedir}
")
install(FILES ${CMAKE_BINARY_DIR}/zynguipack.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
