# Builds for WebAssembly with Debian's clang 14 for wasm32-wasi, wasi-libc and
# the libc++ built for it, which has no exceptions. Node runs what the tests
# and the build make, through run-wasi.mjs.
set(CMAKE_SYSTEM_NAME Generic)
set(CMAKE_SYSTEM_PROCESSOR wasm32)
set(CMAKE_C_COMPILER clang-14)
set(CMAKE_CXX_COMPILER clang++-14)
set(CMAKE_C_COMPILER_TARGET wasm32-wasi)
set(CMAKE_CXX_COMPILER_TARGET wasm32-wasi)
# No run-time type information, which nothing asks for: a smaller module.
set(CMAKE_CXX_FLAGS_INIT "-fno-exceptions -fno-rtti")
set(CMAKE_EXECUTABLE_SUFFIX .wasm)
set(CMAKE_TRY_COMPILE_TARGET_TYPE STATIC_LIBRARY)
find_program(NODE node REQUIRED)
execute_process(COMMAND ${NODE} --version OUTPUT_VARIABLE node_version)
string(REGEX MATCH "[0-9]+" node_major "${node_version}")
set(node_flags --no-warnings)
if(node_major LESS 20) # before Node 20, WASI is behind a flag
    list(APPEND node_flags --experimental-wasi-unstable-preview1)
endif()
set(CMAKE_CROSSCOMPILING_EMULATOR ${NODE} ${node_flags} ${CMAKE_CURRENT_LIST_DIR}/run-wasi.mjs)
