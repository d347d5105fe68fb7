// SPDX-License-Identifier: MIT
// Counts how many of qqwing's intermediate and expert puzzles the button loops solve:
//   qqwing_solve_rate [COUNT]
#include "qqwing_puzzles.h"

#include <cstdlib>
#include <iostream>
#include <string>

namespace {

using zifora::Form1;
using namespace zifora::oracle;

struct Tally {
    int solved = 0;
    int wrong = 0; // some placed cell differs from qqwing's solution
};

bool PlacedCellsAgree(const Form1& form, const std::string& solution)
{
    const zifora::Board& board = form.State().board;
    for (int row = 1; row <= 9; ++row) {
        for (int column = 1; column <= 9; ++column) {
            const auto index = static_cast<std::size_t>((row - 1) * 9 + column - 1);
            if (zifora::IsPlaced(board.CellState(row, column))
                && board.Feld.TextMatrix(row, column) != std::string(1, solution[index])) {
                return false;
            }
        }
    }
    return true;
}

template <typename Round>
void Count(const ScratchFolder& folder, const GeneratedPuzzle& puzzle, int number, Round round, Tally& tally)
{
    Form1 form;
    Load(form, folder.Write(puzzle, number));
    RepeatUntilSettled(form, round);
    if (!PlacedCellsAgree(form, puzzle.solution)) {
        ++tally.wrong;
        return;
    }
    form.Testen_Click();
    if (form.State().board.Label2.caption == "OK" && form.State().Text1.text == "Keine Fehler!") {
        ++tally.solved;
    }
}

} // namespace

int main(int argc, char** argv)
{
    const int count = argc > 1 ? std::atoi(argv[1]) : 200;
    if (!QqwingInstalled() || count <= 0) {
        std::cerr << "qqwing_solve_rate needs qqwing on PATH and a positive count\n";
        return 2;
    }
    const auto singlesRound = [](Form1& form) {
        form.Zellen_Click();
        form.Einzelne_Click();
    };
    const auto pairsRound = [](Form1& form) {
        form.Zellen_Click();
        form.Einzelne_Click();
        form.D2er_Click();
        form.Einzelne_Click();
    };
    const ScratchFolder folder;
    for (const std::string difficulty : {"intermediate", "expert"}) {
        const std::vector<GeneratedPuzzle> puzzles = Generate(count, difficulty);
        Tally singles;
        Tally pairs;
        int number = 0;
        for (const GeneratedPuzzle& puzzle : puzzles) {
            Count(folder, puzzle, ++number, singlesRound, singles);
            Count(folder, puzzle, ++number, pairsRound, pairs);
        }
        std::cout << difficulty << ": " << puzzles.size() << " puzzles; Zellen+Einzeln solves "
                  << singles.solved << " (wrong " << singles.wrong
                  << "); Zellen+Einzeln+Dop2er+Einzeln solves " << pairs.solved << " (wrong " << pairs.wrong
                  << ")\n";
    }
    return 0;
}
