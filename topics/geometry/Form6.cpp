#include "topics/geometry/Form6.h"

#include <QPushButton>

namespace numora {

Form6::Form6(const FormContext& context)
    : FormWindow(
          context,
          {.caption = u"مساحة المستطيل أو المربع", .clientWidth = 5730, .clientHeight = 4185}) {
  Command2 = addMainButton({"Command2", u"الرئيسية", 0, 3480, 5775, 735, 5},
                           ReturnOrder::HideThenShowMain);
  finishLayout();
}

}  // namespace numora
