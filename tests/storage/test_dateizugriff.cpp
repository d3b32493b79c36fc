#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <random>
#include <sstream>

#include "storage/dateizugriff.h"
#include "testhilfe/dateigrenze.h"

namespace fs = std::filesystem;

namespace {

std::string inhaltVon(const fs::path& p) {
    std::ifstream ein(p, std::ios::binary);
    std::ostringstream s;
    s << ein.rdbuf();
    return s.str();
}

void schreibe(const fs::path& p, const std::string& inhalt) { std::ofstream(p, std::ios::binary) << inhalt; }

std::string weltText(std::int32_t zustand) {
    auto d = std::make_unique<storage::WeltDatei>();
    d->zelle[10][20] = zustand;
    d->rand[1] = true;
    d->farben = storage::Farben{1, 2, 3, 4};
    return storage::weltDateiText(*d);
}

class DateiZugriff : public ::testing::Test {
protected:
    fs::path ordner;
    void SetUp() override {
        ordner = fs::temp_directory_path() / ("morlix_dateien_" + std::to_string(std::random_device{}()));
        fs::create_directories(ordner);
    }
    void TearDown() override { fs::remove_all(ordner); }
    // Everything in the folder, so a forgotten temporary file shows.
    std::vector<std::string> namen() const {
        std::vector<std::string> n;
        for (const auto& e : fs::directory_iterator(ordner)) n.push_back(e.path().filename().string());
        std::sort(n.begin(), n.end());
        return n;
    }
};

}  // namespace

TEST_F(DateiZugriff, SavesReplacesAndLoadsLeavingNothingElse) {
    const fs::path ziel = ordner / "welt.vir";
    EXPECT_EQ(storage::speichereSicher(ziel, weltText(1)), "");
    EXPECT_EQ(inhaltVon(ziel), weltText(1));
    fs::permissions(ziel, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(storage::speichereSicher(ziel, weltText(3)), "");
    EXPECT_EQ(inhaltVon(ziel), weltText(3));
    EXPECT_EQ(fs::status(ziel).permissions(), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(namen(), std::vector<std::string>{"welt.vir"});

    const auto g = storage::ladeWeltDatei(ziel);
    ASSERT_TRUE(g.welt) << g.fehler.grund;
    EXPECT_EQ(g.welt->zelle[10][20], 3);
}

TEST_F(DateiZugriff, SavingThroughALinkReplacesTheLinkedFile) {
    schreibe(ordner / "echt.vir", "alt");
    fs::create_symlink(ordner / "echt.vir", ordner / "link.vir");
    EXPECT_EQ(storage::speichereSicher(ordner / "link.vir", weltText(2)), "");
    EXPECT_TRUE(fs::is_symlink(ordner / "link.vir"));
    EXPECT_EQ(inhaltVon(ordner / "echt.vir"), weltText(2));
}

TEST_F(DateiZugriff, FailedSavesLeaveTheOldFileAndNoTemporaryFile) {
    fs::create_directory(ordner / "x.vir");
    EXPECT_EQ(storage::speichereSicher(ordner / "x.vir", weltText(1)), "unter diesem Namen gibt es schon einen Ordner");
    EXPECT_TRUE(fs::is_directory(ordner / "x.vir"));

    schreibe(ordner / "datei", "kein Ordner");
    EXPECT_EQ(storage::speichereSicher(ordner / "datei" / "welt.vir", weltText(1)),
              "im Ordner lässt sich keine Datei anlegen");
    EXPECT_EQ(inhaltVon(ordner / "datei"), "kein Ordner");

    // A write that breaks off half-way: the file-size limit makes the writes fail, as a full disk would.
    const fs::path ziel = ordner / "welt.vir";
    schreibe(ziel, weltText(2));
    std::string grund;
    ASSERT_TRUE(testhilfe::mitDateiGrenze(4096, [&] { grund = storage::speichereSicher(ziel, weltText(3)); }));
    EXPECT_EQ(grund, "beim Schreiben ist ein Fehler aufgetreten (ist der Datenträger voll?)");
    EXPECT_TRUE(inhaltVon(ziel) == weltText(2));
    EXPECT_EQ(namen(), (std::vector<std::string>{"datei", "welt.vir", "x.vir"}));
}

TEST_F(DateiZugriff, LoadingRefusesFoldersMissingFilesAndDevices) {
    fs::create_directory(ordner / "x.vir");
    auto g = storage::ladeWeltDatei(ordner / "x.vir");
    EXPECT_FALSE(g.welt);
    EXPECT_EQ(g.fehler.grund, "ist ein Ordner und keine Datei");
    g = storage::ladeWeltDatei(ordner / "fehlt.vir");
    EXPECT_FALSE(g.welt);
    EXPECT_EQ(g.fehler.grund, "ist nicht vorhanden");
    g = storage::ladeWeltDatei("/dev/zero");
    EXPECT_FALSE(g.welt);
    EXPECT_EQ(g.fehler.grund, "ist keine gewöhnliche Datei");
}

TEST_F(DateiZugriff, LoadingAHugeFileReadsOnlyItsBeginning) {
    // 1 GB of nothing on disk (a sparse file): refused at once at line 1.
    const fs::path gross = ordner / "gross.vir";
    schreibe(gross, "");
    fs::resize_file(gross, 1u << 30);
    const auto g = storage::ladeWeltDatei(gross);
    EXPECT_FALSE(g.welt);
    EXPECT_EQ(g.fehler.zeile, 1);

    // A valid world followed by a huge tail loads.
    const fs::path lang = ordner / "lang.vir";
    schreibe(lang, weltText(3));
    fs::resize_file(lang, 1u << 30);
    const auto h = storage::ladeWeltDatei(lang);
    ASSERT_TRUE(h.welt) << h.fehler.grund;
    EXPECT_EQ(h.welt->zelle[10][20], 3);
}
