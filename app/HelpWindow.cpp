#include "app/HelpWindow.h"

#include <QFont>
#include <QKeySequence>
#include <QScreen>
#include <QShortcut>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextOption>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/frame/Twips.h"
#include "ui/frame/Zoom.h"

namespace numora {
namespace {

// The window's size at 100 %, in twips.
constexpr int kWidth = 7800, kHeight = 7200;

struct Row {
  const char16_t* name;  // a caption of the main menu, or a key
  const char16_t* what;
};

// The main menu's windows, by their captions there.
constexpr Row kWindows[] = {
    {u"الجذور", u"الجذر النوني لعدد: دليل الجذر وما تحت الجذر."},
    {u"القوى", u"قوة عدد: الأساس مرفوعًا إلى الأس."},
    {u"فيثاغورس", u"طول الوتر في مثلث قائم الزاوية، من ضلعيه الأول والثاني."},
    {u"حل المعادلة التربيعية",
     u"حلّا المعادلة التربيعية الحقيقيان من معاملاتها A وB وC، ومميّزها في الطريق؛ وتقول "
     u"النافذة «المعادلة لاتحل» حين لا حل حقيقيًا لها."},
    {u"شبه المنحرف", u"مساحة شبه المنحرف من طولي قاعدتيه وارتفاعه."},
    {u"الدائرة", u"مساحة الدائرة ومحيطها من نصف قطرها."},
    {u"المربع والمستطيل", u"مساحة المستطيل أو المربع ومحيطه وطول قطره، من طوله وعرضه."},
    {u"المكعب والمستطيل",
     u"حجم متوازي المستطيلات أو المكعب ومساحتاه الجانبية والكلية، من طوله وعرضه وارتفاعه."},
    {u"المثلث", u"مساحة المثلث من طول قاعدته وارتفاعه."},
    {u"الكرة", u"مساحة سطح الكرة وحجمها من نصف قطرها."},
    {u"الاسطوانة", u"حجم الأسطوانة ومساحتاها الجانبية والكلية، من نصف قطرها وارتفاعها."},
    {u"درجة الحرارة",
     u"تحويل درجة الحرارة بين سلسيوس وفهرنهايت وكلفن: اختر واحدًا من التحويلات الستة ثم اضغط "
     u"«احسب»، فتحل الدرجة المحوّلة محل المكتوبة."},
    {u"الحاسبة",
     u"حاسبة للعمليات الأربع: الجمع والطرح والضرب والقسمة، بالفأرة أو بلوحة المفاتيح؛ ويمسح "
     u"Escape وDelete ما كُتب."},
};

// The keys, each written as Qt writes its sequence, in the order a pupil meets them.
constexpr Row kKeys[] = {
    {u"F1", u"هذه المساعدة، من أي نافذة."},
    {u"F2", u"يخفي لوحة الحل ويظهرها."},
    {u"F3", u"اتجاه الصيغ: من اليمين إلى اليسار أو من اليسار إلى اليمين، في كل النوافذ معًا."},
    {u"F4", u"التدرّب في نافذة الموضوع."},
    {u"Ctrl+P", u"طباعة الحساب."},
    {u"Ctrl+Alt+P", u"معاينة الطباعة."},
    {u"Ctrl+Shift+P", u"حفظ الحساب ملف PDF."},
    {u"Ctrl++", u"تكبير كل النوافذ معًا، حتى ثلاثة أضعاف حجمها (ويكبّرها Ctrl+=\u200e أيضًا)."},
    {u"Ctrl+-", u"تصغيرها، حتى حجمها الأصلي."},
    {u"Ctrl+0", u"إعادتها إلى حجمها الأصلي."},
    {u"Ctrl+,", u"الإعدادات."},
    {u"Enter", u"يحسب من مربع الأعداد، ويضغط الزر الذي عليه التركيز."},
    {u"Escape",
     u"العودة إلى القائمة الرئيسية من نافذة موضوع أو من «عن البرنامج»؛ وفي "
     u"التدرّب يخرج منه أولًا، وهنا يغلق هذه النافذة."},
};

QString Of(const char16_t* text) { return QString::fromUtf16(text).toHtmlEscaped(); }

// A key stays one run read from its left, its last sign too ("Ctrl+-"), inside the right-to-left
// line: left-to-right marks on both sides.
QString LeftToRight(const char16_t* text) { return u'\u200e' + Of(text) + u'\u200e'; }

// Each row a paragraph of its own that begins with a bullet: Qt draws a list's bullets on the
// left, whatever the direction of its lines.
template <std::size_t n>
QString List(const Row (&rows)[n], bool keys) {
  QString list;
  for (const Row& row : rows)
    list += QStringLiteral(
                "<p dir=\"rtl\" style=\"margin-top:0; margin-bottom:0\">\u2022 <b>%1</b>: %2</p>")
                .arg(keys ? LeftToRight(row.name) : Of(row.name), Of(row.what));
  return list;
}

QString Section(const char16_t* title, const QString& body) {
  return QStringLiteral("<h3 dir=\"rtl\">%1</h3>%2").arg(Of(title), body);
}

QString Paragraph(const char16_t* text) {
  return QStringLiteral("<p dir=\"rtl\">%1</p>").arg(Of(text));
}

}  // namespace

QString HelpWindow::Text() {
  QString text = QStringLiteral("<h2 dir=\"rtl\">%1</h2>").arg(Of(u"مساعدة نومورا"));
  text += Paragraph(
      u"اختر من القائمة الرئيسية موضوعًا فتفتح له نافذة: اكتب الأعداد في مربعاتها ثم اضغط «احسب» "
      u"أو Enter. تقرأ المربعات الأرقام العربية والهندية، والنقطة أو «٫» فاصلةً عشرية، ويكتب "
      u"البرنامج أرقامه بأرقام منطقتك. ويعيدك زر «الرئيسية» إلى القائمة الرئيسية.");
  text += Section(u"النوافذ", List(kWindows, false));
  text += Section(
      u"لوحة الحل",
      Paragraph(u"بعد أول حساب تنفتح بجانب النافذة لوحة «الحل»: المسألة بكلمات الكتاب المدرسي "
                u"وأعدادك، ثم كل صيغة بالكلمات وبأعدادك خطوةً بعد خطوة حتى الناتج، ثم الجواب "
                u"بقيمته المضبوطة حيث تكون له، وشكل مرسوم بمقياس من أعدادك. يخفيها F2 أو زرها "
                u"«الحل» ويظهرها، ويقلب F3 أو زر الاتجاه فيها اتجاه الصيغ."));
  text += Section(
      u"الإعدادات",
      Paragraph(u"«الإعدادات» في قائمة «ملف» بالقائمة الرئيسية، أو Ctrl+, من أي نافذة: طريقة "
                u"كتابة الرياضيات، والتكبير، ووحدة الطول (سم أو مم أو م أو بلا وحدة) التي تكتب بها "
                u"الأطوال والمساحات والأحجام، وهل تنفتح لوحة الحل عند أول حساب. يعمل كل اختيار في "
                u"الحال ويبقى للمرة القادمة."));
  text += Section(
      u"التدرّب",
      Paragraph(u"تحت كل نافذة موضوع شريط فيه «تدرّب» (أو F4): تمرين بأعداد يختارها البرنامج في "
                u"مستوى تختاره (سهل، متوسط، صعب). اكتب جوابك واضغط Enter لتعرف أصواب هو، "
                u"و«تلميح» يعطيك الخطوة التالية، و«الحل» يكتب الحل كله. «إنهاء التدريب» أو "
                u"Escape يعيدك إلى النافذة كما تركتها."));
  text += Section(
      u"أوراق التمارين",
      Paragraph(u"«ورقة تمارين…» في قائمة «ملف» بالقائمة الرئيسية، أو زر «ورقة تمارين» في نافذة "
                u"موضوع، يصنع ورقة تمارين: موضوعًا واحدًا أو عدة مواضيع، وعدد التمارين والمستوى "
                u"ورقم الورقة وعدد النسخ ومكان مفاتيح الحل؛ ثم «طباعة…» أو «معاينة…» أو «حفظ ملف "
                u"PDF…». والرقم نفسه يعطي الورقة نفسها مرة أخرى."));
  text += Section(
      u"الطباعة",
      Paragraph(u"في نافذة موضوع يطبع Ctrl+P الحساب مع حله وشكله، ويعرضه Ctrl+Alt+P قبل طباعته، "
                u"ويحفظه Ctrl+Shift+P ملف PDF."));
  text += Section(u"المفاتيح", List(kKeys, true));
  return text;
}

HelpWindow::HelpWindow(Zoom* zoom) : ProgramWindow(nullptr, Qt::Window) {
  setObjectName(QStringLiteral("HelpWindow"));
  setWindowTitle(QStringLiteral(u"المساعدة"));
  setAccessibleName(windowTitle());
  setLayoutDirection(Qt::RightToLeft);

  text = new QTextBrowser(this);
  text->setObjectName(QStringLiteral("HelpText"));
  text->setAccessibleName(windowTitle());
  text->setOpenLinks(false);
  // Every line reads from the right, also one that begins with a key's Latin letters.
  QTextOption option = text->document()->defaultTextOption();
  option.setTextDirection(Qt::RightToLeft);
  text->document()->setDefaultTextOption(option);
  text->setHtml(Text());

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(text);

  auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(close, &QShortcut::activated, this, &QWidget::close);

  base_ = font();
  if (zoom != nullptr) {
    zoom->follow(*this);
    connect(zoom, &Zoom::changed, this, [this, zoom] { zoomTo(zoom->factor()); });
    zoomTo(zoom->factor());
  } else {
    zoomTo(1.0);
  }
}

void HelpWindow::zoomTo(double zoom) {
  QFont zoomed = base_;
  zoomed.setPointSizeF(base_.pointSizeF() * zoom);
  setFont(zoomed);
  // As large as the zoom makes it, within its screen.
  QSize size = TwipsSize(kWidth, kHeight, zoom);
  if (const QScreen* where = screen()) size = size.boundedTo(where->availableGeometry().size());
  resize(size);
  resized();
}

}  // namespace numora
