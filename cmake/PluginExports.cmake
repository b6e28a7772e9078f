# Writes the .def file of the Windows plug-in from the one list of its
# exports, src/frame/exports.cpp: every line there that begins with
# PLUGIN_EXPORT defines one export, named by the identifier before its "(".
# Adding an export to exports.cpp is therefore all it takes to export it.
#
# Script mode: cmake -DSOURCE=exports.cpp -DOUTPUT=x.def -DLIBRARY=x.dll -P PluginExports.cmake
cmake_minimum_required(VERSION 3.25)
foreach(variable SOURCE OUTPUT LIBRARY)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "PluginExports.cmake needs -D${variable}=...")
  endif()
endforeach()

file(STRINGS "${SOURCE}" export_lines REGEX "^PLUGIN_EXPORT[ \t]")
set(names "")
foreach(line IN LISTS export_lines)
  if(NOT line MATCHES "([A-Za-z_][A-Za-z0-9_]*)[ \t]*\\(")
    message(FATAL_ERROR "${SOURCE}: no exported name in: ${line}")
  endif()
  if(CMAKE_MATCH_1 IN_LIST names)
    message(FATAL_ERROR "${SOURCE}: ${CMAKE_MATCH_1} is exported twice")
  endif()
  list(APPEND names "${CMAKE_MATCH_1}")
endforeach()
if(NOT names)
  message(FATAL_ERROR "${SOURCE}: no line begins with PLUGIN_EXPORT")
endif()

list(JOIN names "\n  " exports)
file(WRITE "${OUTPUT}" "; Made at build time from ${SOURCE}; edit that file, not this one.\n"
                     "LIBRARY ${LIBRARY}\nEXPORTS\n  ${exports}\n")
