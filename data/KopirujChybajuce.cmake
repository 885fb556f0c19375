# Copies every file below ZDROJ into CIEL, keeping the relative path, only when the
# target file is missing: what the user or the program changed is never overwritten.
# Files and folders whose name begins with "." are not shipped.
#   cmake -DZDROJ=<dir> -DCIEL=<dir> -P KopirujChybajuce.cmake

if(NOT DEFINED ZDROJ OR NOT DEFINED CIEL)
  message(FATAL_ERROR "KopirujChybajuce: ZDROJ and CIEL are required")
endif()
if(NOT IS_DIRECTORY "${ZDROJ}")
  return()
endif()

file(GLOB_RECURSE _subory RELATIVE "${ZDROJ}" "${ZDROJ}/*")
foreach(_rel IN LISTS _subory)
  if(_rel MATCHES "(^|/)\\.")
    continue()
  endif()
  set(_ciel "${CIEL}/${_rel}")
  if(NOT EXISTS "${_ciel}")
    get_filename_component(_adresar "${_ciel}" DIRECTORY)
    file(MAKE_DIRECTORY "${_adresar}")
    file(COPY_FILE "${ZDROJ}/${_rel}" "${_ciel}")
    message(STATUS "Shipped: ${_rel}")
  endif()
endforeach()
