# Cross-build for 64-bit Windows with Debian's clang, over the mingw-w64 headers and import
# libraries and the libstdc++ that Debian's mingw g++ ships in its win32-threads variant
# (the posix-threads one needs winpthread in an order clang's driver does not link). Linked
# by the mingw GNU linker, like the gcc build.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(_triple x86_64-w64-mingw32)
find_program(CMAKE_C_COMPILER NAMES clang REQUIRED)
find_program(CMAKE_CXX_COMPILER NAMES clang++ REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${_triple}-windres REQUIRED)
find_program(CMAKE_AR NAMES ${_triple}-ar REQUIRED)
find_program(CMAKE_RANLIB NAMES ${_triple}-ranlib REQUIRED)
set(CMAKE_C_COMPILER_TARGET ${_triple})
set(CMAKE_CXX_COMPILER_TARGET ${_triple})

# The sysroot keeps the host's /usr/include off the include path.
set(CMAKE_SYSROOT /usr/${_triple})

# The win32-threads libstdc++ of the newest mingw gcc (e.g. /usr/lib/gcc/<triple>/12-win32).
file(GLOB _gcc_dirs LIST_DIRECTORIES true /usr/lib/gcc/${_triple}/*-win32)
list(SORT _gcc_dirs COMPARE NATURAL ORDER DESCENDING)
list(GET _gcc_dirs 0 _gcc_dir)
if(NOT EXISTS "${_gcc_dir}/include/c++")
    message(FATAL_ERROR "No win32-threads libstdc++ under /usr/lib/gcc/${_triple}: "
                        "install g++-mingw-w64-x86-64-win32")
endif()
# (set, not appended: CMake reads this file again for each compiler check)
set(CMAKE_CXX_FLAGS_INIT)
foreach(_dir include/c++ include/c++/${_triple} include/c++/backward)
    string(APPEND CMAKE_CXX_FLAGS_INIT " -isystem ${_gcc_dir}/${_dir}")
endforeach()
set(CMAKE_EXE_LINKER_FLAGS_INIT "-L${_gcc_dir}")

set(CMAKE_FIND_ROOT_PATH /usr/${_triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
