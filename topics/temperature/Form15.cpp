#include "topics/temperature/Form15.h"

#include <QPushButton>

namespace numora {

Form15::Form15(const FormContext& context)
    : FormWindow(context, {.caption = u"درجة الحرارة",
                           .clientWidth = 4815,
                           .clientHeight = 4410,
                           .font = {"Tahoma", 8.25}}) {
  Command2 = addMainButton({"Command2", u"الرئيسية", 0, 3600, 4815, 840, 4},
                           ReturnOrder::ShowMainThenHide);
  finishLayout();
}

}  // namespace numora
