# Refuses a source of a layer that includes a header of a layer it may not use (see
# src/CMakeLists.txt). Used two ways:
#
# - included at configure time, for trivane_check_layer_includes();
# - run by the build, whenever a source of the layer changes:
#     cmake -DLAYER=<name> "-DFORBIDDEN=<layers>" -DLAYER_DIR=<folder of the layer>
#           "-DSOURCES=<files of the layer>" -DSTAMP=<file> -P CheckLayerIncludes.cmake
#   which touches STAMP when every include is allowed.

# trivane_check_layer_includes(<layer> <folder of the layer> FORBIDDEN <layers...> SOURCES <files...>)
function(trivane_check_layer_includes layer layer_dir)
  cmake_parse_arguments(CHECK "" "" "FORBIDDEN;SOURCES" ${ARGN})
  foreach(source ${CHECK_SOURCES})
    file(STRINGS ${layer_dir}/${source} includes REGEX "^#include \"")
    foreach(line ${includes})
      foreach(higher ${CHECK_FORBIDDEN})
        if(line MATCHES "^#include \"${higher}/")
          message(FATAL_ERROR "src/${layer}/${source} includes a header of the layer above it: ${line}")
        endif()
      endforeach()
    endforeach()
  endforeach()
endfunction()

if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
  trivane_check_layer_includes(${LAYER} ${LAYER_DIR} FORBIDDEN ${FORBIDDEN} SOURCES ${SOURCES})
  file(TOUCH ${STAMP})
endif()
