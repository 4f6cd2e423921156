#pragma once

// The program as a benchmark runs it: every window, no message box shown and no end of the
// program, with "." for the decimal point.

#include "app/Registry.h"
#include "ui/frame/Services.h"

namespace numora::bench {

struct NoEnd final : ProgramEnd {
  void endProgram() override {}
};
struct NoBoxes final : MessageBoxes {
  void show(const Message&) override {}
  bool ask(const Message&) override { return false; }
};

struct Program {
  NoEnd end;
  NoBoxes boxes;
  Registry registry{end, boxes, Numerals(u'.')};
};

// Made at its first use, after the application.
inline Program& TheProgram() {
  static Program program;
  return program;
}

}  // namespace numora::bench
