#include "solution/Solution.h"

#include <algorithm>
#include <iterator>

namespace numora {

std::vector<SolutionLine> LinesOf(const Solution& solution,
                                  std::initializer_list<SolutionLine::Kind> kinds) {
  std::vector<SolutionLine> lines;
  std::copy_if(solution.lines.begin(), solution.lines.end(), std::back_inserter(lines),
               [kinds](const SolutionLine& line) {
                 return std::find(kinds.begin(), kinds.end(), line.kind) != kinds.end();
               });
  return lines;
}

Figure FigureOfSolution(const Solution& solution, FigureOf figureOf, Notation notation) {
  if (solution.stopped) return CannotDraw(u"الشكل", solution.why);
  return figureOf != nullptr ? figureOf(solution.values, notation) : Figure{};
}

std::vector<SetSolutionLine> SetSolution(const std::vector<SolutionLine>& lines,
                                         const MathMetrics& fonts, FormulaDirection direction,
                                         double width) {
  std::vector<SetSolutionLine> set;
  // The rows of one formula are set together, so that their "=" signs line up.
  std::vector<StepRow> rows;
  std::vector<const SolutionLine*> rowLines;
  const auto flush = [&] {
    if (rows.empty()) return;
    std::vector<std::vector<SetLine>> done = SetRows(rows, fonts, direction, width);
    for (std::size_t i = 0; i < done.size(); ++i) set.push_back({rowLines[i], std::move(done[i])});
    rows.clear();
    rowLines.clear();
  };
  for (const SolutionLine& line : lines) {
    if (line.kind != SolutionLine::Kind::NextStep) flush();
    if (!line.formula) {
      set.push_back({&line, {}});
      continue;
    }
    rows.push_back({*line.formula, line.kind == SolutionLine::Kind::NextStep,
                    MathFace{.level = 0,
                             .bold = line.kind != SolutionLine::Kind::Step &&
                                     line.kind != SolutionLine::Kind::NextStep}});
    rowLines.push_back(&line);
  }
  flush();
  return set;
}

}  // namespace numora
