# The posix thread model is the one GoogleTest builds with; linking
# statically keeps its runtime (and libstdc++) inside each executable.
set(CMAKE_C_COMPILER ${VIREO_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VIREO_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${VIREO_TRIPLE}-windres)
set(VIREO_WINDMC ${VIREO_TRIPLE}-windmc)
set(CMAKE_FIND_ROOT_PATH /usr/${VIREO_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Tests of the Windows build run under Wine, in the prefix the test run made.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../tests/wine/wine-run)
