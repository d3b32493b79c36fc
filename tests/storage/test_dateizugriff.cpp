#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <functional>
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

// The answer of `frage` from a process without root's rights ("nobody"), so that permissions count.
std::string ohneRoot(const std::function<std::string()>& frage) {
    int rohr[2];
    if (::geteuid() != 0 || ::pipe(rohr) != 0) return frage();
    const pid_t kind = ::fork();
    if (kind == 0) {
        const std::string a = ::setgid(65534) == 0 && ::setuid(65534) == 0 ? frage() : "setuid";
        ::_exit(::write(rohr[1], a.data(), a.size()) == static_cast<ssize_t>(a.size()) ? 0 : 1);
    }
    ::close(rohr[1]);
    std::string antwort;
    char puffer[256];
    for (ssize_t n; (n = ::read(rohr[0], puffer, sizeof puffer)) > 0;) antwort.append(puffer, static_cast<std::size_t>(n));
    ::close(rohr[0]);
    ::waitpid(kind, nullptr, 0);
    return antwort;
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

TEST_F(DateiZugriff, SavingThroughALinkReplacesTheLinkedFileEvenANewOne) {
    schreibe(ordner / "echt.vir", "alt");
    fs::create_symlink(ordner / "echt.vir", ordner / "link.vir");
    fs::create_symlink("neu.vir", ordner / "haengt.vir");
    for (const auto& [link, datei] : {std::pair{"link.vir", "echt.vir"}, {"haengt.vir", "neu.vir"}}) {
        EXPECT_EQ(storage::speichereSicher(ordner / link, weltText(2)), "");
        EXPECT_TRUE(fs::is_symlink(ordner / link));
        EXPECT_TRUE(inhaltVon(ordner / datei) == weltText(2));
    }
    fs::create_symlink("kreis.vir", ordner / "kreis.vir");
    EXPECT_EQ(storage::speichereSicher(ordner / "kreis.vir", "x"), "der Verweis unter diesem Namen führt im Kreis");
}

TEST_F(DateiZugriff, WriteProtectedFilesStayAndLeftOversOfKilledSavesGo) {
    const fs::path ziel = ordner / "welt.vir";
    schreibe(ziel, "alt");
    fs::permissions(ziel, fs::perms::owner_read | fs::perms::group_read);
    EXPECT_EQ(storage::speichereSicher(ziel, weltText(1)), "die Datei ist schreibgeschützt");
    EXPECT_EQ(inhaltVon(ziel), "alt");
    EXPECT_EQ(namen(), std::vector<std::string>{"welt.vir"});
    fs::permissions(ziel, fs::perms::owner_write, fs::perm_options::add);

    // Left over: one of a killed save, one still held by a running save, one of another file.
    for (const char* rest : {".welt.vir.123456.tmp", ".welt.vir.654321.tmp", ".x.vir.111111.tmp"}) schreibe(ordner / rest, "");
    const int laufend = ::open((ordner / ".welt.vir.654321.tmp").c_str(), O_RDONLY);
    ASSERT_EQ(::flock(laufend, LOCK_EX), 0);
    EXPECT_EQ(storage::speichereSicher(ziel, weltText(1)), "");
    ::close(laufend);
    EXPECT_EQ(namen(), (std::vector<std::string>{".welt.vir.654321.tmp", ".x.vir.111111.tmp", "welt.vir"}));
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

TEST_F(DateiZugriff, LoadingRefusesFoldersMissingUnreadableFilesAndDevices) {
    fs::create_directory(ordner / "x.vir");
    // Not to be read: a file in a folder that may not be entered, a file that may not be read.
    fs::create_directory(ordner / "zu");
    schreibe(ordner / "zu" / "welt.vir", weltText(1));
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
