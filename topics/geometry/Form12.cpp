#include "topics/geometry/Form12.h"

#include <QPushButton>

namespace numora {

Form12::Form12(const FormContext& context)
    : FormWindow(context, {.caption = u"الاسطوانة", .clientWidth = 6720, .clientHeight = 4185}) {
  Command2 = addMainButton({"Command2", u"الرئيسية", 0, 3480, 6735, 735, 6},
                           ReturnOrder::HideThenShowMain);
  finishLayout();
}

}  // namespace numora
