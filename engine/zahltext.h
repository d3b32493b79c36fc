#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace engine {

// Numbers are read and written the same whatever locale the process runs under.

/// The leading number of a text box's text: leading blanks are skipped, then an optional sign,
/// digits, a fraction and an exponent are taken; 0 when the text starts with no number.
double leseZahl(std::string_view text);

/// The same leading number, or nothing when the text does not start with one; a number beyond
/// the range of double reads as 0.
std::optional<double> fuehrendeZahl(std::string_view text);

/// The standard number format: a blank before a number that is not negative, a minus sign
/// otherwise (" 0", " 42", "-5"); whole numbers below 1E+15 are written without a fraction,
/// others with up to 15 significant digits and an upper-case exponent where needed (" 2.5", " 1E+15").
std::string zahlText(double wert);

/// The standard format without the blank before a number that is not negative ("42", "2.5", "-5").
std::string zahlTextOhneBlank(double wert);

/// A number as plain digits, without the leading blank ("75", "-3").
std::string ziffernText(long long wert);

/// Appends the digits of `wert` to `text`, as ziffernText() writes them, building no string.
void haengeZiffernAn(std::string& text, long long wert);

/// The neighbour counts 0..8 of a rule's set (bit k for k neighbours) as digits, ascending ("23").
std::string anzahlenText(std::uint16_t menge);

}  // namespace engine
