// SPDX-License-Identifier: MIT
// replay_golden SCRIPT EXPECTED: runs an event script and compares each dump with the expected JSON lines,
// naming every differing field, so a failing golden test reads like a list of what changed.
#include "replay.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

namespace {

int Run(const char* scriptPath, const char* expectedPath)
{
    std::ifstream script(scriptPath, std::ios::binary);
    std::ifstream expectedFile(expectedPath, std::ios::binary);
    if (!script || !expectedFile) {
        std::cout << "replay_golden: cannot read " << (script ? expectedPath : scriptPath) << '\n';
        return 1;
    }
    std::filesystem::current_path(std::filesystem::absolute(scriptPath).parent_path());
    std::stringstream out;
    std::ostringstream err;
    if (zifora::RunScript(script, out, err) != 0) {
        std::cout << "the script stopped: " << err.str();
        return 1;
    }
    int failures = 0;
    int number = 0;
    std::string expectedLine;
    std::string actualLine;
    for (;;) {
        const bool moreExpected = static_cast<bool>(std::getline(expectedFile, expectedLine));
        if (!std::getline(out, actualLine) && !moreExpected) {
            return failures;
        }
        ++number;
        const auto expected = expectedLine.empty() ? nlohmann::json() : nlohmann::json::parse(expectedLine);
        const auto actual = actualLine.empty() ? nlohmann::json() : nlohmann::json::parse(actualLine);
        for (const auto& change : nlohmann::json::diff(expected, actual)) {
            const auto pointer = nlohmann::json::json_pointer(change["path"].get<std::string>());
            std::cout << "dump " << number << " " << pointer.to_string() << ": expected "
                      << (expected.contains(pointer) ? expected.at(pointer).dump() : "nothing") << ", got "
                      << (actual.contains(pointer) ? actual.at(pointer).dump() : "nothing") << '\n';
            failures = 1;
        }
        expectedLine.clear();
        actualLine.clear();
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: replay_golden SCRIPT EXPECTED\n";
        return 2;
    }
    try {
        return Run(argv[1], argv[2]);
    } catch (const std::exception& error) {
        std::cout << "replay_golden: " << error.what() << '\n';
        return 1;
    }
}
