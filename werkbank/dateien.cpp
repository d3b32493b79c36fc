// File verbs: worlds, patterns and animations.
#include <algorithm>
#include <cstring>

#include "engine/programm.h"
#include "engine/zahltext.h"
#include "storage/dateiart.h"
#include "storage/dateizugriff.h"
#include "storage/gifanimation.h"
#include "storage/lesehilfe.h"
#include "storage/muster.h"
#include "storage/pngbild.h"
#include "storage/weltdatei.h"
#include "werkbank/vorgang.h"

namespace werkbank {

using S = texte::Schritt;

namespace fs = std::filesystem;

namespace {

using F = texte::Problem::Fall;

/// A warning: what went wrong with which name, and the reason the reader gave.
Meldung warnung(F fall, const fs::path& name, storage::Ablehnung grund = {}) {
    return {Meldung::Art::warnung, {fall, name.string(), std::move(grund)}, {}};
}

/// A warning for the file system's reason.
Meldung warnung(F fall, const fs::path& name, storage::Dateigrund grund) {
    return {Meldung::Art::warnung, {fall, name.string(), {}, grund}, {}};
}

fs::path mitEndung(fs::path pfad, std::string_view endung, bool ohneFall) {
    if (!storage::endetMit(pfad.filename().string(), endung, ohneFall)) pfad += endung;
    return pfad;
}

std::string titelMit(const fs::path& pfad) {
    std::error_code fehler;
    const fs::path voll = fs::absolute(pfad, fehler);
    return std::string(engine::kProgrammTitel) + "  " + (fehler ? pfad : voll).string();
}

Meldung keinWeltName(const fs::path& pfad) { return warnung(F::keineWelt, pfad); }

}  // namespace

bool Werkbank::istWeltName(const fs::path& pfad) { return storage::istWeltName(pfad.filename().string()); }

Meldung Werkbank::ladeWelt(const fs::path& pfad) {
    if (!istWeltName(pfad)) return keinWeltName(pfad);
    const storage::Gelesen gelesen = storage::ladeWeltDatei(pfad);
    if (!gelesen.welt)
        return {Meldung::Art::warnung, {F::nichtGelesen, pfad.string(), {}, gelesen.fehler.datei, gelesen.fehler}, {}};
    Vorgang v(*this, Art::Bearbeitung, S::weltOeffnen);
    const storage::WeltDatei& datei = *gelesen.welt;
    welt_->setzeZellen(datei.zelle);
    welt_->feldGroesse = datei.feldGroesse;
    groessenHaken_ = -1;
    for (std::size_t k = 0; k < 9; ++k) {
        ueberleben_[k] = static_cast<std::uint8_t>(datei.ueberleben[k]);
        geburt_[k] = static_cast<std::uint8_t>(datei.geburt[k]);
    }
    // A file without a selected edge mode keeps the one in use.
    if (const int rand = storage::gewaehlterRand(datei); rand >= 0) rand_ = static_cast<engine::Rand>(rand);
    if (datei.farben) {
        view::uebernimmFarbe(anzeige_, view::FarbZiel::ZelleAlt1, datei.farben->alt1);
        view::uebernimmFarbe(anzeige_, view::FarbZiel::ZelleNeu, datei.farben->neu);
        view::uebernimmFarbe(anzeige_, view::FarbZiel::ZelleAlt2, datei.farben->alt2);
        view::uebernimmFarbe(anzeige_, view::FarbZiel::Schirm, datei.farben->schirm);
    }
    titel_ = titelMit(pfad);
    weltGeaendert(kGroesse | kRegel | kRand | kFarben | kTitel);
    schliesseSchritt();
    chronik_.sauber();
    return {};
}

Meldung Werkbank::speichereWelt(fs::path pfad) {
    const std::string name = pfad.filename().string();
    if (name.find_first_of("*?") != std::string::npos)
        return warnung(F::suchmuster, name);
    pfad = mitEndung(std::move(pfad), ".vir", false);
    auto datei = std::make_unique<storage::WeltDatei>();
    std::memcpy(datei->zelle, welt_->zellen(), sizeof datei->zelle);
    datei->feldGroesse = welt_->feldGroesse;
    for (std::size_t k = 0; k < 9; ++k) {
        datei->ueberleben[k] = ueberleben_[k];
        datei->geburt[k] = geburt_[k];
    }
    datei->rand[static_cast<int>(rand_)] = true;
    datei->farben = storage::Farben{anzeige_.zellFarbe[1], anzeige_.zellFarbe[2], anzeige_.zellFarbe[3],
                                    anzeige_.hintergrund};
    const storage::Dateigrund fehler = storage::speichereSicher(pfad, storage::weltDateiText(*datei));
    if (fehler != storage::Dateigrund::keiner)
        return warnung(F::weltNichtGespeichert, pfad, fehler);
    Vorgang v(*this);
    if (chronik_.offen() != Art::keine) schliesseSchritt();
    chronik_.sauber();
    titel_ = titelMit(pfad);
    melde(kTitel);
    return {};
}

Meldung Werkbank::fuegeMusterEin(const std::string& text, const std::string& herkunft, bool ersetzen) {
    return fuegeEin(text, herkunft, ersetzen, std::nullopt);
}

Meldung Werkbank::fuegeEin(const std::string& text, const std::string& herkunft, bool ersetzen,
                           std::optional<int> feld) {
    const storage::MusterGelesen gelesen = storage::liesMuster(text);
    if (!gelesen.muster) return warnung(F::musterAbgelehnt, herkunft, gelesen.fehler);
    return setzeMusterEin(*gelesen.muster, herkunft, ersetzen, feld, ersetzen ? S::musterImportieren : S::musterEinfuegen);
}

Meldung Werkbank::setzeMusterEin(const storage::Muster& muster, const std::string& herkunft, bool ersetzen,
                                 std::optional<int> feld, texte::Schritt schritt) {
    // A size asked for, or the pattern's own grid, is the field's; otherwise the field grows to hold it.
    const bool gitter = ersetzen && muster.rand;
    const int alt = welt_->feldGroesse;
    const int n = feld ? *feld : gitter ? muster.feldGroesse : storage::groesseFuer(muster, alt);
    storage::Ablehnung grund;
    const std::optional<storage::Platz> platz = storage::platzFuer(muster, n, grund);
    if (!platz)
        return warnung(schritt == S::objektEinfuegen || schritt == S::suppeZeigen ? F::zensusAbgelehnt : F::musterAbgelehnt,
                       herkunft, grund);

    Vorgang v(*this, Art::Bearbeitung, schritt);
    Meldung m;
    if (ersetzen) {
        m.uebernahme = uebernimm(muster);
        welt_->loescheZellen();
    } else if (muster.regel || muster.rand) {
        m.uebernahme.eingefuegt = true;
    }
    if (n != welt_->feldGroesse) groesseMitHaken(n);
    if (!feld && !gitter && n > alt) {
        m.uebernahme.vergroessert = n;
        m.uebernahme.breite = muster.breite;
        m.uebernahme.hoehe = muster.hoehe;
    }
    storage::setzeEin(*welt_, muster, *platz);
    weltGeaendert();
    if (ersetzen && (muster.fremdeRegel || muster.fremderRand)) {
        m.art = Meldung::Art::hinweis;
        const bool regel = static_cast<bool>(muster.fremdeRegel);
        m.problem = {.fall = F::eigenerSatz,
                     .grund = regel ? muster.fremdeRegel : muster.fremderRand,
                     .dazu = regel ? muster.fremderRand : storage::Ablehnung{}};
    }
    return m;
}

Meldung Werkbank::importiereMuster(const fs::path& pfad, std::optional<int> feld) {
    const storage::MusterText datei = storage::ladeMusterText(pfad);
    if (datei.fehler != storage::Dateigrund::keiner) return warnung(F::nichtGelesen, pfad, datei.fehler);
    return fuegeEin(datei.text, pfad.string(), true, feld);
}

Meldung Werkbank::oeffne(const fs::path& pfad, std::optional<int> feld) {
    if (istWeltName(pfad)) return ladeWelt(pfad);
    if (storage::endetMit(pfad.filename().string(), ".vir", true)) return keinWeltName(pfad);
    Meldung m = importiereMuster(pfad, feld);
    // A pattern opened as the world is unchanged until edited, as a loaded world is.
    if (m.art != Meldung::Art::warnung) {
        Vorgang v(*this);
        chronik_.sauber();
    }
    return m;
}

std::string Werkbank::musterText() const { return storage::rleText(*welt_, regel(), rand_, ""); }

Meldung Werkbank::exportiereMuster(fs::path pfad) {
    if (pfad.extension().empty()) pfad += storage::endungFuer(storage::MusterFormat::rle);
    const std::optional<storage::MusterFormat> format = storage::formatFuerName(pfad.filename().string());
    if (!format)
        return warnung(F::keinMusterformat, pfad.extension());
    const storage::Dateigrund fehler =
        storage::speichereSicher(pfad, storage::musterText(*format, *welt_, regel(), rand_, pfad.stem().string()));
    if (fehler != storage::Dateigrund::keiner)
        return warnung(F::musterNichtGespeichert, pfad, fehler);
    return {};
}

Meldung Werkbank::speichereVerlauf(fs::path pfad) {
    pfad = mitEndung(std::move(pfad), ".csv", true);
    const storage::Dateigrund fehler = storage::speichereSicher(pfad, zeitreihe_->csv());
    if (fehler != storage::Dateigrund::keiner) return warnung(F::nichtGespeichert, pfad, fehler);
    return {};
}

Meldung Werkbank::speichereZensus(const fs::path& pfad) {
    if (!zensus_) return warnung(F::keinZensus, {});
    const bool csv = storage::endetMit(pfad.filename().string(), ".csv", true);
    const storage::Dateigrund fehler = storage::speichereSicher(pfad, zensusText(csv));
    if (fehler != storage::Dateigrund::keiner) return warnung(F::nichtGespeichert, pfad, fehler);
    return {};
}

Meldung Werkbank::speichereBild(fs::path pfad, const view::Systemfarben& system) {
    pfad = mitEndung(std::move(pfad), ".png", true);
    view::Pixelflaeche flaeche(view::kBildBreite, view::kBildHoehe, anzeige_.hintergrund);
    flaeche.setzeSystemfarben(system);
    view::zeichneFeld(flaeche, welt_->zellen(), anzeige_, welt_->feldGroesse);
    const std::optional<std::string> png = storage::pngBild(flaeche.breite(), flaeche.hoehe(), flaeche.pixel());
    if (!png) return warnung(F::nichtKodierbar, pfad);
    const storage::Dateigrund fehler = storage::speichereSicher(pfad, *png);
    if (fehler != storage::Dateigrund::keiner) return warnung(F::nichtGespeichert, pfad, fehler);
    return {};
}

Meldung Werkbank::speichereAnimation(fs::path pfad, const view::Systemfarben& system, std::optional<int> bildMs) {
    pfad = mitEndung(std::move(pfad), ".gif", true);
    const int n = welt_->feldGroesse;
    view::Pixelflaeche flaeche(view::kBildBreite, view::kBildHoehe, anzeige_.hintergrund);
    flaeche.setzeSystemfarben(system);
    // Background first; every colour a frame can hold once.
    std::vector<std::uint32_t> farben;
    auto nimm = [&](view::Farbe f) {
        const std::uint32_t rgb = view::rgbVon(f, system);
        if (std::find(farben.begin(), farben.end(), rgb) == farben.end()) farben.push_back(rgb);
    };
    nimm(anzeige_.hintergrund);
    if (anzeige_.rasterFarbe != anzeige_.hintergrund) nimm(anzeige_.feld(view::FarbZiel::Raster));
    for (int v = 1; v <= 3; ++v) nimm(anzeige_.zellFarbe[v]);
    // Viewers show shorter frames than 20 ms for 100 ms.
    const int hundertstel = std::clamp((bildMs.value_or(intervallMs_) + 5) / 10, 2, 65535);
    storage::GifAnimation gif(flaeche.breite(), flaeche.hoehe(), farben, hundertstel);

    // The remembered states oldest first, then the present if it was edited since the last step.
    struct Bild {
        view::Zellen zelle;
    };
    auto bild = std::make_unique<Bild>();
    const int bilder = animationsBilder();
    for (int k = 0; k < bilder && !gif.fehler(); ++k) {
        const int zurueck = ringStaende_ - 1 - k;
        if (zurueck >= 0) {
            const int slot = (welt_->gedIndex - zurueck + engine::kRing) % engine::kRing;
            for (int x = 0; x < engine::kDim; ++x)
                for (int y = 0; y < engine::kDim; ++y) bild->zelle[x][y] = welt_->gedaechtnis(x, y, slot);
            view::zeichneFeld(flaeche, bild->zelle, anzeige_, n);
        } else {
            view::zeichneFeld(flaeche, welt_->zellen(), anzeige_, n);
        }
        gif.bild(flaeche.pixel());
    }
    const std::optional<std::string> daten = gif.fertig();
    if (!daten) return warnung(F::nichtGespeichert, pfad, gif.fehler());
    const storage::Dateigrund fehler = storage::speichereSicher(pfad, *daten);
    if (fehler != storage::Dateigrund::keiner) return warnung(F::nichtGespeichert, pfad, fehler);
    return {};
}

}  // namespace werkbank
