#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "stapel/stapel.h"
#include "testhilfe/gifleser.h"
#include "werkbank/werkbank_hilfe.h"

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

}  // namespace

TEST(Stapel, CommandLinesAreUnderstoodOrRefusedWithOneSentenceAndStatusTwo) {
    const std::pair<std::vector<std::string_view>, const char*> schlecht[] = {
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
        {{"-o", "x.VIR", "a.rle"}, "kleingeschrieben"},
        {{"--bildrate=0", "a.rle"}, "Bildrate „0“"},
        {{"--verlauf=ja", "a.rle"}, "nimmt keinen Wert"},
        {{"--zensus=10", "-r", "B03/S23"}, "ohne Geburt bei 0 Nachbarn"},
        {{"--zensus=10", "--teil=3/2"}, "nicht K/M"},
    };
    for (const auto& [argumente, teil] : schlecht) {
        const Lauf l = rufe(argumente);
        EXPECT_EQ(l.status, stapel::kAufrufFehler) << teil;
        EXPECT_NE(l.fehler.find(teil), std::string::npos) << l.fehler;
        EXPECT_EQ(std::count(l.fehler.begin(), l.fehler.end(), '\n'), 1) << l.fehler;
        EXPECT_TRUE(l.aus.empty());
    }

    const std::vector<std::string_view> gut = {"-n1000", "--regel=highlife", "--maske", "85", "--rand=Spiegel", "-g",
                                               "40",     "-o",               "x.gif",   "--verlauf", "--", "-name.rle"};
    const stapel::Befehl b = stapel::liesBefehl(gut);
    ASSERT_TRUE(b.auftrag);
    const stapel::Auftrag& a = *b.auftrag;
    ASSERT_TRUE(a.regel && a.regel->regel);
    EXPECT_EQ(std::tuple(a.generationen, a.regel->regel->regel.geburt, a.maske, a.rand, a.groesse, a.ausgabe, a.verlauf,
                         a.eingabe),
              std::tuple(1000, (1 << 3) | (1 << 6), 85, engine::Rand::Spiegel, 40, fs::path("x.gif"), true,
                         fs::path("-name.rle")));

    EXPECT_EQ(rufe({"--help"}).status, stapel::kFertig);
    EXPECT_NE(rufe({"--help"}).aus.find("Aufruf: morlix-stapel [OPTION]... DATEI"), std::string::npos);
    EXPECT_EQ(rufe({"-V"}).aus.rfind("morlix-stapel (MorLix) 2.2\n", 0), 0u);
    // English on request, before or after a fault, with the same statuses.
    EXPECT_EQ(rufe({"--sprache=en", "--help"}).aus.rfind("Usage: morlix-stapel [OPTION]... FILE\n", 0), 0u);
    const Lauf englisch = rufe({"-g", "31", "--sprache", "en", "a.rle"});
    EXPECT_EQ(std::pair(englisch.status, englisch.fehler),
              std::pair(stapel::kAufrufFehler, std::string("morlix-stapel: The field size “31” is not an even number from 2 to 90.\n")));
}

TEST(Stapel, FilesThatCannotBeReadOrWrittenGiveStatusOneAndNoHalfFile) {
    const testhilfe::Ordner o;
    std::ofstream(o / "gut.cells") << "OO\nOO\n";
    fs::create_directory(o / "ordner.vir");
    const std::string kaputt = o / "kaputt.rle", gut = o / "gut.cells", ordner = o / "ordner.vir";
    std::ofstream(kaputt) << "x = 2, y = 1\nq!\n";
    std::ofstream(o / "breit.rle") << "x = 25, y = 1\n25o!\n";
    const std::string breit = o / "breit.rle";
    // A pattern wider than the field asked for is refused, never cut.
    const std::vector<std::vector<std::string_view>> faelle = {{kaputt}, {"-o", ordner, gut}, {"-g", "20", breit}};
    for (const auto& f : faelle) {
        const Lauf l = rufe(f);
        EXPECT_EQ(l.status, stapel::kDateiFehler) << f.back();
        EXPECT_EQ(std::count(l.fehler.begin(), l.fehler.end(), '\n'), 1) << l.fehler;
    }
    EXPECT_TRUE(fs::is_directory(o / "ordner.vir"));
    // The reader's reason in English, with the same status.
    const Lauf englisch = rufe({"--sprache=en", kaputt});
    EXPECT_EQ(englisch.status, stapel::kDateiFehler);
    EXPECT_TRUE(englisch.fehler.ends_with("kaputt.rle”: Line 2 contains the unexpected character “q”.\n")) << englisch.fehler;
    // On a torus of 26 the row keeps 23 cells and gives birth to 23 above and below it.
    EXPECT_TRUE(rufe({"-g", "26", breit}).aus.starts_with("Generation 1: 69 lebende Zellen"));
}

TEST(Stapel, TheProgramWritesTheWorldTheModelWritesAfterTheSameStepsAndTellsTheCourse) {
    const testhilfe::Ordner o;
    std::string erwartet;
    {
        werkbank::Werkbank w;
        w.start();
        w.setzeRand(engine::Rand::Quadrat);
        ASSERT_FALSE(w.speichereWelt(o / "start.vir"));
        for (int k = 0; k < 57; ++k) w.einzelschritt();
        ASSERT_FALSE(w.speichereWelt(o / "erwartet.vir"));
        erwartet = "57;" + std::to_string(w.befund().lebende) + ";" + texte::befund(texte::Sprache::deutsch, w.befund());
    }
    const std::string befehl = std::string(MORLIX_STAPEL) + " -n 57 --verlauf -o " + (o / "ergebnis.vir") + " " +
                               (o / "start.vir") + " > " + (o / "verlauf.csv");
    ASSERT_EQ(std::system(befehl.c_str()), 0);
    EXPECT_EQ(inhalt(o / "ergebnis.vir"), inhalt(o / "erwartet.vir"));
    const std::string verlauf = inhalt(o / "verlauf.csv");
    EXPECT_EQ(std::count(verlauf.begin(), verlauf.end(), '\n'), 58);
    EXPECT_TRUE(verlauf.ends_with("\n" + erwartet + "\n")) << verlauf;
    EXPECT_NE(erwartet.find("Periode"), std::string::npos);

    const std::string ohne = std::string(MORLIX_STAPEL) + " -n 3 " + (o / "fehlt.rle") + " 2> /dev/null";
    EXPECT_EQ(WEXITSTATUS(std::system(ohne.c_str())), stapel::kDateiFehler);
}

TEST(Stapel, AnAnimationIsAGifAtTheClocksPaceOrTheGivenRateAndAFailedStandardOutputSaysSo) {
    const testhilfe::Ordner o;
    std::ofstream(o / "gleiter.rle") << "x = 3, y = 3\nbo$2bo$3o!\n";
    const std::string gif = o / "x.gif", gleiter = o / "gleiter.rle";
    // The clock's slider starts at 25, a tick of 250 ms. ("-n5" only repeats "-n 5": no rate given.)
    for (const auto& [rate, hundertstel] : {std::pair<std::string_view, int>{"-n5", 25}, {"--bildrate=10", 10}}) {
        ASSERT_EQ(rufe({"-n", "5", rate, "-o", gif, gleiter}).status, stapel::kFertig) << rate;
        EXPECT_TRUE(inhalt(gif).starts_with("GIF89a"));
        // Generations 0 to 5.
        EXPECT_EQ(testhilfe::liesGif(gif).verzoegerungen, std::vector<int>(6, hundertstel)) << rate;
        // As small as an optimising GIF writer makes the same frames, give or take a factor of two.
        ASSERT_EQ(std::system(("gifsicle -O3 " + gif + " -o " + (o / "o3.gif")).c_str()), 0);
        EXPECT_LE(inhalt(gif).size(), 2 * inhalt(o / "o3.gif").size());
    }
    std::ofstream voll("/dev/full");
    std::ostringstream fehler;
    EXPECT_EQ(stapel::hauptprogramm(std::vector<std::string_view>{"-V"}, voll, fehler), stapel::kDateiFehler);
    EXPECT_NE(fehler.str().find("Standardausgabe lässt sich nicht schreiben"), std::string::npos);
}

TEST(Stapel, ACensusInSharesMergesIntoTheSingleRunWhateverTheThreads) {
    const testhilfe::Ordner o;
    const std::string a = o / "a.txt", b = o / "b.txt", c = o / "c.csv", d = o / "d.csv", andere = o / "andere.txt";
    const std::vector<std::string_view> zensus = {"--zensus=40", "--wurzel=l_kEwHfF3ArtPb", "-r", "highlife"};
    auto mit = [&](std::vector<std::string_view> dazu) {
        dazu.insert(dazu.begin(), zensus.begin(), zensus.end());
        return rufe(dazu);
    };
    const Lauf einzeln = mit({"-j1"});
    ASSERT_EQ(einzeln.status, stapel::kFertig) << einzeln.fehler;
    EXPECT_NE(einzeln.aus.find("@ROOT l_kEwHfF3ArtPb\n@RULE b36s23\n@SYMMETRY C1\n@NUM_SOUPS 40\n"), std::string::npos);
    EXPECT_EQ(mit({"-j2"}).aus, einzeln.aus);
    ASSERT_EQ(mit({"--teil=1/2", "-o", a}).status, stapel::kFertig);
    ASSERT_EQ(mit({"--teil=2/2", "-j2", "-o", b}).status, stapel::kFertig);
    EXPECT_NE(inhalt(a), inhalt(b));
    EXPECT_EQ(rufe({"--zusammenfuehren", a, b}).aus, einzeln.aus);
    ASSERT_EQ(rufe({"--zusammenfuehren", a, b, "-o", c}).status, stapel::kFertig);
    ASSERT_EQ(mit({"-o", d}).status, stapel::kFertig);
    EXPECT_EQ(inhalt(c), inhalt(d));
    EXPECT_TRUE(inhalt(c).starts_with("Code;Anzahl;JeSuppe;Art;Periode;dx;dy;Suppen\nxs4_33;")) << inhalt(c);

    ASSERT_EQ(rufe({"--zensus=4", "--wurzel=l_anders", "-o", andere}).status, stapel::kFertig);
    const Lauf falsch = rufe({"--zusammenfuehren", a, andere});
    EXPECT_EQ(falsch.status, stapel::kDateiFehler);
    EXPECT_NE(falsch.fehler.find("passen nicht zusammen"), std::string::npos) << falsch.fehler;
}
