# klendo_version_fixture(<target> <resource script> [OUTPUT_NAME <file name>])
# Links a resource script into a DLL with no code of its own, so that tests
# have files whose version resources Windows reads as it reads any other.
set(KLENDO_FIXTURE_ENTRY ${CMAKE_CURRENT_LIST_DIR}/fixture_entry.c)

function(klendo_version_fixture target rc)
  cmake_parse_arguments(ARG "" "OUTPUT_NAME;OUTPUT_DIR" "" ${ARGN})
  add_library(${target} MODULE ${rc} ${KLENDO_FIXTURE_ENTRY})
  set_target_properties(${target} PROPERTIES LINKER_LANGUAGE C PREFIX "" SUFFIX "")
  if(ARG_OUTPUT_NAME)
    set_target_properties(${target} PROPERTIES OUTPUT_NAME ${ARG_OUTPUT_NAME})
  else()
    set_target_properties(${target} PROPERTIES OUTPUT_NAME ${target}.dll)
  endif()
  if(ARG_OUTPUT_DIR)
    set_target_properties(${target} PROPERTIES LIBRARY_OUTPUT_DIRECTORY ${ARG_OUTPUT_DIR})
  endif()
  target_link_options(${target} PRIVATE -nostdlib -s)
endfunction()
