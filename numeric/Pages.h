#pragma once

#include <vector>

namespace numora {

// A part of a document set in one long column, from its top to its bottom in any unit of length,
// and whether it begins a page of its own.
struct PagePart {
  double top = 0;
  double bottom = 0;
  bool newPage = false;
};

// Where each page begins in the column, the parts in the column's order: a part that does not fit
// on what is left of a page goes whole onto the next, and a page holds as many parts as fit; a
// part longer than a page begins a page and is cut where each page ends. Page k shows the column
// from its start to the next page's start, never more than a page's height. One pass: the time
// grows with the parts and no faster.
std::vector<double> PageStarts(const std::vector<PagePart>& parts, double pageHeight);

}  // namespace numora
