# The Debian package, made with `cpack -G DEB` in the build folder from the
# install rules of dist/: varnel-traffic_<version>_<arch>.deb.
set(CPACK_PACKAGE_NAME "varnel-traffic")
set(CPACK_PACKAGE_VENDOR "Dravon")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Charts and tables from the call logs of a Varnel messaging gateway")
set(CPACK_PACKAGE_DESCRIPTION "Loads the daily call logs of a Varnel messaging gateway into a
local report database and draws five reports from them (port availability,
message queue activity, message latency, node traffic, node errors), each a
chart with a summary table saved as CSV. Includes varnel-report, the same
load and reports for scripts.")
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/LICENSE")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR "DEB")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Dravon <support@dravon.invalid>")
set(CPACK_DEBIAN_PACKAGE_SECTION "net")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded by Qt at run time, so not found in the binaries: the window system
# plugins and the SVG icon engine.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6svg6")

include(CPack)
