#include "topics/geometry/Form8.h"

#include <QPushButton>

namespace numora {

Form8::Form8(const FormContext& context)
    : FormWindow(context, {.caption = u"مساحة المثلث", .clientWidth = 6225, .clientHeight = 4200}) {
  Command2 = addMainButton({"Command2", u"الرئيسية", 0, 3480, 6255, 735, 6},
                           ReturnOrder::HideThenShowMain);
  finishLayout();
}

}  // namespace numora
