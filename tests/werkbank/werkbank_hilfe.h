#pragma once

#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "testhilfe/bild.h"
#include "werkbank/werkbank.h"

namespace testhilfe {

/// A step of the history named in German.
inline std::string de(texte::Schrittname name) { return texte::schritt(texte::Sprache::deutsch, name); }

/// A temporary folder for one test, removed with its contents.
struct Ordner {
    std::filesystem::path pfad = std::filesystem::temp_directory_path() / ("morlix_test_" + std::to_string(::getpid()));
    Ordner() { std::filesystem::create_directories(pfad); }
    ~Ordner() { std::filesystem::remove_all(pfad); }
    std::string operator/(const char* name) const { return (pfad / name).string(); }
};

/// Records what the model reports.
struct Zuschauer : werkbank::Beobachter {
    std::vector<std::uint32_t> meldungen;
    std::vector<edit::Gemalt> gemalt;
    void geaendert(std::uint32_t was) override { meldungen.push_back(was); }
    void zelleGemalt(const edit::Gemalt& g) override { gemalt.push_back(g); }
};

/// A workbench as the program starts it, then with the clock stopped and the world empty, or in
/// its design state; with a recorder of its reports.
struct Bank {
    std::unique_ptr<werkbank::Werkbank> w = std::make_unique<werkbank::Werkbank>();
    Zuschauer zuschauer;

    explicit Bank(bool gestartet = true) {
        if (gestartet) {
            w->start();
            w->laufUmschalten();
            w->zellenLoeschen();
        }
        w->beobachte(zuschauer);
    }
    /// Writes an ASCII picture into the world through the mouse: a left click on each living cell.
    void zeichne(int links, int oben, const std::vector<std::string>& bild) {
        const double d = 0.02 * w->feldGroesse();  // the pencil's tip lies this far left and below
        for (int zeile = 0; zeile < static_cast<int>(bild.size()); ++zeile)
            for (int spalte = 0; spalte < static_cast<int>(bild[zeile].size()); ++spalte)
                if (bild[zeile][spalte] != '.') w->mausRunter(1, links + spalte + 0.5 + d, oben + zeile + 0.5 - d);
    }
    std::vector<std::string> lies(int links, int oben, int breite, int hoehe) const {
        return testhilfe::lies(w->welt(), links, oben, breite, hoehe);
    }
};

}  // namespace testhilfe
