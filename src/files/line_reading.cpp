// SPDX-License-Identifier: MIT
#include "files/line_layout.h"
#include "files/readings.h"
#include "files/text_lines.h"

#include <string>
#include <vector>

namespace zifora {
namespace {

constexpr std::size_t kGridRows = kRowCells;
constexpr std::size_t kMapLines = 9;
constexpr std::size_t kMapPieces = 9;

// Rows gathered into grids: blank and frame lines may stand between them, any other line ends the run.
class GridRun {
public:
    void Add(const std::string& cells, std::size_t number)
    {
        if (m_cells.empty()) {
            m_firstLine = number;
        }
        m_cells += cells;
        ++m_rows;
    }

    // A run that is no whole number of grids has a row too many or too few somewhere: which one cannot be
    // told, so none of it is read.
    void End(LineReading& reading)
    {
        if (m_rows % kGridRows != 0) {
            if (!reading.refusal) {
                reading.refusal = LoadError {
                    LoadErrorKind::BrokenGrid, static_cast<int>(m_firstLine), static_cast<int>(m_rows)};
            }
        } else {
            for (std::size_t grid = 0; grid < m_rows / kGridRows; ++grid) {
                reading.puzzles.push_back(
                    PuzzleFromCells(std::string_view(m_cells).substr(grid * kGridRows * kGridRows)));
            }
        }
        m_cells.clear();
        m_rows = 0;
    }

private:
    std::string m_cells;
    std::size_t m_rows = 0;
    std::size_t m_firstLine = 0;
};

// Counts the lines in a row that are nine pieces but not nine cells.
class RegionMapWatch {
public:
    void Other(std::string_view line, std::size_t number, LineReading& reading)
    {
        m_lines = PieceCount(line) == kMapPieces ? m_lines + 1 : 0;
        if (m_lines == kMapLines && !reading.refusal) {
            reading.refusal = LoadError {LoadErrorKind::RegionMap, static_cast<int>(number - kMapLines + 1)};
        }
    }
    void Break() { m_lines = 0; }

private:
    std::size_t m_lines = 0;
};

} // namespace

LineReading ReadLineByLine(std::string_view text)
{
    LineReading reading;
    GridRun run;
    RegionMapWatch map;
    for (LineCursor lines(text); !lines.AtEnd();) {
        const std::string_view line = lines.Next();
        if (IsBlankOrBorderLine(line)) {
            map.Break();
            continue;
        }
        // A comment may hold a puzzle line, as an example or one already solved.
        const bool comment = IsCommentLine(line);
        std::optional<std::string> cells = comment ? std::nullopt : RowOrPuzzleCells(line);
        if (cells && cells->size() == kRowCells) {
            run.Add(*cells, lines.Number());
            map.Break();
            continue;
        }
        run.End(reading);
        if (cells && cells->size() == kPuzzleCells) {
            reading.puzzles.push_back(PuzzleFromCells(*cells));
            map.Break();
        } else if (comment) {
            map.Break();
        } else {
            map.Other(line, lines.Number(), reading);
        }
    }
    run.End(reading);
    return reading;
}

} // namespace zifora
