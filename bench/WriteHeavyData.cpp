// SPDX-License-Identifier: GPL-3.0-or-later
// write_heavy_data FOLDER: writes the heavy user's data folder for the start-up benchmark and rekkocal timings.
#include "HeavyData.h"

#include <iostream>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: write_heavy_data FOLDER\n";
        return 2;
    }
    if (const rekko::Status written = rekko::bench::WriteHeavyDataFolder(argv[1]); !written) {
        std::cerr << written.error().path << ": " << written.error().cause << "\n";
        return 1;
    }
    return 0;
}
