# cmake -DVERSION=V -DSOURCE=DIR -P versions.cmake: fails unless the newest
# entries of the Debian changelog and of the AppStream releases name the
# project's version V, so that the package, the software centres and
# --version all say the same.
file(STRINGS ${SOURCE}/debian/changelog heading LIMIT_COUNT 1)
string(REGEX MATCH "^hana \\(([^)]+)\\)" _ "${heading}")
set(changelog "${CMAKE_MATCH_1}")
file(READ ${SOURCE}/packaging/net.hanazukan.Hana.metainfo.xml metainfo)
string(REGEX MATCH "<release version=\"([^\"]+)\"" _ "${metainfo}")
set(release "${CMAKE_MATCH_1}")
if(NOT changelog STREQUAL VERSION OR NOT release STREQUAL VERSION)
    message(FATAL_ERROR "the project is at ${VERSION}, debian/changelog at '${changelog}', "
                        "the AppStream metadata's newest release at '${release}'")
endif()
