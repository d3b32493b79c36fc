#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace engine {

/// The leading number of a text box's text: leading blanks are skipped, then an optional sign,
/// digits, a fraction and an exponent are taken; 0 when the text starts with no number.
double leseZahl(std::string_view text);

/// The same leading number, or nothing when the text does not start with one.
std::optional<double> fuehrendeZahl(std::string_view text);

/// The standard number format: a blank before a number that is not negative, a minus sign
/// otherwise (" 0", " 42", "-5"); whole numbers are written without a fraction.
std::string zahlText(double wert);

/// A number as plain digits, without the leading blank ("75", "-3").
std::string ziffernText(long long wert);

}  // namespace engine
