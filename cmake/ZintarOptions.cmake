# Compiler settings shared by every Windows target.
add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)

if(MSVC)
    add_compile_options(/W4 /permissive- /utf-8)
    set(CMAKE_MSVC_RUNTIME_LIBRARY "MultiThreaded$<$<CONFIG:Debug>:Debug>")
else()
    add_compile_options(-Wall -Wextra -Wpedantic)
    # On in the presets that the scripts and CI use, so that a warning of either compiler
    # fails the build there; off by default for other configurations.
    option(ZINTAR_WERROR "Treat compiler warnings as errors" OFF)
    if(ZINTAR_WERROR)
        add_compile_options($<$<COMPILE_LANGUAGE:C,CXX>:-Werror>)
    endif()
    # One self-contained exe: no libgcc, libstdc++ or winpthread DLLs beside it.
    add_link_options(-static -static-libgcc -static-libstdc++)

    # Hardening. Stack canaries in every function with arrays or address-taken locals; the
    # check's runtime (libssp) is linked statically, like the rest. Address-space layout
    # randomisation over the whole 64-bit range and a non-executable stack and heap: the
    # linker sets these by default today, named here so that no default can drop them.
    add_compile_options($<$<COMPILE_LANGUAGE:C,CXX>:-fstack-protector-strong>)
    add_link_options(-fstack-protector-strong
                     LINKER:--dynamicbase LINKER:--high-entropy-va LINKER:--nxcompat)

    # Reproducible: the same commit gives the same bytes whatever the folder or the date.
    # No build folder in the objects (the build folder lies inside the source folder, so it
    # is mapped last, which takes precedence) and no link time in the PE header.
    add_compile_options(
        $<$<COMPILE_LANGUAGE:C,CXX>:-ffile-prefix-map=${PROJECT_SOURCE_DIR}/=>
        $<$<COMPILE_LANGUAGE:C,CXX>:-ffile-prefix-map=${PROJECT_BINARY_DIR}/=build/>)
    add_link_options(LINKER:--no-insert-timestamp)
endif()
