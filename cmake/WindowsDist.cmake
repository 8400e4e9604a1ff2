# The portable folder: the two programs, the DLLs they load (found from their
# imports with MinGW's objdump, never from a list), the Qt plug-ins that Qt
# loads by name, the language file and SetupLine.txt. `windows-dist` installs
# it into dist/Tembrix-<version>-windows-x64/ and packs the zip beside it.

set(TEMBRIX_DIST_ROOT ${CMAKE_BINARY_DIR}/dist CACHE PATH "Where windows-dist puts the folder and zip")
set(TEMBRIX_DIST_NAME Tembrix-${PROJECT_VERSION}-windows-x64)
set(TEMBRIX_DIST_DIR ${TEMBRIX_DIST_ROOT}/${TEMBRIX_DIST_NAME})
set(TEMBRIX_DIST_ZIP ${TEMBRIX_DIST_ROOT}/${TEMBRIX_DIST_NAME}.zip)

set(dll_dirs ${TEMBRIX_WINDOWS_DLL_DIRS})
# CMake looks up Windows DLL names in lower case, which a Linux file system
# tells apart: lower-case links to the Qt DLLs let it find them.
set(dll_links ${CMAKE_BINARY_DIR}/dist-dll-links)
file(MAKE_DIRECTORY ${dll_links})
file(GLOB qt_dlls ${TEMBRIX_QT_MINGW}/bin/*.dll)
foreach(dll ${qt_dlls})
    get_filename_component(name ${dll} NAME)
    string(TOLOWER ${name} lower)
    file(CREATE_LINK ${dll} ${dll_links}/${lower} SYMBOLIC)
endforeach()
list(APPEND dll_dirs ${dll_links})

set(plugins platforms/qwindows.dll platforms/qoffscreen.dll styles/qwindowsvistastyle.dll)

foreach(plugin ${plugins})
    get_filename_component(folder ${plugin} DIRECTORY)
    install(FILES ${TEMBRIX_QT_MINGW}/plugins/${plugin} DESTINATION ${folder} COMPONENT dist
            EXCLUDE_FROM_ALL)
    list(APPEND plugin_paths ${TEMBRIX_QT_MINGW}/plugins/${plugin})
endforeach()

find_program(TEMBRIX_MINGW_STRIP ${TEMBRIX_MINGW_TRIPLET}-strip)
install(CODE "
    set(CMAKE_GET_RUNTIME_DEPENDENCIES_PLATFORM windows+pe)
    set(CMAKE_GET_RUNTIME_DEPENDENCIES_TOOL objdump)
    set(CMAKE_GET_RUNTIME_DEPENDENCIES_COMMAND ${CMAKE_OBJDUMP})
    file(GET_RUNTIME_DEPENDENCIES
        EXECUTABLES \"$<TARGET_FILE:tembrix>\" \"$<TARGET_FILE:tembrix-convert>\"
        MODULES ${plugin_paths}
        DIRECTORIES ${dll_dirs}
        RESOLVED_DEPENDENCIES_VAR resolved
        UNRESOLVED_DEPENDENCIES_VAR unresolved
        PRE_EXCLUDE_REGEXES \"^api-ms-\" \"^ext-ms-\")
    foreach(link \${resolved})
        file(REAL_PATH \"\${link}\" dll)
        get_filename_component(name \"\${dll}\" NAME)
        set(copy \"\${CMAKE_INSTALL_PREFIX}/\${name}\")
        file(COPY_FILE \"\${dll}\" \"\${copy}\" ONLY_IF_DIFFERENT)
        message(STATUS \"Run-time DLL: \${copy}\")
        # Debian's MinGW run time carries its debugging symbols (libstdc++: 23 MB).
        if(NOT \"\${dll}\" MATCHES \"^${TEMBRIX_QT_MINGW}/\")
            execute_process(COMMAND ${TEMBRIX_MINGW_STRIP} --strip-unneeded \"\${copy}\")
        endif()
    endforeach()
    # What is left unresolved is Windows's own (KERNEL32.dll and the like).
    " COMPONENT dist EXCLUDE_FROM_ALL)

foreach(program tembrix tembrix-convert)
    install(PROGRAMS $<TARGET_FILE:${program}> DESTINATION . COMPONENT dist EXCLUDE_FROM_ALL)
    # Without their debugging symbols (tembrix.exe: 18 MB).
    install(CODE "execute_process(COMMAND ${TEMBRIX_MINGW_STRIP} --strip-debug
                      \"\${CMAKE_INSTALL_PREFIX}/$<TARGET_FILE_NAME:${program}>\")"
            COMPONENT dist EXCLUDE_FROM_ALL)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/packaging/SetupLine.txt DESTINATION . COMPONENT dist
        EXCLUDE_FROM_ALL)
# Qt's own texts in French (dialog buttons), from Debian's qt6-translations-l10n,
# found through a qt.conf that makes the program's folder Qt's prefix.
file(GLOB qt_french /usr/share/qt6/translations/qtbase_fr.qm)
if(qt_french)
    install(FILES ${qt_french} DESTINATION translations COMPONENT dist EXCLUDE_FROM_ALL)
endif()
file(WRITE ${CMAKE_BINARY_DIR}/dist-qt.conf "[Paths]\nPrefix=.\nPlugins=.\nTranslations=translations\n")
install(FILES ${CMAKE_BINARY_DIR}/dist-qt.conf DESTINATION . RENAME qt.conf COMPONENT dist
        EXCLUDE_FROM_ALL)
get_property(language_files GLOBAL PROPERTY TEMBRIX_LANGUAGE_FILES)
install(FILES ${language_files} DESTINATION . COMPONENT dist EXCLUDE_FROM_ALL)

add_custom_target(windows-dist
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${TEMBRIX_DIST_DIR} ${TEMBRIX_DIST_ZIP}
    COMMAND ${CMAKE_COMMAND} --install ${CMAKE_BINARY_DIR} --component dist
            --prefix ${TEMBRIX_DIST_DIR}
    COMMAND ${CMAKE_COMMAND} -E chdir ${TEMBRIX_DIST_ROOT}
            ${CMAKE_COMMAND} -E tar cf ${TEMBRIX_DIST_ZIP} --format=zip ${TEMBRIX_DIST_NAME}
    DEPENDS tembrix tembrix-convert
    COMMENT "The portable folder and zip in ${TEMBRIX_DIST_ROOT}"
    VERBATIM)

if(TEMBRIX_BUILD_TESTS AND CMAKE_CROSSCOMPILING_EMULATOR)
    # The programs started from the unpacked zip in a fresh Wine prefix, with
    # nothing of the build on their path; `windows-dist` must have run.
    foreach(program convert wizard)
        add_test(NAME PortableZip.${program}
                 COMMAND sh ${PROJECT_SOURCE_DIR}/tests/dist/run-from-zip.sh ${program}
                         ${TEMBRIX_DIST_ZIP} ${CMAKE_BINARY_DIR} ${PROJECT_SOURCE_DIR})
        set_tests_properties(PortableZip.${program} PROPERTIES TIMEOUT 300)
    endforeach()
endif()

include(${CMAKE_CURRENT_LIST_DIR}/WindowsInstaller.cmake)
