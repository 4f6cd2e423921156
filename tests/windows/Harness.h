#pragma once

#include <QWidget>
#include <vector>

#include "app/Registry.h"
#include "app/frame/Services.h"

namespace numora::testing {

struct RecordingEnd final : ProgramEnd {
  int calls = 0;
  void endProgram() override { ++calls; }
};

// Records boxes instead of showing them, so that no test ever waits on a modal box.
struct RecordingMessages final : MessageBoxes {
  std::vector<Message> shown;
  void show(const Message& message) override { shown.push_back(message); }
};

// A whole program with recorders in place of ending the process and of message boxes.
struct Program {
  explicit Program(char16_t decimalSeparator = u'.') : registry(end, messages, decimalSeparator) {}

  template <typename Form>
  Form& form(FormId id) {
    return dynamic_cast<Form&>(registry.form(id));
  }

  // The program's windows that are in view.
  std::vector<FormWindow*> visible() const {
    std::vector<FormWindow*> windows;
    for (int n = 1; n <= kFormCount; ++n)
      if (FormWindow* window = registry.created(static_cast<FormId>(n));
          window && window->isVisible())
        windows.push_back(window);
    return windows;
  }

  RecordingEnd end;
  RecordingMessages messages;
  Registry registry;
};

}  // namespace numora::testing
