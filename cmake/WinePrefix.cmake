# Tests cross-built for Windows run under wine64, all on the one Wine prefix
# the test preset names. Wine creates a missing prefix on its first start, and
# two tests that start at once race on it: one of them fails with "wine:
# chdir to .../server-...: No such file or directory". So a setup test
# creates and starts the prefix first, and waits until its server has ended;
# every test requires it.

function(vexa_add_wine_prefix_setup)
  if(NOT CMAKE_CROSSCOMPILING OR NOT CMAKE_CROSSCOMPILING_EMULATOR)
    return()
  endif()
  find_program(VEXA_WINESERVER NAMES wineserver wineserver64 PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH REQUIRED)
  add_test(NAME wine_prefix
           COMMAND sh -c "\"$0\" wineboot --init && \"$1\" -w" ${CMAKE_CROSSCOMPILING_EMULATOR} ${VEXA_WINESERVER})
  set_tests_properties(wine_prefix PROPERTIES FIXTURES_SETUP wine_prefix TIMEOUT 300)
endfunction()

# Every test of the calling directory so far needs the prefix.
function(vexa_tests_need_wine_prefix)
  if(NOT CMAKE_CROSSCOMPILING OR NOT CMAKE_CROSSCOMPILING_EMULATOR)
    return()
  endif()
  get_property(tests DIRECTORY PROPERTY TESTS)
  list(REMOVE_ITEM tests wine_prefix)
  if(tests)
    set_tests_properties(${tests} PROPERTIES FIXTURES_REQUIRED wine_prefix)
  endif()
endfunction()
