#include "topics/temperature/Form15.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "topics/temperature/TemperatureFormulas.h"

namespace numora {

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
  onClick(Command1, [this] { Command1_Click(); });
  finishLayout();
}

void Form15::Command1_Click() {
  // The box is read once, before any option is looked at; the result replaces it.
  const double t = read(Text1);
  if (Option1->isChecked()) write(Text1, CelsiusToFahrenheit(t));
  if (Option2->isChecked()) write(Text1, FahrenheitToCelsius(t));
  if (Option3->isChecked()) write(Text1, CelsiusToKelvin(t));
  if (Option4->isChecked()) write(Text1, KelvinToCelsius(t));
  if (Option5->isChecked()) write(Text1, KelvinToFahrenheit(t));
  if (Option6->isChecked()) write(Text1, FahrenheitToKelvin(t));
}

}  // namespace numora
