// make_assets DISC: writes the sample disc's generated files (skin, buttons,
// backdrop, layout script, game screenshots and program files) below DISC.
#include "DiscAssets.h"

#include <cstdio>
#include <string>

int main(int argc, char **argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_assets DISC_FOLDER\n");
        return 2;
    }
    const auto files = assets::GenerateDiscFiles();
    std::string failed;
    if (!assets::WriteDiscFiles(argv[1], files, failed)) {
        std::fprintf(stderr, "make_assets: cannot write %s\n", failed.c_str());
        return 1;
    }
    std::printf("make_assets: %zu files written to %s\n", files.size(), argv[1]);
    return 0;
}
