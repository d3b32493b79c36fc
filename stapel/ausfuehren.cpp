// Carrying out a job of the batch program through the same model the window shows.
#include <unistd.h>

#include <cassert>
#include <ostream>

#include "engine/zahltext.h"
#include "stapel/stapel.h"
#include "storage/dateiart.h"
#include "werkbank/werkbank.h"

namespace stapel {

namespace {

constexpr const char* kName = "morlix-stapel: ";

werkbank::Meldung schreibe(werkbank::Werkbank& w, const Auftrag& a) {
    const std::filesystem::path& pfad = *a.ausgabe;
    const std::optional<storage::Ausgabeart> art = storage::ausgabeFuer(pfad.filename().string());
    assert(art);  // the command line takes only names of a known kind
    switch (art ? art->art : storage::Dateiart::muster) {
        case storage::Dateiart::welt: return w.speichereWelt(pfad);
        case storage::Dateiart::bild: return w.speichereBild(pfad, view::standardSystemfarben());
        case storage::Dateiart::animation: {
            // Without a frame rate the frames follow at the pace the clock's slider starts at.
            const int bildMs = a.bildrate ? (1000 + *a.bildrate / 2) / *a.bildrate : run::intervallMs(w.tempo());
            return w.speichereAnimation(pfad, view::standardSystemfarben(), bildMs);
        }
        case storage::Dateiart::muster: break;
    }
    return w.exportiereMuster(pfad);
}

// The last words on standard output: what a failed write to it leaves the caller.
int zumSchluss(texte::Sprache sprache, std::ostream& aus, std::ostream& fehler) {
    aus.flush();
    if (aus) return kFertig;
    fehler << kName << texte::ausgabeVoll(sprache) << '\n';
    return kDateiFehler;
}

}  // namespace

int fuehreAus(const Auftrag& a, std::ostream& aus, std::ostream& fehler) {
    auto w = std::make_unique<werkbank::Werkbank>();
    // The size the pattern must fit: the one asked for, else the grid of the rule asked for.
    std::optional<int> feld = a.groesse;
    if (!feld && a.regel && a.regel->rand) feld = a.regel->feldGroesse;
    const werkbank::Meldung gelesen = w->oeffne(a.eingabe, feld);
    if (gelesen.art == werkbank::Meldung::Art::warnung) {
        fehler << kName << gelesen.grund(a.sprache) << '\n';
        return kDateiFehler;
    }
    if (gelesen) fehler << kName << gelesen.grund(a.sprache) << '\n';  // what of the file's rule could not be taken

    if (a.regel) w->setzeAngaben(*a.regel);
    if (a.maske) w->setzeMaske(*a.maske);
    if (a.rand) w->setzeRand(*a.rand);
    if (a.groesse) w->setzeGroesse(*a.groesse);

    if (a.verlauf) {
        // Lines gather in a buffer: a million generations write a million lines.
        std::string zeilen = texte::verlaufKopf(a.sprache) + '\n';
        // A settled world says the same for many generations: its finding is told once.
        history::Befund gesagt{-1};
        std::string befund;
        w->generationen(a.generationen, [&](double generation, const history::Befund& b) {
            if (b != gesagt) {
                gesagt = b;
                befund = texte::befund(a.sprache, b);
            }
            engine::haengeZiffernAn(zeilen, static_cast<long long>(generation));
            zeilen += ';';
            engine::haengeZiffernAn(zeilen, b.lebende);
            zeilen += ';';
            zeilen += befund;
            zeilen += '\n';
            if (zeilen.size() > (1u << 16)) {
                aus << zeilen;
                zeilen.clear();
            }
        });
        aus << zeilen;
    } else {
        w->generationen(a.generationen);
    }

    if (a.ausgabe) {
        const werkbank::Meldung geschrieben = schreibe(*w, a);
        if (geschrieben) {
            fehler << kName << geschrieben.grund(a.sprache) << '\n';
            return kDateiFehler;
        }
    }
    if (!a.verlauf)
        aus << texte::schlusszeile(a.sprache, static_cast<long long>(engine::leseZahl(w->zaehlerText())), w->befund())
            << '\n';
    return zumSchluss(a.sprache, aus, fehler);
}

int hauptprogramm(std::span<const std::string_view> argumente, std::ostream& aus, std::ostream& fehler) {
    const Befehl befehl = liesBefehl(argumente);
    if (!befehl.auftrag) {
        fehler << kName << texte::aufruffehler(befehl.sprache, *befehl.fehler) << '\n';
        return kAufrufFehler;
    }
    if (befehl.auftrag->hilfe) {
        aus << texte::stapelHilfe(befehl.sprache);
        return zumSchluss(befehl.sprache, aus, fehler);
    }
    if (befehl.auftrag->version) {
        aus << texte::stapelVersion(befehl.sprache);
        return zumSchluss(befehl.sprache, aus, fehler);
    }
    if (befehl.auftrag->zensus || befehl.auftrag->zusammenfuehren)
        return fuehreZensusAus(*befehl.auftrag, aus, fehler, isatty(STDERR_FILENO) == 1);
    return fuehreAus(*befehl.auftrag, aus, fehler);
}

}  // namespace stapel
