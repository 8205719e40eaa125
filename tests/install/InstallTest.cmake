# Installs the build into an empty prefix and checks that every file lies where the installed program, the
# desktop and man look for it; validates the desktop entry and the AppStream metadata where the validators
# are at hand and runs the installed pramo-calc on an installed example.
#   cmake -DBUILD=... -DPREFIX=... -DDATA_FROM_PROGRAM=../share/pramo -DDATA_NAMES=a;b -DGUI=ON|OFF -P ...

function(expect_run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${ARGN} failed (${status}):\n${out}${err}")
  endif()
  set(output "${out}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE ${PREFIX})
expect_run(${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX})

set(id cz.tavor.Pramo)
set(expected bin/pramo-calc bin/pramo-db share/man/man1/pramo.1 share/man/man1/pramo-calc.1
    share/man/man1/pramo-db.1 share/bash-completion/completions/pramo-calc
    share/bash-completion/completions/pramo-db share/doc/pramo/README.md
    share/doc/pramo/examples/water-orifice-series.json)
if(GUI)
  list(APPEND expected bin/pramo share/applications/${id}.desktop share/metainfo/${id}.metainfo.xml
       share/icons/hicolor/scalable/apps/${id}.svg)
  foreach(size 16 32 48 64 128 256)
    list(APPEND expected share/icons/hicolor/${size}x${size}/apps/${id}.png)
  endforeach()
endif()
# The program's data files, where ProgramDataFolders() looks from the installed program's folder.
foreach(name IN LISTS DATA_NAMES)
  list(APPEND expected bin/${DATA_FROM_PROGRAM}/${name})
endforeach()
foreach(file IN LISTS expected)
  if(NOT EXISTS ${PREFIX}/${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()

find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
find_program(APPSTREAMCLI appstreamcli)
if(GUI AND DESKTOP_FILE_VALIDATE)
  expect_run(${DESKTOP_FILE_VALIDATE} ${PREFIX}/share/applications/${id}.desktop)
endif()
if(GUI AND APPSTREAMCLI)
  expect_run(${APPSTREAMCLI} validate --no-net ${PREFIX}/share/metainfo/${id}.metainfo.xml)
endif()

expect_run(${PREFIX}/bin/pramo-calc ${PREFIX}/share/doc/pramo/examples/water-orifice-series.json)
string(JSON entry GET "${output}" results 1 SeriesEntry)
if(NOT entry MATCHES "^0; +10000;")
  message(FATAL_ERROR "the installed pramo-calc gave: ${entry}")
endif()
# The certificate renderer is a module the installed tool loads from below the prefix.
expect_run(${PREFIX}/bin/pramo-calc --certificate ${PREFIX}/certificate.pdf
           ${PREFIX}/share/doc/pramo/examples/water-orifice-series.json)
if(NOT EXISTS ${PREFIX}/certificate.pdf)
  message(FATAL_ERROR "the installed pramo-calc wrote no certificate")
endif()
