// SPDX-License-Identifier: MIT
#pragma once

#include "files/puzzle_file.h"
#include "solve/tables.h"
#include "window/file_chooser.h"
#include "window/form_state.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zifora {

struct CellRef {
    int row;
    int column;
    friend bool operator==(const CellRef&, const CellRef&) = default;
};

// The headless window: all of the program's state and one handler per event of the window. Each handler
// runs to completion and leaves every summary matching the board.
class Form1 {
public:
    // Creates the window's state and runs Form_Load.
    Form1();

    const FormState& State() const { return m_state; }

    // Asks the dialog for a file and opens it.
    void Los_Click(FileChooser& chooser);
    void Zellen_Click();
    void Einzelne_Click();
    void D2er_Click();
    void Testen_Click();
    void Check1_Click();
    void Reset_Click();
    void TestOK_Click();
    // The user made (row, column) the current cell of Feld; EnterCell runs only when it changed.
    void Feld_EnterCell(int row, int column);
    // The user chose entry index (0 = the empty entry) of the list wahl.
    void wahl_Click(int index);
    // The user opened a file another way than the dialog (the command line, a drop): loads it as if it had
    // been chosen there. Of a file of several puzzles the chooser asks which.
    void Form_Open(const std::string& path, PuzzleChooser& chooser);
    // The user dropped or pasted several files at once: one puzzle is loaded at a time.
    void Form_DropMany();
    // A key typed on Feld: a digit chooses its entry of the list shown for the current cell, as a click on it
    // would; Enter ('\r') and Space activate the current cell, as Feld_Click does. Other keys do nothing.
    void Feld_KeyPress(char key);
    // A click on (row, column) of Feld, after the press entered it: in trial mode the current cell's list is
    // shown, as entering the cell would show it, unless it is already.
    void Feld_Click(int row, int column);
    // Escape hides the list; nothing else changes.
    void Form_Escape();
    // Whether the list shown is that of the current cell: after a choice the bookkeeping moves the current
    // cell on, and the list stays over the cell it was filled for.
    bool ListOfCurrentCell() const;
    // The user pasted text: loads the puzzle it holds with the reader of puzzle files. Text2 names the
    // clipboard; FileName and the file dialog keep the file chosen last.
    void Form_Paste(std::string_view text, PuzzleChooser& chooser);
    // The user typed a puzzle in: loads the 81 cells, row by row ("1" to "9" given, any other character
    // open), as a file holding those givens would load. Text2 says so; FileName and the file dialog keep the
    // file chosen last. Anything but 81 cells changes nothing.
    void Form_Type(std::string_view cells);
    // The givens of the puzzle loaded last, as Form_Type takes them: a digit or "." for each cell.
    std::string Givens() const;
    // The board for the clipboard, as one line of 81 cells row by row: the digit of a placed cell, trial
    // placements included, "." for any other.
    std::string Form_Copy() const;

private:
    void Form_Load();
    void EnterCell();
    // Switches trial mode, and with it the check box and the enabled state of Reset and TestOK.
    void SetTrialMode(bool on);
    // Shows why a load was refused; nothing else changes.
    void ShowRefusal(std::string message);
    // Where a puzzle arrived from, as far as telling one collection from another needs it.
    struct Origin {
        PuzzleSource source = PuzzleSource::File;
        std::string path; // of a file
        std::size_t textHash = 0; // of a paste
        friend bool operator==(const Origin&, const Origin&) = default;
    };
    // Puts one of the puzzles that arrived on the board, and name in Text2; asks the chooser which one when
    // there are several. Returns false, having changed nothing, when the user cancelled.
    bool OpenOne(const std::vector<Puzzle>& puzzles, const Origin& origin, const std::string& name,
        PuzzleChooser& chooser);
    // Commits a checked puzzle to the board, as every successful load does.
    void ShowPuzzle(const Puzzle& puzzle);

    FormState m_state;
    SolveTables m_tables;
    // The cell for which wahl was last filled: a choice goes there, wherever the current cell is by then.
    std::optional<CellRef> m_listCell;
    // Text1 still shows the message of a refused load, which the next good load takes away.
    bool m_text1ShowsRefusal = false;
    // The puzzle on the board is number m_number of the collection from m_origin; 0 when it came alone.
    // The next load of the same collection proposes the puzzle after it.
    Origin m_origin;
    int m_number = 0;
    // The givens of the puzzle loaded last.
    Puzzle m_givens;
};

} // namespace zifora
