#pragma once

class QPagedPaintDevice;
class QString;

namespace numora {

class TopicWindow;

// The printout of a topic window's calculation, laid out right to left in the window's faces: the
// topic (the window's title) and the date; the problem the last calculation solved, stated with the
// pupil's numbers, and its figure, painted onto the page as lines and text, as the panel paints
// it; the boxes the calculation read, by their names, with their texts as the pupil typed them;
// the lines of its solution (steps, exact answers, reasons); and the answer last.
// Before the first calculation it holds each result's formula in words instead. A solution that an
// edit has made out of date is printed as the panel shows it, with the inputs it was computed
// from, under the sentence that says it is out of date.
//
// False when the device could not be painted on.
bool PrintCalculation(const TopicWindow& window, QPagedPaintDevice& device);

// The printout as a PDF file; false, and no file left behind, when it could not be written.
bool WritePdf(const TopicWindow& window, const QString& path);

}  // namespace numora
