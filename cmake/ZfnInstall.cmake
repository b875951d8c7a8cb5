# Installation and the Debian package. The program, its catalogue, descriptions, pictures and drawings
# stay together in one program folder (it reads them beside its own executable); zfn and zfn-cli are put
# on the PATH as links into that folder, and a desktop entry with the program's icon is added.
#
# The destinations are relative to the install prefix, which by default is the root: `cmake --install`
# installs as the package does, and `cmake --install BUILD --prefix DIR` lays the same tree under DIR.
if(CMAKE_INSTALL_PREFIX_INITIALIZED_TO_DEFAULT)
  set(CMAKE_INSTALL_PREFIX "/" CACHE PATH "Root the program is installed under" FORCE)
endif()
set(ZFN_PROGRAM_DIR "opt/zfn" CACHE STRING "Program folder, relative to the install prefix")
set(ZFN_LINK_DIR "usr/bin" CACHE STRING "Folder on the PATH for zfn and zfn-cli, relative to the install prefix")
set(ZFN_SHARE_DIR "usr/share" CACHE STRING "Desktop entries and icons, relative to the install prefix")

install(TARGETS zfn zfn-cli RUNTIME DESTINATION ${ZFN_PROGRAM_DIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/files/ DESTINATION ${ZFN_PROGRAM_DIR})
install(DIRECTORY ${CMAKE_BINARY_DIR}/descriptions/ DESTINATION ${ZFN_PROGRAM_DIR}
  PATTERN descriptions.stamp EXCLUDE)
set(zfn_bin ${CMAKE_BINARY_DIR}/bin)
install(FILES ${zfn_bin}/vozuvada.sqlite ${zfn_bin}/pritoshka.sqlite ${zfn_bin}/zfn.ini
  DESTINATION ${ZFN_PROGRAM_DIR})
# The dimension drawings are named after the fans of the bundled catalogue: found when installing.
install(CODE "
  file(GLOB zfn_drawings \"${zfn_bin}/*.jpg\")
  file(INSTALL \${zfn_drawings} DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${ZFN_PROGRAM_DIR}\")
")

# Relative links, so that the tree works under any root (a package, a test's temporary folder).
foreach(program zfn zfn-cli)
  file(RELATIVE_PATH zfn_link_target /${ZFN_LINK_DIR} /${ZFN_PROGRAM_DIR}/${program})
  file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
  file(CREATE_LINK ${zfn_link_target} ${CMAKE_BINARY_DIR}/package/${program} SYMBOLIC)
  install(FILES ${CMAKE_BINARY_DIR}/package/${program} DESTINATION ${ZFN_LINK_DIR})
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/data/package/zfn.desktop DESTINATION ${ZFN_SHARE_DIR}/applications)
# The program's own emblem (Logo.bmp, the window icon), as the desktop wants it.
install(FILES ${PROJECT_SOURCE_DIR}/data/package/zfn.png DESTINATION ${ZFN_SHARE_DIR}/icons/hicolor/128x128/apps)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zfn)
set(CPACK_PACKAGE_VENDOR "Zefiron")
set(CPACK_PACKAGE_CONTACT "Zefiron <info@zefiron.ru>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "ZFN: fan selection and HVAC calculations")
set(CPACK_PACKAGE_DESCRIPTION "Selection of general-ventilation and smoke-exhaust fans from the maker's \
catalogue, series charts and data sheets, assembled ventilation units, smoke-exhaust, pressurization, \
air-curtain and air-heating calculations with printed reports. Russian user interface.")
set(CPACK_PACKAGING_INSTALL_PREFIX "/")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The optimised build keeps debug information for the benchmarks; the package does without it.
set(CPACK_STRIP_FILES ON)
# What the libraries do not tell: Qt's database drivers and window-system plugins, Qt's own Russian texts
# (the buttons and captions of its dialogs), the fonts of the forms.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "libqt6sql6-sqlite, libqt6sql6-psql, qt6-qpa-plugins, qt6-translations-l10n, fonts-liberation2, fonts-dejavu-core")
include(CPack)
