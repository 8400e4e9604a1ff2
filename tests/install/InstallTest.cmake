# cmake -DBUILD_DIR=... -DPREFIX=... -DEXAMPLE=... -DPROGRAM_TEST=... -P InstallTest.cmake

function(fail)
    string(JOIN "" message ${ARGN})
    message(FATAL_ERROR "${message}")
endfunction()

file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE result OUTPUT_QUIET ERROR_VARIABLE error)
if(result)
    fail("cmake --install failed: " ${error})
endif()

foreach(program tembrix tembrix-convert)
    if(NOT IS_SYMLINK ${PREFIX}/bin/${program})
        fail("${PREFIX}/bin/${program} is not a link")
    endif()
endforeach()
foreach(file lib/tembrix/English.lng lib/tembrix/SetupLine.txt lib/tembrix/tembrix-installed
             share/applications/tembrix.desktop share/metainfo/org.tembrix.Tembrix.metainfo.xml
             share/icons/hicolor/32x32/apps/tembrix.png share/man/man1/tembrix-convert.1.gz
             share/man/man1/tembrix.1.gz share/doc/tembrix/copyright)
    if(NOT EXISTS ${PREFIX}/${file})
        fail("not installed: ${file}")
    endif()
endforeach()

# Through the link, the converter still finds SetupLine.txt in its program folder.
execute_process(COMMAND ${PREFIX}/bin/tembrix-convert ${EXAMPLE} -o -
                RESULT_VARIABLE result OUTPUT_VARIABLE script ERROR_VARIABLE error)
if(result)
    fail("tembrix-convert exited with ${result}: " ${error})
endif()
if(NOT script MATCHES "\n;PrivilegesRequired=lowest[\r\n]+\\[Files\\]")
    fail("the installed SetupLine.txt does not end [Setup]:\n" "${script}")
endif()

set(ENV{TEMBRIX_INSTALLED_PREFIX} ${PREFIX})
execute_process(COMMAND ${PROGRAM_TEST} --gtest_filter=InstalledProgram.*
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
message("${output}")
if(result OR output MATCHES "Running 0 tests")
    fail("the installed wizard failed its test")
endif()
