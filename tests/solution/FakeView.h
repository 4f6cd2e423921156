#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "numeric/Bidi.h"
#include "solution/Calculation.h"

namespace numora::testing {

// The fields of a window, each a string of its own, and what the calculation shows in them.
struct FakeView final : ResultView {
  std::map<FieldId, std::u16string> texts, names, workings, notes, stale;
  // "<fault number>: <sentence>", "failure: <what>" or "message: <text>"
  std::vector<std::u16string> boxes;
  std::vector<FaultKind> faults;  // of the fault boxes, in order

  std::u16string text(FieldId box) const override { return texts.count(box) ? texts.at(box) : u""; }
  std::u16string name(FieldId box) const override { return names.at(box); }
  void setText(FieldId result, std::u16string_view text) override { texts[result] = text; }
  void setWorking(FieldId field, std::u16string_view working) override {
    workings[field] = Plain(working);
  }
  void setNote(FieldId box, std::u16string_view note) override { notes[box] = note; }
  void setStale(FieldId result, std::u16string_view sentence) override { stale[result] = sentence; }
  void showFault(const Fault& fault, std::u16string_view sentence) override {
    faults.push_back(fault.kind());
    boxes.push_back(std::u16string(1, u'0' + fault.number() % 10) + u": " +
                    std::u16string(sentence));
  }
  void showFailure(std::u16string_view what) override {
    boxes.push_back(u"failure: " + std::u16string(what));
  }
  void showMessage(std::u16string_view text) override {
    boxes.push_back(u"message: " + std::u16string(text));
  }
  void showSolution(const Solution& shown) override {
    solution = shown;
    solutionStale.clear();
  }
  void setSolutionStale(std::u16string_view sentence) override { solutionStale = sentence; }
  void announce(std::u16string_view sentence) override { said.push_back(Plain(sentence)); }
  std::vector<std::u16string> said;

  // The solution's lines without their isolates, the problem marked "#", the exact answers "*",
  // the reasons "!", the answers "@".
  // A step's rows are joined back into one line.
  std::vector<std::u16string> lines() const {
    std::vector<std::u16string> out;
    for (const SolutionLine& line : solution.lines) {
      if (line.kind == SolutionLine::Kind::NextStep) {
        out.back() += u" " + Plain(line.text);
        continue;
      }
      out.push_back((line.kind == SolutionLine::Kind::Problem  ? u"#"
                     : line.kind == SolutionLine::Kind::Exact  ? u"*"
                     : line.kind == SolutionLine::Kind::Reason ? u"!"
                     : line.kind == SolutionLine::Kind::Answer ? u"@"
                                                               : u"") +
                    Plain(line.text));
    }
    return out;
  }
  Solution solution;
  std::u16string solutionStale;

  static std::u16string Plain(std::u16string_view text) { return WithoutBidiMarks(text); }
};

}  // namespace numora::testing
