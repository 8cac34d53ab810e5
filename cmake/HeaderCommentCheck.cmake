# Fails when a public header of a component or of framework/ carries a member comment made
# from the member's name ("The handler of event OnX.", "Draws the control.", "Sets the X
# property."): such a comment reaches the API reference and the component pages but tells
# the reader nothing the declaration does not.
#   cmake -DSOURCE_DIR=<source folder> -P HeaderCommentCheck.cmake
if(NOT SOURCE_DIR)
  message(FATAL_ERROR "HeaderCommentCheck: SOURCE_DIR is not set")
endif()

set(folders colsel foldertree framework gradfl marksel meter minical ntabed numio numlab
            onoffbut progbar rasterlab replist repsbut rotlab sevenseg thumbnails)
set(patterns
  "The handler of event On[A-Za-z]+"
  "Sets the handler of event On[A-Za-z]+"
  "The On[A-Za-z]+ event\\."
  "(The|Sets the|Gets the) [A-Za-z]+ property\\."
  "(Gets|Sets|Returns) the [A-Za-z]+\\.$"
  "Fires On[A-Za-z]+\\.$"
  "Handles an? [a-z ]+( \\([a-z ]+\\))?\\.$"
  "Draws the control\\.$"
  "Draws one cell of the grid\\.$"
  "Whether the cell may become the current one\\.$"
  "The window procedure: dispatches messages\\.$")

set(found "")
set(headers 0)
foreach(folder IN LISTS folders)
  file(GLOB files "${SOURCE_DIR}/${folder}/*.h")
  foreach(file IN LISTS files)
    math(EXPR headers "${headers} + 1")
    file(STRINGS "${file}" lines)
    set(number 0)
    foreach(line IN LISTS lines)
      math(EXPR number "${number} + 1")
      if(NOT line MATCHES "///")
        continue()
      endif()
      string(REGEX REPLACE "^.*///<? ?" "" text "${line}")
      foreach(pattern IN LISTS patterns)
        if(text MATCHES "^${pattern}")
          file(RELATIVE_PATH shown "${SOURCE_DIR}" "${file}")
          string(APPEND found "  ${shown}:${number}: ${text}\n")
          break()
        endif()
      endforeach()
    endforeach()
  endforeach()
endforeach()

if(headers EQUAL 0)
  message(FATAL_ERROR "HeaderCommentCheck: no headers under ${SOURCE_DIR}")
endif()
if(found)
  message(FATAL_ERROR "Member comments that only repeat the member's name; say what the "
                      "member means (units, range, default, what changes, which event):\n${found}")
endif()
message(STATUS "${headers} headers: every member comment says more than the name")
