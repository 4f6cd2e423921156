#include "topics/algebra/Form13.h"

#include <QPushButton>

namespace numora {

Form13::Form13(const FormContext& context)
    : FormWindow(context, {.caption = u"حل المعادلات التربيعية",
                           .clientWidth = 5580,
                           .clientHeight = 4545,
                           .frame = FormLook::Frame::Dialog,
                           .taskbarButton = false}) {
  Command2 = addMainButton({"Command2", u"الرئيسية", 0, 3840, 5655, 735, 16},
                           ReturnOrder::ShowMainThenHide);
  finishLayout();
}

}  // namespace numora
