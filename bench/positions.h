// SPDX-License-Identifier: MIT
#pragma once
// The fixed positions both benchmarks run on, and the small moves that prepare a handler's starting state.

#include "window/controls.h"
#include "window/form.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace zifora::bench {

// The path of a position file kept beside the benchmarks.
std::string PositionPath(const std::string& file);

struct Position {
    const char* name;
    // The file "Datei" loads on this position: another puzzle, so that every cell changes.
    const char* file;
    std::function<Form1()> make;
};

// The empty start-up board, a freshly loaded easy and hard puzzle, and the hard one in trial mode with a
// dozen digits chosen by hand.
const std::vector<Position>& Positions();

// The first open cell after (row, column) in reading order, or nothing.
std::optional<CellRef> NextOpenCell(const Form1& form, int row, int column);

// The open cell that cell entry and digit choice work on: the first one from the middle of the board on.
CellRef EnteredCell(const Form1& form);

void TrialOn(Form1& form);

// Trial mode on and the current cell away from the entered cell, so that entering it runs EnterCell.
void AwayInTrialMode(Form1& form);

// Trial mode on and the entered cell's list shown.
void ListShown(Form1& form);

// What the user does to a control of the window, as the form sees it: prepare puts a position where the
// control acts (trial mode for Reset and Ubernahme, a cell to enter, a list to choose from), run is the
// event.
struct Action {
    const Control* control;
    std::function<void(Form1&)> prepare;
    std::function<void(Form1&, AnswerChooser&)> run;
};

// One action for every control of the window that has a handler, in the table's order.
std::vector<Action> Actions();

} // namespace zifora::bench
