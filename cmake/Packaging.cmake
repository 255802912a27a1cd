# Installation in the usual places, and a .deb built by CPack.
include(GNUInstallDirs)
set(CMAKE_INSTALL_DOCDIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/vigilon-oss)

install(TARGETS vigilon-oss vigilon-oss-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET vigilon-radio-sim)
  install(TARGETS vigilon-radio-sim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES resources/man/vigilon-radio-sim.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()
install(FILES resources/man/vigilon-oss-cli.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES resources/desktop/vigilon-oss.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES resources/icons/vigilon-oss-32.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/32x32/apps
        RENAME vigilon-oss.png)
install(FILES resources/icons/vigilon-oss-48.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/48x48/apps
        RENAME vigilon-oss.png)
install(DIRECTORY resources/help/ DESTINATION ${CMAKE_INSTALL_DOCDIR}/help)
# A first run on Linux: udev rules that let the logged-in user open the known
# cable chips and keep ModemManager off them; the software centre's description;
# the data file's type, which the desktop file names.
install(FILES resources/linux/70-vigilon-oss-cables.rules DESTINATION lib/udev/rules.d)
install(FILES resources/linux/com.ardentec.VigilonOss.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES resources/linux/vigilon-oss.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
install(FILES README.md DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vigilon-oss)
set(CPACK_PACKAGE_VENDOR "Ardentec")
set(CPACK_PACKAGE_CONTACT "Vigilon OSS maintainers <maintainers@example.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Service tool for the Vigilon man down option board")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Reads, edits and programs the settings of the Vigilon man down\n accelerometer option board through a two-way radio on a serial port,\n keeps them in .vgd data files and calibrates the accelerometer.\n Includes a command-line tool and a simulated radio.")
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${PROJECT_SOURCE_DIR}/resources/linux/postinst)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
