#include "topics/geometry/Form5.h"

#include <QPushButton>

namespace numora {

Form5::Form5(const FormContext& context)
    : FormWindow(context,
                 {.caption = u"مساحة ومحيط الدائرة", .clientWidth = 5895, .clientHeight = 3570}) {
  Command2 = addMainButton({"Command2", u"الرئيسية", 0, 2880, 5895, 735, 3},
                           ReturnOrder::HideThenShowMain);
  finishLayout();
}

}  // namespace numora
