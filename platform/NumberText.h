#pragma once
// Reading a number from a text the player may have written (a setting of
// the configuration file): the number must be the whole text, so that
// "12abc", or "1e9" for a whole number, is refused rather than read by its
// first digits. Decimal, with a point as the file writes numbers: no spaces
// around it, no "0x", no "inf" or "nan". Any thread.
#include <string>

// An optional sign and decimal digits. A value beyond the range of long long
// is brought to the nearest end of it.
bool readWholeInteger(const std::string& text, long long& value);

// An optional sign, digits with an optional point and fraction (a digit on
// at least one side of the point), and an optional exponent: "e" or "E", an
// optional sign and digits. A value too large for a double is the infinity
// of its sign, one too small for it is zero or the nearest subnormal.
bool readWholeDecimal(const std::string& text, double& value);
