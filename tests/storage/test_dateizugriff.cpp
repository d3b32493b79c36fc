#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <random>
#include <set>

#include "storage/dateiart.h"
#include "storage/dateizugriff.h"

namespace fs = std::filesystem;
using G = storage::Dateigrund;

namespace {

std::string inhaltVon(const fs::path& p) {
    std::ifstream ein(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(ein), {});
}

void schreibe(const fs::path& p, const std::string& inhalt) { std::ofstream(p, std::ios::binary) << inhalt; }

// The answer of `frage` with the rights of "nobody", so that permissions count for root too.
template <typename F>
auto ohneRoot(F frage) {
    const bool root = ::geteuid() == 0 && ::setresgid(65534, 65534, 0) == 0 && ::setresuid(65534, 65534, 0) == 0;
    const auto antwort = frage();
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

TEST_F(DateiZugriff, SavingThroughLinksWritesTheLinkedFileButNotOverSpecialFilesNorThroughPlantedLinks) {
    schreibe(ordner / "echt.vir", "alt");
    fs::create_symlink(ordner / "echt.vir", ordner / "link.vir");
    fs::create_symlink("neu.vir", ordner / "haengt.vir");
    for (const auto& [link, datei] : {std::pair{"link.vir", "echt.vir"}, {"haengt.vir", "neu.vir"}}) {
        EXPECT_EQ(storage::speichereSicher(ordner / link, "neu"), G::keiner);
        EXPECT_TRUE(fs::is_symlink(ordner / link));
        EXPECT_EQ(inhaltVon(ordner / datei), "neu");
    }
    fs::create_symlink("kreis.vir", ordner / "kreis.vir");
    ASSERT_EQ(::mkfifo((ordner / "pipe.vir").c_str(), 0644), 0);
    fs::create_symlink("/dev/null", ordner / "null.vir");
    fs::create_directory(ordner / "ordner.vir");
    const std::pair<const char*, G> faelle[] = {
        {"kreis.vir", G::verweisKreis}, {"pipe.vir", G::pipe}, {"null.vir", G::geraet}, {"ordner.vir", G::schonOrdner},
    };
    for (const auto& [name, grund] : faelle) EXPECT_EQ(storage::speichereSicher(ordner / name, "x"), grund);
    EXPECT_TRUE(fs::is_fifo(ordner / "pipe.vir") && fs::is_character_file("/dev/null"));

    // A shared folder like /tmp, and in it a link to echt.vir that another user planted.
    const fs::path geteilt = ordner / "geteilt", falle = geteilt / "falle.vir";
    fs::create_directory(geteilt);
    fs::permissions(geteilt, fs::perms::all | fs::perms::sticky_bit);
    fs::create_symlink(ordner / "echt.vir", falle);
    if (::lchown(falle.c_str(), 65534, 65534) != 0) GTEST_SKIP() << "a link of another user takes root";
    EXPECT_EQ(storage::speichereSicher(falle, "x"), G::verweisFremd);
    EXPECT_EQ(inhaltVon(ordner / "echt.vir"), "neu");
    // The folder's owner may put links there.
    ASSERT_EQ(::chown(geteilt.c_str(), 65534, 65534), 0);
    EXPECT_EQ(storage::speichereSicher(falle, "x"), G::keiner);
    EXPECT_EQ(inhaltVon(ordner / "echt.vir"), "x");
}

TEST_F(DateiZugriff, RefusedOrFailedSavesLeaveTheOldFileAndASaveKeepsOwnerAndModeAndClearsLeftOvers) {
    const fs::path ziel = ordner / "welt.vir";
    schreibe(ziel, "alt");
    fs::permissions(ziel, fs::perms::owner_read | fs::perms::group_read);
    EXPECT_EQ(storage::speichereSicher(ziel, "neu"), G::schreibgeschuetzt);
    fs::permissions(ziel, fs::perms::owner_write, fs::perm_options::add);
    // A disk that fills up half-way, and one that cannot keep what it was given. Until the end
    // nobody else may read the new contents.
    static mode_t rechteBeimSync = 0;
    storage::Systemaufrufe halb, ohneSync;
    halb.write = [](int fd, const void* daten, std::size_t anzahl) {
        return anzahl < 8192 ? (errno = ENOSPC, ssize_t{-1}) : ::write(fd, daten, anzahl / 2);
    };
    ohneSync.fsync = [](int fd) {
        struct stat st {};
        rechteBeimSync = ::fstat(fd, &st) == 0 ? st.st_mode & 07777 : 0;
        return errno = EIO, -1;
    };
    for (const storage::Systemaufrufe& kaputt : {halb, ohneSync}) {
        EXPECT_EQ(storage::speichereSicher(ziel, std::string(8192, 'x'), kaputt), G::schreibfehler);
        EXPECT_EQ(inhaltVon(ziel), "alt");
        EXPECT_EQ(namen(), std::set<std::string>{"welt.vir"});
    }
    EXPECT_EQ(rechteBeimSync, 0600u);

    // Left over: one of a killed save, one still held by a running save, one of another file.
    for (const char* rest : {".welt.vir.123456.tmp", ".welt.vir.654321.tmp", ".x.vir.111111.tmp"}) schreibe(ordner / rest, "");
    const int laufend = ::open((ordner / ".welt.vir.654321.tmp").c_str(), O_RDONLY);
    ASSERT_EQ(::flock(laufend, LOCK_EX), 0);
    ASSERT_EQ(::chmod(ziel.c_str(), 0664), 0);
    const bool root = ::chown(ziel.c_str(), 65534, 65534) == 0;
    EXPECT_EQ(storage::speichereSicher(ziel, "neu"), G::keiner);
    ::close(laufend);
    EXPECT_EQ(inhaltVon(ziel), "neu");
    EXPECT_EQ(namen(), (std::set<std::string>{".welt.vir.654321.tmp", ".x.vir.111111.tmp", "welt.vir"}));
    // The new file has the old one's owner and mode; a file new to the folder what the umask leaves.
    struct stat st {};
    ASSERT_EQ(::stat(ziel.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0664u);
    EXPECT_TRUE(!root || (st.st_uid == 65534 && st.st_gid == 65534)) << st.st_uid << ':' << st.st_gid;
    const mode_t umask = ::umask(027);
    EXPECT_EQ(storage::speichereSicher(ordner / "neu.vir", "x"), G::keiner);
    ::umask(umask);
    using enum fs::perms;
    EXPECT_EQ(fs::status(ordner / "neu.vir").permissions(), owner_read | owner_write | group_read);
}

TEST_F(DateiZugriff, LoadingRefusesFoldersMissingUnreadableHugeFilesAndDevices) {
    fs::create_directory(ordner / "x.vir");
    // Not to be read: a file in a folder that may not be entered, a file that may not be read.
    fs::create_directory(ordner / "zu");
    schreibe(ordner / "zu" / "welt.vir", "x");
    schreibe(ordner / "geheim.rle", "o!");
    fs::permissions(ordner / "zu", fs::perms::owner_all);
    fs::permissions(ordner / "geheim.rle", fs::perms::owner_read);
    const std::pair<fs::path, G> faelle[] = {
        {ordner / "x.vir", G::ordner},           {ordner / "fehlt.vir", G::nichtVorhanden},
        {"/dev/zero", G::keineDatei},            {ordner / "zu" / "welt.vir", G::keinZugriff},
        {ordner / "geheim.rle", G::keinZugriff},
    };
    for (const auto& [pfad, grund] : faelle) {
        EXPECT_EQ(ohneRoot([&] { return storage::ladeWeltDatei(pfad).fehler.datei; }), grund) << pfad;
        EXPECT_EQ(ohneRoot([&] { return storage::ladeMusterText(pfad).fehler; }), grund) << pfad;
    }
    // 1 GB of nothing on disk (a sparse file), read only as far as a pattern may be long.
    schreibe(ordner / "gross.rle", "");
    fs::resize_file(ordner / "gross.rle", 1u << 30);
    EXPECT_EQ(storage::ladeMusterText(ordner / "gross.rle").fehler, G::zuGross);
}

TEST(Dateiart, TheEndingSaysWhatIsWrittenAndOnlyALowerCaseVirIsAWorld) {
    using enum storage::Dateiart;
    using enum storage::MusterFormat;
    using A = std::optional<storage::Ausgabeart>;
    const std::pair<const char*, A> faelle[] = {
        {"a.vir", A{{welt}}}, {"a.VIR", {}},   {"a.Vir", {}},         {"a.vir.txt", {}},        {"vir", {}},
        {"a.rle.gz", {}},     {"a.png", A{{bild}}}, {"a.GIF", A{{animation}}}, {"a.RLE", A{{muster, rle}}},
        {"x.y.cells", A{{muster, plaintext}}}, {"/tmp/c.LIFE", A{{muster, life106}}}, {"c.lif", A{{muster, life106}}}};
    for (const auto& [name, erwartet] : faelle) {
        EXPECT_EQ(storage::ausgabeFuer(name), erwartet) << name;
        EXPECT_EQ(storage::istWeltName(name), erwartet && erwartet->art == welt) << name;
    }
}
