#include "storage/weltdatei.h"

#include <string_view>

#include "engine/zahltext.h"
#include "storage/lesehilfe.h"

namespace storage {

namespace {

// Longer than any valid line with generous blanks; a longer line cannot hold a value.
constexpr std::size_t kMaxZeile = 256;

enum class Zeile { gelesen, ende, zuLang };

// A line ends at CR LF, at a bare CR or at the end of the input; a bare LF belongs to it.
Zeile liesZeile(std::streambuf& puffer, std::string& zeile) {
    using T = std::streambuf::traits_type;
    zeile.clear();
    T::int_type c = puffer.sbumpc();
    if (T::eq_int_type(c, T::eof())) return Zeile::ende;
    while (!T::eq_int_type(c, T::eof())) {
        if (c == '\r') {
            if (T::eq_int_type(puffer.sgetc(), '\n')) puffer.sbumpc();
            return Zeile::gelesen;
        }
        if (zeile.size() == kMaxZeile) return Zeile::zuLang;
        zeile.push_back(T::to_char_type(c));
        c = puffer.sbumpc();
    }
    return Zeile::gelesen;
}

// A signed 32-bit decimal integer with surrounding blanks, nothing else.
std::optional<std::int64_t> ganzeZahl(std::string_view text) {
    std::string_view s = ohneBlanks(text);
    Zahl z;
    if (!liesGanzeZahl(s, z) || !s.empty() || z.zuGross || z.wert < INT32_MIN || z.wert > INT32_MAX)
        return std::nullopt;
    return z.wert;
}

// "True" or "False" in any letter case, or a number: 0 is false, any other true.
std::optional<bool> wahrheitswert(std::string_view text) {
    const std::string_view s = ohneBlanks(text);
    if (gleichOhneFall(s, "true")) return true;
    if (gleichOhneFall(s, "false")) return false;
    if (const auto zahl = ganzeZahl(s)) return *zahl != 0;
    return std::nullopt;
}

}  // namespace

bool gueltigeFarbe(std::int64_t wert) { return wert >= INT32_MIN && wert <= 0xFFFFFF; }

int gewaehlterRand(const WeltDatei& datei) {
    for (int k = 2; k >= 0; --k)
        if (datei.rand[k]) return k;
    return -1;
}

std::string weltDateiText(const WeltDatei& datei) {
    std::string text;
    text.reserve(static_cast<std::size_t>(kZeilen) * 8);
    auto zahl = [&text](std::int32_t wert) {
        text += engine::zahlText(wert);
        text += " \r\n";
    };
    for (int x = 0; x < engine::kDim; ++x)
        for (int y = 0; y < engine::kDim; ++y) zahl(datei.zelle[x][y]);
    zahl(datei.feldGroesse);
    for (int k = 0; k < 9; ++k) {
        zahl(datei.ueberleben[k]);
        zahl(datei.geburt[k]);
    }
    for (bool gesetzt : datei.rand) text += gesetzt ? "True\r\n" : "False\r\n";
    if (datei.farben) {
        zahl(datei.farben->alt1);
        zahl(datei.farben->neu);
        zahl(datei.farben->alt2);
        zahl(datei.farben->schirm);
    }
    return text;
}

Gelesen liesWeltDatei(std::istream& ein) {
    Gelesen antwort;
    auto datei = std::make_unique<WeltDatei>();
    std::streambuf* puffer = ein.rdbuf();
    std::string zeile;
    int nummer = 0;

    auto ablehnen = [&](int zeilenNummer, Lesegrund grund) {
        antwort.fehler = {zeilenNummer, grund};
        return false;
    };
    auto ungueltig = [&](Lesegrund was) {
        // Lines ended by a bare LF run together; say so rather than blame the value.
        return ablehnen(nummer, zeile.find('\n') != std::string::npos ? Lesegrund::nurLf : was);
    };
    // Takes the next line; an over-long line is refused as an invalid value of its kind.
    auto naechste = [&](Lesegrund was) {
        ++nummer;
        switch (puffer ? liesZeile(*puffer, zeile) : Zeile::ende) {
            case Zeile::gelesen: return true;
            case Zeile::zuLang: return ungueltig(was);
            case Zeile::ende: break;
        }
        if (nummer == 1) return ablehnen(0, Lesegrund::leer);
        return ablehnen(nummer - 1, Lesegrund::vorzeitig);
    };
    auto zahlIn = [&](Lesegrund was, std::int64_t von, std::int64_t bis, auto& ziel) {
        if (!naechste(was)) return false;
        const auto wert = ganzeZahl(zeile);
        if (!wert || *wert < von || *wert > bis) return ungueltig(was);
        ziel = static_cast<std::remove_reference_t<decltype(ziel)>>(*wert);
        return true;
    };

    for (int x = 0; x < engine::kDim; ++x)
        for (int y = 0; y < engine::kDim; ++y)
            if (!zahlIn(Lesegrund::zelle, 0, 3, datei->zelle[x][y])) return antwort;
    if (!zahlIn(Lesegrund::groesse, 2, engine::kMaxFeld, datei->feldGroesse)) return antwort;
    if (datei->feldGroesse % 2 != 0) {
        ungueltig(Lesegrund::groesse);
        return antwort;
    }
    for (int k = 0; k < 9; ++k)
        if (!zahlIn(Lesegrund::kasten, 0, 2, datei->ueberleben[k]) || !zahlIn(Lesegrund::kasten, 0, 2, datei->geburt[k]))
            return antwort;
    for (bool& gesetzt : datei->rand) {
        if (!naechste(Lesegrund::rand)) return antwort;
        const auto wert = wahrheitswert(zeile);
        if (!wert) {
            ungueltig(Lesegrund::rand);
            return antwort;
        }
        gesetzt = *wert;
    }

    // The colour block is optional; an empty line in its place is ignored, as one after it is.
    using T = std::streambuf::traits_type;
    const T::int_type weiter = puffer ? puffer->sgetc() : T::eof();
    if (!T::eq_int_type(weiter, T::eof()) && !T::eq_int_type(weiter, T::to_int_type('\r'))) {
        Farben farben;
        for (view::Farbe* ziel : {&farben.alt1, &farben.neu, &farben.alt2, &farben.schirm})
            if (!zahlIn(Lesegrund::farbe, INT32_MIN, 0xFFFFFF, *ziel)) return antwort;
        datei->farben = farben;
    }
    antwort.welt = std::move(datei);
    return antwort;
}

}  // namespace storage
