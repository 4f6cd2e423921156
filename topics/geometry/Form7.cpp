#include "topics/geometry/Form7.h"

#include <QPushButton>

namespace numora {

Form7::Form7(const FormContext& context)
    : FormWindow(context, {.caption = u"حجم و مساحة متوازي المستطيلات اوالمكعب",
                           .clientWidth = 7170,
                           .clientHeight = 4560}) {
  Command2 = addMainButton({"Command2", u"الرئيسية", 0, 3840, 7215, 735, 4},
                           ReturnOrder::HideThenShowMain);
  finishLayout();
}

}  // namespace numora
