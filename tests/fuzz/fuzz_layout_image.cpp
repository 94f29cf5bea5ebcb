// ReadLayoutTables over any bytes: the input is a layout DLL's whole readable image at a
// fixed address, its KBDTABLES at the start. Whatever the pointers, counts and end rows say,
// the reader reads nothing outside the image (AddressSanitizer), ends, and either reads the
// whole layout within its bounds or gives a fault and no tables.
#include "core/keyboard_layout/layout_image.h"
#include "fuzz_support.h"

namespace {

// Where the image lies for its own pointers, as the seed's pointers have it.
constexpr uint64_t kBase = 0x10000;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace zintar;
    const ImageRegion region{kBase, reinterpret_cast<const std::byte*>(data), size};
    const LayoutReadResult result = ReadLayoutTables({&region, 1}, kBase);
    if (!result.ok()) {
        FUZZ_CHECK(result.tables == KeyboardLayoutTables{});
        return 0;
    }
    const KeyboardLayoutTables& t = result.tables;
    FUZZ_CHECK(!t.scanCodes.empty() && t.scanCodes.size() <= kMaxScanCodes);
    FUZZ_CHECK(t.scanCodesE0.size() <= kMaxTableRows && t.scanCodesE1.size() <= kMaxTableRows);
    FUZZ_CHECK(t.keys.size() <= kMaxCharacterTables * kMaxCharacterRows);
    for (const KeyCharacters& key : t.keys)
        FUZZ_CHECK(key.byModification.size() <= kMaxModifications);
    for (const LayoutKeyName& name : t.keyNames)
        FUZZ_CHECK(name.name.size() <= kMaxNameLength);
    FUZZ_CHECK(t.deadKeys.size() <= kMaxDeadKeyRows);
    return 0;
}
