#include "file_output.h"

#include <fstream>
#include <stdexcept>
#include <system_error>

namespace zintar::pictures {

void writeFileReplacing(const std::filesystem::path& file, const std::vector<std::uint8_t>& bytes) {
    std::filesystem::path partial = file;
    partial += ".partial";
    std::ofstream out(partial, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.close();
    std::error_code error;
    if (out) {
        std::filesystem::rename(partial, file, error);
        if (!error) {
            return;
        }
    }
    std::filesystem::remove(partial, error);
    throw std::runtime_error("cannot write " + file.string());
}

} // namespace zintar::pictures
