# Adds each listed folder that has a CMakeLists.txt, so a layer can be
# added to the tree without touching this file.
function(zembal_add_subdirs_if_present)
  foreach(dir IN LISTS ARGN)
    if(EXISTS ${CMAKE_SOURCE_DIR}/${dir}/CMakeLists.txt)
      add_subdirectory(${CMAKE_SOURCE_DIR}/${dir} ${CMAKE_BINARY_DIR}/${dir})
    endif()
  endforeach()
endfunction()

# A native GoogleTest program registered with ctest under the label "host".
# Built by emscripten, it runs under node on the real file system, under the
# label "web" (node's own fetch would trip the loader).
function(zembal_host_test name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE GTest::gtest GTest::gtest_main)
  if(EMSCRIPTEN)
    find_program(NODE node REQUIRED)
    target_link_options(${name} PRIVATE -sNODERAWFS=1 -sENVIRONMENT=node -sALLOW_MEMORY_GROWTH)
    add_test(NAME ${name}_wasm COMMAND ${NODE} --no-experimental-fetch $<TARGET_FILE:${name}> --gtest_brief=1)
    set_tests_properties(${name}_wasm PROPERTIES LABELS web)
  else()
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES LABELS host)
  endif()
endfunction()

# A Win32 GoogleTest program; ctest runs it through Wine (the cross
# toolchain's emulator) under the label "win". The caller's environment
# provides the Wine prefix and the display (scripts/wine-session).
function(zembal_win_test name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE gtest gtest_main)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES LABELS win TIMEOUT 300)
endfunction()
