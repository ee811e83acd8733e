# Each layer folder (and each folder of concern inside it) holds portable
# sources, with Windows-only sources in a win32/ subfolder beside them. The
# portable part becomes <layer>_core (built on every host); the whole layer
# becomes <layer> (Windows builds only). Sources are globbed so that adding a
# file needs no edit here.
function(qm_add_layer name)
  set(deps ${ARGN})
  file(GLOB_RECURSE all_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${name}/*.cpp)
  set(core_sources ${all_sources})
  list(FILTER core_sources EXCLUDE REGEX "/win32/")
  set(win_sources ${all_sources})
  list(FILTER win_sources INCLUDE REGEX "/win32/")
  if(core_sources)
    add_library(${name}_core STATIC ${core_sources})
  else()
    add_library(${name}_core INTERFACE)
  endif()
  foreach(dep IN LISTS deps)
    if(TARGET ${dep}_core)
      qm_link(${name}_core ${dep}_core)
    endif()
  endforeach()
  if(WIN32)
    if(win_sources)
      add_library(${name} STATIC ${win_sources})
      target_link_libraries(${name} PUBLIC ${name}_core)
    else()
      add_library(${name} INTERFACE)
      target_link_libraries(${name} INTERFACE ${name}_core)
    endif()
    foreach(dep IN LISTS deps)
      qm_link(${name} ${dep})
    endforeach()
    qm_link(${name} ${QM_WIN32_LIBS})
  endif()
endfunction()

# Links with the keyword that fits the target's kind.
function(qm_link target)
  get_target_property(kind ${target} TYPE)
  if(kind STREQUAL "INTERFACE_LIBRARY")
    target_link_libraries(${target} INTERFACE ${ARGN})
  else()
    target_link_libraries(${target} PUBLIC ${ARGN})
  endif()
endfunction()

set(QM_WIN32_LIBS user32 gdi32 kernel32 advapi32 shell32 shlwapi comdlg32 comctl32
    ole32 oleaut32 uuid winmm version mpr ws2_32 msimg32)

# One test executable per folder of tests: one CTest entry each, because every
# Wine start costs seconds.
function(qm_add_test_exe name)
  cmake_parse_arguments(T "" "DIR;MAIN" "LIBS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/${T_DIR}/*.cpp)
  if(NOT sources)
    return()
  endif()
  # Windows tests may bring dialog templates and other resources of their own.
  if(WIN32)
    file(GLOB resources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/${T_DIR}/*.rc)
    list(APPEND sources ${resources})
  endif()
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE ${T_LIBS} qm_test_support GTest::gtest ${T_MAIN})
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES TIMEOUT 300
    ENVIRONMENT "QM_TEST_DATA=${CMAKE_SOURCE_DIR}/tests/data")
  # Under Wine every test program shares one desktop (the foreground, the
  # focus, the hotkeys, the cursor): even with ctest -j they run one at a time.
  if(WIN32)
    set_tests_properties(${name} PROPERTIES RESOURCE_LOCK wine_desktop)
  endif()
endfunction()
