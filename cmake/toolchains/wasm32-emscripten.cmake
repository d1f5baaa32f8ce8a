# WebAssembly with Debian's emscripten; the program and the tests run under Node.js, and a user
# runs the program as `node octant_pi.js`.
# Emscripten would call its processor x86, which it is not.
set(EMSCRIPTEN_SYSTEM_PROCESSOR wasm32)
include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)
# Debian's emscripten finds its acorn module through NODE_PATH when node is not Debian's own.
set(CMAKE_CXX_COMPILER_LAUNCHER env NODE_PATH=/usr/share/nodejs)
set(CMAKE_CXX_LINKER_LAUNCHER env NODE_PATH=/usr/share/nodejs)
# Synchronous compilation: node 20 would otherwise fetch() the .wasm by a file path, and fail.
# NODERAWFS: the standard streams are the process's own, so input waits and a failed write is
# reported, as in a native program.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-sWASM_ASYNC_COMPILATION=0 -sNODERAWFS=1")
