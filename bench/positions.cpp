// SPDX-License-Identifier: MIT
#include "positions.h"

#include <type_traits>
#include <variant>

namespace zifora::bench {
namespace {

Form1 Loaded(const char* file)
{
    Form1 form;
    AnswerChooser chooser(PositionPath(file));
    form.Los_Click(chooser);
    return form;
}

Form1 HardWithTrialCells()
{
    Form1 form = Loaded("hard.txt");
    form.Check1_Click();
    int placed = 0;
    for (auto cell = NextOpenCell(form, 1, 0); cell && placed < 12;
         cell = NextOpenCell(form, cell->row, cell->column)) {
        form.Feld_EnterCell(cell->row, cell->column);
        // Entry 0 is the empty one; entry 1 the cell's first candidate.
        if (form.State().wahl.items.size() > 1) {
            form.wahl_Click(1);
            ++placed;
        }
    }
    return form;
}

// Makes cell current as the user would, moving away first so that EnterCell runs.
void EnterAnew(Form1& form, CellRef cell)
{
    const CellRef away = cell == CellRef {1, 1} ? CellRef {9, 9} : CellRef {1, 1};
    form.Feld_EnterCell(away.row, away.column);
    form.Feld_EnterCell(cell.row, cell.column);
}

} // namespace

std::string PositionPath(const std::string& file)
{
    return std::string(ZIFORA_BENCH_POSITIONS) + "/" + file;
}

const std::vector<Position>& Positions()
{
    static const std::vector<Position> positions = {
        {"empty", "easy.txt", [] { return Form1 {}; }},
        {"easy", "hard.txt", [] { return Loaded("easy.txt"); }},
        {"hard", "easy.txt", [] { return Loaded("hard.txt"); }},
        {"hardTrial", "easy.txt", HardWithTrialCells},
    };
    return positions;
}

std::optional<CellRef> NextOpenCell(const Form1& form, int row, int column)
{
    for (int index = (row - 1) * 9 + column; index < 81; ++index) {
        const int r = index / 9 + 1;
        const int c = index % 9 + 1;
        if (IsOpen(form.State().board.CellState(r, c))) {
            return CellRef {r, c};
        }
    }
    return std::nullopt;
}

CellRef EnteredCell(const Form1& form)
{
    return NextOpenCell(form, 5, 0).value_or(CellRef {5, 5});
}

void TrialOn(Form1& form)
{
    if (!form.State().board.TestMode) {
        form.Check1_Click();
    }
}

void AwayInTrialMode(Form1& form)
{
    TrialOn(form);
    const CellRef cell = EnteredCell(form);
    form.Feld_EnterCell(cell.row == 1 ? 2 : 1, 1);
}

void ListShown(Form1& form)
{
    TrialOn(form);
    EnterAnew(form, EnteredCell(form));
}

std::vector<Action> Actions()
{
    const auto nothing = [](Form1&) {};
    // Only trial mode enables a button that can be disabled.
    const auto enabled = [](const Control* control) {
        return [control](Form1& form) {
            const auto* button = std::get_if<Button FormState::*>(&control->state);
            if (button != nullptr && !form.State().Enabled(form.State().**button)) {
                TrialOn(form);
            }
        };
    };
    std::vector<Action> actions;
    for (const Control& row : kControls) {
        const Control* control = &row;
        std::visit(
            [&](auto handler) {
                using Handler = decltype(handler);
                if constexpr (std::is_same_v<Handler, ClickHandler>) {
                    actions.push_back({control, enabled(control),
                        [handler](Form1& form, AnswerChooser&) { (form.*handler)(); }});
                } else if constexpr (std::is_same_v<Handler, FileHandler>) {
                    actions.push_back({control, nothing,
                        [handler](Form1& form, AnswerChooser& chooser) { (form.*handler)(chooser); }});
                } else if constexpr (std::is_same_v<Handler, CellHandler>) {
                    actions.push_back({control, AwayInTrialMode, [handler](Form1& form, AnswerChooser&) {
                                           const CellRef cell = EnteredCell(form);
                                           (form.*handler)(cell.row, cell.column);
                                       }});
                } else if constexpr (std::is_same_v<Handler, EntryHandler>) {
                    // Entry 0 is the empty one; entry 1 the cell's first candidate.
                    actions.push_back(
                        {control, ListShown, [handler](Form1& form, AnswerChooser&) { (form.*handler)(1); }});
                }
            },
            row.handler);
    }
    return actions;
}

} // namespace zifora::bench
