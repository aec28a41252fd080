# The library's headers as programs include them, <tessel/LAYER/NAME.h>: the build's
# include/tessel/ holds a link to each layer's folder, and one header per layer
# (<tessel/platform.h>, <tessel/framework.h>, <tessel/media.h>, <tessel/skin.h>) that
# includes every public header of it. The GTK backend's own headers are not public.
set(TESSEL_INCLUDE_DIR ${PROJECT_BINARY_DIR}/include)
set(TESSEL_LAYER_HEADERS "")
file(MAKE_DIRECTORY ${TESSEL_INCLUDE_DIR}/tessel)
foreach(layer platform framework media skin)
  file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${layer} ${TESSEL_INCLUDE_DIR}/tessel/${layer} SYMBOLIC)
  file(GLOB_RECURSE headers CONFIGURE_DEPENDS RELATIVE ${PROJECT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/${layer}/*.h)
  list(FILTER headers EXCLUDE REGEX "^platform/gtk/")
  list(SORT headers)
  set(text "// Every public header of the library's ${layer} layer.\n#pragma once\n\n")
  foreach(header ${headers})
    string(APPEND text "#include <tessel/${header}>\n")
  endforeach()
  file(CONFIGURE OUTPUT ${TESSEL_INCLUDE_DIR}/tessel/${layer}.h CONTENT "${text}" @ONLY)
  list(APPEND TESSEL_LAYER_HEADERS ${TESSEL_INCLUDE_DIR}/tessel/${layer}.h)
endforeach()
