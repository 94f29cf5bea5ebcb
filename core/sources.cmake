# The core's sources, shared by the program's build and the native one (tests, fuzzers).
get_filename_component(ZINTAR_CORE_ROOT ${CMAKE_CURRENT_LIST_DIR}/.. ABSOLUTE)
set(ZINTAR_CORE_SOURCES
    captions.cpp
    code_box.cpp
    conversion.cpp
    copy_as_code.cpp
    key_details.cpp
    hex_text.cpp
    history_view.cpp
    hover.cpp
    input_device_name.cpp
    key_event.cpp
    key_history_text.cpp
    key_names.cpp
    key_route.cpp
    key_route_text.cpp
    key_rows.cpp
    logical_key.cpp
    physical_key.cpp
    picture_scale.cpp
    reserved_shortcuts.cpp
    scroll_span.cpp
    typed_by_layout.cpp
    typed_codes.cpp
    virtual_key_names.cpp
)
list(TRANSFORM ZINTAR_CORE_SOURCES PREPEND ${CMAKE_CURRENT_LIST_DIR}/)
