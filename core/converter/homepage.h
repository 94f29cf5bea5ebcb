#pragma once
// The maker's home page and publisher line. The address is under the reserved "example"
// top-level domain, so no real site receives anyone's clicks.

namespace zintar {

inline constexpr char kHomepageUrl[] = "https://morvaly.example/";
inline constexpr wchar_t kHomepageHost[] = L"morvaly.example";
inline constexpr wchar_t kPublisherNotice[] = L"Morvaly software";

} // namespace zintar
