#include "topics/algebra/Form11.h"

#include <QPushButton>

namespace numora {

Form11::Form11(const FormContext& context)
    : FormWindow(context,
                 {.caption = u"نظرية فيثاغورس", .clientWidth = 5580, .clientHeight = 3555}) {
  Command1 = addMainButton({"Command1", u"الرئيسية", 0, 2880, 5655, 735, 2},
                           ReturnOrder::HideThenShowMain);
  finishLayout();
}

}  // namespace numora
