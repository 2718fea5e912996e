# ccache, where installed, makes rebuilds in fresh build folders cheap.
find_program(GARABEL_CCACHE ccache)
if(GARABEL_CCACHE AND NOT CMAKE_CXX_COMPILER_LAUNCHER)
  set(CMAKE_CXX_COMPILER_LAUNCHER ${GARABEL_CCACHE})
endif()
