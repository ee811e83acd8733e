// How the sortable list orders two cell texts: as numbers, as dd/mm/yyyy
// dates, or as locale text, chosen by the first text.
#pragma once

#include <string>

// Every character is a decimal digit (double-byte characters are not); the
// empty text passes.
bool IsAllDigits(const std::string& text);
// Exactly "dd/dd/dddd".
bool IsDateText(const std::string& text);
// -1, 0 or 1 by integer value (text that is no number counts as 0).
int CompareAsIntegers(const std::string& a, const std::string& b);
// -1, 0 or 1 by year (characters 6-9), then characters 3-4, then 0-1.
int CompareDates(const std::string& a, const std::string& b);
// The list's compare rule; descending swaps the operands.
int CompareCellTexts(const std::string& a, const std::string& b, bool ascending);
