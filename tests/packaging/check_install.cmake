# Installs the build into a temporary DESTDIR and checks that every file of the installation is there and
# that the desktop entry, the AppStream metainfo and the MIME type pass their validators where installed.
# Input: BUILD_DIR (the build tree), STAGE (a scratch directory).
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE ${STAGE})
set(ENV{DESTDIR} ${STAGE})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /usr RESULT_VARIABLE status
                OUTPUT_QUIET ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${errors}")
endif()

set(root ${STAGE}/usr)
set(app de.lineato.Lineato)
set(expected
    bin/lineato
    bin/lineato-batch
    share/applications/${app}.desktop
    share/metainfo/${app}.metainfo.xml
    share/mime/packages/lineato.xml
    share/icons/hicolor/scalable/apps/${app}.svg
    share/man/man1/lineato.1.gz
    share/man/man1/lineato-batch.1.gz
    share/doc/lineato/help/index.html)
set(failures "")
foreach(path ${expected})
  if(NOT EXISTS ${root}/${path})
    string(APPEND failures "missing: ${path}\n")
  endif()
endforeach()

# The desktop entry's keys as the desktop reads them.
# Semicolons would split CMake lists: the text is searched with commas in their place.
file(READ ${root}/share/applications/${app}.desktop entry)
string(REPLACE ";" "," entry "${entry}")
foreach(line "Name=Lineato" "Exec=lineato %f" "Icon=${app}" "MimeType=application/x-lineato-construction,"
             "Categories=Education,Science,Math,X-Geometry,")
  string(FIND "\n${entry}" "\n${line}\n" at)
  if(at EQUAL -1)
    string(APPEND failures "desktop entry lacks '${line}' (commas for semicolons)\n")
  endif()
endforeach()

# The installed batch tool runs and knows its version.
execute_process(COMMAND ${root}/bin/lineato-batch --version OUTPUT_VARIABLE version RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT version MATCHES "^lineato-batch [0-9]+\\.[0-9]+")
  string(APPEND failures "lineato-batch --version gave '${version}' (status ${status})\n")
endif()

find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
if(DESKTOP_FILE_VALIDATE)
  execute_process(COMMAND ${DESKTOP_FILE_VALIDATE} ${root}/share/applications/${app}.desktop
                  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT status EQUAL 0)
    string(APPEND failures "desktop-file-validate: ${out}\n")
  endif()
endif()
find_program(APPSTREAMCLI appstreamcli)
if(APPSTREAMCLI)
  execute_process(COMMAND ${APPSTREAMCLI} validate --no-net ${root}/share/metainfo/${app}.metainfo.xml
                  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT status EQUAL 0)
    string(APPEND failures "appstreamcli validate: ${out}\n")
  endif()
endif()
# The MIME database built from the package knows *.con files.
find_program(UPDATE_MIME_DATABASE update-mime-database)
if(UPDATE_MIME_DATABASE)
  execute_process(COMMAND ${UPDATE_MIME_DATABASE} ${root}/share/mime RESULT_VARIABLE status
                  OUTPUT_VARIABLE out ERROR_VARIABLE out)
  file(READ ${root}/share/mime/globs2 globs)
  if(NOT status EQUAL 0 OR NOT globs MATCHES "application/x-lineato-construction:\\*\\.con")
    string(APPEND failures "update-mime-database: ${out}\n")
  endif()
endif()

if(failures)
  message(FATAL_ERROR "${failures}")
endif()
