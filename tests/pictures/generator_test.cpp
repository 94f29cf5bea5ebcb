// The committed pictures are exactly what the generator draws: a fresh run reproduces them
// byte for byte, so a hand-edited or stale resource fails here.
#include "picture_files.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>

using namespace pictures_test;
namespace fs = std::filesystem;

namespace {

TEST(Generator, FreshRunReproducesTheCommittedFiles) {
    const fs::path out =
        fs::temp_directory_path() /
        ("zintar-pictures-" +
         std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
    const std::string command =
        std::string("\"") + ZINTAR_PICTURES_TOOL + "\" \"" + out.string() + "\"";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;

    std::set<std::string> written;
    for (const fs::directory_entry& entry : fs::directory_iterator(out)) {
        const std::string name = entry.path().filename().string();
        written.insert(name);
        EXPECT_TRUE(readFile(entry.path()) == readResource(name))
            << name << " differs; regenerate with: zintar_pictures " << ZINTAR_RESOURCES_DIR;
    }
    fs::remove_all(out);
    EXPECT_EQ(written,
              (std::set<std::string>{"frmZintar.ico", "imgLangEng.gif", "imgLangHUN.gif",
                                     "imgLangEng_hl.bmp", "imgLangHUN_hl.bmp", "Image2.bmp"}));
}

} // namespace
