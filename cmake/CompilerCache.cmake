# Compiler caching through ccache, whose folder lies outside the checkout: a fresh clone or a
# wiped build folder on the same machine takes unchanged objects from the cache. Paths are
# hashed relative to the source folder and the working folder is left out of the hash, so a
# clone in another folder hits the cache too.
find_program(PACKWRIGHT_CCACHE ccache)
if(PACKWRIGHT_CCACHE AND NOT CMAKE_CXX_COMPILER_LAUNCHER)
  set(CMAKE_CXX_COMPILER_LAUNCHER
    ${CMAKE_COMMAND} -E env
    CCACHE_BASEDIR=${PROJECT_SOURCE_DIR}
    CCACHE_NOHASHDIR=1
    CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime
    ${PACKWRIGHT_CCACHE})
endif()
