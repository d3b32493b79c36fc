#include "storage/dateizugriff.h"

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <random>

namespace storage {

namespace fs = std::filesystem;

namespace {

// Why the file at `pfad` cannot be read as a whole; empty when it can. Devices and pipes could
// block or never end.
std::string lesbar(const fs::path& pfad) {
    std::error_code fehler;
    if (fs::is_directory(pfad, fehler)) return "ist ein Ordner und keine Datei";
    if (!fs::exists(pfad, fehler)) return "ist nicht vorhanden";
    if (!fs::is_regular_file(pfad, fehler)) return "ist keine gewöhnliche Datei";
    return {};
}

}  // namespace

Gelesen ladeWeltDatei(const fs::path& pfad) {
    Gelesen antwort;
    if (std::string grund = lesbar(pfad); !grund.empty()) {
        antwort.fehler = {0, std::move(grund)};
        return antwort;
    }
    std::ifstream ein(pfad, std::ios::binary);
    if (!ein) {
        antwort.fehler = {0, "lässt sich nicht öffnen"};
        return antwort;
    }
    return liesWeltDatei(ein);
}

MusterText ladeMusterText(const fs::path& pfad) {
    MusterText antwort;
    antwort.fehler = lesbar(pfad);
    if (!antwort.fehler.empty()) return antwort;
    std::ifstream ein(pfad, std::ios::binary);
    if (!ein) {
        antwort.fehler = "lässt sich nicht öffnen";
        return antwort;
    }
    antwort.text.resize(kMaxMusterText + 1);
    ein.read(antwort.text.data(), static_cast<std::streamsize>(antwort.text.size()));
    antwort.text.resize(static_cast<std::size_t>(ein.gcount()));
    if (ein.bad()) {
        antwort.text.clear();
        antwort.fehler = "lässt sich nicht lesen";
    } else if (antwort.text.size() > kMaxMusterText) {
        antwort.text.clear();
        antwort.fehler = "ist zu groß für eine Musterdatei (mehr als " + std::to_string(kMaxMusterText >> 20) + " MB)";
    }
    return antwort;
}

std::string speichereSicher(const fs::path& zielPfad, const std::string& inhalt) {
    std::error_code fehler;
    fs::path ziel = zielPfad;
    // Through a link the linked file is replaced, the link stays.
    if (fs::is_symlink(ziel, fehler)) {
        const fs::path echt = fs::canonical(ziel, fehler);
        if (!fehler) ziel = echt;
    }
    if (fs::is_directory(ziel, fehler)) return "unter diesem Namen gibt es schon einen Ordner";
    const fs::path ordner = ziel.has_parent_path() ? ziel.parent_path() : fs::path(".");

    std::random_device zufall;
    fs::path temp;
    std::FILE* datei = nullptr;
    for (int versuch = 0; versuch < 100 && !datei; ++versuch) {
        std::string name = ".";
        name += ziel.filename().string();
        name += '.';
        name += std::to_string(zufall() % 1000000);
        name += ".tmp";
        temp = ordner / name;
        errno = 0;
        datei = std::fopen(temp.c_str(), "wbx");
        if (!datei && errno != EEXIST) break;
    }
    if (!datei) return "im Ordner lässt sich keine Datei anlegen";

    bool geschrieben = std::fwrite(inhalt.data(), 1, inhalt.size(), datei) == inhalt.size();
    geschrieben = std::fflush(datei) == 0 && geschrieben;
    geschrieben = std::fclose(datei) == 0 && geschrieben;
    if (!geschrieben) {
        fs::remove(temp, fehler);
        return "beim Schreiben ist ein Fehler aufgetreten (ist der Datenträger voll?)";
    }
    // The new file keeps the permissions of the one it replaces.
    const fs::file_status alt = fs::status(ziel, fehler);
    if (!fehler && fs::exists(alt)) fs::permissions(temp, alt.permissions(), fehler);
    fs::rename(temp, ziel, fehler);
    if (fehler) {
        std::error_code egal;
        fs::remove(temp, egal);
        return "die neue Datei lässt sich nicht an die Stelle der alten setzen";
    }
    return {};
}

}  // namespace storage
