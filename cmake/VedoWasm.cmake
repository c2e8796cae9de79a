# The core built with emscripten: static libraries, and test programs as
# JavaScript that ctest runs under node.

# C++ exceptions are off by default in emscripten; the core throws and
# catches its own (the calculator's work bound, the tests' failures).
add_compile_options(-fexceptions)
add_link_options(-fexceptions -sALLOW_MEMORY_GROWTH=1)
# -O2 rather than Release's -O3: as fast here, and a shorter link.
set(CMAKE_CXX_FLAGS_RELEASE "-O2 -DNDEBUG")

# Node 20's fetch breaks the loader of emscripten 3.1.6 when it reads the
# .wasm beside the .js.
find_program(VEDO_NODE NAMES node nodejs REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${VEDO_NODE} --no-experimental-fetch)

# The linker's JavaScript optimiser needs Debian's acorn, which a node not
# from Debian does not look for.
if(EXISTS /usr/share/nodejs/acorn)
  set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs)
endif()
