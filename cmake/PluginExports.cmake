# Writes the .def file of the Windows plug-in from the two places that
# define its exports: the lines of src/frame/exports.cpp that begin with
# PLUGIN_EXPORT (the shell's own calls, named by the identifier before "("),
# and the rows of the feature table (FEATURE_FUNCTION and
# FEATURE_TIME_FUNCTION rows as f_name, the others as name). A new row is
# therefore all it takes to export a name.
#
# Script mode: cmake -DSOURCE=exports.cpp -DTABLE=feature_table.inc -DOUTPUT=x.def -DLIBRARY=x.dll -P PluginExports.cmake
cmake_minimum_required(VERSION 3.25)
foreach(variable SOURCE TABLE OUTPUT LIBRARY)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "PluginExports.cmake needs -D${variable}=...")
  endif()
endforeach()

set(names "")
macro(add_export name origin)
  if("${name}" IN_LIST names)
    message(FATAL_ERROR "${origin}: ${name} is exported twice")
  endif()
  list(APPEND names "${name}")
endmacro()

file(STRINGS "${SOURCE}" export_lines REGEX "^PLUGIN_EXPORT[ \t]")
foreach(line IN LISTS export_lines)
  if(NOT line MATCHES "([A-Za-z_][A-Za-z0-9_]*)[ \t]*\\(")
    message(FATAL_ERROR "${SOURCE}: no exported name in: ${line}")
  endif()
  add_export("${CMAKE_MATCH_1}" "${SOURCE}")
endforeach()

file(STRINGS "${TABLE}" rows REGEX "^FEATURE_")
foreach(row IN LISTS rows)
  if(row MATCHES "^FEATURE_(TIME_FUNCTION|FUNCTION)\\(([A-Za-z0-9_]+),")
    add_export("f_${CMAKE_MATCH_2}" "${TABLE}")
  elseif(row MATCHES "^FEATURE_(VARIABLE|COMMAND)\\(([A-Za-z0-9_]+),")
    add_export("${CMAKE_MATCH_2}" "${TABLE}")
  else()
    message(FATAL_ERROR "${TABLE}: not a row: ${row}")
  endif()
endforeach()
if(NOT names)
  message(FATAL_ERROR "${SOURCE}, ${TABLE}: no exports")
endif()

list(JOIN names "\n  " exports)
file(WRITE "${OUTPUT}" "; Made at build time from ${SOURCE} and ${TABLE}; edit those, not this.\n"
                     "LIBRARY ${LIBRARY}\nEXPORTS\n  ${exports}\n")
