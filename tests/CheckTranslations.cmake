# Reads the texts of the sources into a copy of each translation as lupdate
# would, then fails on any entry that is unfinished (a new or changed text
# without its translation), vanished or obsolete (a translation whose text
# is gone), and on lupdate's complaints (a tr() it cannot place).
#   cmake -DLUPDATE=... -DSOURCES=src -DTS="a.ts;b.ts" -DOPTIONS="..." -DWORK=dir -P CheckTranslations.cmake
file(MAKE_DIRECTORY ${WORK})
set(failed FALSE)
foreach(ts ${TS})
  get_filename_component(name ${ts} NAME)
  configure_file(${ts} ${WORK}/${name} COPYONLY)
  execute_process(COMMAND ${LUPDATE} ${OPTIONS} ${SOURCES} -ts ${WORK}/${name}
                  RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT result EQUAL 0)
    message(SEND_ERROR "lupdate failed on ${name}: ${out}${err}")
    set(failed TRUE)
  endif()
  if(err MATCHES "[Ww]arning|Cannot|cannot")
    message(SEND_ERROR "lupdate complains about the sources:\n${err}")
    set(failed TRUE)
  endif()
  file(STRINGS ${WORK}/${name} lines)
  set(source "")
  foreach(line IN LISTS lines)
    if(line MATCHES "<source>(.*)</source>")
      set(source "${CMAKE_MATCH_1}")
    elseif(line MATCHES "type=\"(unfinished|vanished|obsolete)\"")
      message(SEND_ERROR "${name}: ${CMAKE_MATCH_1}: ${source}")
      set(failed TRUE)
    endif()
  endforeach()
endforeach()
if(failed)
  message(FATAL_ERROR "The translations do not match the sources; run the target update_translations and translate.")
endif()
