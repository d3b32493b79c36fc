#include "history/zeitreihe.h"

#include <cassert>

#include "engine/zahltext.h"

namespace history {

Messpunkt& Zeitreihe::neuerPunkt(double zaehler) {
    if (groesse_ < kZeitreihenLaenge)
        ++groesse_;
    else
        anfang_ = (anfang_ + 1) % kZeitreihenLaenge;
    Messpunkt& p = punkte_[(anfang_ + groesse_ - 1) % kZeitreihenLaenge];
    p = Messpunkt{};
    p.generation = naechste_++;
    p.zaehler = zaehler;
    return p;
}

void Zeitreihe::beginne(double zaehler, const engine::Welt& w) {
    leeren();
    neuerPunkt(zaehler).lebende = lebende(w);
}

void Zeitreihe::erfasse(double zaehler, const engine::Welt& w) {
    Messpunkt& p = neuerPunkt(zaehler);
    p.lebende = w.bilanz.lebende;
    p.geburten = w.bilanz.geburten;
    p.tode = w.bilanz.tode;
}

void Zeitreihe::mitBefund(const Befund& befund) {
    if (groesse_ == 0) return;
    Messpunkt& p = punkte_[(anfang_ + groesse_ - 1) % kZeitreihenLaenge];
    p.periode = static_cast<std::int8_t>(befund.periode);
    p.dx = static_cast<std::int8_t>(befund.dx);
    p.dy = static_cast<std::int8_t>(befund.dy);
}

int Zeitreihe::periodeGefunden() const {
    int periode = 0;
    int gefunden = -1;
    for (int i = 0; i < groesse_; ++i) {
        const Messpunkt& m = (*this)[i];
        if (m.periode > 0 && m.periode != periode) gefunden = i;
        if (m.periode >= 0) periode = m.periode;
    }
    return periode > 0 ? gefunden : -1;
}

std::vector<Achsenmarke> Zeitreihe::achsenMarken(int hoechstens) const {
    std::vector<Achsenmarke> marken;
    if (groesse_ == 0) return marken;
    const long long von = (*this)[0].generation;
    const long long bis = (*this)[groesse_ - 1].generation;
    assert(hoechstens >= 2);
    constexpr long long kFaktor[3] = {1, 2, 5};
    long long schritt = 1;
    for (long long k = 0, zehner = 1; bis / schritt - (von + schritt - 1) / schritt + 1 > hoechstens;) {
        if (++k == 3) {
            k = 0;
            zehner *= 10;
        }
        schritt = kFaktor[k] * zehner;
    }
    for (long long g = (von + schritt - 1) / schritt * schritt; g <= bis; g += schritt)
        marken.push_back({g, engine::zahlText((*this)[static_cast<int>(g - von)].zaehler)});
    return marken;
}

std::string Zeitreihe::csv() const {
    std::string text = "Generation;Zähler;Lebend;Geburten;Tode;Periode;Wandert x;Wandert y\r\n";
    text.reserve(text.size() + 50 * static_cast<std::size_t>(groesse_));
    for (int i = 0; i < groesse_; ++i) {
        const Messpunkt& p = (*this)[i];
        text += engine::ziffernText(p.generation) + ';' + engine::zahlTextOhneBlank(p.zaehler) + ';' +
                engine::ziffernText(p.lebende) + ';' + engine::ziffernText(p.geburten) + ';' +
                engine::ziffernText(p.tode) + ';';
        if (p.periode >= 0)
            text += engine::ziffernText(p.periode) + ';' + engine::ziffernText(p.dx) + ';' + engine::ziffernText(p.dy);
        else
            text += ";;";
        text += "\r\n";
    }
    return text;
}

}  // namespace history
