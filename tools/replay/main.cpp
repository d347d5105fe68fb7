// SPDX-License-Identifier: MIT
// zifora-replay SCRIPT: runs an event script on the form model and prints a JSON line for every dump.
#include "replay.h"

#include <filesystem>
#include <fstream>
#include <iostream>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: zifora-replay SCRIPT\n";
        return 2;
    }
    std::ifstream script(argv[1], std::ios::binary);
    if (!script) {
        std::cerr << "zifora-replay: cannot read " << argv[1] << '\n';
        return 2;
    }
    // Relative puzzle paths in a script name files beside it, so scripts and their files travel together.
    const std::filesystem::path folder = std::filesystem::absolute(argv[1]).parent_path();
    std::error_code error;
    std::filesystem::current_path(folder, error);
    return zifora::RunScript(script, std::cout, std::cerr);
}
