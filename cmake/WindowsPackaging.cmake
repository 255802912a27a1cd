# The Windows build: the program file's version block, installation with Qt's
# runtime beside the programs, and an NSIS installer with Start-menu entries, built
# by CPack (cmake --build build --target package; needs NSIS).
target_sources(vigilon-oss PRIVATE ${PROJECT_SOURCE_DIR}/resources/windows/vigilon_oss.rc)

# The programs in bin\ (where CPack's Start-menu entries look for them), the help
# pages in help\.
install(TARGETS vigilon-oss vigilon-oss-cli RUNTIME DESTINATION bin)
install(DIRECTORY resources/help/ DESTINATION help)
install(FILES README.md DESTINATION .)

# The compiler's runtime libraries (MSVC) into bin\; windeployqt brings MinGW's.
include(InstallRequiredSystemLibraries)

# Qt's libraries and plugins, as the two programs need them, put beside them.
find_program(VIGILON_WINDEPLOYQT windeployqt HINTS "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS}")
if(NOT VIGILON_WINDEPLOYQT)
  message(FATAL_ERROR "windeployqt not found in Qt's bin folder; set VIGILON_WINDEPLOYQT to it")
endif()
install(CODE "
  set(folder \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin\")
  execute_process(COMMAND \"${VIGILON_WINDEPLOYQT}\" --no-translations
                          \"\${folder}/VigilonOss.exe\" \"\${folder}/vigilon-oss-cli.exe\"
                  RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR \"windeployqt failed: \${result}\")
  endif()
")

set(CPACK_GENERATOR NSIS)
set(CPACK_PACKAGE_NAME "Vigilon OSS")
set(CPACK_PACKAGE_VENDOR "Ardentec")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Service tool for the Vigilon man down option board")
set(CPACK_PACKAGE_INSTALL_DIRECTORY "Vigilon OSS")
set(CPACK_PACKAGE_FILE_NAME "vigilon-oss-${PROJECT_VERSION}-win64")
# Start menu: the program, and its help pages.
set(CPACK_PACKAGE_EXECUTABLES VigilonOss "Vigilon OSS")
set(CPACK_NSIS_MENU_LINKS "help/index.html" "Vigilon OSS Help")
set(CPACK_NSIS_DISPLAY_NAME "Vigilon OSS")
set(CPACK_NSIS_INSTALLED_ICON_NAME bin\\VigilonOss.exe)
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
include(CPack)
