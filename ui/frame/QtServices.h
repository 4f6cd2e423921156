#pragma once

#include "ui/frame/Services.h"

namespace numora {

// Hides every window and leaves the event loop; the windows are destroyed when start-up code
// unwinds, without any of their handlers running.
class ApplicationEnd final : public ProgramEnd {
 public:
  void endProgram() override;
};

class ModalMessageBoxes final : public MessageBoxes {
 public:
  void show(const Message& message) override;
  bool ask(const Message& question) override;
};

}  // namespace numora
