// Carrying out a job of the batch program through the same model the window shows.
#include <unistd.h>

#include <ostream>

#include "engine/zahltext.h"
#include "stapel/stapel.h"
#include "storage/regeltext.h"
#include "werkbank/werkbank.h"

namespace stapel {

namespace {

constexpr const char* kName = "morlix-stapel: ";

std::string klein(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

werkbank::Meldung schreibe(werkbank::Werkbank& w, const std::filesystem::path& pfad) {
    const std::string endung = klein(pfad.extension().string());
    if (endung == ".vir") return w.speichereWelt(pfad);
    if (endung == ".png") return w.speichereBild(pfad, view::standardSystemfarben());
    if (endung == ".gif") return w.speichereAnimation(pfad, view::standardSystemfarben());
    return w.exportiereMuster(pfad);
}

}  // namespace

int fuehreAus(const Auftrag& a, std::ostream& aus, std::ostream& fehler) {
    auto w = std::make_unique<werkbank::Werkbank>();
    const werkbank::Meldung gelesen = w->oeffne(a.eingabe);
    if (gelesen.art == werkbank::Meldung::Art::warnung) {
        fehler << kName << gelesen.grund << '\n';
        return kDateiFehler;
    }
    if (gelesen) fehler << kName << gelesen.grund << '\n';  // what of the file's rule could not be taken

    if (a.regel) {
        const storage::RegelGelesen r = storage::liesRegel(*a.regel);
        w->setzeRegel(r.regel->regel, r.regel->maske);
    }
    if (a.maske) w->setzeMaske(*a.maske);
    if (a.rand) w->setzeRand(*a.rand);
    if (a.groesse) w->setzeGroesse(*a.groesse);

    if (a.verlauf) {
        // Lines gather in a buffer: a million generations write a million lines.
        std::string zeilen = "Generation;Lebend;Befund\n";
        w->generationen(a.generationen, [&](double generation, const history::Befund& b) {
            zeilen += engine::ziffernText(static_cast<long long>(generation));
            zeilen += ';';
            zeilen += engine::ziffernText(b.lebende);
            zeilen += ';';
            zeilen += history::befundText(b);
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
        const werkbank::Meldung geschrieben = schreibe(*w, *a.ausgabe);
        if (geschrieben) {
            fehler << kName << geschrieben.grund << '\n';
            return kDateiFehler;
        }
    }
    if (!a.verlauf)
        aus << "Generation " << engine::ziffernText(static_cast<long long>(engine::leseZahl(w->zaehlerText()))) << ": "
            << engine::ziffernText(w->befund().lebende) << " lebende Zellen, " << history::befundText(w->befund())
            << '\n';
    aus.flush();
    return aus ? kFertig : kDateiFehler;
}

int hauptprogramm(std::span<const std::string_view> argumente, std::ostream& aus, std::ostream& fehler) {
    const Befehl befehl = liesBefehl(argumente);
    if (!befehl.auftrag) {
        fehler << kName << befehl.fehler << '\n';
        return kAufrufFehler;
    }
    if (befehl.auftrag->hilfe) {
        aus << hilfeText();
        return kFertig;
    }
    if (befehl.auftrag->version) {
        aus << versionText();
        return kFertig;
    }
    if (befehl.auftrag->zensus || befehl.auftrag->zusammenfuehren)
        return fuehreZensusAus(*befehl.auftrag, aus, fehler, isatty(STDERR_FILENO) == 1);
    return fuehreAus(*befehl.auftrag, aus, fehler);
}

}  // namespace stapel
