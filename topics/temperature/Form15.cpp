#include "topics/temperature/Form15.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "topics/temperature/TemperatureFormulas.h"

namespace numora {
namespace {

// Each conversion as the window computes it, under the option's caption.
constexpr std::u16string_view kCelsiusToFahrenheit =
    u"من سلسيوس إلى فهرنهايت: فهرنهايت = (({سلسيوس} × 9) ÷ 5) + 32";
constexpr std::u16string_view kFahrenheitToCelsius =
    u"من فهرنهايت إلى سلسيوس: سلسيوس = (({فهرنهايت} - 32) × 5) ÷ 9";
constexpr std::u16string_view kCelsiusToKelvin = u"من سلسيوس إلى كلفن: كلفن = {سلسيوس} + 273";
constexpr std::u16string_view kKelvinToCelsius = u"من كلفن إلى سلسيوس: سلسيوس = {كلفن} - 273";
constexpr std::u16string_view kKelvinToFahrenheit =
    u"من كلفن إلى فهرنهايت: فهرنهايت = ((({كلفن} - 273) × 9) ÷ 5) + 32";
constexpr std::u16string_view kFahrenheitToKelvin =
    u"من فهرنهايت إلى كلفن: كلفن = ((({فهرنهايت} - 32) × 5) ÷ 9) + 273";

}  // namespace

Form15::Form15(const FormContext& context)
    : FormWindow(context, {.caption = u"درجة الحرارة",
                           .clientWidth = 4815,
                           .clientHeight = 4410,
                           .font = {"Tahoma", 8.25}}) {
  Text1 = addTextBox({"Text1",
                      u"",
                      600,
                      360,
                      3615,
                      615,
                      0,
                      {.accessibleName = u"درجة الحرارة",
                       .description = u"بعد الحساب تحل الدرجة المحولة محل المكتوبة"}});
  // The six options sit directly on the window and form one group; none is selected at first.
  Option1 = addOption({"Option1", u"من سلسيوس إلى فهرنهايت", 2400, 1080, 2295, 375, 1});
  Option2 = addOption({"Option2", u"من فهرنهايت إلى سلسيوس", 0, 1080, 2295, 375, 2});
  Command1 = addButton({"Command1", u"احسب", 1080, 2760, 2535, 600, 3});
  Command2 = addMainButton({"Command2", u"الرئيسية", 0, 3600, 4815, 840, 4},
                           ReturnOrder::ShowMainThenHide);
  Option3 = addOption({"Option3", u"من سلسيوس إلى كلفن", 120, 1560, 2175, 375, 5});
  Option4 = addOption({"Option4", u"من كلفن إلى سلسيوس", 2520, 1560, 2175, 375, 6});
  Option5 = addOption({"Option5", u"من كلفن إلى فهرنهايت ", 2520, 2040, 2175, 375, 7});
  Option6 = addOption({"Option6", u"من فهرنهايت إلى كلفن", 0, 2040, 2295, 375, 8});
  // The box's working shows the chosen conversion.
  for (auto [option, formula] :
       {std::pair{Option1, kCelsiusToFahrenheit}, std::pair{Option2, kFahrenheitToCelsius},
        std::pair{Option3, kCelsiusToKelvin}, std::pair{Option4, kKelvinToCelsius},
        std::pair{Option5, kKelvinToFahrenheit}, std::pair{Option6, kFahrenheitToKelvin}}) {
    connect(option, &QRadioButton::toggled, this, [this, formula](bool checked) {
      if (checked) showFormula(Text1, formula);
    });
  }
  onCalculate(Command1, [this] { Command1_Click(); });
  finishLayout();
}

void Form15::Command1_Click() {
  // The box is read once, before any option is looked at; the result replaces it.
  const double t = read(Text1);
  const auto convert = [this, t](std::u16string_view formula, std::u16string_view scale,
                                 Checked (*conversion)(double)) {
    expect(Text1, Working(formula).let(scale, t));
    during(Step::Temperature);
    write(Text1, conversion(t));
  };
  // No temperature is below absolute zero; one typed in Kelvin is converted as it stands.
  if ((Option4->isChecked() || Option5->isChecked()) && t < 0)
    noteInput(Text1,
              QStringLiteral(u"لا درجة حرارة أقل من الصفر المطلق (0 كلفن)، وحُسب بالعدد %1 كما كُتب.")
                  .arg(numberText(t)));
  if (Option1->isChecked()) convert(kCelsiusToFahrenheit, u"سلسيوس", CelsiusToFahrenheit);
  if (Option2->isChecked()) convert(kFahrenheitToCelsius, u"فهرنهايت", FahrenheitToCelsius);
  if (Option3->isChecked()) convert(kCelsiusToKelvin, u"سلسيوس", CelsiusToKelvin);
  if (Option4->isChecked()) convert(kKelvinToCelsius, u"كلفن", KelvinToCelsius);
  if (Option5->isChecked()) convert(kKelvinToFahrenheit, u"كلفن", KelvinToFahrenheit);
  if (Option6->isChecked()) convert(kFahrenheitToKelvin, u"فهرنهايت", FahrenheitToKelvin);
}

}  // namespace numora
