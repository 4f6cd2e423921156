#include "topics/geometry/Form4.h"

#include <QPushButton>

namespace numora {

Form4::Form4(const FormContext& context)
    : FormWindow(context,
                 {.caption = u"مساحة شبه النحرف", .clientWidth = 6690, .clientHeight = 3840}) {
  Command2 = addMainButton({"Command2", u"الرئيسية", 0, 3120, 6735, 735, 8},
                           ReturnOrder::ShowMainThenHide);
  finishLayout();
}

}  // namespace numora
