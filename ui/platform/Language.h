#pragma once

#include <QColor>
#include <QPalette>

class QCoreApplication;

namespace numora {

// The whole interface is Arabic, whatever the language of the desktop: Qt's own texts (the
// message box's button, a text box's context menu, any dialog Qt draws) come from Qt's Arabic
// translation, built into the program, and Qt's own windows are laid out right to left. Our
// windows keep the left-to-right placement of their layouts (FormWindow). Tooltips get text that
// can be read on their background.
void UseArabicInterface(QCoreApplication& application);

// The contrast ratio of two colours, from 1 to 21, as accessibility guidelines measure it.
double ContrastRatio(const QColor& a, const QColor& b);
// A palette whose tooltip text can be read on the tooltip background (a contrast of at least
// 4.5 to 1): the text as it is where it can, else black or white, whichever reads better.
QPalette WithReadableToolTips(QPalette palette);

}  // namespace numora
