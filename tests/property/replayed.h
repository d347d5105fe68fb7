// SPDX-License-Identifier: MIT
#pragma once

#include "replay.h"
#include "session_generator.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace zifora::test {

// What zifora-replay dumps for a script run from inside the folder, one line a dump.
inline std::vector<std::string> Replayed(const std::string& script, const SessionFolder& folder)
{
    const std::filesystem::path here = std::filesystem::current_path();
    std::filesystem::current_path(folder.Path());
    std::istringstream in(script);
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunScript(in, out, err);
    std::filesystem::current_path(here);
    EXPECT_EQ(status, 0) << err.str();
    std::vector<std::string> dumps;
    std::istringstream lines(out.str());
    for (std::string line; std::getline(lines, line);) {
        dumps.push_back(line);
    }
    return dumps;
}

} // namespace zifora::test
