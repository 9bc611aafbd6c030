# The version is the project's (CMakeLists.txt); the Debian changelog and the
# AppStream metadata must name the same one as their newest release, or the
# build, the package and the software catalogue would disagree.
# Run as: cmake -DVERSION=x.y.z -DSOURCE_DIR=<tree> -DMETAINFO=<file> -P check-version.cmake
file(STRINGS "${SOURCE_DIR}/debian/changelog" top LIMIT_COUNT 1)
string(REGEX MATCH "^[a-z0-9.+-]+ \\(([^)]+)\\)" _ "${top}")
set(changelog "${CMAKE_MATCH_1}")

file(READ "${METAINFO}" metainfo)
string(REGEX MATCH "<release version=\"([^\"]+)\"" _ "${metainfo}")
set(appstream "${CMAKE_MATCH_1}")

if(NOT changelog STREQUAL VERSION OR NOT appstream STREQUAL VERSION)
    message(FATAL_ERROR "version mismatch: CMake project ${VERSION}, debian/changelog '${changelog}', "
                        "AppStream newest release '${appstream}'")
endif()
message(STATUS "version ${VERSION} in CMake, debian/changelog and AppStream")
