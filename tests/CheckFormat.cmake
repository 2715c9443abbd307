# Fails when a C++ source differs from what the project's .clang-format makes
# of it, so reviews never argue about layout.
#   cmake -DROOT=<source dir> -DCLANG_FORMAT=<program> -P CheckFormat.cmake
if(NOT CLANG_FORMAT)
  message(FATAL_ERROR "clang-format was not found; scripts/dev installs it")
endif()
set(sources "")
foreach(dir src tests bench demo fuzz)
  file(GLOB_RECURSE found "${ROOT}/${dir}/*.cpp" "${ROOT}/${dir}/*.h")
  list(APPEND sources ${found})
endforeach()
list(SORT sources)
execute_process(COMMAND ${CLANG_FORMAT} --dry-run --Werror ${sources}
                WORKING_DIRECTORY ${ROOT}
                RESULT_VARIABLE result ERROR_VARIABLE complaints)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "Not formatted (run clang-format -i on these):\n${complaints}")
endif()
list(LENGTH sources count)
message(STATUS "${count} files formatted")
