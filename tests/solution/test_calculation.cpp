// One calculation of a topic window, as the pupil sees it through the window's fields: what it
// reads and notes, what it writes with which working, what a fault leaves out and says, and when
// results go out of date.
#include "solution/Calculation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "FakeView.h"
#include "numeric/Bidi.h"

namespace numora {
namespace {

using testing::FakeView;

// Where the sentence of a fault comes from: the formula and the stage under way.
std::u16string Sentence(const FaultPlace& place) {
  return std::u16string(place.formula) + u"/" + std::u16string(place.stage);
}

const Expr x = Quantity(u"س"), y = Quantity(u"ص");
const Formula kSum{u"ج", x + y, Sentence};
const Formula kDifference{u"د", x - y};
const Formula kRoot{u"ر", Sqrt(Shown(kDifference)) / y, Sentence};

// A window with two boxes and two results, the second computed after the first.
struct Window {
  FakeView view;
  Calculation calculation{view, u','};
  const int fields[4] = {};
  FieldId first = &fields[0], second = &fields[1], sum = &fields[2], root = &fields[3];

  Window() {
    view.names = {{first, u"الأول"}, {second, u"الثاني"}};
    calculation.setButtonCaption(u"احسب");
    calculation.show(sum, kSum);
    calculation.show(root, kRoot);
    calculation.setProblem(
        [](const Values& values, Numerals numerals) {
          return Stated(u"س {س} وص {ص}", values, numerals);
        },
        AnswerForm::Decimals);
  }
  void click(std::u16string_view a, std::u16string_view b) {
    view.texts[first] = a;
    view.texts[second] = b;
    calculation.run([this] {
      calculation.read(first, u"س");
      calculation.readLength(second, u"ص");
      calculation.measure(sum, kSum);
      calculation.measure(root, kRoot);
    });
  }
};

TEST(Calculation, WritesEachResultWithItsWorkingAndNotesWhatItReadInPart) {
  Window window;
  EXPECT_EQ(window.view.workings[window.root], u"د = س - ص؛ ر = √د ÷ ص");
  window.click(u"10,5cm", u"2");
  EXPECT_EQ(window.view.texts[window.sum], u"12,5");
  EXPECT_EQ(window.view.workings[window.root],
            u"د = 10,5 - 2 = 8,5؛ ر = √8,5 ÷ 2 = 1,45773797371133");
  EXPECT_EQ(window.view.notes[window.first], u"حُسب بالعدد 10,5 وأُهمل «cm».");
  EXPECT_TRUE(window.view.boxes.empty());

  // The next click's notes replace the last; a negative length is computed, and said.
  window.click(u"", u"-2");
  EXPECT_EQ(window.view.notes[window.first], u"الخانة فارغة، فحُسب بالعدد 0.");
  EXPECT_EQ(window.view.notes[window.second], u"الطول لا يكون سالبا، وحُسب بالعدد -2 كما كُتب.");
  EXPECT_EQ(window.view.texts[window.sum], u"-2");
}

TEST(Calculation, AFaultLeavesOutWhatItStoppedAndSaysWhere) {
  const struct {
    const char* what;
    std::u16string first, second;
    std::u16string box;   // the fault box
    std::u16string sum;   // the first result's text
    std::u16string root;  // the second result's working
  } cases[] = {
      {"inside the stage", u"1e308", u"-1e308", u"6: ر/د", u"0",
       u"د = 1E+308 - (-1E+308)؛ ر = √د ÷ (-1E+308)، لم تحسب: توقف الحساب عند الخطأ 6، تجاوز "
       u"السعة"},
      {"the square root after the stage", u"1", u"2", u"5: ر/", u"3",
       u"د = 1 - 2 = -1؛ ر = √(-1) ÷ 2، لم تحسب: توقف الحساب عند الخطأ 5، استدعاء إجراء أو وسيطة "
       u"غير صالحة"},
      {"the division", u"0", u"0", u"6: ر/", u"0",
       u"د = 0 - 0 = 0؛ ر = √0 ÷ 0، لم تحسب: توقف الحساب عند الخطأ 6، تجاوز السعة"},
      {"reading a box, before any result", u"1", u"1e999",
       u"6: العدد المكتوب في خانة «الثاني» أكبر مما يحسبه البرنامج: اكتب فيها عددا أصغر.", u"",
       u"د = 1 - ص؛ ر = √د ÷ ص، لم تحسب: توقف الحساب عند الخطأ 6، تجاوز السعة"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Window window;
    window.view.texts[window.sum] = u"7";
    window.view.texts[window.root] = u"7";
    window.click(c.first, c.second);
    EXPECT_EQ(window.view.boxes, std::vector<std::u16string>{c.box});
    EXPECT_EQ(window.view.texts[window.sum], c.sum);
    EXPECT_EQ(window.view.texts[window.root], u"");
    EXPECT_EQ(window.view.workings[window.root], c.root);
    // What the pupil typed stays.
    EXPECT_EQ(window.view.texts[window.second], c.second);
  }
}

TEST(Calculation, EditingABoxThatWasReadPutsTheResultsOutOfDate) {
  Window window;
  const std::u16string outOfDate = u"تغيرت المدخلات بعد هذا الحساب: اضغط «احسب» مرة أخرى.";
  window.calculation.edited(window.first);  // nothing computed yet
  EXPECT_EQ(window.view.stale[window.sum], u"");
  window.click(u"1x", u"4");
  window.calculation.edited(window.first);
  EXPECT_EQ(window.view.stale[window.sum], outOfDate);
  EXPECT_EQ(window.view.stale[window.root], outOfDate);
  EXPECT_EQ(window.view.notes[window.first], u"");  // the edit takes the note away
  window.click(u"1", u"4");
  EXPECT_EQ(window.view.stale[window.root], u"");

  // A result box the pupil types into shows its formula again; it was not read, so the other
  // results stand.
  window.calculation.edited(window.root);
  EXPECT_EQ(window.view.workings[window.root], u"د = س - ص؛ ر = √د ÷ ص");
  EXPECT_EQ(window.view.stale[window.sum], u"");
}

TEST(Calculation, AResultLeftOutSaysWhyAndAFailureIsNoFault) {
  Window window;
  window.view.texts = {{window.first, u"1"}, {window.second, u"2"}, {window.root, u"7"}};
  window.calculation.run([&] {
    window.calculation.read(window.first, u"س");
    window.calculation.read(window.second, u"ص");
    if (window.calculation.value(kDifference) < 0) {
      window.calculation.leaveOut(window.root, u"السبب");
      window.calculation.showMessage(u"لا جذر");
    }
    window.calculation.measure(window.sum, kSum);
  });
  // The window's own message is no fault: the click goes on after it.
  EXPECT_EQ(window.view.boxes, std::vector<std::u16string>{u"message: لا جذر"});
  EXPECT_EQ(window.view.texts[window.root], u"");
  EXPECT_EQ(window.view.workings[window.root], u"د = 1 - 2 = -1؛ ر = √(-1) ÷ 2، لم تحسب: السبب");
  EXPECT_EQ(window.view.texts[window.sum], u"3");
  // The answer has the result computed, not the one left out, after the reason.
  EXPECT_EQ(window.view.lines(), (std::vector<std::u16string>{
                                     u"#س 1 وص 2", u"د = س - ص = 1 - 2 = -1", u"!ر، لم تحسب: السبب",
                                     u"ج = س + ص = 1 + 2 = 3", u"@ج = 3"}));

  window.calculation.run([] { throw std::runtime_error("no skin"); });
  EXPECT_EQ(window.view.boxes.back(), u"failure: no skin");
  EXPECT_EQ(window.view.workings[window.sum],
            u"ج = س + ص، لم تحسب: توقف الحساب عند خطأ في وقت التشغيل (no skin)");
}

TEST(Calculation, TheSolutionFollowsTheClick) {
  using Lines = std::vector<std::u16string>;
  Window window;
  window.click(u"10", u"2");
  // Each formula's steps, the stage once, and the exact answer where the decimal ends short of it.
  // The problem first, and each result last in the answer, with its exact answer.
  EXPECT_EQ(window.view.lines(),
            (Lines{u"#س 10 وص 2", u"ج = س + ص = 10 + 2 = 12", u"د = س - ص = 10 - 2 = 8",
                   u"ر = √د ÷ ص = √8 ÷ 2 ≈ "
                   u"1,4142135623731",
                   u"*ر = √2 ≈ 1,4142135623731", u"@ج = 12", u"@ر = √2 ≈ 1,41"}));
  EXPECT_FALSE(window.view.solution.stopped);
  EXPECT_EQ(*window.view.solution.values.find(u"ص"), 2);
  // Each result by its formula, for the figure.
  EXPECT_EQ(*window.view.solution.values.result(kSum), 12);
  EXPECT_DOUBLE_EQ(*window.view.solution.values.result(kRoot), std::sqrt(2.0));

  window.calculation.edited(window.second);
  EXPECT_EQ(window.view.solutionStale, u"تغيرت المدخلات بعد هذا الحساب: اضغط «احسب» مرة أخرى.");

  // A fault: the steps as far as they go, the results left out, the plain sentence last and no
  // answer.
  window.click(u"1", u"2");
  EXPECT_EQ(
      window.view.lines(),
      (Lines{u"#س 1 وص 2", u"ج = س + ص = 1 + 2 = 3", u"د = س - ص = 1 - 2 = -1",
             u"ر = √د ÷ ص = √(-1) ÷ 2",
             u"!ر، لم تحسب: توقف الحساب عند الخطأ 5، استدعاء إجراء أو وسيطة غير صالحة", u"!ر/"}));
  EXPECT_TRUE(window.view.solution.stopped);
  EXPECT_EQ(window.view.solution.why, u"ر/");
  EXPECT_EQ(window.view.solutionStale, u"");

  // Two results left out for one reason say it once; a click that computes nothing keeps it.
  window.calculation.run([&] {
    window.calculation.leaveOut(window.sum, u"السبب");
    window.calculation.leaveOut(window.root, u"السبب");
  });
  EXPECT_EQ(window.view.lines(), (Lines{u"!ج، لم تحسب: السبب", u"!ر، لم تحسب: السبب"}));
  window.calculation.run([] {});
  EXPECT_EQ(window.view.lines().size(), 2u);
}

// Answers in terms of π: the letter is the notation's, in either direction, and one note,
// under the last of them, says that the decimals take π as 3.14, in the region's digits; a fault
// after them keeps the note with the answers it is about.
TEST(Calculation, AnswersInTermsOfPiSayOnceThatTheDecimalTakesPiAsThreePointOneFour) {
  const Formula area{u"م", Pi() * Square(x)}, round{u"ح", 2 * Pi() * x}, half{u"ن", x / 4};
  const struct {
    Numerals numerals;
    std::u16string four, pi, area;  // 4, 3.14, 12.56 in the region's digits
  } regions[] = {{u',', u"4", u"3,14", u"12,56"},
                 {{u'\u066B', u'\u0660'}, u"٤", u"٣٫١٤", u"١٢٫٥٦"}};
  const std::pair<NotationStyle, const char16_t*> letters[] = {{NotationStyle::Mashriq, u"ط"},
                                                               {NotationStyle::Maghreb, u"ط"},
                                                               {NotationStyle::Moroccan, u"π"}};
  for (const auto& region : regions) {
    for (const auto& [style, letter] : letters) {
      for (const bool fault : {false, true}) {
        FakeView view;
        Calculation calculation(view, Notation(region.numerals, style));
        const int fields[4] = {};
        view.names = {{&fields[0], u"نصف القطر"}};
        view.texts[&fields[0]] = u"2";
        calculation.run([&] {
          calculation.read(&fields[0], u"س");
          calculation.measure(&fields[1], area);
          calculation.measure(&fields[2], round);
          calculation.measure(&fields[3], half);  // no π, and its decimal says it all
          if (fault) throw Fault(FaultKind::Overflow);
        });
        const std::vector<SolutionLine>& lines = view.solution.lines;
        std::u16string
            kinds;  // a letter a line: Step, Next step, Exact, Reason, nOte, Problem, Answer
        for (const SolutionLine& line : lines) kinds += u"SNEROPA"[static_cast<int>(line.kind)];
        ASSERT_EQ(std::count(kinds.begin(), kinds.end(), u'O'), 1) << kinds.size();
        const std::size_t note = kinds.find(u'O');
        EXPECT_EQ(note, kinds.rfind(u'E') + 1);
        EXPECT_EQ(std::count(kinds.begin(), kinds.end(), u'E'), 2);
        EXPECT_EQ(lines[note].text,
                  u"القيمة العشرية تأخذ " + std::u16string(letter) + u" على أنها " + region.pi);
        EXPECT_EQ(FakeView::Plain(lines[kinds.find(u'E')].text),
                  u"م = " + region.four + letter + u" ≈ " + region.area);
      }
    }
  }
}

TEST(Calculation, TheAnswerWritesEachResultAsTheProblemAsksForIt) {
  // The two roots of one unknown, and a third result of another name.
  const Formula low{u"ع", (x - y) / 2}, high{u"ع", (x + y) / 2}, third{u"ث", x / 3};
  const struct {
    AnswerForm form;
    std::u16string first, second;
    std::vector<std::u16string> answer;
  } cases[] = {
      {AnswerForm::Decimals, u"4", u"3", {u"ع = 0,5 أو ع = 3,5", u"ث = 1 1/3 ≈ 1,33"}},
      {AnswerForm::Fractions, u"4", u"3", {u"ع = ½ أو ع = 3 ½", u"ث = 1 1/3 ≈ 1,33"}},
      {AnswerForm::Fractions, u"-4", u"3", {u"ع = -3 ½ أو ع = -½", u"ث = -1 1/3 ≈ -1,33"}},
      // A double root is one answer; a whole number stays as it is shown.
      {AnswerForm::Fractions, u"6", u"0", {u"ع = 3", u"ث = 2"}},
      // A decimal typed gives decimal answers.
      {AnswerForm::Fractions, u"4", u"3,5", {u"ع = 0,25 أو ع = 3,75", u"ث = 1 1/3 ≈ 1,33"}},
      {AnswerForm::Fractions,
       u"0,000000000000002",
       u"0",
       {u"ع = 1E-15", u"ث = 1/1500000000000000 ≈ 6,66666666666667E-16"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << "case " << (&c - cases));
    FakeView view;
    Calculation calculation{view, u','};
    const int fields[5] = {};
    view.names = {{&fields[0], u"الأول"}, {&fields[1], u"الثاني"}};
    view.texts = {{&fields[0], c.first}, {&fields[1], c.second}};
    calculation.setProblem({}, c.form);
    calculation.run([&] {
      calculation.read(&fields[0], u"س");
      calculation.read(&fields[1], u"ص");
      calculation.measure(&fields[2], low);
      calculation.measure(&fields[3], high);
      calculation.measure(&fields[4], third);
    });
    std::vector<std::u16string> answer;
    for (const SolutionLine& line : view.solution.lines) {
      if (line.kind != SolutionLine::Kind::Answer) continue;
      answer.push_back(FakeView::Plain(line.text));
      // What is read is what is typeset.
      EXPECT_EQ(FakeView::Plain(LinearText(*line.formula)), answer.back());
    }
    EXPECT_EQ(answer, c.answer);
    EXPECT_EQ(view.solution.lines.back().kind, SolutionLine::Kind::Answer);
  }
}

// A measure's answer and its problem's lengths carry the unit, in the notation's letters, and what
// a screen reader hears of the answer is what is typeset.
TEST(Calculation, AMeasureIsAnsweredWithItsUnit) {
  const Formula area{u"م", Pi() * Square(x), nullptr, {}, Unit::Area};
  const struct {
    Notation notation;
    LengthUnit unit;
    std::u16string problem, answer;
  } cases[] = {
      {Notation({}, NotationStyle::Mashriq), LengthUnit::Centimetre, u"دائرة نصف قطرها 2 سم",
       u"م = 4ط ≈ 12.56 سم²"},
      {Notation({u'\u066B', u'\u0660'}, NotationStyle::Mashriq), LengthUnit::Metre,
       u"دائرة نصف قطرها ٢ م", u"م = ٤ط ≈ ١٢٫٥٦ م²"},
      {Notation(u',', NotationStyle::Moroccan), LengthUnit::Millimetre, u"دائرة نصف قطرها 2 mm",
       u"م = 4π ≈ 12,56 mm²"},
      {Notation(u',', NotationStyle::Maghreb), LengthUnit::None, u"دائرة نصف قطرها 2",
       u"م = 4ط ≈ 12,56"},
  };
  for (const auto& c : cases) {
    FakeView view;
    Notation notation = c.notation;
    notation.lengths = c.unit;
    Calculation calculation(view, notation);
    calculation.setProblem(
        [](const Values& values, Notation notation) {
          return Stated(u"دائرة نصف قطرها {س}", values, notation, Unit::Length);
        },
        AnswerForm::Decimals);
    const int fields[2] = {};
    view.names[&fields[0]] = u"نصف القطر";
    view.texts[&fields[0]] = u"2";
    calculation.run([&] {
      calculation.read(&fields[0], u"س");
      calculation.measure(&fields[1], area);
    });
    const std::vector<SolutionLine>& lines = view.solution.lines;
    const auto plain = [](std::u16string text) {
      std::replace(text.begin(), text.end(), u'\u00A0', u' ');
      return FakeView::Plain(text);
    };
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(plain(lines.front().text), c.problem);
    EXPECT_EQ(plain(lines.back().text), c.answer);
    EXPECT_EQ(plain(LinearText(*lines.back().formula, notation.direction)), c.answer);
    EXPECT_EQ(view.texts[&fields[1]], NumberToText(12.56, notation));
  }
}

TEST(Calculation, AScreenReaderHearsEachClickOnce) {
  // What is said at the end of a click, without the pupil moving to the results.
  const struct {
    const char* what;
    std::function<void(Window&)> click;
    std::u16string said;  // empty: nothing is said
  } cases[] = {
      {"each result with its name", [](Window& w) { w.click(u"10", u"2"); },
       u"ج 12، ر 1,4142135623731"},
      {"and then the first note, in the order the boxes were read",
       [](Window& w) { w.click(u"10cm", u"-2"); },
       u"ج 8، ر -1,73205080756888 حُسب بالعدد 10 وأُهمل «cm»."},
      {"the fault's sentence", [](Window& w) { w.click(u"1", u"2"); }, u"ر/"},
      {"the first reason a result was left out",
       [](Window& w) {
         w.view.texts = {{w.first, u"1"}, {w.second, u"2"}};
         w.calculation.run([&] {
           w.calculation.read(w.first, u"س");
           w.calculation.read(w.second, u"ص");
           w.calculation.measure(w.sum, kSum);
           w.calculation.leaveOut(w.root, u"السبب");
         });
       },
       u"ج 3 ر، لم تحسب: السبب"},
      {"a click refused",
       [](Window& w) { w.calculation.run([&] { w.calculation.refuse(u"اختر"); }); }, u"اختر"},
      {"a click that does nothing says nothing", [](Window& w) { w.calculation.run([] {}); }, u""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Window window;
    c.click(window);
    EXPECT_EQ(window.view.said,
              c.said.empty() ? std::vector<std::u16string>{} : std::vector<std::u16string>{c.said});
  }
  // A refused click shows its sentence as the solution, with no figure.
  Window window;
  window.calculation.run([&] { window.calculation.refuse(u"اختر"); });
  EXPECT_EQ(window.view.lines(), std::vector<std::u16string>{u"!اختر"});
  EXPECT_TRUE(window.view.solution.stopped);
}

}  // namespace
}  // namespace numora
