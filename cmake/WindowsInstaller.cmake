# The Windows installer: packaging/windows/Tembrix.iss.in, filled in with the
# project's version and this build's folders, compiled by Inno Setup's own
# compiler under Wine into ${TEMBRIX_DIST_ROOT}/Tembrix-<version>-setup.exe.
# The compiler reads the Linux folders through Wine's drive Z:.

function(tembrix_wine_path out path)
    string(REPLACE "/" "\\" windows "${path}")
    set(${out} "Z:${windows}" PARENT_SCOPE)
endfunction()

tembrix_wine_path(TEMBRIX_INSTALLER_SOURCE ${PROJECT_SOURCE_DIR})
tembrix_wine_path(TEMBRIX_INSTALLER_DIST ${TEMBRIX_DIST_DIR})
tembrix_wine_path(TEMBRIX_INSTALLER_OUTPUT ${TEMBRIX_DIST_ROOT})
set(TEMBRIX_INSTALLER_SCRIPT ${CMAKE_BINARY_DIR}/packaging/windows/Tembrix.iss)
configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/Tembrix.iss.in ${TEMBRIX_INSTALLER_SCRIPT}
               @ONLY NEWLINE_STYLE CRLF)

add_custom_target(windows-installer
    COMMAND sh ${PROJECT_SOURCE_DIR}/packaging/windows/make-installer.sh ${TEMBRIX_INSTALLER_SCRIPT}
    COMMENT "The installer ${TEMBRIX_DIST_ROOT}/Tembrix-${PROJECT_VERSION}-setup.exe"
    VERBATIM)
add_dependencies(windows-installer windows-dist)
