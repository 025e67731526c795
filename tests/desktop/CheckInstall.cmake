# Installs the build tree into a fresh prefix and checks that every file lands
# where file managers, menus and software centres look, and that the entries
# pass their own validators. Run as: cmake -DBUILD=… -DPREFIX=… -P CheckInstall.cmake
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX}
                RESULT_VARIABLE installed OUTPUT_QUIET)
if(NOT installed EQUAL 0)
  message(FATAL_ERROR "installing into ${PREFIX} failed")
endif()

set(expected
    bin/ornival
    bin/ornival-thumbnailer
    bin/ornival-preview
    share/applications/org.ornival.Ornival.desktop
    share/applications/org.ornival.Ornival.Preview.desktop
    share/thumbnailers/ornival.thumbnailer
    share/mime/packages/ornival.xml
    share/metainfo/org.ornival.Ornival.metainfo.xml
    share/icons/hicolor/scalable/apps/org.ornival.Ornival.svg
    share/icons/hicolor/scalable/mimetypes/application-x-ornival.svg
    share/ornival/examples/01-StarAndCross.ornival)
foreach(path IN LISTS expected)
  if(NOT EXISTS ${PREFIX}/${path})
    message(SEND_ERROR "not installed: ${path}")
  endif()
endforeach()

# Each validator must be present: a check that quietly does not run would
# pass for one that ran.
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate REQUIRED)
find_program(APPSTREAMCLI appstreamcli REQUIRED)
foreach(entry org.ornival.Ornival.desktop org.ornival.Ornival.Preview.desktop)
  execute_process(COMMAND ${DESKTOP_FILE_VALIDATE} ${PREFIX}/share/applications/${entry}
                  RESULT_VARIABLE valid OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT valid EQUAL 0 OR NOT out STREQUAL "")
    message(SEND_ERROR "${entry} does not validate:\n${out}")
  endif()
endforeach()
execute_process(COMMAND ${APPSTREAMCLI} validate --no-net --pedantic
                        ${PREFIX}/share/metainfo/org.ornival.Ornival.metainfo.xml
                RESULT_VARIABLE valid OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT valid EQUAL 0)
  message(SEND_ERROR "the AppStream metadata does not validate:\n${out}")
endif()
file(REMOVE_RECURSE ${PREFIX})
