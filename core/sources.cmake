# The core's sources, shared by the program's build and the native one (tests, fuzzers).
# One folder per feature; a file's folder says which feature it serves.
get_filename_component(ZINTAR_CORE_ROOT ${CMAKE_CURRENT_LIST_DIR}/.. ABSOLUTE)
set(ZINTAR_CORE_SOURCES
    common/hex_text.cpp
    common/scroll_span.cpp
    converter/captions.cpp
    converter/code_box.cpp
    converter/conversion.cpp
    converter/hover.cpp
    converter/typed_codes.cpp
    key_history/character_text.cpp
    key_history/detail_rows.cpp
    key_history/history_columns.cpp
    key_history/history_view.cpp
    key_history/input_device_name.cpp
    key_history/key_details.cpp
    key_history/key_event.cpp
    key_history/key_history_text.cpp
    key_history/key_route.cpp
    key_history/key_route_text.cpp
    key_history/key_rows.cpp
    key_identity/copy_as_code.cpp
    key_identity/key_names.cpp
    key_identity/logical_key.cpp
    key_identity/physical_key.cpp
    key_identity/reserved_shortcuts.cpp
    key_identity/virtual_key_names.cpp
    key_identity/virtual_key_table.cpp
    keyboard_layout/typed_by_layout.cpp
    pictures/picture_scale.cpp
)
list(TRANSFORM ZINTAR_CORE_SOURCES PREPEND ${CMAKE_CURRENT_LIST_DIR}/)
