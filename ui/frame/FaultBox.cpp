#include "ui/frame/FaultBox.h"

namespace numora {

Message FaultMessage(const Fault& fault, const QString& sentence, Numerals numerals) {
  const std::u16string number = IntegerToText(static_cast<std::int16_t>(fault.number()), numerals);
  const std::u16string_view name = ArabicName(fault.kind());
  return {kProgramTitle,
          (sentence.isEmpty() ? QString() : sentence + QStringLiteral("\n\n")) +
              QStringLiteral(u"خطأ في وقت التشغيل %1:\n%2 (%3)")
                  .arg(QString::fromUtf16(number.data(), static_cast<qsizetype>(number.size())),
                       QString::fromUtf16(name.data(), static_cast<qsizetype>(name.size())),
                       QString::fromUtf8(fault.what())),
          Message::Icon::Critical};
}

Message FailureMessage(const QString& what) {
  return {kProgramTitle, QStringLiteral(u"خطأ في وقت التشغيل:\n%1").arg(what),
          Message::Icon::Critical};
}

}  // namespace numora
