# cmake -DBUILD_DIR=... -DSTAGE=... -DAPPLICATION_ID=... -DDESKTOP_FILE_VALIDATE=...
#       -DAPPSTREAMCLI=... -P CheckInstalledLayout.cmake
# Installs the build below STAGE, checks that every file a desktop and the program look for
# is there, and validates the desktop entry and the AppStream metadata.
file(REMOVE_RECURSE ${STAGE})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${STAGE}/usr
  OUTPUT_QUIET RESULT_VARIABLE installed)
if(NOT installed EQUAL 0)
  message(FATAL_ERROR "cmake --install failed")
endif()

set(expected
  bin/packwright
  bin/packwright-cli
  share/packwright/English.lng
  share/packwright/Deutsch.lng
  share/packwright/Readme.txt
  share/packwright/Liesmich.txt
  share/packwright/dropimg.jpg
  share/packwright/dropimg_de.jpg
  share/packwright/filelist_template.html
  share/packwright/filelist_template.xml
  share/packwright/filelist_template.txt
  share/applications/${APPLICATION_ID}.desktop
  share/metainfo/${APPLICATION_ID}.metainfo.xml
  share/icons/hicolor/scalable/apps/packwright.svg
  share/icons/hicolor/48x48/apps/packwright.png
  share/icons/hicolor/128x128/apps/packwright.png
  share/icons/hicolor/256x256/apps/packwright.png
  share/man/man1/packwright.1
  share/man/man1/packwright-cli.1
  share/bash-completion/completions/packwright-cli)
foreach(file IN LISTS expected)
  if(NOT EXISTS ${STAGE}/usr/${file})
    message(SEND_ERROR "not installed: ${file}")
  endif()
endforeach()

# Every library the programs link must be found where they are installed.
foreach(program packwright packwright-cli)
  execute_process(COMMAND ldd ${STAGE}/usr/bin/${program} OUTPUT_VARIABLE libraries)
  if(libraries MATCHES "([^\n]*not found)")
    message(SEND_ERROR "${program}: ${CMAKE_MATCH_1}")
  endif()
endforeach()

foreach(check
    "${DESKTOP_FILE_VALIDATE};${STAGE}/usr/share/applications/${APPLICATION_ID}.desktop"
    "${APPSTREAMCLI};validate;--no-net;${STAGE}/usr/share/metainfo/${APPLICATION_ID}.metainfo.xml")
  execute_process(COMMAND ${check} RESULT_VARIABLE result OUTPUT_VARIABLE output
    ERROR_VARIABLE output)
  if(NOT result EQUAL 0)
    message(SEND_ERROR "${check}:\n${output}")
  endif()
endforeach()
file(REMOVE_RECURSE ${STAGE})
