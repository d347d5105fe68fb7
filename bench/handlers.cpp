// SPDX-License-Identifier: MIT
// Every handler of the form model on fixed positions. Each iteration starts from a fresh copy of the
// position, made outside the timed region.
#include "window/form.h"

#include <benchmark/benchmark.h>
#include <functional>
#include <string>

namespace {

using zifora::Form1;

class FixedChooser final : public zifora::FileChooser {
public:
    explicit FixedChooser(std::string path)
        : m_path(std::move(path))
    {
    }
    std::optional<std::string> ChooseFile(const zifora::FileDialogSettings& /*settings*/) override
    {
        return m_path;
    }

private:
    std::string m_path;
};

std::string PositionPath(const char* name)
{
    return std::string(ZIFORA_BENCH_POSITIONS) + "/" + name;
}

Form1 Loaded(const char* name)
{
    Form1 form;
    FixedChooser chooser(PositionPath(name));
    form.Los_Click(chooser);
    return form;
}

// The first open cell after (row, column) in reading order, or nothing.
std::optional<zifora::CellRef> NextOpenCell(const Form1& form, int row, int column)
{
    for (int index = (row - 1) * 9 + column; index < 81; ++index) {
        const int r = index / 9 + 1;
        const int c = index % 9 + 1;
        if (zifora::IsOpen(form.State().board.CellState(r, c))) {
            return zifora::CellRef {r, c};
        }
    }
    return std::nullopt;
}

// The hard position in trial mode with a dozen digits chosen by hand, each the first candidate of its cell.
Form1 HardWithTrialCells()
{
    Form1 form = Loaded("hard.txt");
    form.Check1_Click();
    int placed = 0;
    for (auto cell = NextOpenCell(form, 1, 0); cell && placed < 12;
         cell = NextOpenCell(form, cell->row, cell->column)) {
        form.Feld_EnterCell(cell->row, cell->column);
        if (form.State().wahl.items.size() > 1) {
            form.wahl_Click(1);
            ++placed;
        }
    }
    return form;
}

struct Position {
    const char* name;
    std::function<Form1()> make;
};

const Position kPositions[] = {
    {"empty", [] { return Form1 {}; }},
    {"easy", [] { return Loaded("easy.txt"); }},
    {"hard", [] { return Loaded("hard.txt"); }},
    {"hardTrial", [] { return HardWithTrialCells(); }},
};

// Makes cell current as the user would, moving away first so that EnterCell runs.
void EnterAnew(Form1& form, zifora::CellRef cell)
{
    const zifora::CellRef away
        = cell == zifora::CellRef {1, 1} ? zifora::CellRef {9, 9} : zifora::CellRef {1, 1};
    form.Feld_EnterCell(away.row, away.column);
    form.Feld_EnterCell(cell.row, cell.column);
}

void TrialOn(Form1& form)
{
    if (!form.State().board.TestMode) {
        form.Check1_Click();
    }
}

// The open cell the cell-entry benchmarks enter: the first one from the middle of the board on.
zifora::CellRef EnteredCell(const Form1& form)
{
    return NextOpenCell(form, 5, 0).value_or(zifora::CellRef {5, 5});
}

void RunHandler(benchmark::State& state, const Position& position, const std::function<void(Form1&)>& prepare,
    const std::function<void(Form1&)>& handler)
{
    const Form1 start = position.make();
    for (auto _ : state) {
        state.PauseTiming();
        Form1 form = start;
        prepare(form);
        state.ResumeTiming();
        handler(form);
        benchmark::DoNotOptimize(form);
    }
}

void RegisterAll()
{
    const auto nothing = [](Form1&) {};
    const auto awayInTrialMode = [](Form1& form) {
        TrialOn(form);
        const zifora::CellRef cell = EnteredCell(form);
        form.Feld_EnterCell(cell.row == 1 ? 2 : 1, 1);
    };
    const auto listShown = [](Form1& form) {
        TrialOn(form);
        EnterAnew(form, EnteredCell(form));
    };
    struct Handler {
        const char* name;
        std::function<void(Form1&)> prepare;
        std::function<void(Form1&)> run;
    };
    const Handler handlers[] = {
        {"Zellen", nothing, [](Form1& form) { form.Zellen_Click(); }},
        {"Einzeln", nothing, [](Form1& form) { form.Einzelne_Click(); }},
        {"Dop2er", nothing, [](Form1& form) { form.D2er_Click(); }},
        {"Test", nothing, [](Form1& form) { form.Testen_Click(); }},
        {"EnterCell", awayInTrialMode,
            [](Form1& form) {
                const zifora::CellRef cell = EnteredCell(form);
                form.Feld_EnterCell(cell.row, cell.column);
            }},
        {"Choice", listShown, [](Form1& form) { form.wahl_Click(1); }},
        {"Accept", TrialOn, [](Form1& form) { form.TestOK_Click(); }},
        {"Discard", TrialOn, [](Form1& form) { form.Reset_Click(); }},
    };
    for (const Position& position : kPositions) {
        for (const Handler& handler : handlers) {
            benchmark::RegisterBenchmark((std::string(handler.name) + "/" + position.name).c_str(),
                [&position, handler](
                    benchmark::State& state) { RunHandler(state, position, handler.prepare, handler.run); });
        }
    }
    benchmark::RegisterBenchmark("StartUp", [](benchmark::State& state) {
        for (auto _ : state) {
            Form1 form;
            benchmark::DoNotOptimize(form);
        }
    });
    benchmark::RegisterBenchmark("Load/easy", [](benchmark::State& state) {
        FixedChooser chooser(PositionPath("easy.txt"));
        const Form1 start;
        for (auto _ : state) {
            state.PauseTiming();
            Form1 form = start;
            state.ResumeTiming();
            form.Los_Click(chooser);
            benchmark::DoNotOptimize(form);
        }
    });
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
