#include "app/frame/FaultBox.h"

namespace numora {

Message FaultMessage(const Fault& fault, const QString& sentence) {
  const std::u16string_view name = ArabicName(fault.kind());
  return {kProgramTitle,
          (sentence.isEmpty() ? QString() : sentence + QStringLiteral("\n\n")) +
              QStringLiteral(u"خطأ في وقت التشغيل %1:\n%2 (%3)")
                  .arg(fault.number())
                  .arg(QString::fromUtf16(name.data(), static_cast<qsizetype>(name.size())),
                       QString::fromUtf8(fault.what())),
          Message::Icon::Critical};
}

Message FailureMessage(const QString& what) {
  return {kProgramTitle, QStringLiteral(u"خطأ في وقت التشغيل:\n%1").arg(what),
          Message::Icon::Critical};
}

}  // namespace numora
