#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace storage {

/// Counts and coordinates above this are refused; far beyond any field, far below overflow.
inline constexpr std::int64_t kGrosseZahl = 1'000'000'000'000'000;  // 10^15

/// A blank inside a line: space, tab, form feed or vertical tab.
constexpr bool leer(char c) { return c == ' ' || c == '\t' || c == '\f' || c == '\v'; }
/// A decimal digit.
constexpr bool ziffer(char c) { return c >= '0' && c <= '9'; }
/// The ASCII lower-case letter of c; every other byte stays.
constexpr char klein(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

/// True when a and b differ at most in ASCII letter case.
bool gleichOhneFall(std::string_view a, std::string_view b);
/// True when s starts with `anfang`, ignoring ASCII letter case when `ohneFall`.
bool beginntMit(std::string_view s, std::string_view anfang, bool ohneFall = false);
/// s without blanks at either end.
std::string_view ohneBlanks(std::string_view s);

/// A number read from text; `zuGross` when it exceeds kGrosseZahl, and then `wert` means nothing.
struct Zahl {
    std::int64_t wert = 0;
    bool zuGross = false;
};
/// Takes the leading decimal digits of s; false, with s unchanged, when it starts with none.
bool liesZahl(std::string_view& s, Zahl& z);
/// The same after an optional sign.
bool liesGanzeZahl(std::string_view& s, Zahl& z);

/// Characters of a name that a message quotes whole; longer names are cut to this many.
inline constexpr std::size_t kZitatZeichen = 48;
/// A name from a file or the command line (a rule, a game, a path) in German quotes, as every
/// message quotes one: cut to kZitatZeichen characters with "…" where it is longer, keeping the
/// start or, with `ende` (paths), the end; control characters become blanks.
std::string zitat(std::string_view name, bool ende = false);

/// Lines of a text ending in LF, CR LF or a bare CR; the line ends are not part of the lines.
class Zeilen {
public:
    /// Lines of `text`, which must outlive this object.
    explicit Zeilen(std::string_view text) : text_(text) {}
    /// The next line into z; false at the end of the text.
    bool naechste(std::string_view& z);
    /// Number of the line last handed out, from 1.
    int nummer() const { return nummer_; }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
    int nummer_ = 0;
};

}  // namespace storage
