# Fails when a source file includes a header from a folder its layer may not
# use, or when a Qt-free layer includes a Qt header.
#   cmake -DROOT=<source dir> -P CheckLayers.cmake
#
# A folder may include its own headers and those of the folders listed for it.
set(allowed_base "")
set(allowed_mission base)
set(allowed_graphics base)
set(allowed_config mission base)
set(allowed_hexmap mission graphics base)
set(allowed_generator hexmap mission base)
set(allowed_views generator hexmap config graphics mission base)
set(allowed_tools views generator hexmap config graphics mission base)
set(allowed_shell tools views generator hexmap config graphics mission base)
set(allowed_cli config hexmap graphics mission base)
# The demo installation is drawn with the core alone; it shares the tests'
# TPWM encoder for the coded names file of a sample mission.
set(allowed_demo generator hexmap config graphics mission base support)

set(qt_free base mission graphics config hexmap generator)
set(project_folders base mission graphics config hexmap generator views tools shell cli demo)

if(NOT ROOT)
  message(FATAL_ERROR "ROOT is not set")
endif()

set(faults "")
foreach(layer IN LISTS project_folders)
  if(layer STREQUAL "demo")
    set(dir "${ROOT}/demo")
  else()
    set(dir "${ROOT}/src/${layer}")
  endif()
  file(GLOB_RECURSE sources "${dir}/*.h" "${dir}/*.cpp")
  set(ok ${layer} ${allowed_${layer}})
  list(FIND qt_free ${layer} qt_free_index)
  foreach(source IN LISTS sources)
    file(STRINGS "${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
    file(RELATIVE_PATH shown "${ROOT}" "${source}")
    foreach(line IN LISTS includes)
      if(line MATCHES "#[ \t]*include[ \t]*\"([^\"/]+)/[^\"]*\"")
        set(folder "${CMAKE_MATCH_1}")
        list(FIND ok "${folder}" found)
        if(found EQUAL -1)
          list(APPEND faults "${shown}: ${layer} may not include from ${folder}/ (${line})")
        endif()
      elseif(NOT qt_free_index EQUAL -1 AND line MATCHES "#[ \t]*include[ \t]*<(Q[A-Za-z]*|qt[^>]*)[/>]")
        list(APPEND faults "${shown}: ${layer} is Qt-free and may not include ${line}")
      endif()
    endforeach()
  endforeach()
endforeach()

if(faults)
  list(JOIN faults "\n  " text)
  message(FATAL_ERROR "Includes against the layering:\n  ${text}")
endif()
message(STATUS "Layering holds")
