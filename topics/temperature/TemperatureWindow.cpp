#include "topics/temperature/TemperatureWindow.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <array>
#include <optional>
#include <vector>

#include "numeric/Figure.h"
#include "topics/temperature/TemperatureExercises.h"
#include "topics/temperature/TemperatureFigures.h"
#include "topics/temperature/TemperatureFormulas.h"
#include "topics/temperature/TemperatureProblems.h"

namespace numora {

TemperatureWindow::TemperatureWindow(const FormContext& context)
    : TopicWindow(context, {.caption = u"درجة الحرارة",
                            .clientWidth = 4815,
                            .clientHeight = 4410,
                            .font = {"Tahoma", 8.25}}) {
  temperature = addTextBox({"Text1",
                            u"",
                            600,
                            360,
                            3615,
                            615,
                            0,
                            {.accessibleName = u"درجة الحرارة",
                             .description = u"بعد الحساب تحل الدرجة المحولة محل المكتوبة"}});
  // The six options sit directly on the window and form one group; none is selected at first.
  celsiusToFahrenheit = addOption({"Option1", u"من سلسيوس إلى فهرنهايت", 2400, 1080, 2295, 375, 1});
  fahrenheitToCelsius = addOption({"Option2", u"من فهرنهايت إلى سلسيوس", 0, 1080, 2295, 375, 2});
  calculate =
      addCalculateButton({"Command1", u"احسب", 1080, 2760, 2535, 600, 3}, [this] { convert(); });
  mainMenu = addMainButton({"Command2", u"الرئيسية", 0, 3600, 4815, 840, 4},
                           ReturnOrder::ShowMainThenHide);
  celsiusToKelvin = addOption({"Option3", u"من سلسيوس إلى كلفن", 120, 1560, 2175, 375, 5});
  kelvinToCelsius = addOption({"Option4", u"من كلفن إلى سلسيوس", 2520, 1560, 2175, 375, 6});
  kelvinToFahrenheit = addOption({"Option5", u"من كلفن إلى فهرنهايت ", 2520, 2040, 2175, 375, 7});
  fahrenheitToKelvin = addOption({"Option6", u"من فهرنهايت إلى كلفن", 0, 2040, 2295, 375, 8});
  // The box's working shows the chosen conversion, and the solution states it as its problem.
  for (const Direction& direction : directions()) {
    connect(direction.option, &QRadioButton::toggled, this,
            [this, formula = direction.formula, from = direction.from](bool checked) {
              if (!checked) return;
              showFormula(temperature, *formula);
              setProblem(ConversionProblem(*formula, from));
              // Choosing one does what the refused click asked.
              if (refused_) forgetNotes(temperature);
              refused_ = false;
            });
  }
  setFigure(ThermometersFigure);
  setExercises(TemperatureExercise);
  finishLayout();
}

std::vector<TemperatureWindow::Direction> TemperatureWindow::directions() const {
  // The options in the order of the conversions.
  const std::array<QRadioButton*, kConversions.size()> options = {
      celsiusToFahrenheit, fahrenheitToCelsius, celsiusToKelvin,
      kelvinToCelsius,     kelvinToFahrenheit,  fahrenheitToKelvin};
  std::vector<Direction> all;
  for (std::size_t i = 0; i < options.size(); ++i)
    all.push_back({options[i], kConversions[i].formula, kConversions[i].from});
  return all;
}

std::function<void()> TemperatureWindow::prepare(const Exercise& exercise) {
  QRadioButton* before = nullptr;
  QRadioButton* asked = nullptr;
  for (const Direction& direction : directions()) {
    if (direction.option->isChecked()) before = direction.option;
    if (!exercise.asked.empty() && direction.formula == exercise.asked.front())
      asked = direction.option;
  }
  if (asked == nullptr || asked == before) return {};
  asked->setChecked(true);
  return [asked, before] {
    if (before != nullptr) {
      before->setChecked(true);
      return;
    }
    // None was chosen: the group lets no option be unchecked while it keeps one checked.
    asked->setAutoExclusive(false);
    asked->setChecked(false);
    asked->setAutoExclusive(true);
  };
}

void TemperatureWindow::convert() {
  std::optional<Direction> chosen;
  for (const Direction& direction : directions())
    if (direction.option->isChecked()) chosen = direction;
  // The box is read once, in the scale of the chosen conversion; the result replaces it.
  const std::u16string_view scale = chosen ? chosen->from : kCelsius;
  const double t = read(temperature, scale);
  if (!chosen) {
    // Said on the box, in the solution and to the screen reader; the box keeps its text.
    const std::u16string_view choose = u"اختر أولا واحدا من التحويلات الستة، ثم اضغط «احسب».";
    noteInput(temperature, choose);
    refuse(choose);
    refused_ = true;
    return;
  }
  // No temperature is below absolute zero, on any scale; one typed so is converted as it stands.
  const double zero = AbsoluteZero(scale);
  if (t < zero)
    noteInput(temperature, u"لا درجة حرارة أقل من الصفر المطلق (" +
                               IsolatedNumber(numberText(zero)) + u" " + std::u16string(scale) +
                               u")، وحُسب بالعدد " + numberText(t) + u" كما كُتب.");
  measure(temperature, *chosen->formula);
}

}  // namespace numora
