// SPDX-License-Identifier: MIT
#include "qqwing_puzzles.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <system_error>
#include <unistd.h>

namespace zifora::oracle {
namespace {

std::vector<std::string> SplitCsv(const std::string& line)
{
    std::vector<std::string> fields;
    std::istringstream stream(line);
    std::string field;
    while (std::getline(stream, field, ',')) {
        fields.push_back(field);
    }
    return fields;
}

// The columns of qqwing's statistics: puzzle, solution, givens, singles, hidden singles, then the counts
// of every harder technique, guesses and backtracks, then the difficulty.
constexpr std::size_t kFirstHarderColumn = 5;
constexpr std::size_t kDifficultyColumn = 11;

std::optional<GeneratedPuzzle> ParseLine(const std::string& line)
{
    const std::vector<std::string> fields = SplitCsv(line);
    if (fields.size() <= kDifficultyColumn || fields[0].size() != 81 || fields[1].size() != 81) {
        return std::nullopt;
    }
    GeneratedPuzzle puzzle {fields[0], fields[1], true};
    for (std::size_t column = kFirstHarderColumn; column < kDifficultyColumn; ++column) {
        puzzle.singlesSuffice = puzzle.singlesSuffice && fields[column] == "0";
    }
    return puzzle;
}

struct PipeCloser {
    void operator()(std::FILE* pipe) const { pclose(pipe); }
};

} // namespace

bool QqwingInstalled()
{
    const char* path = std::getenv("PATH");
    std::istringstream folders(path != nullptr ? path : "");
    std::string folder;
    while (std::getline(folders, folder, ':')) {
        const std::filesystem::path candidate = std::filesystem::path(folder) / "qqwing";
        if (!folder.empty() && access(candidate.c_str(), X_OK) == 0) {
            return true;
        }
    }
    return false;
}

std::vector<GeneratedPuzzle> Generate(int count, const std::string& difficulty)
{
    const std::string command = "qqwing --generate " + std::to_string(count) + " --difficulty " + difficulty
        + " --csv --solution --stats";
    const std::unique_ptr<std::FILE, PipeCloser> pipe(popen(command.c_str(), "r"));
    std::vector<GeneratedPuzzle> puzzles;
    if (!pipe) {
        return puzzles;
    }
    std::string output;
    char chunk[4096];
    for (std::size_t got; (got = std::fread(chunk, 1, sizeof chunk, pipe.get())) > 0;) {
        output.append(chunk, got);
    }
    std::istringstream lines(output);
    std::string line;
    while (std::getline(lines, line)) {
        if (auto puzzle = ParseLine(line)) {
            puzzles.push_back(*puzzle);
        }
    }
    return puzzles;
}

ScratchFolder::ScratchFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "zifora-qqwing-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot make a scratch folder");
    }
    m_path = pattern;
}

ScratchFolder::~ScratchFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

std::string ScratchFolder::Write(const GeneratedPuzzle& puzzle, int number) const
{
    const std::filesystem::path file = m_path / ("puzzle" + std::to_string(number) + ".txt");
    std::ofstream out(file, std::ios::binary);
    for (std::size_t row = 0; row < 9; ++row) {
        out << puzzle.givens.substr(row * 9, 9) << "\r\n";
    }
    return file.string();
}

void Load(Form1& form, const std::string& path)
{
    AnswerChooser chooser(path);
    form.Los_Click(chooser);
}

void RepeatUntilSettled(Form1& form, const std::function<void(Form1&)>& round)
{
    for (int rounds = 0; rounds < 100; ++rounds) {
        const Board before = form.State().board;
        round(form);
        if (form.State().board == before) {
            return;
        }
    }
}

std::string BoardText(const Form1& form)
{
    std::string text;
    for (int row = 1; row <= 9; ++row) {
        for (int column = 1; column <= 9; ++column) {
            text += form.State().board.Feld.TextMatrix(row, column);
        }
    }
    return text;
}

} // namespace zifora::oracle
