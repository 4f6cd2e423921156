#include "ui/solution/Printout.h"

#include <QDate>
#include <QLocale>
#include <vector>

#include "numeric/Bidi.h"
#include "ui/platform/Utf16Text.h"
#include "ui/solution/PrintDocument.h"

namespace numora {

bool PrintCalculation(const PrintedCalculation& calculation, QPagedPaintDevice& device) {
  PrintDocument printout(device);
  printout.title(calculation.title);
  // The date in Arabic words, its numbers in the region's digits as every other number.
  QString date = QLocale(QLocale::Arabic).toString(QDate::currentDate(), QLocale::LongFormat);
  for (QChar& c : date)
    if (c.isDigit()) c = QChar(calculation.notation.zero + c.digitValue());
  printout.line(QStringLiteral(u"التاريخ: ") + date);

  const std::optional<Solution>& solution = calculation.solution;
  if (!solution) {
    printout.heading(QStringLiteral(u"لم يحسب شيء بعد. الصيغ:"));
    for (const std::u16string& formula : calculation.formulasInWords)
      printout.line(ToQString(formula));
  } else {
    if (!calculation.outOfDate.empty())
      printout.line(ToQString(calculation.outOfDate) +
                        QStringLiteral(u" المطبوع هنا هو الحل بالمدخلات التي حُسب بها."),
                    true);
    // As a textbook sets a worked example out: the problem with its figure, what was given,
    // the working, and the answer last.
    const FormulaDirection direction = calculation.direction;
    using Kind = SolutionLine::Kind;
    const std::vector<SolutionLine> problem = LinesOf(*solution, {Kind::Problem});
    const std::vector<SolutionLine> steps =
        LinesOf(*solution, {Kind::Step, Kind::NextStep, Kind::Exact, Kind::Reason, Kind::Note});
    const std::vector<SolutionLine> answer = LinesOf(*solution, {Kind::Answer});
    if (!problem.empty()) {
      printout.heading(QStringLiteral(u"المسألة"));
      printout.solution(problem, direction);
    }
    printout.figure(calculation.figure, direction);
    printout.heading(QStringLiteral(u"المدخلات"));
    for (const SolutionInput& input : solution->inputs)
      printout.line(
          ToQString(input.name) + QStringLiteral(u": ") +
          (input.text.empty() ? QStringLiteral(u"(فارغة)") : ToQString(Isolate(input.text))));
    printout.heading(QStringLiteral(u"الحل"));
    printout.solution(steps, direction);
    if (!answer.empty()) {
      printout.keepTogether();
      printout.heading(QStringLiteral(u"الجواب"));
      printout.solution(answer, direction);
    }
  }
  return printout.paint();
}

bool WritePdf(const PrintedCalculation& calculation, const QString& path) {
  return WritePdfFile(path, calculation.title, [&calculation](QPagedPaintDevice& device) {
    return PrintCalculation(calculation, device);
  });
}

}  // namespace numora
