# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a C++ source under src/ or tests/ is named in no CMakeLists.txt: sources are
# listed by hand, so a new file is a visible change to the build, and one left out is never
# built (or, for a test, never run).
file(GLOB_RECURSE sources "${ROOT}/src/*.cpp" "${ROOT}/tests/*.cpp")
file(GLOB_RECURSE lists "${ROOT}/src/CMakeLists.txt" "${ROOT}/tests/CMakeLists.txt")
set(text "")
foreach(l IN LISTS lists)
  file(READ "${l}" content)
  string(APPEND text "${content}\n")
endforeach()
set(missing "")
foreach(f IN LISTS sources)
  get_filename_component(name "${f}" NAME)
  # The probe builds on its own.
  if(f MATCHES "/tests/platform/probe/")
    continue()
  endif()
  string(FIND "${text}" "${name}" at)
  if(at EQUAL -1)
    # UI tests are listed by name, without the extension.
    string(REGEX REPLACE "\\.cpp$" "" stem "${name}")
    string(FIND "${text}" "${stem}\n" at)
  endif()
  if(at EQUAL -1)
    list(APPEND missing "${f}")
  endif()
endforeach()
if(missing)
  list(JOIN missing "\n  " msg)
  message(FATAL_ERROR "not named in any CMakeLists.txt:\n  ${msg}")
endif()
list(LENGTH sources n)
message(STATUS "sources listed: ${n} files")
