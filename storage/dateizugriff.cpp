#include "storage/dateizugriff.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <optional>
#include <random>

#include "engine/zahltext.h"

namespace storage {

namespace fs = std::filesystem;

namespace {

constexpr const char* kKeinZugriff = "lässt sich mangels Zugriffsrechten nicht lesen";
// Links followed before a chain counts as a loop, as the system counts them.
constexpr int kMaxVerweise = 40;

// Why the file at `pfad` cannot be read as a whole; empty when it can. Devices and pipes could
// block or never end.
std::string lesbar(const fs::path& pfad) {
    struct stat st {};
    if (::stat(pfad.c_str(), &st) != 0) return errno == EACCES ? kKeinZugriff : "ist nicht vorhanden";
    if (S_ISDIR(st.st_mode)) return "ist ein Ordner und keine Datei";
    if (!S_ISREG(st.st_mode)) return "ist keine gewöhnliche Datei";
    if (::access(pfad.c_str(), R_OK) != 0 && errno == EACCES) return kKeinZugriff;
    return {};
}

// An open file descriptor, closed on every path.
struct Deskriptor {
    int fd = -1;
    explicit Deskriptor(int f) : fd(f) {}
    ~Deskriptor() {
        if (fd >= 0) ::close(fd);
    }
    Deskriptor(const Deskriptor&) = delete;
    Deskriptor& operator=(const Deskriptor&) = delete;
};

// True when `pfad` still names the file open at fd.
bool derselbe(int fd, const fs::path& pfad) {
    struct stat offen {}, benannt {};
    return ::fstat(fd, &offen) == 0 && ::lstat(pfad.c_str(), &benannt) == 0 && offen.st_dev == benannt.st_dev &&
           offen.st_ino == benannt.st_ino;
}

// The file a chain of links ends at, whether it exists or not; nothing when the chain loops.
std::optional<fs::path> endeDerVerweise(fs::path pfad) {
    for (int k = 0; k < kMaxVerweise; ++k) {
        std::error_code fehler;
        if (!fs::is_symlink(pfad, fehler)) return pfad;
        const fs::path weiter = fs::read_symlink(pfad, fehler);
        if (fehler) return pfad;
        pfad = weiter.is_absolute() ? weiter : pfad.parent_path() / weiter;
    }
    return std::nullopt;
}

// The temporary files of saves to `ziel` are ".name.123456.tmp" beside it.
std::string tempPraefix(const fs::path& ziel) {
    std::string praefix = ".";
    praefix += ziel.filename().string();
    praefix += '.';
    return praefix;
}

bool istTempName(const std::string& name, const std::string& praefix) {
    constexpr std::string_view kEndung = ".tmp";
    if (name.size() <= praefix.size() + kEndung.size() || !name.starts_with(praefix) || !name.ends_with(kEndung))
        return false;
    const std::string_view mitte =
        std::string_view(name).substr(praefix.size(), name.size() - praefix.size() - kEndung.size());
    return mitte.size() <= 6 && mitte.find_first_not_of("0123456789") == std::string_view::npos;
}

// Removes the temporary files of `ziel` that no running save holds: a save keeps its file locked
// until the rename, so a file whose lock can be taken was left by a save that was killed.
void entferneReste(const fs::path& ordner, const fs::path& ziel) {
    const std::string praefix = tempPraefix(ziel);
    std::error_code fehler;
    for (fs::directory_iterator it(ordner, fehler), ende; !fehler && it != ende; it.increment(fehler)) {
        const fs::path pfad = it->path();
        if (!istTempName(pfad.filename().string(), praefix)) continue;
        const Deskriptor rest(::open(pfad.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK));
        struct stat st {};
        if (rest.fd < 0 || ::fstat(rest.fd, &st) != 0 || !S_ISREG(st.st_mode)) continue;
        if (::flock(rest.fd, LOCK_EX | LOCK_NB) == 0 && derselbe(rest.fd, pfad)) ::unlink(pfad.c_str());
    }
}

bool schreibeAlles(int fd, const std::string& inhalt) {
    std::size_t geschrieben = 0;
    while (geschrieben < inhalt.size()) {
        const ssize_t n = ::write(fd, inhalt.data() + geschrieben, inhalt.size() - geschrieben);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        geschrieben += static_cast<std::size_t>(n);
    }
    return true;
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
        antwort.fehler = "ist zu groß für eine Musterdatei (mehr als " +
                         engine::ziffernText(static_cast<long long>(kMaxMusterText >> 20)) + " MB)";
    }
    return antwort;
}

std::string speichereSicher(const fs::path& zielPfad, const std::string& inhalt) {
    // Through a link the linked file is written, even one that does not exist yet; the link stays.
    const std::optional<fs::path> ende = endeDerVerweise(zielPfad);
    if (!ende) return "der Verweis unter diesem Namen führt im Kreis";
    const fs::path& ziel = *ende;
    struct stat alt {};
    const bool vorhanden = ::stat(ziel.c_str(), &alt) == 0;
    if (vorhanden && S_ISDIR(alt.st_mode)) return "unter diesem Namen gibt es schon einen Ordner";
    // The rename would go round the protection; even root keeps a file marked read-only.
    if (vorhanden && (((alt.st_mode & 0222) == 0) || (::access(ziel.c_str(), W_OK) != 0 && errno != ENOENT)))
        return "die Datei ist schreibgeschützt";
    const fs::path ordner = ziel.has_parent_path() ? ziel.parent_path() : fs::path(".");
    entferneReste(ordner, ziel);

    std::random_device zufall;
    fs::path temp;
    int fd = -1;
    for (int versuch = 0; versuch < 100 && fd < 0; ++versuch) {
        std::string nummer = engine::ziffernText(zufall() % 1000000);
        nummer.insert(0, 6 - nummer.size(), '0');
        std::string name = tempPraefix(ziel);
        name += nummer;
        name += ".tmp";
        temp = ordner / name;
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) break;
        // The lock is held until the rename. A cleaner may have removed the file between its
        // creation and the lock; then another name is taken.
        if (fd >= 0 && ::flock(fd, LOCK_EX) == 0 && !derselbe(fd, temp)) {
            ::close(fd);
            fd = -1;
        }
    }
    if (fd < 0) return "im Ordner lässt sich keine Datei anlegen";
    const Deskriptor datei(fd);

    // The new file keeps the permissions of the one it replaces.
    if (!schreibeAlles(fd, inhalt) || ::fsync(fd) != 0 || (vorhanden && ::fchmod(fd, alt.st_mode & 07777) != 0)) {
        ::unlink(temp.c_str());
        return "beim Schreiben ist ein Fehler aufgetreten (ist der Datenträger voll?)";
    }
    if (::rename(temp.c_str(), ziel.c_str()) != 0) {
        ::unlink(temp.c_str());
        return "die neue Datei lässt sich nicht an die Stelle der alten setzen";
    }
    // The rename lasts only once the folder is on disk; where that fails the file is complete anyway.
    if (const Deskriptor ordnerFd(::open(ordner.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)); ordnerFd.fd >= 0)
        ::fsync(ordnerFd.fd);
    return {};
}

}  // namespace storage
