#pragma once

#include "support/JetImage.h"

// A table "Samples" with a column of every type the reader decodes and rows that reach the
// corners: NULLs, negative and fractional dates, memos kept in the row, on one long-value page
// and on a chain of them, Jet 3 rows long enough to need two jump-table entries, non-Latin text.
namespace JetSamples {

JetImage image(JetImage::Version version);
// The memo of a row, as written (rows differ in their memo's length and so its storage).
QString memo(int row);
int rowCount();

} // namespace JetSamples
