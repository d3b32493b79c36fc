#include "storage/lesehilfe.h"

#include <charconv>
#include <system_error>

namespace storage {

bool gleichOhneFall(std::string_view a, std::string_view b) { return a.size() == b.size() && beginntMit(a, b, true); }

bool beginntMit(std::string_view s, std::string_view anfang, bool ohneFall) {
    if (s.size() < anfang.size()) return false;
    for (std::size_t k = 0; k < anfang.size(); ++k)
        if (ohneFall ? klein(s[k]) != klein(anfang[k]) : s[k] != anfang[k]) return false;
    return true;
}

std::string_view ohneBlanks(std::string_view s) {
    while (!s.empty() && leer(s.front())) s.remove_prefix(1);
    while (!s.empty() && leer(s.back())) s.remove_suffix(1);
    return s;
}

bool liesZahl(std::string_view& s, Zahl& z) {
    std::size_t laenge = 0;
    while (laenge < s.size() && ziffer(s[laenge])) ++laenge;
    if (laenge == 0) return false;
    z = {};
    const auto fehler = std::from_chars(s.data(), s.data() + laenge, z.wert).ec;
    z.zuGross = fehler == std::errc::result_out_of_range || z.wert > kGrosseZahl;
    s.remove_prefix(laenge);
    return true;
}

bool liesGanzeZahl(std::string_view& s, Zahl& z) {
    std::string_view rest = s;
    const bool negativ = !rest.empty() && rest.front() == '-';
    if (!rest.empty() && (rest.front() == '-' || rest.front() == '+')) rest.remove_prefix(1);
    if (!liesZahl(rest, z)) return false;
    if (negativ) z.wert = -z.wert;
    s = rest;
    return true;
}

std::string zitat(std::string_view name, bool ende) {
    // Characters are counted by their first bytes, so that no cut falls inside one.
    std::size_t zeichen = 0;
    for (const char c : name) zeichen += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    std::size_t von = 0, bis = name.size();
    if (zeichen > kZitatZeichen) {
        std::size_t weg = zeichen - (kZitatZeichen - 1);  // one place for "…"
        auto anfang = [&](std::size_t k) { return (static_cast<unsigned char>(name[k]) & 0xC0) != 0x80; };
        if (ende) {
            while (weg > 0) weg -= anfang(von++);
            while (von < name.size() && !anfang(von)) ++von;
        } else {
            while (weg > 0) weg -= anfang(--bis);
        }
    }
    std::string text = "„";
    if (von > 0) text += "…";
    for (std::size_t k = von; k < bis; ++k) {
        const auto u = static_cast<unsigned char>(name[k]);
        text += u < 0x20 || u == 0x7F ? ' ' : name[k];
    }
    if (bis < name.size()) text += "…";
    return text + "“";
}

bool Zeilen::naechste(std::string_view& z) {
    if (pos_ >= text_.size()) return false;
    std::size_t ende = pos_;
    while (ende < text_.size() && text_[ende] != '\n' && text_[ende] != '\r') ++ende;
    z = text_.substr(pos_, ende - pos_);
    pos_ = ende;
    if (pos_ < text_.size() && text_[pos_++] == '\r' && pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
    ++nummer_;
    return true;
}

}  // namespace storage
