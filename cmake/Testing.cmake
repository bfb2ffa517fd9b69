# GoogleTest: the system's build natively, Debian's sources for the cross build.
enable_testing()

if(CMAKE_CROSSCOMPILING)
  set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
  # Debian's sources are not ours to warn about; <chrono> holds a µ that CP932 cannot encode.
  foreach(t gtest gtest_main)
    target_compile_options(${t} PRIVATE -w -fexec-charset=UTF-8)
  endforeach()
else()
  find_package(GTest REQUIRED)
endif()

# ctest runs tests side by side. The ones that use the desktop of the run's Wine prefix and X
# display (windows, focus, keys, the clipboard) take turns on it: set_tests_properties(NAME
# PROPERTIES RESOURCE_LOCK ${PORUTENA_DESKTOP}). Tests with a prefix and a display of their own
# (porutena_wine_display) need no turn.
set(PORUTENA_DESKTOP porutena_desktop)

# porutena_add_test(NAME [DESKTOP] SOURCES ... LIBS ...): one GoogleTest program, one ctest
# entry; DESKTOP when it takes turns on the desktop. Under the cross build ctest starts it
# through Wine (the toolchain's emulator).
function(porutena_add_test name)
  cmake_parse_arguments(T "DESKTOP" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests)
  add_test(NAME ${name} COMMAND ${name} --gtest_color=no)
  set_tests_properties(${name} PROPERTIES TIMEOUT 600)
  if(T_DESKTOP)
    set_tests_properties(${name} PROPERTIES RESOURCE_LOCK ${PORUTENA_DESKTOP})
  endif()
endfunction()
