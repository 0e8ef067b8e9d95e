# The directivity tables are generated at build time by tools/dirgen from data/*/cabinets.csv.
# The generator always runs on the build machine: in a cross build it is built as a separate
# project with the host's compiler.
set(DIRECTIVITY_OUT ${CMAKE_BINARY_DIR}/directivity)
if(CMAKE_CROSSCOMPILING)
  include(ExternalProject)
  ExternalProject_Add(dirgen_host
    SOURCE_DIR ${CMAKE_SOURCE_DIR}/tools/dirgen
    BINARY_DIR ${CMAKE_BINARY_DIR}/dirgen-host
    CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release
    INSTALL_COMMAND ""
    BUILD_ALWAYS ON)
  set(DIRGEN_COMMAND ${CMAKE_BINARY_DIR}/dirgen-host/dirgen)
  set(DIRGEN_TARGET dirgen_host)
else()
  add_subdirectory(${CMAKE_SOURCE_DIR}/tools/dirgen ${CMAKE_BINARY_DIR}/dirgen)
  set(DIRGEN_COMMAND $<TARGET_FILE:dirgen>)
  set(DIRGEN_TARGET dirgen)
endif()

set(DIRECTIVITY_OUTPUTS)
foreach(product IN LISTS PRODUCTS)
  list(APPEND DIRECTIVITY_OUTPUTS ${DIRECTIVITY_OUT}/${product}_directivity.S
       ${DIRECTIVITY_OUT}/${product}_directivity.bin)
endforeach()
file(GLOB DIRECTIVITY_INPUTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/*/cabinets.csv)
add_custom_command(
  OUTPUT ${DIRECTIVITY_OUTPUTS}
  COMMAND ${DIRGEN_COMMAND} ${CMAKE_SOURCE_DIR}/data ${DIRECTIVITY_OUT} ${DIRECTIVITY_OUT}/plots
  DEPENDS ${DIRGEN_TARGET} ${DIRECTIVITY_INPUTS}
  COMMENT "Generating directivity tables and polar plots"
  VERBATIM)
add_custom_target(directivity_data DEPENDS ${DIRECTIVITY_OUTPUTS})

# The assembler file that pulls in one deliverable's table; .incbin is invisible to CMake's
# dependency scan, so the object depends on the binary explicitly.
function(directivity_data_sources product out)
  set(asm ${DIRECTIVITY_OUT}/${product}_directivity.S)
  set_source_files_properties(${asm} PROPERTIES GENERATED TRUE
    OBJECT_DEPENDS ${DIRECTIVITY_OUT}/${product}_directivity.bin)
  set(${out} ${asm} PARENT_SCOPE)
endfunction()
