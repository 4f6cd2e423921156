#include "topics/algebra/Form2.h"

#include <QPushButton>

namespace numora {

Form2::Form2(const FormContext& context)
    : FormWindow(context, {.caption = u"الجذور", .clientWidth = 5865, .clientHeight = 3225}) {
  Command2 = addMainButton({"Command2", u"الرئيسية", 0, 2520, 5895, 735, 4},
                           ReturnOrder::ShowMainThenHide);
  finishLayout();
}

}  // namespace numora
