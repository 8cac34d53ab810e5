# Embedded resources.
#
# zyn_embed_resource_files(TARGET DIR) turns every file of DIR into C++ that registers the
# file's bytes under its name without the extension, upper-cased (BULB.bmp -> "BULB"),
# before main runs. The generated code is built as a static library that reaches every
# program linking TARGET as a whole archive, so the static linker cannot drop the
# registrations (nothing refers to them by name). A changed file is regenerated on the next build; an added or removed file
# is picked up when the build re-checks the folder.
#
# Run as a script (cmake -DINPUT=... -DOUTPUT=... -DNAME=... -P EmbedResources.cmake), this
# file writes the C++ for one resource.

if(CMAKE_SCRIPT_MODE_FILE AND DEFINED OUTPUT)
  file(READ "${INPUT}" hex HEX)
  string(LENGTH "${hex}" hex_length)
  math(EXPR size "${hex_length} / 2")
  # Sixteen bytes per line keeps the generated file readable and the compiler fast.
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(REGEX REPLACE "((0x..,){16})" "\\1\n    " bytes "${bytes}")
  if(size EQUAL 0)
    set(bytes "0x00")
  endif()
  string(MAKE_C_IDENTIFIER "${NAME}" ident)
  file(WRITE "${OUTPUT}.tmp"
"// Generated from ${INPUT}; do not edit.
#include <cstdint>
#include <span>

#include \"platform/graphics/resources/Resources.h\"

namespace {

alignas(8) const std::uint8_t kData[] = {
    ${bytes}
};

struct Registration {
    Registration() { vcl::RegisterResource(\"${NAME}\", std::span<const std::uint8_t>(kData, ${size})); }
} registration_${ident};

}  // namespace
")
  file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
  file(REMOVE "${OUTPUT}.tmp")
  return()
endif()

function(zyn_embed_resource_files target dir)
  set(script ${CMAKE_CURRENT_FUNCTION_LIST_FILE})
  file(GLOB files CONFIGURE_DEPENDS LIST_DIRECTORIES false ${dir}/*)
  list(FILTER files EXCLUDE REGEX "/\\.[^/]*$")   # hidden files (.gitkeep) are not resources
  if(NOT files)
    return()
  endif()
  set(out_dir ${CMAKE_BINARY_DIR}/embedded/${target})
  set(sources "")
  set(names "")
  foreach(file IN LISTS files)
    get_filename_component(stem ${file} NAME_WLE)
    string(TOUPPER "${stem}" name)
    if(name IN_LIST names)
      message(FATAL_ERROR "Two resource files in ${dir} are both named ${name}")
    endif()
    list(APPEND names ${name})
    string(MAKE_C_IDENTIFIER "${name}" ident)
    set(output ${out_dir}/res_${ident}.cpp)
    add_custom_command(OUTPUT ${output}
      COMMAND ${CMAKE_COMMAND} -DINPUT=${file} -DOUTPUT=${output} -DNAME=${name}
              -P ${script}
      DEPENDS ${file} ${script}
      COMMENT "Embedding resource ${name}"
      VERBATIM)
    list(APPEND sources ${output})
  endforeach()

  set(library ${target}_resources)
  add_library(${library} STATIC ${sources})
  target_compile_features(${library} PRIVATE cxx_std_20)
  # The registry lives in the graphics area; linking it here also orders it after the
  # resources on the link line.
  target_link_libraries(${library} PUBLIC zynp_graphics)
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "INTERFACE_LIBRARY" OR type STREQUAL "STATIC_LIBRARY")
    target_link_libraries(${target} INTERFACE "$<LINK_LIBRARY:WHOLE_ARCHIVE,${library}>")
  else()
    target_link_libraries(${target} PRIVATE "$<LINK_LIBRARY:WHOLE_ARCHIVE,${library}>")
  endif()
endfunction()
