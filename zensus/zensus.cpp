#include "zensus/zensus.h"

#include <algorithm>
#include <cassert>
#include <charconv>
#include <climits>
#include <numeric>

#include "engine/zahltext.h"
#include "zensus/suppe.h"
#include "zensus/universum.h"

namespace zensus {

namespace {

/// Common periods of the objects beyond this are not checked, the soup runs on.
constexpr long long kMaxGemeinsam = 5040;
/// Objects farther apart than this from everything else may be spaceships leaving for good.
constexpr int kFluchtAbstand = 16;
/// Such spaceships are small and fast.
constexpr std::size_t kFluchtZellen = 64;
constexpr int kFluchtPeriode = 16;
/// A plane wider or higher than this is looked over for such spaceships every 32 generations,
/// when it has grown by kFluchtAbstand since the last look.
constexpr int kFluchtSeite = 56;

bool vorher(const Punkt& a, const Punkt& b) { return a.y != b.y ? a.y < b.y : a.x < b.x; }

Kasten kastenVon(const Zellen& zellen) {
    Kasten k{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
    for (const Punkt& p : zellen)
        k.x0 = std::min(k.x0, p.x), k.y0 = std::min(k.y0, p.y), k.x1 = std::max(k.x1, p.x), k.y1 = std::max(k.y1, p.y);
    return zellen.empty() ? Kasten{} : k;
}

int abstand(const Kasten& a, const Kasten& b) {
    return std::max({a.x0 - b.x1, b.x0 - a.x1, a.y0 - b.y1, b.y0 - a.y1, 0});
}

/// Whether some cell of a lies within Chebyshev distance d of some cell of b.
bool nahe(const Zellen& a, const Zellen& b, int d) {
    if (abstand(kastenVon(a), kastenVon(b)) > d) return false;
    for (const Punkt& p : a)
        for (const Punkt& q : b)
            if (std::abs(p.x - q.x) <= d && std::abs(p.y - q.y) <= d) return true;
    return false;
}

/// An object run on its own: its phases from the cells it was found as, period, displacement per
/// period and the rectangle of all phases.
struct Objekt {
    std::vector<Zellen> phasen;
    int periode = 0;
    int dx = 0, dy = 0;
    Kasten huelle;
};

/// Whether two boxes moving at constant speeds (cells per generation) from their places now
/// come within `rand` of each other at some time from now on.
bool treffen(const Kasten& a, double vax, double vay, const Kasten& b, double vbx, double vby, int rand) {
    double von = 0, bis = 1e18;
    auto achse = [&](double a0, double a1, double b0, double b1, double v) {
        // a moves at v relative to b; they overlap while a0 + t v <= b1 + rand and a1 + t v >= b0 - rand.
        const double hi = b1 + rand - a0, lo = b0 - rand - a1;
        if (v == 0) {
            if (lo > 0 || hi < 0) bis = -1;
            return;
        }
        double t0 = lo / v, t1 = hi / v;
        if (t0 > t1) std::swap(t0, t1);
        von = std::max(von, t0), bis = std::min(bis, t1);
    };
    achse(a.x0, a.x1, b.x0, b.x1, vax - vbx);
    achse(a.y0, a.y1, b.y0, b.y1, vay - vby);
    return von <= bis;
}

}  // namespace

struct Labor::Puffer {
    Universum welt, allein, probe;
    std::vector<std::uint32_t> lebende;
    Zellen zellen, vergleich, soll;
    std::vector<int> eltern;
    struct Gruppe {
        Zellen zellen;
        bool geprueft = false;
        bool periodisch = false;
        Objekt objekt;
    };
    std::vector<Gruppe> gruppen;
    std::vector<Fund> funde;

    /// The 8-connected pieces of `zellen` (sorted by rows) as groups.
    void teile(const Zellen& zellen) {
        const auto n = zellen.size();
        eltern.resize(n);
        std::iota(eltern.begin(), eltern.end(), 0);
        auto wurzel = [&](int i) {
            while (eltern[static_cast<std::size_t>(i)] != i)
                i = eltern[static_cast<std::size_t>(i)] = eltern[static_cast<std::size_t>(eltern[static_cast<std::size_t>(i)])];
            return i;
        };
        for (std::size_t i = 0; i < n; ++i) {
            const Punkt p = zellen[i];
            if (i + 1 < n && zellen[i + 1] == Punkt{p.x + 1, p.y}) eltern[static_cast<std::size_t>(wurzel(static_cast<int>(i + 1)))] = wurzel(static_cast<int>(i));
            auto j = std::lower_bound(zellen.begin(), zellen.end(), Punkt{p.x - 1, p.y + 1}, vorher);
            for (; j != zellen.end() && j->y == p.y + 1 && j->x <= p.x + 1; ++j)
                eltern[static_cast<std::size_t>(wurzel(static_cast<int>(j - zellen.begin())))] = wurzel(static_cast<int>(i));
        }
        gruppen.clear();
        std::vector<int> nummer(n, -1);
        for (std::size_t i = 0; i < n; ++i) {
            int& g = nummer[static_cast<std::size_t>(wurzel(static_cast<int>(i)))];
            if (g < 0) {
                g = static_cast<int>(gruppen.size());
                gruppen.emplace_back();
            }
            gruppen[static_cast<std::size_t>(g)].zellen.push_back(zellen[i]);
        }
    }

    /// Runs the cells alone until they come back, maybe moved; false when they do not within
    /// `laenge` generations.
    bool alleinLaufen(const Gesetz& gesetz, Zellen start, Objekt& o, int laenge = kMaxPeriode) {
        std::sort(start.begin(), start.end(), vorher);
        allein.leere();
        for (const Punkt& p : start) allein.setze(p.x, p.y);
        o.phasen.resize(1);
        o.phasen[0] = start;
        const Kasten k0 = kastenVon(start);
        o.huelle = k0;
        for (int t = 1; t <= laenge; ++t) {
            allein.schritt(gesetz);
            if (allein.lebende() == 0) return false;
            const Kasten k = allein.kasten();
            if (allein.lebende() == start.size() && k.breite() == k0.breite() && k.hoehe() == k0.hoehe()) {
                allein.zellen(vergleich);
                const int dx = k.x0 - k0.x0, dy = k.y0 - k0.y0;
                if (std::equal(start.begin(), start.end(), vergleich.begin(),
                               [&](const Punkt& a, const Punkt& b) { return a.x + dx == b.x && a.y + dy == b.y; })) {
                    o.periode = t, o.dx = dx, o.dy = dy;
                    return true;
                }
            }
            o.huelle = {std::min(o.huelle.x0, k.x0), std::min(o.huelle.y0, k.y0), std::max(o.huelle.x1, k.x1),
                        std::max(o.huelle.y1, k.y1)};
            if (static_cast<std::size_t>(t) >= o.phasen.size()) o.phasen.emplace_back();
            allein.zellen(o.phasen[static_cast<std::size_t>(t)]);
        }
        return false;
    }

    /// Groups i and the others in `mit` become one group.
    void vereinige(std::vector<std::size_t> mit) {
        std::sort(mit.begin(), mit.end());
        Gruppe& ziel = gruppen[mit.front()];
        for (std::size_t k = mit.size(); k-- > 1;) {
            const Zellen& z = gruppen[mit[k]].zellen;
            ziel.zellen.insert(ziel.zellen.end(), z.begin(), z.end());
        }
        ziel.geprueft = false;
        for (std::size_t k = mit.size(); k-- > 1;) gruppen.erase(gruppen.begin() + static_cast<std::ptrdiff_t>(mit[k]));
    }

    /// The cells of group g's object t generations on.
    void phase(const Gruppe& g, long long t, Zellen& aus) const {
        const Objekt& o = g.objekt;
        const Zellen& z = o.phasen[static_cast<std::size_t>(t % o.periode)];
        const int n = static_cast<int>(t / o.periode);
        aus.clear();
        for (const Punkt& p : z) aus.push_back({p.x + n * o.dx, p.y + n * o.dy});
    }

    /// Whether the plane has settled into objects that run on unchanged each on its own; then
    /// they are in `gruppen`.
    bool zerlege(const Gesetz& gesetz) {
        welt.zellen(zellen);
        teile(zellen);
        for (int runde = 0; runde < 64; ++runde) {
            long long gemeinsam = 1;
            bool weiter = false;
            for (std::size_t i = 0; i < gruppen.size() && !weiter; ++i) {
                Gruppe& g = gruppen[i];
                if (!g.geprueft) g.periodisch = alleinLaufen(gesetz, g.zellen, g.objekt), g.geprueft = true;
                if (!g.periodisch) {
                    // A piece that does not come back alone belongs to its neighbours, if any.
                    std::vector<std::size_t> mit{i};
                    for (std::size_t j = 0; j < gruppen.size(); ++j)
                        if (j != i && nahe(g.zellen, gruppen[j].zellen, 3)) mit.push_back(j);
                    if (mit.size() == 1) return false;
                    vereinige(std::move(mit));
                    weiter = true;
                    break;
                }
                gemeinsam = std::lcm(gemeinsam, static_cast<long long>(g.objekt.periode));
                if (gemeinsam > kMaxGemeinsam) return false;
            }
            if (weiter) continue;
            if (!pruefeGemeinsam(gesetz, gemeinsam, weiter)) return false;
            if (weiter) continue;
            return auseinander();
        }
        return false;
    }

    /// Runs the whole plane over the common period and compares it with the objects each run on
    /// its own; on the first difference the objects near it become one and `weiter` is set.
    bool pruefeGemeinsam(const Gesetz& gesetz, long long gemeinsam, bool& weiter) {
        probe = welt;
        for (long long t = 1; t <= gemeinsam; ++t) {
            probe.schritt(gesetz);
            std::uint64_t summe = 0;
            bool gleich = true;
            for (const Gruppe& g : gruppen) {
                const Zellen& z = g.objekt.phasen[static_cast<std::size_t>(t % g.objekt.periode)];
                summe += z.size();
                const int n = static_cast<int>(t / g.objekt.periode);
                for (std::size_t k = 0; k < z.size() && gleich; ++k)
                    gleich = probe.lebt(z[k].x + n * g.objekt.dx, z[k].y + n * g.objekt.dy);
            }
            if (gleich && summe == probe.lebende()) continue;
            // The cells where the two differ, and the groups near them.
            soll.clear();
            for (const Gruppe& g : gruppen) {
                phase(g, t, vergleich);
                soll.insert(soll.end(), vergleich.begin(), vergleich.end());
            }
            std::sort(soll.begin(), soll.end(), vorher);
            probe.zellen(zellen);
            Zellen anders;
            std::set_symmetric_difference(soll.begin(), soll.end(), zellen.begin(), zellen.end(),
                                          std::back_inserter(anders), vorher);
            if (anders.empty()) anders = soll;  // overlapping objects
            for (int d : {2, 4}) {
                std::vector<std::size_t> mit;
                for (std::size_t j = 0; j < gruppen.size(); ++j) {
                    phase(gruppen[j], t, vergleich);
                    if (nahe(vergleich, anders, d)) mit.push_back(j);
                }
                if (mit.size() >= 2) {
                    vereinige(std::move(mit));
                    weiter = true;
                    return true;
                }
            }
            return false;
        }
        return true;
    }

    /// Whether no spaceship is on course towards another object; objects at the same speed
    /// were seen not to interact.
    bool auseinander() const {
        for (std::size_t i = 0; i < gruppen.size(); ++i) {
            const Objekt& a = gruppen[i].objekt;
            if (a.dx == 0 && a.dy == 0) continue;
            for (std::size_t j = 0; j < gruppen.size(); ++j) {
                const Objekt& b = gruppen[j].objekt;
                if (j == i || (j < i && (b.dx || b.dy)) || gleichSchnell(a, b)) continue;
                if (treffen(a.huelle, double(a.dx) / a.periode, double(a.dy) / a.periode, b.huelle,
                            double(b.dx) / b.periode, double(b.dy) / b.periode, 3))
                    return false;
            }
        }
        return true;
    }

    static bool gleichSchnell(const Objekt& a, const Objekt& b) {
        return a.dx * b.periode == b.dx * a.periode && a.dy * b.periode == b.dy * a.periode;
    }

    /// Spaceships far from everything but others at their speed, and leaving it, are counted and
    /// taken off the plane.
    void entferneFluechtlinge(const Gesetz& gesetz, std::uint8_t lagen) {
        welt.zellen(zellen);
        teile(zellen);
        std::vector<Kasten> kaesten;
        for (const Gruppe& g : gruppen) kaesten.push_back(kastenVon(g.zellen));
        auto raumschiff = [&](std::size_t i) {
            Gruppe& g = gruppen[i];
            if (!g.geprueft)
                g.periodisch = g.zellen.size() <= kFluchtZellen && alleinLaufen(gesetz, g.zellen, g.objekt, kFluchtPeriode),
                g.geprueft = true;
            return g.periodisch && (g.objekt.dx || g.objekt.dy);
        };
        const Kasten alles = welt.kasten();
        Zellen weg;
        for (std::size_t i = 0; i < gruppen.size(); ++i) {
            // Leaving objects are small and at the edge.
            const Kasten& k = kaesten[i];
            if (std::min({k.x0 - alles.x0, k.y0 - alles.y0, alles.x1 - k.x1, alles.y1 - k.y1}) > 8 ||
                gruppen[i].zellen.size() > kFluchtZellen)
                continue;
            bool frei = true;
            for (std::size_t j = 0; j < gruppen.size() && frei; ++j)
                frei = j == i || gruppen[j].zellen.size() <= kFluchtZellen || abstand(k, kaesten[j]) >= kFluchtAbstand;
            if (!frei || !raumschiff(i)) continue;
            for (std::size_t j = 0; j < gruppen.size() && frei; ++j) {
                if (j == i) continue;
                if (abstand(kaesten[i], kaesten[j]) < kFluchtAbstand)
                    frei = raumschiff(j) && gleichSchnell(gruppen[i].objekt, gruppen[j].objekt);
            }
            if (!frei) continue;
            const Objekt& o = gruppen[i].objekt;
            // Other small pieces may be ships too, crossing its course; larger ones stand still.
            for (std::size_t j = 0; j < gruppen.size() && frei; ++j) {
                if (j == i) continue;
                const Objekt* b = raumschiff(j) ? &gruppen[j].objekt : nullptr;
                frei = b ? gleichSchnell(o, *b) ||
                               !treffen(o.huelle, double(o.dx) / o.periode, double(o.dy) / o.periode, b->huelle,
                                        double(b->dx) / b->periode, double(b->dy) / b->periode, 3)
                         : !treffen(o.huelle, double(o.dx) / o.periode, double(o.dy) / o.periode, kaesten[j], 0, 0,
                                    kFluchtAbstand / 2);
            }
            if (!frei) continue;
            funde.push_back(fund(o, lagen));
            weg.insert(weg.end(), gruppen[i].zellen.begin(), gruppen[i].zellen.end());
        }
        welt.loesche(weg);
    }

    static Fund fund(const Objekt& o, std::uint8_t lagen) {
        Fund f;
        f.merkmale.periode = o.periode;
        f.merkmale.art = (o.dx || o.dy) ? Objektart::Raumschiff
                         : o.periode == 1 ? Objektart::Stillleben
                                          : Objektart::Oszillator;
        f.code = apgcode(f.merkmale.art, o.periode, std::span<const Zellen>(o.phasen.data(), static_cast<std::size_t>(o.periode)), lagen);
        if (f.merkmale.art == Objektart::Raumschiff) {
            // The displacement in the orientation the code shows.
            const std::string_view text = std::string_view(f.code).substr(f.code.find('_') + 1);
            for (int lage = 0; lage < 8; ++lage) {
                if (!((lagen >> lage) & 1)) continue;
                for (const Zellen& z : o.phasen)
                    if (wechsler(gewendet(z, lage)) == text) {
                        const Punkt d = gewendet(Zellen{{o.dx, o.dy}}, lage).front();
                        f.merkmale.dx = d.x, f.merkmale.dy = d.y;
                        return f;
                    }
            }
        }
        return f;
    }

    void wachstum() {
        // Steady growth adds about as much in the second half of the run as in the first.
        const std::size_t n = lebende.size() - 1;
        const double spaet = double(lebende[n]) - double(lebende[n / 2]);
        const double frueh = double(lebende[n / 2]) - double(lebende[n / 4]);
        Fund f;
        f.merkmale.art = Objektart::Wachstum;
        f.code = frueh > 0 && spaet > 1.5 * frueh && spaet < 3 * frueh ? "zz_LINEAR" : "zz_EXPLOSIVE";
        funde.assign(1, f);
    }

    void lauf(const Auftrag& auftrag) {
        const Gesetz gesetz(auftrag.regel, auftrag.nachbarMaske);
        const std::uint8_t lagen = symmetrien(auftrag.nachbarMaske);
        lebende.clear();
        funde.clear();
        int naechste = 24, warte = 8, zuletzt = 0;
        for (int generation = 0;; ++generation) {
            const std::uint64_t jetzt = welt.lebende();
            if (jetzt == 0) return;
            lebende.push_back(static_cast<std::uint32_t>(jetzt));
            if (generation >= naechste && periodisch()) {
                if (zerlege(gesetz)) {
                    for (const Gruppe& g : gruppen) funde.push_back(fund(g.objekt, lagen));
                    return;
                }
                naechste = generation + warte;
                warte = std::min(warte + warte / 2, 256);
            }
            Kasten k{};
            if (generation % 32 == 31) {
                // Looked over again only when the plane has grown since by what a ship would add.
                k = welt.kasten();
                if (std::max(k.breite(), k.hoehe()) > std::max(kFluchtSeite, zuletzt + kFluchtAbstand)) {
                    entferneFluechtlinge(gesetz, lagen);
                    k = welt.kasten();
                    zuletzt = std::max(k.breite(), k.hoehe());
                }
            }
            if (generation >= kMaxGenerationen || jetzt > kMaxLebende || std::max(k.breite(), k.hoehe()) > kMaxSeite)
                return wachstum();
            welt.schritt(gesetz);
        }
    }

    /// Whether the population repeats over the last generations with some period.
    bool periodisch() const {
        const std::size_t n = lebende.size();
        for (std::size_t p = 1; p <= kMaxPeriode; ++p) {
            const std::size_t l = std::max<std::size_t>(3 * p, 24);
            if (n < l + p) return false;
            bool ja = true;
            for (std::size_t i = n - l; i < n && ja; ++i) ja = lebende[i] == lebende[i - p];
            if (ja) return true;
        }
        return false;
    }
};

Labor::Labor() : p_(std::make_unique<Puffer>()) {}
Labor::~Labor() = default;

const std::vector<Fund>& Labor::untersuche(const Auftrag& auftrag, std::uint64_t nummer) {
    const Suppe s = suppe(auftrag.wurzel, nummer);
    p_->welt.leere();
    for (int y = 0; y < kSuppenSeite; ++y)
        for (int x = 0; x < kSuppenSeite; ++x)
            if ((s[static_cast<std::size_t>(y)] >> x) & 1) p_->welt.setze(x, y);
    p_->lauf(auftrag);
    return p_->funde;
}

const std::vector<Fund>& Labor::untersuche(const Auftrag& auftrag, const Zellen& start) {
    p_->welt.leere();
    for (const Punkt& p : start) p_->welt.setze(p.x, p.y);
    p_->lauf(auftrag);
    return p_->funde;
}

Einwand pruefe(const Auftrag& auftrag) {
    if (auftrag.regel.geboren(0)) return Einwand::geburtBeiNull;
    if (auftrag.bis <= auftrag.von) return Einwand::keineSuppen;
    return Einwand::keiner;
}

std::string regelName(const engine::Regel& regel, std::uint8_t nachbarMaske) {
    std::string name = "b";
    name += engine::anzahlenText(regel.geburt);
    name += 's';
    name += engine::anzahlenText(regel.ueberleben);
    if (nachbarMaske != 255) {
        char ziffern[4];
        name += "_m";
        name.append(ziffern, std::to_chars(ziffern, ziffern + sizeof ziffern, int{nachbarMaske}).ptr);
    }
    return name;
}

std::optional<std::pair<engine::Regel, std::uint8_t>> ausRegelName(std::string_view name) {
    engine::Regel regel;
    std::size_t i = 0;
    auto ziffern = [&](std::uint16_t& menge) {
        for (; i < name.size() && name[i] >= '0' && name[i] <= '8'; ++i) menge |= static_cast<std::uint16_t>(1u << (name[i] - '0'));
    };
    if (name.empty() || name[i++] != 'b') return std::nullopt;
    ziffern(regel.geburt);
    if (i == name.size() || name[i++] != 's') return std::nullopt;
    ziffern(regel.ueberleben);
    int maske = 255;
    if (name.substr(i).starts_with("_m")) {
        const auto [ende, fehler] = std::from_chars(name.data() + i + 2, name.data() + name.size(), maske);
        if (fehler != std::errc{} || maske < 0 || maske > 254) return std::nullopt;
        i = static_cast<std::size_t>(ende - name.data());
    }
    if (i != name.size()) return std::nullopt;
    return std::pair(regel, static_cast<std::uint8_t>(maske));
}

Merkmale merkmaleVon(std::string_view code, const engine::Regel& regel, std::uint8_t nachbarMaske) {
    const auto e = entschluessele(code);
    if (!e) return {Objektart::Wachstum, 1, 0, 0};
    Auftrag auftrag;
    auftrag.regel = regel;
    auftrag.nachbarMaske = nachbarMaske;
    Labor labor;
    const auto& funde = labor.untersuche(auftrag, e->zellen);
    if (funde.size() == 1 && funde.front().code == code) return funde.front().merkmale;
    return {e->art, e->periode, 0, 0};
}

std::string csvText(const Kopf& kopf, const Tabelle& tabelle,
                    const std::map<std::string, Merkmale, std::less<>>& merkmale) {
    const auto name = ausRegelName(kopf.regel);
    std::string text = "Code;Anzahl;JeSuppe;Art;Periode;dx;dy;Suppen\n";
    char puffer[64];
    auto zahl = [&](auto wert) { text.append(puffer, std::to_chars(puffer, puffer + sizeof puffer, wert).ptr); };
    for (const auto& [code, zeile] : tabelle.nachHaeufigkeit()) {
        const auto it = merkmale.find(code);
        const Merkmale m = it != merkmale.end() ? it->second
                           : name             ? merkmaleVon(code, name->first, name->second)
                                              : Merkmale{Objektart::Wachstum, 1, 0, 0};
        text += code + ';';
        zahl(zeile.anzahl);
        text += ';';
        const double jeSuppe = kopf.suppen ? double(zeile.anzahl) / double(kopf.suppen) : 0.0;
        text.append(puffer, std::to_chars(puffer, puffer + sizeof puffer, jeSuppe, std::chars_format::fixed, 6).ptr);
        static constexpr const char* kArten[] = {"Stillleben", "Oszillator", "Raumschiff", "Wachstum"};
        text += ';';
        text += kArten[static_cast<int>(m.art)];
        text += ';';
        zahl(m.periode);
        text += ';';
        zahl(m.dx);
        text += ';';
        zahl(m.dy);
        text += ';';
        for (std::size_t k = 0; k < zeile.suppen.size(); ++k) {
            if (k) text += ' ';
            zahl(zeile.suppen[k]);
        }
        text += '\n';
    }
    return text;
}

void untersucheSuppe(const Auftrag& auftrag, std::uint64_t nummer, Tabelle& tabelle,
                     std::map<std::string, Merkmale, std::less<>>& merkmale) {
    Labor labor;
    for (const Fund& f : labor.untersuche(auftrag, nummer)) {
        tabelle.zaehle(f.code, nummer);
        merkmale.try_emplace(f.code, f.merkmale);
    }
}

struct Zensus::Geteilt {
    Auftrag auftrag;
    std::atomic<std::uint64_t> naechste{0};
    std::atomic<bool> halt{false};
    mutable std::mutex mutex;
    Stand stand;
    int laufend = 0;
};

Zensus::Zensus(Auftrag auftrag, int threads) : geteilt_(std::make_shared<Geteilt>()) {
    assert(pruefe(auftrag) == Einwand::keiner);
    geteilt_->auftrag = std::move(auftrag);
    geteilt_->naechste = geteilt_->auftrag.von;
    // The workers count `laufend` down as they end: the loop must not read it.
    const int anzahl = std::max(threads, 1);
    geteilt_->laufend = anzahl;
    for (int i = 0; i < anzahl; ++i)
        arbeiter_.emplace_back([g = geteilt_] {
            // Small chunks taken in turn keep every worker busy to the end.
            constexpr std::uint64_t kStueck = 16;
            Labor labor;
            Tabelle tabelle;
            std::map<std::string, Merkmale, std::less<>> merkmale;
            while (!g->halt) {
                const std::uint64_t von = g->naechste.fetch_add(kStueck);
                if (von >= g->auftrag.bis) break;
                const std::uint64_t bis = std::min(von + kStueck, g->auftrag.bis);
                std::uint64_t fertig = 0;
                for (std::uint64_t n = von; n < bis && !g->halt; ++n, ++fertig)
                    for (const Fund& f : labor.untersuche(g->auftrag, n)) {
                        tabelle.zaehle(f.code, n);
                        merkmale.try_emplace(f.code, f.merkmale);
                    }
                const std::lock_guard sperre(g->mutex);
                g->stand.tabelle.fuehreZusammen(tabelle);
                g->stand.merkmale.merge(merkmale);
                g->stand.suppen += fertig;
                tabelle = Tabelle();
                merkmale.clear();
            }
            const std::lock_guard sperre(g->mutex);
            g->stand.fertig = --g->laufend == 0;
        });
}

Zensus::~Zensus() {
    anhalten();
    warte();
}

void Zensus::anhalten() { geteilt_->halt = true; }

void Zensus::warte() {
    for (std::thread& t : arbeiter_)
        if (t.joinable()) t.join();
}

Stand Zensus::stand() const {
    const std::lock_guard sperre(geteilt_->mutex);
    return geteilt_->stand;
}

}  // namespace zensus
