// Writing a picture file so that a failed run never leaves a half-written one behind.
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

namespace zintar::pictures {

// Writes beside the target and renames over it only once every byte is out, so the old file
// (if any) stays whole on failure and a build never takes a truncated picture for a good one.
// Throws std::runtime_error when the file cannot be written.
void writeFileReplacing(const std::filesystem::path& file, const std::vector<std::uint8_t>& bytes);

} // namespace zintar::pictures
