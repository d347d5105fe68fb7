// SPDX-License-Identifier: MIT
#pragma once

#include "window/form.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace zifora::oracle {

// One puzzle of qqwing's, 81 characters each, row by row: "." for an open cell.
struct GeneratedPuzzle {
    std::string givens;
    std::string solution;
    // qqwing needed nothing beyond singles and hidden singles for it.
    bool singlesSuffice = false;
};

// Whether qqwing can be found on PATH.
bool QqwingInstalled();

// Asks qqwing for count puzzles of the difficulty ("easy", "intermediate", "expert", ...); empty when qqwing
// could not be run.
std::vector<GeneratedPuzzle> Generate(int count, const std::string& difficulty);

// A folder of its own for puzzle files, removed again with the object.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // Writes the puzzle as a file of nine lines and returns its path.
    std::string Write(const GeneratedPuzzle& puzzle, int number) const;

private:
    std::filesystem::path m_path;
};

// Loads the file through the "Datei" button, as a user picking it in the dialog.
void Load(Form1& form, const std::string& path);

// Runs the round of clicks again and again until a round leaves the board as it was (at most 100 rounds).
void RepeatUntilSettled(Form1& form, const std::function<void(Form1&)>& round);

// The 81 cell texts joined row by row.
std::string BoardText(const Form1& form);

} // namespace zifora::oracle
