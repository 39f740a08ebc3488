# packwright_mark_window_library(<target>)
# Marks a library of widgets that was not made with packwright_windows, so that no engine
# links it.
function(packwright_mark_window_library target)
  set_target_properties(${target} PROPERTIES PACKWRIGHT_WINDOW_LIBRARY ON)
endfunction()

# Fails when an engine links Qt6::Widgets or a window library. Runs once every target of the
# project exists, because a LINKS entry may be defined in a folder added later.
function(packwright_refuse_window_links engine links)
  foreach(link IN LISTS links)
    if(link STREQUAL "Qt6::Widgets")
      message(FATAL_ERROR "${engine}: engine libraries must not link Qt6::Widgets")
    endif()
    if(TARGET ${link})
      get_target_property(window ${link} PACKWRIGHT_WINDOW_LIBRARY)
      if(window)
        message(FATAL_ERROR "${engine}: engine libraries must not link the window library ${link}")
      endif()
    endif()
  endforeach()
endfunction()

# Runs moc on a library only where one of its sources' headers declares a QObject: moc's scan
# and its empty compilation unit cost every other target time for nothing. A header that
# gains Q_OBJECT later makes the link fail on its missing meta-object; configure again.
function(packwright_moc_when_needed target)
  foreach(source IN LISTS ARGN)
    get_filename_component(stem ${source} NAME_WLE)
    get_filename_component(folder ${source} DIRECTORY)
    set(header ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/${stem}.h)
    if(EXISTS ${header})
      file(STRINGS ${header} declarations REGEX "Q_OBJECT|Q_GADGET|Q_NAMESPACE")
      if(declarations)
        set_target_properties(${target} PROPERTIES AUTOMOC ON)
        return()
      endif()
    endif()
  endforeach()
endfunction()

# packwright_engine(<name> SOURCES ... [QT Core Gui] [LINKS ...])
# An engine library: Qt Core (and Gui where images are needed), never Widgets, nor a library
# of windows.
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
  packwright_moc_when_needed(${name} ${ARG_SOURCES})
  # The values are written into the deferred call now; a deferred call reads variables late.
  cmake_language(EVAL CODE "cmake_language(DEFER DIRECTORY [[${PROJECT_SOURCE_DIR}]]
    CALL packwright_refuse_window_links [[${name}]] [[${ARG_LINKS}]])")
endfunction()

# packwright_windows(<name> SOURCES ... [LINKS ...])
# Window code of a subsystem: frames, forms and dialogs over its engine.
function(packwright_windows name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LINKS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC packwright_options Qt6::Widgets ${ARG_LINKS})
  packwright_use_pch(${name} window)
  packwright_moc_when_needed(${name} ${ARG_SOURCES})
  packwright_mark_window_library(${name})
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
