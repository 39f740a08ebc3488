# packwright_engine(<name> SOURCES ... [QT Core Gui] [LINKS ...])
# An engine library: Qt Core (and Gui where images are needed), never Widgets.
function(packwright_engine name)
  cmake_parse_arguments(ARG "" "" "SOURCES;QT;LINKS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  set(qt_targets Qt6::Core)
  foreach(component IN LISTS ARG_QT)
    if(component STREQUAL "Widgets")
      message(FATAL_ERROR "${name}: engine libraries must not link Qt6::Widgets")
    endif()
    list(APPEND qt_targets Qt6::${component})
  endforeach()
  target_link_libraries(${name} PUBLIC packwright_options ${qt_targets} ${ARG_LINKS})
  packwright_use_pch(${name} engine)
endfunction()

# packwright_windows(<name> SOURCES ... [LINKS ...])
# Window code of a subsystem: frames, forms and dialogs over its engine.
function(packwright_windows name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LINKS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC packwright_options Qt6::Widgets ${ARG_LINKS})
  packwright_use_pch(${name} window)
endfunction()

# packwright_test(<name> SOURCES ... LINKS ...)
# A GoogleTest executable run by ctest; widget tests run on the offscreen platform.
function(packwright_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LINKS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE packwright_options packwright_test_support ${ARG_LINKS})
  packwright_use_pch(${name} test)
  gtest_discover_tests(${name}
    DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "PACKWRIGHT_HOME=${CMAKE_BINARY_DIR}/bin")
endfunction()
