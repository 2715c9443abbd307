# A Windows build made on Linux with MinGW-w64 (see mingw-w64-x86_64.cmake):
# the programs it makes at build time (the demo game) and its tests run
# under Wine, and every library comes from Debian's MinGW packages or sources.

# Without Qt nothing needs the runtime as DLLs, so the programs and tests are
# linked statically and run wherever they are copied. A Qt build shares one
# C++ runtime with Qt's DLLs instead.
if(VH_GUI)
  set(vh_static_default OFF)
else()
  set(vh_static_default ON)
endif()
option(VH_STATIC_RUNTIME "Link the MinGW C, C++ and thread runtimes statically" ${vh_static_default})
if(VH_STATIC_RUNTIME)
  add_link_options(-static)
endif()

# Debian's libz-mingw-w64-dev has the static library too; zlib is plain C
# and shares nothing with Qt, so it goes into the programs either way.
set(ZLIB_USE_STATIC_LIBS ON)

# Program icons and version information.
enable_language(RC)

# The MinGW runtime DLLs a program built against them loads: the C++ and
# GCC runtimes beside the compiler, the thread library in the target root.
set(VH_MINGW_RUNTIME_DLLS)
if(NOT VH_STATIC_RUNTIME)
  foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                    OUTPUT_VARIABLE vh_dll OUTPUT_STRIP_TRAILING_WHITESPACE)
    get_filename_component(vh_dll "${vh_dll}" REALPATH)
    if(NOT EXISTS "${vh_dll}")
      message(FATAL_ERROR "The MinGW runtime ${dll} is not where the compiler says (${vh_dll})")
    endif()
    list(APPEND VH_MINGW_RUNTIME_DLLS ${vh_dll})
  endforeach()
  # Beside the programs and the tests, where Windows looks first, so that
  # they run from the build folder as from the archive.
  file(COPY ${VH_MINGW_RUNTIME_DLLS} DESTINATION ${CMAKE_BINARY_DIR}/bin)
  file(COPY ${VH_MINGW_RUNTIME_DLLS} DESTINATION ${CMAKE_BINARY_DIR}/tests)
endif()

# Wine runs what the build made; each build folder has its own prefix, set up
# here once (that takes a while), so that programs started in parallel never
# race to create it.
find_program(VH_WINE NAMES wine64 wine PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
set(VH_WINEPREFIX "${CMAKE_BINARY_DIR}/wineprefix" CACHE PATH "Wine prefix the cross-built programs run in")
if(VH_WINE AND NOT CMAKE_CROSSCOMPILING_EMULATOR)
  # No Mono and no Gecko: nothing here needs them, and Wine would ask for them.
  set(vh_wine_env WINEDEBUG=-all WINEPREFIX=${VH_WINEPREFIX} WINEDLLOVERRIDES=mscoree,mshtml=)
  if(NOT EXISTS "${VH_WINEPREFIX}/system.reg")
    message(STATUS "Creating the Wine prefix ${VH_WINEPREFIX}")
    execute_process(COMMAND ${CMAKE_COMMAND} -E env ${vh_wine_env} ${VH_WINE} wineboot --init
                    RESULT_VARIABLE vh_wineboot OUTPUT_QUIET ERROR_QUIET)
  endif()
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_COMMAND} -E env ${vh_wine_env} ${VH_WINE})
endif()
if(NOT CMAKE_CROSSCOMPILING_EMULATOR)
  message(WARNING "No Wine found: the demo game cannot be written and the tests cannot run")
endif()

# GoogleTest from the sources Debian's libgtest-dev ships, built with the
# cross compiler.
macro(vh_gtest_from_source)
  find_package(GTest QUIET)
  if(NOT GTest_FOUND)
    if(NOT EXISTS /usr/src/googletest/CMakeLists.txt)
      message(FATAL_ERROR "GoogleTest for Windows: neither found nor its sources in /usr/src/googletest")
    endif()
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    if(NOT TARGET GTest::gtest)
      add_library(GTest::gtest ALIAS gtest)
      add_library(GTest::gtest_main ALIAS gtest_main)
    endif()
  endif()
endmacro()
