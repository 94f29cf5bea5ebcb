# The tests of where a key went: matching the views of a key, the keys the window never
# received, device names, the reserved shortcuts and the route cells. Called on a target
# that links GoogleTest and the core library.
function(zintar_add_key_route_tests target)
    target_sources(${target} PRIVATE
        ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/key_route_test.cpp
        ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/input_device_name_test.cpp
        ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/reserved_shortcuts_test.cpp
        ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/key_route_text_test.cpp
        ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/key_rows_test.cpp)
endfunction()
