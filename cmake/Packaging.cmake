# Installation and the Debian package of the program (`cpack -G DEB` in the build folder gives
# ostrameda_<version>_<arch>.deb). Included by the top-level CMakeLists.txt after the targets exist.
#
# Only for Linux: the Windows build ships ostrameda.exe by other means.
include_guard(GLOBAL)
if(NOT CMAKE_SYSTEM_NAME STREQUAL "Linux")
    return()
endif()

set(OSTRAMEDA_PACKAGE_MAINTAINER "Gorvud <ostrameda@gorvud.example>"
    CACHE STRING "Maintainer field of the Debian package: name and e-mail address")

set(packaging_dir ${PROJECT_SOURCE_DIR}/packaging)
set(docdir share/doc/ostrameda)
set(generated_dir ${PROJECT_BINARY_DIR}/packaging)

# Debian wants every directory 0755 and every file 0644 (0755 for programs), whatever the umask.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# The changelog's newest entry names the version being packaged; a stale one would describe
# another release.
file(STRINGS ${packaging_dir}/changelog changelog_head LIMIT_COUNT 1)
if(NOT changelog_head MATCHES "^ostrameda \\(${PROJECT_VERSION}\\) ")
    message(WARNING "packaging/changelog does not begin with an entry for version ${PROJECT_VERSION}")
endif()

# Debian compresses changelogs and manual pages with gzip -9, without a time stamp (-n) so that
# the package is reproducible.
configure_file(${packaging_dir}/ostrameda.1 ${generated_dir}/ostrameda.1 @ONLY)
find_program(OSTRAMEDA_GZIP gzip REQUIRED)
add_custom_command(
    OUTPUT ${generated_dir}/changelog.gz ${generated_dir}/ostrameda.1.gz
    COMMAND ${OSTRAMEDA_GZIP} -9nc ${packaging_dir}/changelog > ${generated_dir}/changelog.gz
    COMMAND ${OSTRAMEDA_GZIP} -9nc ${generated_dir}/ostrameda.1 > ${generated_dir}/ostrameda.1.gz
    DEPENDS ${packaging_dir}/changelog ${generated_dir}/ostrameda.1
    COMMENT "Compressing the changelog and the manual page"
    VERBATIM)
add_custom_target(packaging_docs ALL DEPENDS ${generated_dir}/changelog.gz ${generated_dir}/ostrameda.1.gz)

install(TARGETS ostrameda RUNTIME DESTINATION bin)
install(FILES ${packaging_dir}/ostrameda.desktop DESTINATION share/applications)
foreach(size IN ITEMS 16 24 32 48 64 128)
    install(FILES ${packaging_dir}/icons/hicolor/${size}x${size}/apps/ostrameda.png
            DESTINATION share/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${generated_dir}/ostrameda.1.gz DESTINATION share/man/man1)
install(FILES ${packaging_dir}/copyright ${generated_dir}/changelog.gz DESTINATION ${docdir})
# The user guide with the pictures it shows, side by side as in docs/.
install(FILES ${PROJECT_SOURCE_DIR}/docs/user-guide.ru.md ${PROJECT_SOURCE_DIR}/docs/screenshot-main-window.png
              ${PROJECT_SOURCE_DIR}/docs/user-guide-preview.png
        DESTINATION ${docdir})
install(FILES ${packaging_dir}/Ostrameda.conf DESTINATION ${docdir}/examples)

set(CPACK_PACKAGE_NAME ostrameda)
set(CPACK_PACKAGE_VENDOR Gorvud)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${OSTRAMEDA_PACKAGE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "sex determination of a human scapula from its measurements")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${OSTRAMEDA_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The extended description under the summary line; CPack indents it as control files want.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "A desktop tool for forensic medical experts. The expert types eleven
measurements of a scapula in millimetres; each is classified by the reference
method of L. A. Koshelev (1971) as definitely or probably male, undetermined,
probably or definitely female, and the window counts the verdicts. The
one-page appendix to the expert's conclusion is previewed and printed.

The program's texts are Russian.")
# Qt and the C++ run-time as dpkg-shlibdeps finds them, and the report's fonts: Liberation Mono
# stands in for Courier New with the same advance, so the page's columns line up.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
set(CPACK_DEBIAN_PACKAGE_SUGGESTS cups)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)

include(CPack)
