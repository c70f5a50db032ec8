# orvella_add_layer(NAME [EXCLUDE file...] [FILES file...] DEPENDS target...)
#
# The static library orvella_<NAME> of every .cpp and .h file in the calling
# folder (but the EXCLUDE files), or of the FILES alone where one folder makes
# two libraries, with src/ as its include root. DEPENDS names
# the targets whose headers the layer's files include, our own layers and
# outside libraries alike, and nothing more: the link edges are the include
# edges. Each must already exist, so a mistyped name stops the configure
# instead of silently linking nothing.
function(orvella_add_layer name)
  cmake_parse_arguments(L "" "" "EXCLUDE;FILES;DEPENDS" ${ARGN})
  if(L_FILES)
    list(TRANSFORM L_FILES PREPEND ${CMAKE_CURRENT_SOURCE_DIR}/ OUTPUT_VARIABLE sources)
  else()
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp
         ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  endif()
  foreach(excluded ${L_EXCLUDE})
    list(REMOVE_ITEM sources ${CMAKE_CURRENT_SOURCE_DIR}/${excluded})
  endforeach()
  foreach(dependency ${L_DEPENDS})
    if(NOT TARGET ${dependency})
      message(FATAL_ERROR "Layer ${name} depends on ${dependency}, which is no target (yet): "
                          "check the name, or add the layers lowest first.")
    endif()
  endforeach()
  add_library(orvella_${name} STATIC ${sources})
  target_include_directories(orvella_${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(orvella_${name} PUBLIC ${L_DEPENDS})
endfunction()
