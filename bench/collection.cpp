// SPDX-License-Identifier: MIT
// Opening a collection of about 5 MB, one puzzle a line, up to the question which puzzle to open; beside it
// `wc -l` on the same file, the floor that no reader of its lines beats.
#include "window/form.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// A whole number of blocks of nine lines, so that the plain reading reads every line before the layout
// shows: the most a collection costs.
constexpr int kPuzzles = 9 * 6779;
constexpr std::string_view kPuzzle
    = "530070000600195000098000060800060003400803001700020006060000280000419005000080079";

// Every puzzle its own: the digits renamed by a shift that changes from line to line.
std::string WriteCollection()
{
    std::string path = (std::filesystem::temp_directory_path()
        / ("zifora-collection-" + std::to_string(::getpid()) + ".txt"))
                           .string();
    std::ofstream file(path, std::ios::binary);
    std::string line(kPuzzle);
    for (int number = 0; number < kPuzzles; ++number) {
        for (std::size_t cell = 0; cell < line.size(); ++cell) {
            line[cell]
                = kPuzzle[cell] == '0' ? '.' : static_cast<char>('1' + (kPuzzle[cell] - '1' + number) % 9);
        }
        file << line << '\n';
    }
    return path;
}

const std::string& CollectionPath()
{
    static const std::string path = WriteCollection();
    return path;
}

void OpenUpToTheQuestion(benchmark::State& state)
{
    for (auto _ : state) {
        zifora::Form1 form;
        zifora::AnswerChooser cancel(std::nullopt, 0);
        form.Form_Open(CollectionPath(), cancel);
        if (!cancel.Asked() || cancel.Asked()->count != kPuzzles) {
            state.SkipWithError("the collection did not reach the question");
            break;
        }
    }
    state.SetBytesProcessed(
        state.iterations() * static_cast<std::int64_t>(std::filesystem::file_size(CollectionPath())));
}

void WcLines(benchmark::State& state)
{
    char wc[] = "wc";
    char lines[] = "-l";
    std::string name = CollectionPath();
    char* arguments[] = {wc, lines, name.data(), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    for (auto _ : state) {
        pid_t child = 0;
        int status = 0;
        if (posix_spawnp(&child, "wc", &actions, nullptr, arguments, environ) != 0
            || waitpid(child, &status, 0) != child || status != 0) {
            state.SkipWithError("wc -l did not run");
            break;
        }
    }
    posix_spawn_file_actions_destroy(&actions);
}

} // namespace

BENCHMARK(OpenUpToTheQuestion)->Unit(benchmark::kMillisecond);
BENCHMARK(WcLines)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove(CollectionPath());
    return 0;
}
