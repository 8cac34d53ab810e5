# Helpers shared by the build files.

set(ZYN_WARNINGS -Wall -Wextra)
# g++ 12 at -O3 reports overlapping copies inside libstdc++ for ordinary string concatenation
# such as "F" + std::to_string(n) (a known false positive of that release); the warning says
# nothing about our code there, so it is off for that compiler only.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_GREATER_EQUAL 12
   AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  list(APPEND ZYN_WARNINGS -Wno-restrict)
endif()

# zyn_stage_includes(NAME DIRS)
# Includes are written from the repository root ("platform/Graphics.h", "meter/Zyn_Meter.h"),
# but a library must see only its own folders and those of the libraries it links. So each
# library publishes a folder of its own in the build tree that holds a link to each of its
# top-level source folders and nothing else; linking a library makes its folders visible.
# Sets <NAME>_INCLUDE_DIR in the caller.
function(zyn_stage_includes name dirs)
  set(stage ${CMAKE_BINARY_DIR}/include-stage/${name})
  file(MAKE_DIRECTORY ${stage})
  foreach(dir IN LISTS dirs)
    string(REGEX REPLACE "/.*" "" top ${dir})
    if(NOT EXISTS ${stage}/${top})
      file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${top} ${stage}/${top} SYMBOLIC)
    endif()
  endforeach()
  set(${name}_INCLUDE_DIR ${stage} PARENT_SCOPE)
endfunction()

# ZYN_LIBRARY_TYPE is STATIC, or SHARED with BUILD_SHARED_LIBS. Shared libraries carry the
# package version and a SONAME of major.minor: the package config promises compatibility
# within one minor version (SameMinorVersion), and the SONAME says the same to the loader.
if(BUILD_SHARED_LIBS)
  set(ZYN_LIBRARY_TYPE SHARED)
else()
  set(ZYN_LIBRARY_TYPE STATIC)
endif()
function(zyn_library_version name)
  if(ZYN_LIBRARY_TYPE STREQUAL "SHARED")
    set_target_properties(${name} PROPERTIES VERSION ${PROJECT_VERSION}
                          SOVERSION ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR})
  endif()
endfunction()

# zyn_area_library(NAME DIRS [LIBS...])
# A library (static, or shared with BUILD_SHARED_LIBS) of every .cpp below the given
# folders (relative to the project root);
# an INTERFACE library while the folders hold no source yet. It sees its own folders and
# those of LIBS (see zyn_stage_includes).
function(zyn_area_library name dirs)
  set(sources "")
  foreach(dir IN LISTS dirs)
    file(GLOB_RECURSE found CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${dir}/*.cpp)
    list(APPEND sources ${found})
  endforeach()
  zyn_stage_includes(${name} "${dirs}")
  if(sources)
    add_library(${name} ${ZYN_LIBRARY_TYPE} ${sources})
    zyn_library_version(${name})
    target_compile_options(${name} PRIVATE ${ZYN_WARNINGS})
    target_include_directories(${name} PUBLIC
      $<BUILD_INTERFACE:${${name}_INCLUDE_DIR}> $<INSTALL_INTERFACE:include/zynguipack>)
    target_compile_features(${name} PUBLIC cxx_std_20)
    target_link_libraries(${name} PUBLIC ${ARGN})
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE
      $<BUILD_INTERFACE:${${name}_INCLUDE_DIR}> $<INSTALL_INTERFACE:include/zynguipack>)
    target_compile_features(${name} INTERFACE cxx_std_20)
    target_link_libraries(${name} INTERFACE ${ARGN})
  endif()
endfunction()

# zyn_component(FOLDER [NEEDS zyn_other ...])
# The library of one component folder: zyn_<folder>, standing on the framework (and so on
# the platform's public headers) and on the component libraries named after NEEDS, which
# is the only way one component may use another. The code is linked whole, so the classes
# register their property tables when the program starts. Nothing is made for a folder
# without sources. Appends the target to ZYN_COMPONENTS in the caller.
function(zyn_component folder)
  cmake_parse_arguments(arg "" "" "NEEDS" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${folder}/*.cpp)
  if(NOT sources)
    return()
  endif()
  zyn_area_library(zyn_${folder}_code ${folder} zyn_framework ${arg_NEEDS})
  # Installed as libzyn_<folder>; the _code suffix only keeps the target names apart.
  set_target_properties(zyn_${folder}_code PROPERTIES OUTPUT_NAME zyn_${folder})
  add_library(zyn_${folder} INTERFACE)
  if(ZYN_LIBRARY_TYPE STREQUAL "SHARED")
    # A shared library runs its registrations when it is loaded; the package's link
    # options keep the linker from leaving a library out that no code calls.
    target_link_libraries(zyn_${folder} INTERFACE zyn_${folder}_code)
  else()
    target_link_libraries(zyn_${folder} INTERFACE "$<LINK_LIBRARY:WHOLE_ARCHIVE,zyn_${folder}_code>")
  endif()
  set(ZYN_COMPONENTS ${ZYN_COMPONENTS} zyn_${folder} PARENT_SCOPE)
endfunction()

# zyn_add_tests(NAME DIR LIBS...)
# One GoogleTest executable from the .cpp files of tests/DIR, registered with CTest (with the
# caller's ZYN_TEST_ENVIRONMENT, the test properties of the sanitizer build, which come last
# and so win over the defaults here).
function(zyn_add_tests name dir)
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  target_compile_options(${name} PRIVATE ${ZYN_WARNINGS})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(${name} PRIVATE ${ARGN} GTest::gtest GTest::gmock GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE
    ZYN_TEST_OUTPUT_DIR="${CMAKE_BINARY_DIR}/test-output"
    ZYN_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 30 ${ZYN_TEST_ENVIRONMENT})
endfunction()

# zyn_embed_resources(TARGET DIR)
# Compiles every file of DIR into TARGET; see cmake/EmbedResources.cmake.
function(zyn_embed_resources target dir)
  if(EXISTS ${PROJECT_SOURCE_DIR}/cmake/EmbedResources.cmake)
    include(${PROJECT_SOURCE_DIR}/cmake/EmbedResources.cmake)
    zyn_embed_resource_files(${target} ${dir})
  endif()
endfunction()

# zyn_platform_area(NAME DIR [LIBS...])
# One area of the platform layer: a library of every .cpp below DIR (relative to the
# project root). The area's class registrations (every *Published.cpp, a static initialiser
# that registers a class and its property table beside the class) go into NAME_classes,
# which everything linking NAME links as a whole archive: nothing calls a registration, so a
# static linker would otherwise leave out the classes a form file names but no code uses.
# Every area publishes the same staged folder, which holds platform/ and nothing else: what
# links the platform sees its headers, never the components beside it.
function(zyn_platform_area name dir)
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${dir}/*.cpp)
  set(registrations ${sources})
  list(FILTER registrations INCLUDE REGEX "Published\\.cpp$")
  list(FILTER sources EXCLUDE REGEX "Published\\.cpp$")
  zyn_stage_includes(zynp_platform platform)
  # A shared library holds its registrations itself: they run when it is loaded.
  if(ZYN_LIBRARY_TYPE STREQUAL "SHARED")
    list(APPEND sources ${registrations})
    set(registrations "")
  endif()
  add_library(${name} ${ZYN_LIBRARY_TYPE} ${sources})
  zyn_library_version(${name})
  target_compile_options(${name} PRIVATE ${ZYN_WARNINGS})
  target_include_directories(${name} PUBLIC
    $<BUILD_INTERFACE:${zynp_platform_INCLUDE_DIR}> $<INSTALL_INTERFACE:include/zynguipack>)
  target_compile_features(${name} PUBLIC cxx_std_20)
  target_link_libraries(${name} PUBLIC ${ARGN})
  if(registrations)
    add_library(${name}_classes STATIC ${registrations})
    target_compile_options(${name}_classes PRIVATE ${ZYN_WARNINGS})
    target_link_libraries(${name}_classes PRIVATE ${name})
    target_link_libraries(${name} INTERFACE "$<LINK_LIBRARY:WHOLE_ARCHIVE,${name}_classes>")
  endif()
endfunction()
