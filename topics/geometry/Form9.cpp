#include "topics/geometry/Form9.h"

#include <QPushButton>

namespace numora {

Form9::Form9(const FormContext& context)
    : FormWindow(context,
                 {.caption = u"مساحة وحجم الكرة", .clientWidth = 5880, .clientHeight = 3735}) {
  Command1 = addMainButton({"Command1", u"الرئيسية", 0, 3000, 5895, 735, 3},
                           ReturnOrder::HideThenShowMain);
  finishLayout();
}

}  // namespace numora
