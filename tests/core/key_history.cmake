# The key history's tests: the key-event records, their texts and the virtual-key constant
# names. The core test target's CMake file includes this file and calls
#   zintar_add_key_history_tests(<test target>)
# on a target that links GoogleTest and the core library (which holds key_event.cpp,
# key_history_text.cpp and virtual_key_names.cpp).
function(zintar_add_key_history_tests target)
    target_sources(${target} PRIVATE
        ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/key_event_test.cpp
        ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/key_history_text_test.cpp
        ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/virtual_key_names_test.cpp)
    # The constant names are checked against the header they were taken from, where the
    # machine has it (mingw-w64's copy on the build machines).
    set(winuser /usr/share/mingw-w64/include/winuser.h)
    if(EXISTS ${winuser})
        target_compile_definitions(${target} PRIVATE ZINTAR_WINUSER_H="${winuser}")
    endif()
endfunction()
