// SPDX-License-Identifier: MIT
// Every handler of the form model on fixed positions. Each iteration starts from a fresh copy of the
// position, made outside the timed region.
#include "positions.h"

#include <benchmark/benchmark.h>
#include <memory>
#include <string>

namespace {

using zifora::Form1;
using namespace zifora::bench;

void RunHandler(
    benchmark::State& state, const Position& position, const Action& action, zifora::AnswerChooser& chooser)
{
    const Form1 start = position.make();
    for (auto _ : state) {
        state.PauseTiming();
        Form1 form = start;
        action.prepare(form);
        state.ResumeTiming();
        action.run(form, chooser);
        benchmark::DoNotOptimize(form);
    }
}

void RegisterAll()
{
    benchmark::RegisterBenchmark("StartUp", [](benchmark::State& state) {
        for (auto _ : state) {
            Form1 form;
            benchmark::DoNotOptimize(form);
        }
    });
    for (const Position& position : Positions()) {
        auto chooser = std::make_shared<zifora::AnswerChooser>(PositionPath(position.file));
        for (const Action& action : Actions()) {
            benchmark::RegisterBenchmark((std::string(action.control->name) + "/" + position.name).c_str(),
                [&position, action, chooser](
                    benchmark::State& state) { RunHandler(state, position, action, *chooser); });
        }
    }
}

} // namespace

int main(int argc, char** argv)
{
    RegisterAll();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
