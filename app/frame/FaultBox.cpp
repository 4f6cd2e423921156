#include "app/frame/FaultBox.h"

namespace numora {
namespace {

QString ArabicName(FaultKind kind) {
  switch (kind) {
    case FaultKind::InvalidArgument:
      return QStringLiteral(u"استدعاء إجراء أو وسيطة غير صالحة");
    case FaultKind::Overflow:
      return QStringLiteral(u"تجاوز السعة");
    case FaultKind::DivisionByZero:
      return QStringLiteral(u"القسمة على صفر");
    case FaultKind::TypeMismatch:
      return QStringLiteral(u"عدم تطابق النوع");
  }
  return {};
}

}  // namespace

Message FaultMessage(const Fault& fault) {
  return {kProgramTitle,
          QStringLiteral(u"خطأ في وقت التشغيل %1:\n%2 (%3)")
              .arg(fault.number())
              .arg(ArabicName(fault.kind()), QString::fromUtf8(fault.what())),
          Message::Icon::Critical};
}

QString FaultStop(const Fault& fault) {
  return QStringLiteral(u"توقف الحساب عند الخطأ %1، %2")
      .arg(fault.number())
      .arg(ArabicName(fault.kind()));
}

QString FailureStop(const QString& what) {
  return QStringLiteral(u"توقف الحساب عند خطأ في وقت التشغيل (%1)").arg(what);
}

Message FailureMessage(const QString& what) {
  return {kProgramTitle, QStringLiteral(u"خطأ في وقت التشغيل:\n%1").arg(what),
          Message::Icon::Critical};
}

}  // namespace numora
