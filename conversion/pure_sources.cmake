# The conversion code without <windows.h>: built into the program and, natively, into the
# fuzzers. Paths are relative to this folder.
set(ZINTAR_PURE_SOURCES hex_text.cpp modKeyNames.cpp typed_codes.cpp)
