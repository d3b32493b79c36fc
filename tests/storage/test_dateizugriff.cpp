#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

#include <fstream>
#include <random>
#include <set>

#include "storage/dateizugriff.h"
#include "testhilfe/dateigrenze.h"

namespace fs = std::filesystem;

namespace {

std::string inhaltVon(const fs::path& p) {
    std::ifstream ein(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(ein), {});
}

void schreibe(const fs::path& p, const std::string& inhalt) { std::ofstream(p, std::ios::binary) << inhalt; }

// The answer of `frage` with the rights of "nobody", so that permissions count for root too.
template <typename F>
std::string ohneRoot(F frage) {
    const bool root = ::geteuid() == 0 && ::setresgid(65534, 65534, 0) == 0 && ::setresuid(65534, 65534, 0) == 0;
    std::string antwort = frage();
    if (root && (::setresuid(0, 0, 0) != 0 || ::setresgid(0, 0, 0) != 0)) ADD_FAILURE() << "root's rights not back";
    return antwort;
}

class DateiZugriff : public ::testing::Test {
protected:
    const fs::path ordner = fs::temp_directory_path() / ("morlix_dateien_" + std::to_string(std::random_device{}()));
    void SetUp() override { fs::create_directories(ordner); }
    void TearDown() override { fs::remove_all(ordner); }
    // Everything in the folder, so a forgotten temporary file shows.
    std::set<std::string> namen() const {
        std::set<std::string> n;
        for (const auto& e : fs::directory_iterator(ordner)) n.insert(e.path().filename().string());
        return n;
    }
};

}  // namespace

TEST_F(DateiZugriff, SavingThroughALinkReplacesTheLinkedFileEvenANewOne) {
    schreibe(ordner / "echt.vir", "alt");
    fs::create_symlink(ordner / "echt.vir", ordner / "link.vir");
    fs::create_symlink("neu.vir", ordner / "haengt.vir");
    for (const auto& [link, datei] : {std::pair{"link.vir", "echt.vir"}, {"haengt.vir", "neu.vir"}}) {
        EXPECT_EQ(storage::speichereSicher(ordner / link, "neu"), "");
        EXPECT_TRUE(fs::is_symlink(ordner / link));
        EXPECT_EQ(inhaltVon(ordner / datei), "neu");
    }
    fs::create_symlink("kreis.vir", ordner / "kreis.vir");
    EXPECT_EQ(storage::speichereSicher(ordner / "kreis.vir", "x"), "der Verweis unter diesem Namen führt im Kreis");
}

TEST_F(DateiZugriff, RefusedOrFailedSavesLeaveTheOldFileAndASaveKeepsItsRightsAndClearsLeftOvers) {
    const fs::path ziel = ordner / "welt.vir";
    schreibe(ziel, "alt");
    fs::permissions(ziel, fs::perms::owner_read | fs::perms::group_read);
    EXPECT_EQ(storage::speichereSicher(ziel, "neu"), "die Datei ist schreibgeschützt");
    fs::permissions(ziel, fs::perms::owner_write, fs::perm_options::add);
    // A write that breaks off half-way: the file-size limit makes the writes fail, as a full disk would.
    std::string grund;
    ASSERT_TRUE(testhilfe::mitDateiGrenze(4096, [&] { grund = storage::speichereSicher(ziel, std::string(8192, 'x')); }));
    EXPECT_EQ(grund, "beim Schreiben ist ein Fehler aufgetreten (ist der Datenträger voll?)");
    EXPECT_EQ(inhaltVon(ziel), "alt");
    EXPECT_EQ(namen(), std::set<std::string>{"welt.vir"});

    // Left over: one of a killed save, one still held by a running save, one of another file.
    for (const char* rest : {".welt.vir.123456.tmp", ".welt.vir.654321.tmp", ".x.vir.111111.tmp"}) schreibe(ordner / rest, "");
    const int laufend = ::open((ordner / ".welt.vir.654321.tmp").c_str(), O_RDONLY);
    ASSERT_EQ(::flock(laufend, LOCK_EX), 0);
    EXPECT_EQ(storage::speichereSicher(ziel, "neu"), "");
    ::close(laufend);
    EXPECT_EQ(inhaltVon(ziel), "neu");
    EXPECT_EQ(fs::status(ziel).permissions(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(namen(), (std::set<std::string>{".welt.vir.654321.tmp", ".x.vir.111111.tmp", "welt.vir"}));
}

TEST_F(DateiZugriff, LoadingRefusesFoldersMissingUnreadableHugeFilesAndDevices) {
    fs::create_directory(ordner / "x.vir");
    // Not to be read: a file in a folder that may not be entered, a file that may not be read.
    fs::create_directory(ordner / "zu");
    schreibe(ordner / "zu" / "welt.vir", "x");
    schreibe(ordner / "geheim.rle", "o!");
    fs::permissions(ordner / "zu", fs::perms::owner_all);
    fs::permissions(ordner / "geheim.rle", fs::perms::owner_read);
    const std::pair<fs::path, std::string> faelle[] = {
        {ordner / "x.vir", "ist ein Ordner und keine Datei"},
        {ordner / "fehlt.vir", "ist nicht vorhanden"},
        {"/dev/zero", "ist keine gewöhnliche Datei"},
        {ordner / "zu" / "welt.vir", "lässt sich mangels Zugriffsrechten nicht lesen"},
        {ordner / "geheim.rle", "lässt sich mangels Zugriffsrechten nicht lesen"},
    };
    for (const auto& [pfad, grund] : faelle) {
        EXPECT_EQ(ohneRoot([&] { return storage::ladeWeltDatei(pfad).fehler.grund; }), grund) << pfad;
        EXPECT_EQ(ohneRoot([&] { return storage::ladeMusterText(pfad).fehler; }), grund) << pfad;
    }
    // 1 GB of nothing on disk (a sparse file), read only as far as a pattern may be long.
    schreibe(ordner / "gross.rle", "");
    fs::resize_file(ordner / "gross.rle", 1u << 30);
    EXPECT_EQ(storage::ladeMusterText(ordner / "gross.rle").fehler, "ist zu groß für eine Musterdatei (mehr als 4 MB)");
}
