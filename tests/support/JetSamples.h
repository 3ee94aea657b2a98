#pragma once

#include "support/TableText.h"
#include "tools/jet/JetFormat.h"
#include "tools/jet/JetTable.h"

#include <QByteArray>
#include <vector>

// Tables written by feastbook-gen's Access writer, each with the text the program prints for
// every value (as feastbook-dump does: dates "YYYY-MM-DD" with " HH:MM:SS" when not midnight).
// Together they reach the corners of the format: NULL and empty values, full-length and
// non-Latin texts, memos kept in the row, on one long-value page and on chains of them, rows on
// either side of every Jet 3 jump-table mark, a table spread wider than an inline usage map, and
// the numeric types the writer has no values of (see file()).
namespace JetSamples {

struct Sample
{
    gen::jet::Table table;
    TableText expected;
};

std::vector<Sample> tables(gen::jet::JetVersion version);

// The database holding the samples. The writer stores no Single, Currency, Double or Byte, so
// the table "Retyped" is written with columns whose bytes are such values, and their types are
// changed in the file afterwards: a Single reads a Long's four bytes, a Currency or a Double a
// Date/Time's eight, a Byte the first of an Integer's two.
QByteArray file(gen::jet::JetVersion version, const std::vector<Sample> &samples);

} // namespace JetSamples
