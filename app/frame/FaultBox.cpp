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

// What went wrong, in one sentence a pupil understands, by step and fault; "%1" is the box or the
// measure the step is about. A step and fault that are not listed use the step's row without a
// fault (FaultKind{0}), if any.
struct Sentence {
  Step step;
  FaultKind kind;
  const char16_t* text;
};

constexpr FaultKind kAnyFault{0};

constexpr Sentence kSentences[] = {
    {Step::Reading, FaultKind::Overflow,
     u"العدد المكتوب في خانة «%1» أكبر مما يحسبه البرنامج: اكتب فيها عددا أصغر."},
    {Step::RootExponent, FaultKind::DivisionByZero,
     u"دليل الجذر لا يمكن أن يكون صفرا: اكتب في خانة دليل الجذر عددا غير الصفر."},
    {Step::RootExponent, kAnyFault, u"دليل الجذر صغير جدا فلا يحسب مقلوبه: انظر خانة دليل الجذر."},
    {Step::Root, FaultKind::InvalidArgument,
     u"لا جذر حقيقيا لعدد سالب بهذا الدليل: انظر خانتي ما تحت الجذر ودليل الجذر."},
    {Step::Root, FaultKind::DivisionByZero,
     u"لا يؤخذ جذر الصفر بدليل سالب: انظر خانتي ما تحت الجذر ودليل الجذر."},
    {Step::Root, kAnyFault,
     u"الناتج أكبر مما يحسبه البرنامج: انظر خانتي ما تحت الجذر ودليل الجذر."},
    {Step::Power, FaultKind::InvalidArgument,
     u"لا يرفع عدد سالب إلى أس كسري: انظر خانتي الأساس والأس."},
    {Step::Power, FaultKind::DivisionByZero,
     u"لا يرفع الصفر إلى أس سالب: انظر خانتي الأساس والأس."},
    {Step::Power, kAnyFault, u"الناتج أكبر مما يحسبه البرنامج: انظر خانتي الأساس والأس."},
    {Step::Hypotenuse, kAnyFault,
     u"مربع الضلعين أكبر مما يحسبه البرنامج: انظر خانتي الضلع الأول والضلع الثاني."},
    {Step::Discriminant, kAnyFault,
     u"المميز أكبر مما يحسبه البرنامج: انظر خانات المعاملات A وB وC."},
    {Step::NotQuadratic, kAnyFault,
     u"مع A = 0 ليست المعادلة تربيعية: اكتب في خانة المعامل A عددا غير الصفر."},
    {Step::QuadraticRoot, kAnyFault,
     u"الحل أكبر مما يحسبه البرنامج: انظر خانات المعاملات A وB وC."},
    {Step::Measure, kAnyFault, u"%1 أكبر مما يحسبه البرنامج: انظر الأطوال المكتوبة."},
    {Step::Temperature, kAnyFault,
     u"الدرجة المحولة أكبر مما يحسبه البرنامج: انظر خانة درجة الحرارة."},
    {Step::Calculator, FaultKind::DivisionByZero,
     u"لا قسمة على الصفر: اكتب عددا غير الصفر بعد مفتاح القسمة."},
    {Step::Calculator, FaultKind::TypeMismatch, u"ما في شاشة الحاسبة ليس عددا."},
    {Step::Calculator, kAnyFault,
     u"لا يحسب هذا الناتج: إما أنه أكبر مما تحسبه الحاسبة وإما أنه صفر مقسوم على صفر."},
};

// The sentence for a step and fault, empty for a step that has none.
QString FaultSentence(FaultKind kind, Step step, const QString& subject) {
  const Sentence* found = nullptr;
  for (const Sentence& row : kSentences) {
    if (row.step != step) continue;
    if (row.kind == kind) {
      found = &row;
      break;
    }
    if (row.kind == kAnyFault && found == nullptr) found = &row;
  }
  if (found == nullptr) return {};
  QString sentence = QString::fromUtf16(found->text);
  return sentence.contains(u"%1") ? sentence.arg(subject) : sentence;
}

}  // namespace

Message FaultMessage(const Fault& fault, Step step, const QString& subject) {
  const QString sentence = FaultSentence(fault.kind(), step, subject);
  return {kProgramTitle,
          (sentence.isEmpty() ? QString() : sentence + QStringLiteral("\n\n")) +
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
