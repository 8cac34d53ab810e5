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
