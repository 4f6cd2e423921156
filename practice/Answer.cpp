#include "practice/Answer.h"

#include <algorithm>

#include "practice/TypedAnswer.h"

namespace numora {
namespace {

constexpr std::u16string_view kRight = u"صحيح", kWrong = u"ليس صحيحًا", kUnreadable = u"اكتب عددًا",
                              kEmpty = u"اكتب جوابك", kAlmost = u"اقتربت، ",
                              kGivenAlready = u"كتبت هذا الجذر من قبل";

Check Verdicted(Verdict verdict, std::optional<double> typed, int places) {
  switch (verdict) {
    case Verdict::Right:
      return {verdict, typed, std::u16string(kRight)};
    case Verdict::TooRough:
      return {verdict, typed, std::u16string(kAlmost) + RoundingInstruction(places)};
    case Verdict::Wrong:
      return {verdict, typed, std::u16string(kWrong)};
    case Verdict::Unreadable:
      return {verdict, typed, std::u16string(kUnreadable)};
    case Verdict::Empty:
      return {verdict, typed, std::u16string(kEmpty)};
  }
  return {verdict, typed, {}};
}

}  // namespace

std::u16string RoundingInstruction(int places) {
  static constexpr std::u16string_view kParts[] = {
      u"عدد صحيح",         u"جزء من عشرة",    u"جزء من مئة",   u"جزء من ألف",
      u"جزء من عشرة آلاف", u"جزء من مئة ألف", u"جزء من مليون",
  };
  const int last = static_cast<int>(std::size(kParts)) - 1;
  return u"قرّب إلى أقرب " + std::u16string(kParts[places < 0 ? 0 : places > last ? last : places]);
}

Check CheckAnswer(std::u16string_view typed, const Expected& expected, char16_t localeSeparator) {
  const std::vector<TypedAnswer> forms = ReadTypedAnswer(typed, localeSeparator);
  switch (forms.front().form) {
    case TypedAnswer::Form::Empty:
      return Verdicted(Verdict::Empty, std::nullopt, expected.places);
    case TypedAnswer::Form::Unreadable:
      return Verdicted(Verdict::Unreadable, std::nullopt, expected.places);
    case TypedAnswer::Form::Decimal:
    case TypedAnswer::Form::Exact:
      break;
  }
  // Every form written must be right ("340/9 = 37.78"); the verdict is the worst one's.
  Agreement worst = Agreement::Equal;
  double value = forms.front().value;
  for (const TypedAnswer& form : forms) {
    const bool decimal = form.form == TypedAnswer::Form::Decimal;
    // Zeros at the end are taken as places the pupil wrote ("0.70" for 0.6972) or, where that is
    // better, as no places at all ("2.830" for 2.828).
    const Agreement agreement = std::min(
        Compare(form.value, decimal, form.places, expected.value, expected.places),
        Compare(form.value, decimal, form.places - form.zeros, expected.value, expected.places));
    if (agreement > worst) {
      worst = agreement;
      value = form.value;
    }
  }
  switch (worst) {
    case Agreement::Equal:
      return Verdicted(Verdict::Right, value, expected.places);
    case Agreement::Rounded:
      return Verdicted(Verdict::TooRough, value, expected.places);
    case Agreement::Different:
      break;
  }
  return Verdicted(Verdict::Wrong, value, expected.places);
}

std::vector<Check> CheckRoots(const std::vector<std::u16string>& typed,
                              const std::vector<Expected>& expected, char16_t localeSeparator) {
  std::vector<Check> checks(typed.size(), Check{Verdict::Empty, std::nullopt, {}});
  if (expected.empty()) return checks;
  // Every box against every root; each root is taken by one box at most.
  std::vector<std::vector<Check>> against(typed.size());
  for (std::size_t i = 0; i < typed.size(); ++i)
    for (const Expected& root : expected)
      against[i].push_back(CheckAnswer(typed[i], root, localeSeparator));
  std::vector<bool> taken(expected.size(), false), done(typed.size(), false);
  // The right roots first, then the ones rounded too far, each box in its order.
  for (const Verdict verdict : {Verdict::Right, Verdict::TooRough}) {
    for (std::size_t i = 0; i < typed.size(); ++i) {
      for (std::size_t j = 0; j < expected.size() && !done[i]; ++j) {
        if (taken[j] || against[i][j].verdict != verdict) continue;
        taken[j] = done[i] = true;
        checks[i] = against[i][j];
      }
    }
  }
  for (std::size_t i = 0; i < typed.size(); ++i) {
    if (done[i]) continue;
    // A root not taken, or the first one, for the verdict on a box that has none.
    std::size_t open = 0;
    while (open < expected.size() && taken[open]) ++open;
    checks[i] = against[i][open < expected.size() ? open : 0];
    for (std::size_t j = 0; j < expected.size(); ++j) {
      if (against[i][j].verdict == Verdict::Right) {
        // A root given twice: it is right, but the box holds no root not already given.
        checks[i] = {Verdict::Wrong, against[i][j].typed, std::u16string(kGivenAlready)};
        break;
      }
    }
  }
  return checks;
}

}  // namespace numora
