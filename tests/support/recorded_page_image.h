#pragma once

// A page that the recording printer kept, drawn for a person to look at:
// its text, boxes and lines at their recorded places on a white sheet.

#include <QImage>

#include "support/recording_printer.h"

namespace vexa {

// Page `page` (from 1) of the sheet in the printer's current orientation, at
// `pixelsPerInch`.
QImage recordedPageImage(const RecordingPrinter& printer, int page, int pixelsPerInch);

}  // namespace vexa
