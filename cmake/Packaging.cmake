# The Debian package, built by `make package` (cpack -G DEB in the build
# folder): everything the install rules put in place, under /usr — the library
# with its SONAME link, the interchange library, the headers, the schema, ifx
# with its manual page, the Python module, the pkg-config files and the CMake
# package — and the license as copyright file.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME wjxmlinterfaceflowreader)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "the wjxmlinterfaceflowreader developers")
set(CPACK_PACKAGE_CONTACT "the wjxmlinterfaceflowreader developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Loads, edits and saves interface exchange files of electronic designs")
set(CPACK_PACKAGE_DESCRIPTION
    "A C++ library, with the command-line tool ifx, that reads, edits and writes the interface description of an electronic design - component instances, ports, bus interfaces, footprints, pins and the part maps that put ports on pins - held in an interface exchange XML file. MIT license.")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_CURRENT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES TRUE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION libs)

# The Debian runtime packages the library and ifx link against, as
# dpkg-shlibdeps gives them for a build on Debian 12. Building a host against
# the headers takes Xerces-C's own headers and pkg-config besides.
set(WJ_PACKAGE_DEPENDS "libc6 (>= 2.33)" "libgcc-s1 (>= 3.0)" "libstdc++6 (>= 11)" "libxerces-c3.2")
set(WJ_PACKAGE_RECOMMENDS libxerces-c-dev pkg-config)

# The Python module, when it is built: its install rules put it into
# site-packages and so into this package, which then needs Python.
if(TARGET wjxml_python)
  list(APPEND WJ_PACKAGE_DEPENDS python3)
endif()

list(JOIN WJ_PACKAGE_DEPENDS ", " CPACK_DEBIAN_PACKAGE_DEPENDS)
list(JOIN WJ_PACKAGE_RECOMMENDS ", " CPACK_DEBIAN_PACKAGE_RECOMMENDS)

# The license goes where Debian keeps it, with the README, the changelog and
# the example designs and script.
set(WJ_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/wjxmlinterfaceflowreader)
install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/LICENSE DESTINATION ${WJ_DOC_DIR} RENAME copyright)
install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/README.md ${CMAKE_CURRENT_SOURCE_DIR}/CHANGELOG.md DESTINATION ${WJ_DOC_DIR})
install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/examples/board.xml ${CMAKE_CURRENT_SOURCE_DIR}/examples/fpga_board.xml
              ${CMAKE_CURRENT_SOURCE_DIR}/examples/board_pins.py
        DESTINATION ${WJ_DOC_DIR}/examples)

include(CPack)
