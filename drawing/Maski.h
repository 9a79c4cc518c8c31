#pragma once
// Numbers as the drawings and tables write them. The result holds only
// ASCII digits, '-' and the given decimal separator, so it serves both the
// code page 1250 labels of the stroke font and UTF-8 texts (for an ASCII separator).
#include <string>
#include <string_view>

// A mask such as "#######0.00": '#' an optional digit, '0' a digit always
// written, '.' the place of the separator. Digits beyond the mask's integer
// places are written all the same; fractions are rounded half away from zero
// to the mask's places; a number that rounds to zero has no minus sign; the
// separator appears only when fraction digits follow it.
std::string FormatujMaska(double wartosc, std::string_view maska, char separator);

// Fixed notation with `miejsca` decimals and at most `cyfry` significant
// digits (digits past them are written as zeros). A number with more than
// `cyfry` integer digits is written in exponent notation.
std::string FormatujStale(double wartosc, int miejsca, int cyfry, char separator);
