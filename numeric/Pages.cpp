#include "numeric/Pages.h"

namespace numora {

std::vector<double> PageStarts(const std::vector<PagePart>& parts, double pageHeight) {
  if (parts.empty() || !(pageHeight > 0)) return {0};
  double start = parts.front().top;
  std::vector<double> starts{start};
  for (const PagePart& part : parts) {
    const bool onThisPage = part.top > start;  // the page holds a part before this one
    if (onThisPage && (part.newPage || part.bottom - start > pageHeight)) {
      start = part.top;
      starts.push_back(start);
    }
    while (part.bottom - start > pageHeight) {
      start += pageHeight;
      starts.push_back(start);
    }
  }
  return starts;
}

}  // namespace numora
