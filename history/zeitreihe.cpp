#include "history/zeitreihe.h"

#include "engine/zahltext.h"

namespace history {

Messpunkt& Zeitreihe::neuerPunkt(double generation) {
    if (groesse_ < kZeitreihenLaenge)
        ++groesse_;
    else
        anfang_ = (anfang_ + 1) % kZeitreihenLaenge;
    Messpunkt& p = punkte_[(anfang_ + groesse_ - 1) % kZeitreihenLaenge];
    p = Messpunkt{};
    p.generation = generation;
    return p;
}

void Zeitreihe::beginne(double generation, const engine::Welt& w) {
    leeren();
    neuerPunkt(generation).lebende = lebende(w);
}

void Zeitreihe::erfasse(double generation, const engine::Welt& w) {
    Messpunkt& p = neuerPunkt(generation);
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

std::string Zeitreihe::csv() const {
    std::string text = "Generation;Lebend;Geburten;Tode;Periode;Wandert x;Wandert y\r\n";
    text.reserve(text.size() + 40 * static_cast<std::size_t>(groesse_));
    for (int i = 0; i < groesse_; ++i) {
        const Messpunkt& p = (*this)[i];
        text += engine::zahlTextOhneBlank(p.generation) + ';' + engine::ziffernText(p.lebende) + ';' +
                engine::ziffernText(p.geburten) + ';' + engine::ziffernText(p.tode) + ';';
        if (p.periode >= 0)
            text += engine::ziffernText(p.periode) + ';' + engine::ziffernText(p.dx) + ';' + engine::ziffernText(p.dy);
        else
            text += ";;";
        text += "\r\n";
    }
    return text;
}

}  // namespace history
