#pragma once

#include <QString>

// A day's colour code as the calendar table stores it: one digit ("2"), or a digit, a separator
// and a digit ("5;1": the weekday's colour, then the memorial's). The separator is never read.
// A code of any other length colours nothing; the day keeps the colours it has.
namespace ColourCode {

// Whether every digit the code is coloured by is a digit: true for "2", "5;1", and for codes of
// another length, which colour nothing; false for "x" or "2;x".
bool isReadable(const QString &code);

// The digit at index (0, or 2 of a two-colour code); throws std::invalid_argument, naming the
// code, when the character there is not a digit.
int digitAt(const QString &code, int index);

} // namespace ColourCode
