# Fails when a file of the core includes window code: the core must stay usable
# without a display, by tests, benchmarks and the stress runs.
# Usage: cmake -DROOT=<source dir> -P CoreIncludes.cmake
file(GLOB_RECURSE sources "${ROOT}/core/*.cpp" "${ROOT}/core/*.h")
set(offenders "")
foreach(source ${sources})
  file(STRINGS "${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<]window/")
  if(includes)
    list(APPEND offenders "${source}: ${includes}")
  endif()
endforeach()
if(offenders)
  list(JOIN offenders "\n" text)
  message(FATAL_ERROR "core files include window code:\n${text}")
endif()
list(LENGTH sources count)
message(STATUS "${count} core files include no window code")
