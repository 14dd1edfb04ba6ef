# cmake -DBUILD_DIR=... -DPREFIX=... -DBINDIR=bin -DDATADIR=share/ferrovane -DGUI=1|0
#       -DGUIDE=1|0 -P InstalledCli.cmake
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE result OUTPUT_QUIET ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed (${result}):\n${errors}")
endif()

set(expected
    ${BINDIR}/ferrovane-cli
    ${DATADIR}/catalogues/n-33mm.rtr
    share/applications/io.ferrovane.Ferrovane.desktop
    share/mime/packages/ferrovane.xml
    share/icons/hicolor/scalable/apps/ferrovane.svg
    share/icons/hicolor/48x48/apps/ferrovane.png)
if(GUI)
    list(APPEND expected ${BINDIR}/ferrovane)
endif()
if(GUIDE)
    list(APPEND expected ${DATADIR}/guide/index.html ${DATADIR}/guide/index.en.html)
endif()
foreach(file IN LISTS expected)
    if(NOT EXISTS ${PREFIX}/${file})
        message(FATAL_ERROR "not installed: ${file}")
    endif()
endforeach()
# Only what a user needs: no test programs, no static libraries, no headers.
file(GLOB_RECURSE installed RELATIVE ${PREFIX} ${PREFIX}/*)
foreach(file IN LISTS installed)
    if(file MATCHES "(_tests|\\.a|\\.h)$")
        message(FATAL_ERROR "installed but not for users: ${file}")
    endif()
endforeach()

# Run from a folder far from the build tree, so nothing is found by accident.
set(cli ${PREFIX}/${BINDIR}/ferrovane-cli)
execute_process(COMMAND ${cli} --help WORKING_DIRECTORY ${PREFIX}
                RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT result EQUAL 0 OR NOT "${out}${err}" MATCHES "catalogue")
    message(FATAL_ERROR "installed ferrovane-cli --help: ${result}\n${out}${err}")
endif()
file(GLOB catalogues ${PREFIX}/${DATADIR}/catalogues/*.rtr)
list(LENGTH catalogues count)
if(count LESS 3)
    message(FATAL_ERROR "installed catalogues: ${catalogues}")
endif()
foreach(catalogue IN LISTS catalogues)
    execute_process(COMMAND ${cli} catalogue ${catalogue} WORKING_DIRECTORY ${PREFIX}
                    RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT result EQUAL 0 OR out STREQUAL "")
        message(FATAL_ERROR "installed ferrovane-cli catalogue ${catalogue}: ${result}\n${out}${err}")
    endif()
endforeach()
file(REMOVE_RECURSE ${PREFIX})
