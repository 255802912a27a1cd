# The Windows build: the program file's version block, the programs with what they
# need beside them, and a 64-bit NSIS installer (target windows_installer; needs
# makensis, scripts/package-windows builds it all from Debian).

# The version block carries the project's version.
target_sources(vigilon-oss PRIVATE ${PROJECT_SOURCE_DIR}/resources/windows/vigilon_oss.rc)
target_compile_definitions(vigilon-oss PRIVATE
  $<$<COMPILE_LANGUAGE:RC>:VIGILON_VERSION_MAJOR=${PROJECT_VERSION_MAJOR}>
  $<$<COMPILE_LANGUAGE:RC>:VIGILON_VERSION_MINOR=${PROJECT_VERSION_MINOR}>
  $<$<COMPILE_LANGUAGE:RC>:VIGILON_VERSION_PATCH=${PROJECT_VERSION_PATCH}>)

# MinGW's runtime (libgcc, libstdc++, winpthread) linked in, so the programs need no
# DLL of the compiler's beside them.
if(MINGW)
  target_link_options(vigilon-oss PRIVATE -static)
  target_link_options(vigilon-oss-cli PRIVATE -static)
endif()

# The programs and the help pages in the installation folder.
install(TARGETS vigilon-oss vigilon-oss-cli RUNTIME DESTINATION .)
install(DIRECTORY resources/help/ DESTINATION help)

# The compiler's runtime libraries (MSVC) beside the programs.
include(InstallRequiredSystemLibraries)

# A shared Qt's libraries and plugins, as the two programs need them, put beside them;
# a static Qt is inside the programs already.
find_package(Qt6 REQUIRED COMPONENTS Core)
get_target_property(vigilon_qt_type Qt6::Core TYPE)
if(NOT vigilon_qt_type STREQUAL "STATIC_LIBRARY")
  find_program(VIGILON_WINDEPLOYQT windeployqt HINTS "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS}")
  if(NOT VIGILON_WINDEPLOYQT)
    message(FATAL_ERROR "windeployqt not found in Qt's bin folder; set VIGILON_WINDEPLOYQT to it")
  endif()
  install(CODE "
    set(folder \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}\")
    execute_process(COMMAND \"${VIGILON_WINDEPLOYQT}\" --no-translations
                            \"\${folder}/VigilonOss.exe\" \"\${folder}/vigilon-oss-cli.exe\"
                    RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
      message(FATAL_ERROR \"windeployqt failed: \${result}\")
    endif()
  ")
endif()

# The installer: what the installation holds, staged, then packed by NSIS for 64-bit
# Windows (a 32-bit installer does not start on a 64-bit-only Windows or Wine). Built
# afresh each time: staging and packing take seconds. With VIGILON_SIGN_TOOL (a program
# that signs the file it is given, scripts/sign-windows), the programs, the uninstaller
# and the installer are signed.
set(VIGILON_SIGN_TOOL "" CACHE FILEPATH "Program that signs a Windows program file in place")
find_program(VIGILON_MAKENSIS makensis)
if(VIGILON_MAKENSIS)
  set(stage ${CMAKE_BINARY_DIR}/installer-stage)
  set(installer ${CMAKE_BINARY_DIR}/vigilon-oss-${PROJECT_VERSION}-win64-setup.exe)
  set(sign_programs)
  set(sign_define)
  if(VIGILON_SIGN_TOOL)
    set(sign_programs COMMAND ${VIGILON_SIGN_TOOL} ${stage}/VigilonOss.exe
                      COMMAND ${VIGILON_SIGN_TOOL} ${stage}/vigilon-oss-cli.exe)
    set(sign_define -DSIGN_TOOL=${VIGILON_SIGN_TOOL})
  endif()
  add_custom_target(windows_installer
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${stage} ${installer}
    COMMAND ${CMAKE_COMMAND} --install ${CMAKE_BINARY_DIR} --prefix ${stage} --strip
    ${sign_programs}
    COMMAND ${VIGILON_MAKENSIS} -V2 -WX
            -DVERSION=${PROJECT_VERSION} -DVERSION_MAJOR=${PROJECT_VERSION_MAJOR}
            -DVERSION_MINOR=${PROJECT_VERSION_MINOR} -DVERSION_PATCH=${PROJECT_VERSION_PATCH}
            -DICON=${PROJECT_SOURCE_DIR}/resources/icons/vigilon-oss.ico
            -DSTAGE=${stage} -DOUTFILE=${installer} ${sign_define}
            ${PROJECT_SOURCE_DIR}/resources/windows/vigilon_oss.nsi
    DEPENDS vigilon-oss vigilon-oss-cli
    BYPRODUCTS ${installer}
    COMMENT "Packing ${installer}"
    VERBATIM)
endif()
