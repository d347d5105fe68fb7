// SPDX-License-Identifier: MIT
#include "crash_script.h"

#include "form_session.h"

#include <csignal>
#include <cstdio>
#include <fstream>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/common_interface_defs.h>
#endif

namespace zifora::test {
namespace {

CrashScript* g_running = nullptr;

// The process is going down anyway: what the handler does need not be safe for a signal, only likely to
// get the script out before the default action ends it.
extern "C" void OnFatalSignal(int signal)
{
    CrashScript::Report();
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

extern "C" void OnSanitizerDeath()
{
    CrashScript::Report();
}

void InstallOnce()
{
    static const bool installed = [] {
        std::signal(SIGABRT, OnFatalSignal);
#if defined(__SANITIZE_ADDRESS__)
        // The sanitizer reports bad memory accesses itself and then calls this.
        __sanitizer_set_death_callback(OnSanitizerDeath);
#else
        std::signal(SIGSEGV, OnFatalSignal);
        std::signal(SIGFPE, OnFatalSignal);
#endif
        return true;
    }();
    static_cast<void>(installed);
}

} // namespace

CrashScript::CrashScript(std::uint64_t seed, const std::vector<Event>& events, const SessionFolder& folder)
    : m_seed(seed)
    , m_events(events)
    , m_folder(folder)
{
    InstallOnce();
    g_running = this;
}

CrashScript::~CrashScript()
{
    g_running = nullptr;
}

void CrashScript::Report()
{
    CrashScript* running = g_running;
    if (running == nullptr) {
        return;
    }
    g_running = nullptr;
    const SessionFailure failure {running->m_seed, running->m_events, "the program crashed"};
    const std::string script = ReplayScript(failure, running->m_folder);
    const auto file = running->m_folder.Path() / ("crash-" + std::to_string(running->m_seed) + ".txt");
    std::ofstream(file, std::ios::binary) << script;
    std::fprintf(
        stderr, "A random session crashed; replay with: zifora-replay %s\n%s", file.c_str(), script.c_str());
    std::fflush(stderr);
}

} // namespace zifora::test
