# Cross build for 64-bit Windows with Debian's MinGW-w64 (posix threads).
# ctest runs the resulting programs through Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(ZEMBAL_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${ZEMBAL_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZEMBAL_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${ZEMBAL_MINGW_PREFIX}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${ZEMBAL_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# A static runtime, so zembal.exe runs without any MinGW DLL beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
find_program(ZEMBAL_WINE wine REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${ZEMBAL_WINE})
