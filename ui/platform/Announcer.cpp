#include "ui/platform/Announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QGuiApplication>

#ifdef Q_OS_WIN
// clang-format off
#include <windows.h>  // before the OLE header, which needs its types
#include <oleauto.h>
// clang-format on
#endif

namespace numora {
namespace {

// Qt asks the factories by the class names of an object, its own first. The interface it gets is
// kept for the object's life, so the announcer's is asked for only once it is made.
QAccessibleInterface* NotificationFor(const QString& className, QObject* object) {
  if (className != QLatin1String(Announcer::staticMetaObject.className())) return nullptr;
  return new QAccessibleWidget(static_cast<Announcer*>(object), QAccessible::Notification);
}

#ifdef Q_OS_WIN
// UI Automation's notification event, for Narrator and NVDA. The provider is the window's host
// provider; the element is the window itself.
void RaiseNotification(HWND window, const QString& sentence) {
  using HostProviderFromHwnd = HRESULT(WINAPI*)(HWND, IUnknown**);
  using RaiseNotificationEvent = HRESULT(WINAPI*)(IUnknown*, int, int, BSTR, BSTR);
  static HMODULE library = LoadLibraryW(L"uiautomationcore.dll");
  if (library == nullptr) return;
  static const auto hostProvider = reinterpret_cast<HostProviderFromHwnd>(
      reinterpret_cast<void*>(GetProcAddress(library, "UiaHostProviderFromHwnd")));
  static const auto raise = reinterpret_cast<RaiseNotificationEvent>(
      reinterpret_cast<void*>(GetProcAddress(library, "UiaRaiseNotificationEvent")));
  if (hostProvider == nullptr || raise == nullptr) return;
  IUnknown* provider = nullptr;
  if (FAILED(hostProvider(window, &provider)) || provider == nullptr) return;
  constexpr int kActionCompleted = 2;      // NotificationKind_ActionCompleted
  constexpr int kImportantMostRecent = 1;  // NotificationProcessing_ImportantMostRecent
  BSTR text = SysAllocString(reinterpret_cast<const OLECHAR*>(sentence.utf16()));
  BSTR activity = SysAllocString(L"numora.result");
  raise(provider, kActionCompleted, kImportantMostRecent, text, activity);
  SysFreeString(activity);
  SysFreeString(text);
  provider->Release();
}
#endif

}  // namespace

Announcer::Announcer(QWidget* window) : QWidget(window) {
  static const bool installed = (QAccessible::installFactory(NotificationFor), true);
  Q_UNUSED(installed);
  setObjectName(QStringLiteral("announcement"));
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
  setGeometry(0, 0, 1, 1);
  hide();
}

void Announcer::say(const QString& sentence) {
  if (sentence.isEmpty()) return;
  // Shown afresh, so that the same sentence twice (the same click again) is said twice.
  hide();
  setAccessibleName(sentence);
  show();
  lower();
#ifdef Q_OS_WIN
  // Only a window of the Windows platform has a handle (the offscreen platform's has none).
  if (QWidget* top = window();
      top->isVisible() && QGuiApplication::platformName() == QLatin1String("windows"))
    RaiseNotification(reinterpret_cast<HWND>(top->winId()), sentence);
#endif
}

}  // namespace numora
