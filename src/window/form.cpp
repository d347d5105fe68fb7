// SPDX-License-Identifier: MIT
#include "window/form.h"

#include "board/bookkeeping.h"
#include "check/consistency.h"
#include "files/puzzle_file.h"
#include "solve/steps.h"

#include <string>
#include <utility>
#include <variant>

namespace zifora {
Form1::Form1()
{
    Form_Load();
}

// The board comes with its grids set up and SolvedCount at 0; start-up sets the other controls. Trial mode
// starts off, which disables Reset and TestOK.
void Form1::Form_Load()
{
    m_state.Text2.text.clear();
    m_state.board.Label2.caption = std::to_string(m_state.board.SolvedCount);
}

void Form1::Los_Click(FileChooser& chooser)
{
    // Nothing changes the entry yet; a dialog that remembered the user's pick would still open on the first.
    m_state.CommonDialog1.filterIndex = 1;
    if (const std::optional<std::string> path = chooser.ChooseFile(m_state.CommonDialog1)) {
        Form_Open(*path, chooser);
    }
}

void Form1::Form_Open(const std::string& path, PuzzleChooser& chooser)
{
    const PuzzleRead read = ReadPuzzleFile(path);
    if (const auto* error = std::get_if<LoadError>(&read)) {
        ShowRefusal(FileErrorMessage(*error, path));
        return;
    }
    if (OpenOne(std::get<Puzzles>(read), Origin {PuzzleSource::File, path, 0}, path, chooser)) {
        m_state.board.FileName = path;
    }
}

void Form1::Form_DropMany()
{
    ShowRefusal("Fehler: bitte nur eine Datei ablegen");
}

bool Form1::OpenOne(
    const std::vector<Puzzle>& puzzles, const Origin& origin, const std::string& name, PuzzleChooser& chooser)
{
    const int count = static_cast<int>(puzzles.size());
    int number = 0;
    if (count > 1) {
        // "Datei", Enter, Enter walks through a collection: the proposal is the puzzle after the one shown.
        const int proposal = m_number != 0 && m_origin == origin ? m_number % count + 1 : 1;
        const std::optional<int> chosen = chooser.ChoosePuzzle({origin.source, count, proposal});
        if (!chosen || *chosen < 1 || *chosen > count) {
            return false;
        }
        number = *chosen;
    }
    m_state.Text2.text = name;
    if (number != 0) {
        m_state.Text2.text += " (Rätsel " + std::to_string(number) + " von " + std::to_string(count) + ")";
    }
    m_origin = origin;
    m_number = number;
    ShowPuzzle(puzzles[static_cast<std::size_t>(number == 0 ? 0 : number - 1)]);
    return true;
}

void Form1::ShowRefusal(std::string message)
{
    m_state.Text1.text = std::move(message);
    m_text1ShowsRefusal = true;
}

void Form1::ShowPuzzle(const Puzzle& puzzle)
{
    // The list holds the old puzzle's candidates: a choice from it could put a ruled-out digit on the board.
    m_state.wahl.visible = false;
    // An old refusal above the new board would read as this load's failure; a test report stays.
    if (m_text1ShowsRefusal) {
        m_state.Text1.text.clear();
        m_text1ShowsRefusal = false;
    }
    m_givens = puzzle;
    ApplyPuzzle(m_state.board, puzzle);
}

void Form1::Zellen_Click()
{
    ComputeCandidates(m_state.board);
    MarkSolvedCells(m_state.board);
}

void Form1::Einzelne_Click()
{
    SinglesStep(m_state.board, m_tables);
}

void Form1::D2er_Click()
{
    PairsStep(m_state.board, m_tables);
}

void Form1::Testen_Click()
{
    m_state.Text1.text = ConsistencyReport(m_state.board);
    m_text1ShowsRefusal = false;
}

} // namespace zifora
