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

struct Handler {
    const char* name;
    std::function<void(Form1&)> prepare;
    std::function<void(Form1&)> run;
};

void RunHandler(benchmark::State& state, const Position& position, const Handler& handler)
{
    const Form1 start = position.make();
    for (auto _ : state) {
        state.PauseTiming();
        Form1 form = start;
        handler.prepare(form);
        state.ResumeTiming();
        handler.run(form);
        benchmark::DoNotOptimize(form);
    }
}

std::vector<Handler> Handlers(zifora::AnswerChooser& chooser)
{
    const auto nothing = [](Form1&) {};
    return {
        {"Datei", nothing, [&chooser](Form1& form) { form.Los_Click(chooser); }},
        {"Zellen", nothing, [](Form1& form) { form.Zellen_Click(); }},
        {"Einzeln", nothing, [](Form1& form) { form.Einzelne_Click(); }},
        {"Dop2er", nothing, [](Form1& form) { form.D2er_Click(); }},
        {"Test", nothing, [](Form1& form) { form.Testen_Click(); }},
        {"Check1", nothing, [](Form1& form) { form.Check1_Click(); }},
        {"EnterCell", AwayInTrialMode,
            [](Form1& form) {
                const zifora::CellRef cell = EnteredCell(form);
                form.Feld_EnterCell(cell.row, cell.column);
            }},
        {"Choice", ListShown, [](Form1& form) { form.wahl_Click(1); }},
        {"Accept", TrialOn, [](Form1& form) { form.TestOK_Click(); }},
        {"Discard", TrialOn, [](Form1& form) { form.Reset_Click(); }},
    };
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
        for (const Handler& handler : Handlers(*chooser)) {
            benchmark::RegisterBenchmark((std::string(handler.name) + "/" + position.name).c_str(),
                [&position, handler, chooser](
                    benchmark::State& state) { RunHandler(state, position, handler); });
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
