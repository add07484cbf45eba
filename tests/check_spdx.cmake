# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a source file of the project does not name its licence in an
# SPDX line near its top, so a file added later cannot ship unlabelled.
# Usage: cmake -DSOURCE_DIR=<repository> -P check_spdx.cmake
cmake_minimum_required(VERSION 3.25)
file(GLOB_RECURSE sources
  ${SOURCE_DIR}/src/*.h ${SOURCE_DIR}/src/*.cpp ${SOURCE_DIR}/src/*.txt
  ${SOURCE_DIR}/tests/*.h ${SOURCE_DIR}/tests/*.cpp ${SOURCE_DIR}/tests/*.cmake ${SOURCE_DIR}/tests/*.txt
  ${SOURCE_DIR}/bench/*.h ${SOURCE_DIR}/bench/*.cpp ${SOURCE_DIR}/bench/*.txt ${SOURCE_DIR}/bench/*.sh
  ${SOURCE_DIR}/cmake/*.cmake ${SOURCE_DIR}/scripts/* ${SOURCE_DIR}/CMakeLists.txt ${SOURCE_DIR}/*.sh
  ${SOURCE_DIR}/python/*.h ${SOURCE_DIR}/python/*.cpp ${SOURCE_DIR}/python/*.txt ${SOURCE_DIR}/python/tests/*.py
  ${SOURCE_DIR}/examples/python/*.py)
list(FILTER sources EXCLUDE REGEX "/bench/scenarios/")
set(missing "")
foreach(source IN LISTS sources)
  file(STRINGS ${source} head LIMIT_COUNT 3)
  if(NOT head MATCHES "SPDX-License-Identifier: GPL-3.0-or-later")
    file(RELATIVE_PATH name ${SOURCE_DIR} ${source})
    string(APPEND missing "${name}\n")
  endif()
endforeach()
if(missing)
  message(FATAL_ERROR "Source files without an SPDX licence line:\n${missing}")
endif()
