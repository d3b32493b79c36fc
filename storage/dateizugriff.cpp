#include "storage/dateizugriff.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <fstream>
#include <random>

#include "engine/zahltext.h"

namespace storage {

namespace fs = std::filesystem;

namespace {

// Links followed before a chain counts as a loop, as the system counts them.
constexpr int kMaxVerweise = 40;

// Why the file at `pfad` cannot be read as a whole; keiner when it can. Devices and pipes could
// block or never end.
Dateigrund lesbar(const fs::path& pfad) {
    struct stat st {};
    if (::stat(pfad.c_str(), &st) != 0) return errno == EACCES ? Dateigrund::keinZugriff : Dateigrund::nichtVorhanden;
    if (S_ISDIR(st.st_mode)) return Dateigrund::ordner;
    if (!S_ISREG(st.st_mode)) return Dateigrund::keineDatei;
    if (::access(pfad.c_str(), R_OK) != 0 && errno == EACCES) return Dateigrund::keinZugriff;
    return Dateigrund::keiner;
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

// The file a chain of links ends at, whether it exists or not, or why it is not followed. A link
// in a sticky folder that everyone may write is followed only when it belongs to the folder's
// owner or to the user: anyone could have planted it there.
Dateigrund folgeVerweisen(fs::path& pfad) {
    for (int k = 0; k < kMaxVerweise; ++k) {
        struct stat verweis {}, ordner {};
        if (::lstat(pfad.c_str(), &verweis) != 0 || !S_ISLNK(verweis.st_mode)) return Dateigrund::keiner;
        const fs::path oben = pfad.has_parent_path() ? pfad.parent_path() : fs::path(".");
        if (::stat(oben.c_str(), &ordner) == 0 && (ordner.st_mode & S_ISVTX) && (ordner.st_mode & S_IWOTH) &&
            verweis.st_uid != ordner.st_uid && verweis.st_uid != ::geteuid())
            return Dateigrund::verweisFremd;
        std::error_code fehler;
        const fs::path weiter = fs::read_symlink(pfad, fehler);
        if (fehler) return Dateigrund::keiner;
        pfad = weiter.is_absolute() ? weiter : oben / weiter;
    }
    return Dateigrund::verweisKreis;
}

// Why a file of this kind is not replaced; empty for a regular file.
Dateigrund keineDatei(mode_t art) {
    if (S_ISREG(art)) return Dateigrund::keiner;
    if (S_ISDIR(art)) return Dateigrund::schonOrdner;
    return S_ISFIFO(art) ? Dateigrund::pipe : S_ISSOCK(art) ? Dateigrund::socket : Dateigrund::geraet;
}

// The permissions a new file gets: 0666 less the process's umask, read where it can be read
// without changing it.
mode_t neueRechte() {
    std::ifstream status("/proc/self/status");
    for (std::string zeile; std::getline(status, zeile);)
        if (zeile.starts_with("Umask:")) {
            unsigned maske = 0;
            const std::string_view wert =
                std::string_view(zeile).substr(std::min(zeile.size(), zeile.find_first_not_of(" \t", 6)));
            if (std::from_chars(wert.data(), wert.data() + wert.size(), maske, 8).ec == std::errc())
                return 0666 & ~static_cast<mode_t>(maske);
        }
    const mode_t maske = ::umask(022);
    ::umask(maske);
    return 0666 & ~maske;
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

bool schreibeAlles(int fd, const std::string& inhalt, const Systemaufrufe& system) {
    std::size_t geschrieben = 0;
    while (geschrieben < inhalt.size()) {
        const ssize_t n = system.write(fd, inhalt.data() + geschrieben, inhalt.size() - geschrieben);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        geschrieben += static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

Gelesen ladeWeltDatei(const fs::path& pfad) {
    Gelesen antwort;
    if (const Dateigrund grund = lesbar(pfad); grund != Dateigrund::keiner) {
        antwort.fehler.datei = grund;
        return antwort;
    }
    std::ifstream ein(pfad, std::ios::binary);
    if (!ein) {
        antwort.fehler.datei = Dateigrund::nichtOeffnen;
        return antwort;
    }
    return liesWeltDatei(ein);
}

MusterText ladeMusterText(const fs::path& pfad) {
    MusterText antwort;
    antwort.fehler = lesbar(pfad);
    if (antwort.fehler != Dateigrund::keiner) return antwort;
    std::ifstream ein(pfad, std::ios::binary);
    if (!ein) {
        antwort.fehler = Dateigrund::nichtOeffnen;
        return antwort;
    }
    antwort.text.resize(kMaxMusterText + 1);
    ein.read(antwort.text.data(), static_cast<std::streamsize>(antwort.text.size()));
    antwort.text.resize(static_cast<std::size_t>(ein.gcount()));
    if (ein.bad()) {
        antwort.text.clear();
        antwort.fehler = Dateigrund::nichtLesen;
    } else if (antwort.text.size() > kMaxMusterText) {
        antwort.text.clear();
        antwort.fehler = Dateigrund::zuGross;
    }
    return antwort;
}

Dateigrund speichereSicher(const fs::path& zielPfad, const std::string& inhalt, const Systemaufrufe& system) {
    // Through a link the linked file is written, even one that does not exist yet; the link stays.
    fs::path ziel = zielPfad;
    if (const Dateigrund grund = folgeVerweisen(ziel); grund != Dateigrund::keiner) return grund;
    struct stat alt {};
    const bool vorhanden = ::lstat(ziel.c_str(), &alt) == 0;
    if (vorhanden) {
        if (const Dateigrund grund = keineDatei(alt.st_mode); grund != Dateigrund::keiner) return grund;
        // The rename would go round the protection; even root keeps a file marked read-only.
        if ((alt.st_mode & 0222) == 0 || (::access(ziel.c_str(), W_OK) != 0 && errno != ENOENT))
            return Dateigrund::schreibgeschuetzt;
    }
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
        // Nobody else may read the new contents before they take the old file's place.
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0 && errno != EEXIST) break;
        // The lock is held until the rename. A cleaner may have removed the file between its
        // creation and the lock; then another name is taken.
        if (fd >= 0 && ::flock(fd, LOCK_EX) == 0 && !derselbe(fd, temp)) {
            ::close(fd);
            fd = -1;
        }
    }
    if (fd < 0) return Dateigrund::keinAnlegen;
    const Deskriptor datei(fd);

    if (!schreibeAlles(fd, inhalt, system) || system.fsync(fd) != 0) {
        ::unlink(temp.c_str());
        return Dateigrund::schreibfehler;
    }
    // The new file keeps the owner, group and permissions of the one it replaces where the
    // system lets it; set-id bits only with both owner and group.
    mode_t rechte = vorhanden ? alt.st_mode & 07777 : neueRechte();
    struct stat neu {};
    if (vorhanden && ::fstat(fd, &neu) == 0 && (neu.st_uid != alt.st_uid || neu.st_gid != alt.st_gid)) {
        const bool genommen =
            ::fchown(fd, alt.st_uid, alt.st_gid) == 0 || ::fchown(fd, static_cast<uid_t>(-1), alt.st_gid) == 0;
        if (!genommen || ::fstat(fd, &neu) != 0 || neu.st_uid != alt.st_uid || neu.st_gid != alt.st_gid)
            rechte &= ~static_cast<mode_t>(S_ISUID | S_ISGID);
    }
    if (::fchmod(fd, rechte) != 0 || ::rename(temp.c_str(), ziel.c_str()) != 0) {
        ::unlink(temp.c_str());
        return Dateigrund::nichtErsetzen;
    }
    // The rename lasts only once the folder is on disk; where that fails the file is complete anyway.
    if (const Deskriptor ordnerFd(::open(ordner.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)); ordnerFd.fd >= 0)
        system.fsync(ordnerFd.fd);
    return Dateigrund::keiner;
}

}  // namespace storage
