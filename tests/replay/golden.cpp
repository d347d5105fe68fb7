// SPDX-License-Identifier: MIT
// replay_golden SCRIPT EXPECTED: runs an event script and compares each dump with the expected JSON lines,
// naming every differing field, so a failing golden test reads like a list of what changed.
#include "replay.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <vector>

namespace {

std::vector<std::string> Lines(std::istream& in)
{
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty()) {
            lines.push_back(line);
        }
    }
    return lines;
}

int CompareDump(std::size_t number, const std::string& expectedLine, const std::string& actualLine)
{
    const auto expected = nlohmann::json::parse(expectedLine);
    const auto actual = nlohmann::json::parse(actualLine);
    if (expected == actual) {
        return 0;
    }
    std::cout << "dump " << number << " differs:\n";
    for (const auto& change : nlohmann::json::diff(expected, actual)) {
        const std::string path = change["path"];
        const auto pointer = nlohmann::json::json_pointer(path);
        std::cout << "  " << path << ": expected "
                  << (expected.contains(pointer) ? expected.at(pointer).dump() : "nothing") << ", got "
                  << (actual.contains(pointer) ? actual.at(pointer).dump() : "nothing") << '\n';
    }
    return 1;
}

int Run(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: replay_golden SCRIPT EXPECTED\n";
        return 2;
    }
    std::ifstream script(argv[1], std::ios::binary);
    std::ifstream expectedFile(argv[2], std::ios::binary);
    if (!script || !expectedFile) {
        std::cerr << "replay_golden: cannot read " << (script ? argv[2] : argv[1]) << '\n';
        return 2;
    }
    std::filesystem::current_path(std::filesystem::absolute(argv[1]).parent_path());
    std::ostringstream out;
    std::ostringstream err;
    const int status = zifora::RunScript(script, out, err);
    if (status != 0) {
        std::cout << "the script stopped: " << err.str();
        return 1;
    }
    std::istringstream actualStream(out.str());
    const std::vector<std::string> actual = Lines(actualStream);
    const std::vector<std::string> expected = Lines(expectedFile);
    int failures = 0;
    for (std::size_t i = 0; i < std::min(actual.size(), expected.size()); ++i) {
        failures += CompareDump(i + 1, expected[i], actual[i]);
    }
    if (actual.size() != expected.size()) {
        std::cout << "expected " << expected.size() << " dumps, got " << actual.size() << '\n';
        ++failures;
    }
    return failures == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    try {
        return Run(argc, argv);
    } catch (const std::exception& error) {
        std::cout << "replay_golden: " << error.what() << '\n';
        return 1;
    }
}
