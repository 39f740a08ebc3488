# Qt and GoogleTest headers dominate compile time. Each kind of target (engine, window, test)
# reuses one precompiled header, compiled once per build in a small host library. Headers
# are named in angle brackets so that the generated header holds no path of the checkout,
# which keeps the cached header valid for a clone in another folder.
option(PACKWRIGHT_PCH "Reuse precompiled Qt and GoogleTest headers" ON)

set(PACKWRIGHT_ENGINE_HEADERS
  <QByteArray> <QDateTime> <QDir> <QFile> <QFileInfo> <QHash> <QList> <QObject>
  <QSaveFile> <QSet> <QString> <QStringList>
  <algorithm> <array> <cstdint> <functional> <memory> <optional> <vector>)
set(PACKWRIGHT_WINDOW_HEADERS ${PACKWRIGHT_ENGINE_HEADERS}
  <QImage> <QApplication> <QCheckBox> <QDialog> <QLabel> <QLineEdit> <QMessageBox> <QPushButton>
  <QTimer> <QVBoxLayout> <QWidget>)
set(PACKWRIGHT_TEST_HEADERS ${PACKWRIGHT_WINDOW_HEADERS}
  <QSignalSpy> <QTemporaryDir> <QTest> <gtest/gtest.h>)

function(packwright_pch_host kind)
  set(host packwright_pch_${kind})
  add_library(${host} STATIC ${PROJECT_SOURCE_DIR}/cmake/PchHost.cpp)
  target_link_libraries(${host} PRIVATE packwright_options ${ARGN})
  string(TOUPPER ${kind} upper)
  target_precompile_headers(${host} PRIVATE ${PACKWRIGHT_${upper}_HEADERS})
endfunction()

# packwright_use_pch(<target> engine|window|test)
function(packwright_use_pch target kind)
  if(PACKWRIGHT_PCH)
    target_precompile_headers(${target} REUSE_FROM packwright_pch_${kind})
  endif()
endfunction()

if(PACKWRIGHT_PCH)
  # Qt Test defines the folders of each test target, which would make the test header
  # valid for one folder only; no test looks its data up through them.
  get_target_property(test_definitions Qt6::Test INTERFACE_COMPILE_DEFINITIONS)
  list(FILTER test_definitions EXCLUDE REGEX "^QT_TESTCASE_")
  set_target_properties(Qt6::Test PROPERTIES INTERFACE_COMPILE_DEFINITIONS "${test_definitions}")
  # Engines without Gui use it too: it holds nothing of Gui, and a macro that its headers
  # never read does not invalidate it.
  packwright_pch_host(engine Qt6::Core)
  packwright_pch_host(window Qt6::Widgets)
  packwright_pch_host(test Qt6::Widgets Qt6::Test GTest::gtest)
endif()
