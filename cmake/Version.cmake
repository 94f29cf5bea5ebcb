# The version lives in the project() call only. The version record's text pads the minor
# number to two digits and the revision to four ("1.02.0001").
string(LENGTH "${PROJECT_VERSION_MINOR}" _minor_len)
string(LENGTH "${PROJECT_VERSION_PATCH}" _patch_len)
set(_minor "${PROJECT_VERSION_MINOR}")
if(_minor_len LESS 2)
    string(PREPEND _minor "0")
endif()
set(_patch "${PROJECT_VERSION_PATCH}")
foreach(_i RANGE ${_patch_len} 3)
    string(PREPEND _patch "0")
endforeach()
set(ZINTAR_VERSION_RECORD "${PROJECT_VERSION_MAJOR}.${_minor}.${_patch}")
set(ZINTAR_GENERATED_DIR ${PROJECT_BINARY_DIR}/generated)
configure_file(${CMAKE_CURRENT_LIST_DIR}/version.h.in ${ZINTAR_GENERATED_DIR}/zintar_version.h
               @ONLY)
