// Every formula of every window, once: the numbers a pupil types, the result as the window shows
// it or the fault it raises with its plain sentence, and the working in full, all from the one
// declaration that computes the result.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../solution/FakeView.h"
#include "numeric/NumberWriting.h"
#include "solution/Calculation.h"
#include "topics/algebra/AlgebraFormulas.h"
#include "topics/geometry/GeometryFormulas.h"
#include "topics/temperature/TemperatureFormulas.h"

namespace numora {
namespace {

struct Row {
  const Formula& formula;
  std::vector<std::pair<std::u16string_view, double>> inputs;
  std::u16string working;  // with the result as the window writes it, or not computed
  // The fault, and how its sentence begins.
  struct {
    FaultKind kind = FaultKind{0};
    std::u16string sentence = {};
  } fault = {};
};

// One click of a window that reads the row's numbers, typed as the window writes them, and
// measures the formula: the working behind the result, and what the window shows, the result or
// the fault's sentence.
std::u16string Click(const Row& row, FaultKind& raised, std::u16string& shown) {
  testing::FakeView view;
  Calculation calculation(view, u'.');
  const int fields[4] = {};
  const FieldId result = &fields[3];
  calculation.show(result, row.formula);
  calculation.run([&] {
    for (std::size_t i = 0; i < row.inputs.size(); ++i) {
      view.names[&fields[i]] = row.inputs[i].first;
      view.texts[&fields[i]] = NumberToText(row.inputs[i].second, u'.');
      calculation.read(&fields[i], row.inputs[i].first);
    }
    calculation.measure(result, row.formula);
  });
  if (view.faults.empty()) {
    shown = view.texts[result];
  } else {
    raised = view.faults.front();
    shown = view.boxes.front().substr(view.boxes.front().find(u": ") + 2);
  }
  return view.workings[result];
}

TEST(Formulas, ResultFaultAndWorkingFromOneDeclaration) {
  using F = FaultKind;
  const std::u16string overflow = u"، لم تحسب: توقف الحساب عند الخطأ 6، تجاوز السعة";
  const Row rows[] = {
      {RootOfNumber, {{kIndex, 2}, {kRadicand, 9}}, u"الناتج = √9 = 3"},
      {RootOfNumber, {{kIndex, 3}, {kRadicand, -27}}, u"الناتج = ∛-27 = -3"},
      {RootOfNumber,
       {{kIndex, 0}, {kRadicand, 9}},
       u"الناتج = ⁰√9، لم تحسب: توقف الحساب عند الخطأ 11، القسمة على صفر",
       {F::DivisionByZero, u"دليل الجذر لا يمكن أن يكون صفرا"}},
      {RootOfNumber,
       {{kIndex, 2}, {kRadicand, -4}},
       u"الناتج = √(-4)، لم تحسب: توقف الحساب عند الخطأ 5، استدعاء إجراء أو وسيطة غير "
       u"صالحة",
       {F::InvalidArgument, u"لا جذر حقيقيا لعدد سالب"}},
      {PowerOfNumber, {{kPowerBase, 2}, {kExponent, -3}}, u"الناتج = 2 ^ (-3) = 0.125"},
      {PowerOfNumber,
       {{kPowerBase, 0}, {kExponent, -1}},
       u"الناتج = 0 ^ (-1)، لم تحسب: توقف الحساب عند الخطأ 11، القسمة على صفر",
       {F::DivisionByZero, u"لا يرفع الصفر إلى أس سالب"}},
      {Hypotenuse, {{kFirstLeg, 3}, {kSecondLeg, 4}}, u"طول الوتر = √(3² + 4²) = 5"},
      {Hypotenuse,
       {{kFirstLeg, 1e200}, {kSecondLeg, 1}},
       u"طول الوتر = √((1E+200)² + 1²)" + overflow,
       {F::Overflow, u"مربع الضلعين أكبر"}},
      {Discriminant, {{kA, 1}, {kB, -5}, {kC, 6}}, u"المميز = (-5)² - 4 × 1 × 6 = 1"},
      {FirstRoot,
       {{kA, 1}, {kB, -5}, {kC, 6}},
       u"المميز = (-5)² - 4 × 1 × 6 = 1؛ س = (-(-5) - √1) ÷ (2 × 1) = 2"},
      {SecondRoot,
       {{kA, 1}, {kB, -5}, {kC, 6}},
       u"المميز = (-5)² - 4 × 1 × 6 = 1؛ س = (-(-5) + √1) ÷ (2 × 1) = 3"},
      {FirstRoot,
       {{kA, 0}, {kB, 2}, {kC, 1}},
       u"المميز = 2² - 4 × 0 × 1 = 4؛ س = (-2 - √4) ÷ (2 × 0)، لم تحسب: توقف الحساب عند الخطأ 11، "
       u"القسمة على صفر",
       {F::DivisionByZero, u"مع A = 0 ليست المعادلة تربيعية"}},
      {SecondRoot,
       {{kA, 1e300}, {kB, 1}, {kC, -1e300}},
       u"المميز = 1² - 4 × (1E+300) × (-1E+300)؛ س = (-1 + √المميز) ÷ (2 × (1E+300))" + overflow,
       {F::Overflow, u"المميز أكبر"}},
      {TriangleArea, {{kHeight, 4}, {kBase, 5}}, u"المساحة = ½ × 4 × 5 = 10"},
      {RectangleArea, {{kWidth, 3}, {kLength, 4}}, u"المساحة = 3 × 4 = 12"},
      {RectangleDiagonal, {{kWidth, 3}, {kLength, 4}}, u"طول القطر = √(3² + 4²) = 5"},
      {RectanglePerimeter, {{kWidth, -3}, {kLength, 4}}, u"المحيط = 2(-3 + 4) = 2"},
      {TrapezoidArea,
       {{kFirstBase, 3}, {kSecondBase, 5}, {kHeight, 4}},
       u"المساحة = ½ × (3 + 5) × 4 = 16"},
      {CircleArea, {{kRadius, 7}}, u"المساحة = 3.14 × 7² = 153.86"},
      {CircleCircumference, {{kRadius, 7}}, u"المحيط = 2 × 3.14 × 7 = 43.96"},
      {CircleArea,
       {{kRadius, 1e200}},
       u"المساحة = 3.14 × (1E+200)²" + overflow,
       {F::Overflow, u"المساحة أكبر"}},
      {CuboidTotalArea,
       {{kWidth, 2}, {kHeight, 3}, {kLength, 4}},
       u"المساحة الكلية = 2 × 2 × 4 + 2 × 2 × 3 + 2 × 3 × 4 = 52"},
      {CuboidVolume, {{kWidth, 2}, {kHeight, 3}, {kLength, 4}}, u"الحجم = 2 × 4 × 3 = 24"},
      {CuboidLateralArea,
       {{kWidth, 2}, {kHeight, 3}, {kLength, 4}},
       u"المساحة الجانبية = 2 × 2 × 3 + 2 × 3 × 4 = 36"},
      {SphereSurface, {{kRadius, 1}}, u"المساحة = 12.56 × 1² = 12.56"},
      {SphereVolume, {{kRadius, 1}}, u"الحجم = 4/3 × 3.14 × 1³ = 4.18666666666667"},
      {CylinderVolume, {{kRadius, 1}, {kHeight, 2}}, u"الحجم = 3.14 × 1² × 2 = 6.28"},
      {CylinderLateralArea,
       {{kRadius, 0.2}, {kHeight, 1.5e308}},
       u"المساحة الجانبية = 2 × 3.14 × 0.2 × (1.5E+308)" + overflow,
       {F::Overflow, u"المساحة الجانبية أكبر"}},
      {CylinderTotalArea,
       {{kRadius, 1}, {kHeight, 2}},
       u"المساحة الكلية = 2 × 3.14 × 1² + 2 × 3.14 × 1 × 2 = 18.84"},
      {CelsiusToFahrenheit,
       {{kCelsius, 100}},
       u"من سلسيوس إلى فهرنهايت: فهرنهايت = 100 × 9 ÷ 5 + 32 = 212"},
      {FahrenheitToCelsius,
       {{kFahrenheit, 212}},
       u"من فهرنهايت إلى سلسيوس: سلسيوس = (212 - 32) × 5 ÷ 9 = 100"},
      {CelsiusToKelvin, {{kCelsius, 25}}, u"من سلسيوس إلى كلفن: كلفن = 25 + 273 = 298"},
      {KelvinToCelsius, {{kKelvin, 0}}, u"من كلفن إلى سلسيوس: سلسيوس = 0 - 273 = -273"},
      {KelvinToFahrenheit,
       {{kKelvin, 273}},
       u"من كلفن إلى فهرنهايت: فهرنهايت = (273 - 273) × 9 ÷ 5 + 32 = 32"},
      {FahrenheitToKelvin,
       {{kFahrenheit, -1.7e308}},
       u"من فهرنهايت إلى كلفن: كلفن = (-1.7E+308 - 32) × 5 ÷ 9 + 273" + overflow,
       {F::Overflow, u"الدرجة المحولة أكبر"}},
  };
  for (const Row& row : rows) {
    FaultKind raised{0};
    std::u16string shown;
    const std::u16string working = Click(row, raised, shown);
    SCOPED_TRACE(std::string(working.begin(), working.end()));
    EXPECT_EQ(working, row.working);
    EXPECT_EQ(raised, row.fault.kind);
    if (row.fault.kind == FaultKind{0})
      EXPECT_TRUE(working.ends_with(u" = " + shown));
    else
      EXPECT_TRUE(shown.starts_with(row.fault.sentence)) << std::string(shown.begin(), shown.end());
  }
}

}  // namespace
}  // namespace numora
