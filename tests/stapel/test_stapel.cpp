#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

#include "stapel/stapel.h"
#include "werkbank/werkbank.h"

namespace fs = std::filesystem;

namespace {

struct Lauf {
    int status;
    std::string aus, fehler;
};

Lauf rufe(std::vector<std::string_view> argumente) {
    std::ostringstream aus, fehler;
    const int status = stapel::hauptprogramm(argumente, aus, fehler);
    return {status, aus.str(), fehler.str()};
}

std::string inhalt(const fs::path& p) {
    std::ifstream ein(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(ein), {});
}

struct Ordner {
    fs::path pfad = fs::temp_directory_path() / ("morlix_stapel_" + std::to_string(getpid()));
    Ordner() { fs::create_directories(pfad); }
    ~Ordner() { fs::remove_all(pfad); }
    std::string operator/(const char* name) const { return (pfad / name).string(); }
};

}  // namespace

TEST(Stapel, CommandLinesAreUnderstoodOrRefusedWithOneSentenceAndStatusTwo) {
    struct Fall {
        std::vector<std::string_view> argumente;
        const char* teil;  // of the sentence on standard error
    };
    const Fall schlecht[] = {
        {{}, "Es fehlt die Datei"},
        {{"a.rle", "b.rle"}, "nur eine Datei"},
        {{"--schnell", "a.rle"}, "„--schnell“ gibt es nicht"},
        {{"a.rle", "-n"}, "„-n“ braucht einen Wert"},
        {{"-n", "-3", "a.rle"}, "keine ganze Zahl"},
        {{"--generationen=2e3", "a.rle"}, "keine ganze Zahl"},
        {{"--maske=256", "a.rle"}, "Maske „256“"},
        {{"--rand", "kugel", "a.rle"}, "Den Rand „kugel“ gibt es nicht"},
        {{"-g", "31", "a.rle"}, "gerade Zahl"},
        {{"-r", "B3/X", "a.rle"}, "B3/X"},
        {{"-o", "x.bmp", "a.rle"}, "sagt kein Format"},
        {{"--verlauf=ja", "a.rle"}, "nimmt keinen Wert"},
    };
    for (const Fall& f : schlecht) {
        const Lauf l = rufe(f.argumente);
        EXPECT_EQ(l.status, stapel::kAufrufFehler) << f.teil;
        EXPECT_NE(l.fehler.find(f.teil), std::string::npos) << l.fehler;
        EXPECT_EQ(std::count(l.fehler.begin(), l.fehler.end(), '\n'), 1) << l.fehler;
        EXPECT_TRUE(l.aus.empty());
    }

    const std::vector<std::string_view> gut = {"-n1000",   "--regel=highlife", "--maske", "85", "--rand=Spiegel",
                                               "-g",       "40",               "-o",      "x.gif", "--verlauf",
                                               "--",       "-name.rle"};
    const stapel::Befehl b = stapel::liesBefehl(gut);
    ASSERT_TRUE(b.auftrag) << b.fehler;
    EXPECT_EQ(b.auftrag->generationen, 1000);
    EXPECT_EQ(b.auftrag->maske, 85);
    EXPECT_EQ(b.auftrag->rand, engine::Rand::Spiegel);
    EXPECT_EQ(b.auftrag->groesse, 40);
    EXPECT_EQ(b.auftrag->ausgabe, fs::path("x.gif"));
    EXPECT_TRUE(b.auftrag->verlauf);
    EXPECT_EQ(b.auftrag->eingabe, fs::path("-name.rle"));

    EXPECT_EQ(rufe({"--help"}).status, stapel::kFertig);
    EXPECT_NE(rufe({"--help"}).aus.find("Aufruf: morlix-stapel [OPTION]... DATEI"), std::string::npos);
    EXPECT_EQ(rufe({"-V"}).aus.rfind("morlix-stapel (MorLix) 2.2\n", 0), 0u);
}

TEST(Stapel, FilesThatCannotBeReadOrWrittenGiveStatusOneAndNoHalfFile) {
    Ordner o;
    std::ofstream(o / "kaputt.rle") << "x = 2, y = 1\nq!\n";
    std::ofstream(o / "gut.cells") << "OO\nOO\n";
    fs::create_directory(o / "ordner.vir");
    const std::string fehlt = o / "fehlt.rle", gross = o / "welt.VIR", kaputt = o / "kaputt.rle",
                      gut = o / "gut.cells", ordner = o / "ordner.vir";
    const std::vector<std::vector<std::string_view>> faelle = {{fehlt}, {gross}, {kaputt}, {"-o", ordner, gut}};
    for (const auto& f : faelle) {
        const Lauf l = rufe(f);
        EXPECT_EQ(l.status, stapel::kDateiFehler) << f.back();
        EXPECT_EQ(std::count(l.fehler.begin(), l.fehler.end(), '\n'), 1) << l.fehler;
    }
    EXPECT_TRUE(fs::is_directory(o / "ordner.vir"));
}

TEST(Stapel, TheProgramWritesTheWorldTheModelWritesAfterTheSameStepsAndTellsTheCourse) {
    Ordner o;
    std::string erwartet;
    {
        werkbank::Werkbank w;
        w.start();
        w.setzeRand(engine::Rand::Quadrat);
        ASSERT_FALSE(w.speichereWelt(o / "start.vir"));
        for (int k = 0; k < 57; ++k) w.einzelschritt();
        ASSERT_FALSE(w.speichereWelt(o / "erwartet.vir"));
        erwartet = "57;" + std::to_string(w.befund().lebende) + ";" + history::befundText(w.befund());
    }
    const std::string befehl = std::string(MORLIX_STAPEL) + " -n 57 --verlauf -o " + (o / "ergebnis.vir") + " " +
                               (o / "start.vir") + " > " + (o / "verlauf.csv");
    ASSERT_EQ(std::system(befehl.c_str()), 0);
    EXPECT_EQ(inhalt(o / "ergebnis.vir"), inhalt(o / "erwartet.vir"));
    std::istringstream verlauf(inhalt(o / "verlauf.csv"));
    std::string zeile, letzte;
    int zeilen = 0;
    while (std::getline(verlauf, zeile)) ++zeilen, letzte = zeile;
    EXPECT_EQ(zeilen, 58);
    EXPECT_EQ(letzte, erwartet);
    EXPECT_NE(letzte.find("Periode"), std::string::npos);

    const std::string ohne = std::string(MORLIX_STAPEL) + " -n 3 " + (o / "fehlt.rle") + " 2> /dev/null";
    EXPECT_EQ(WEXITSTATUS(std::system(ohne.c_str())), stapel::kDateiFehler);
}
