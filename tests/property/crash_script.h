// SPDX-License-Identifier: MIT
#pragma once

#include "session_generator.h"

#include <cstdint>
#include <vector>

namespace zifora::test {

// While one lives, a crash of the process (an abort, a failed assertion, a sanitizer's finding, a bad memory
// access) first writes the session's events so far as a zifora-replay script into the session folder, which
// the crash leaves behind, and prints it: its last event is the one that crashed.
class CrashScript {
public:
    CrashScript(std::uint64_t seed, const std::vector<Event>& events, const SessionFolder& folder);
    ~CrashScript();
    CrashScript(const CrashScript&) = delete;
    CrashScript& operator=(const CrashScript&) = delete;

    // Writes and prints the script of the session that is running, once; does nothing when none is.
    static void Report();

private:
    std::uint64_t m_seed;
    const std::vector<Event>& m_events;
    const SessionFolder& m_folder;
};

} // namespace zifora::test
