#include "storage/regeltext.h"

#include <array>

#include "engine/zahltext.h"
#include "storage/lesehilfe.h"

namespace storage {

namespace {

constexpr std::string_view kBase64 = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
// Letters of the notation that tells neighbours apart by their place.
constexpr std::string_view kLageBuchstaben = "cekainyqjrtwz-";

// Bit p of the MAP index for the cell at (dx, dy) in reading order: NW is 256, the centre 16, SE 1.
constexpr int mapBit(int dx, int dy) { return 1 << (8 - ((dy + 1) * 3 + (dx + 1))); }

using Tabelle = std::array<bool, 512>;
using K = Ablehnung::Klausel;

// Living neighbours in the directions of `maske` of the neighbourhood with MAP index `index`.
int anzahlIn(int index, std::uint8_t maske) {
    int anzahl = 0;
    for (int b = 0; b < 8; ++b)
        if (((maske >> b) & 1) && (index & mapBit(engine::kNachbarn[b].dx, engine::kNachbarn[b].dy))) ++anzahl;
    return anzahl;
}

Tabelle tabelle(const engine::Regel& regel, std::uint8_t maske) {
    Tabelle t{};
    for (int index = 0; index < 512; ++index) {
        const int anzahl = anzahlIn(index, maske);
        t[index] = (index & mapBit(0, 0)) ? regel.ueberlebt(anzahl) : regel.geboren(anzahl);
    }
    return t;
}

// The rule with a mask that gives the table, preferring every direction; nothing when none does.
std::optional<MusterRegel> zerlege(const Tabelle& t) {
    for (int m = 255; m >= 0; --m) {
        const auto maske = static_cast<std::uint8_t>(m);
        MusterRegel r{{}, maske};
        int gesehen[2] = {0, 0};  // which counts were met, by centre state
        bool passt = true;
        for (int index = 0; index < 512 && passt; ++index) {
            const int anzahl = anzahlIn(index, maske);
            const int mitte = (index & mapBit(0, 0)) ? 1 : 0;
            std::uint16_t& menge = mitte ? r.regel.ueberleben : r.regel.geburt;
            const bool bit = (menge >> anzahl) & 1;
            if (!((gesehen[mitte] >> anzahl) & 1)) {
                gesehen[mitte] |= 1 << anzahl;
                if (t[index]) menge |= static_cast<std::uint16_t>(1u << anzahl);
            } else if (bit != t[index]) {
                passt = false;
            }
        }
        if (passt) return r;
    }
    return std::nullopt;
}

// One pass over a rule text; every answer but a rule carries its reason.
class RegelLeser {
public:
    explicit RegelLeser(std::string_view text) : ohneLeer_(ohneLeer(text)), text_(ohneLeer_), rest_(text_) {}

    RegelGelesen lies() {
        if (text_.empty()) return unbekannt({.art = Ablehnung::Art::keineRegel});
        for (const BenannteRegel& r : kBenannteRegeln)
            if (gleichOhneFall(text_, ohneLeer(r.name))) return RegelLeser(r.notation).lies();
        if (beginntMit(text_, "MAP")) return map();
        const char erstes = klein(text_.front());
        if (erstes == 'b' || erstes == 's') return bs(erstes);
        if (ziffer(erstes) || strich(erstes)) return sb();
        return unbekannt({.art = Ablehnung::Art::keineRegelform, .name = std::string(text_)});
    }

private:
    std::string ohneLeer_;
    std::string_view text_;
    std::string_view rest_;
    MusterRegel regel_;
    // Why a known notation does not run here; the first reason found.
    RegelArt art_ = RegelArt::lauffaehig;
    Ablehnung grund_;

    static bool strich(char c) { return c == '/' || c == '_'; }

    static std::string ohneLeer(std::string_view s) {
        std::string t;
        for (const char c : s)
            if (!leer(c)) t += c;
        return t;
    }

    static RegelGelesen unbekannt(Ablehnung grund) { return {RegelArt::unbekannt, std::nullopt, std::move(grund)}; }

    // The text read so far and what should have come next.
    RegelGelesen erwartet(Ablehnung::Klausel was) const {
        return unbekannt({.art = Ablehnung::Art::regelErwartet, .klausel = was, .name = std::string(text_),
                          .gelesen = std::string(text_.substr(0, text_.size() - rest_.size()))});
    }

    void nichtHier(RegelArt art, Ablehnung::Klausel warum, long long zustaende = 0) {
        if (art_ != RegelArt::lauffaehig) return;
        art_ = art;
        grund_ = {.art = Ablehnung::Art::regelNichtHier, .klausel = warum, .zahl1 = zustaende, .name = std::string(text_)};
    }

    RegelGelesen ergebnis() const {
        if (art_ == RegelArt::lauffaehig) return {art_, regel_, {}};
        return {art_, std::nullopt, grund_};
    }

    bool nimm(char c) {
        if (rest_.empty() || klein(rest_.front()) != c) return false;
        rest_.remove_prefix(1);
        return true;
    }
    bool nimmStrich() {
        if (rest_.empty() || !strich(rest_.front())) return false;
        rest_.remove_prefix(1);
        return true;
    }

    // Counts 0..8; letters that tell neighbours apart by their place are taken but make the rule foreign.
    void zaehlungen(std::uint16_t& menge) {
        while (!rest_.empty()) {
            const char c = rest_.front();
            if (c >= '0' && c <= '8') {
                menge |= static_cast<std::uint16_t>(1u << (c - '0'));
            } else if (kLageBuchstaben.find(c) != std::string_view::npos) {
                nichtHier(RegelArt::fremd, K::nachLage);
            } else {
                return;
            }
            rest_.remove_prefix(1);
        }
    }

    // After both count parts: "/3", "/C3" or "/G3" for the number of states, then "V" or "H".
    RegelGelesen schluss() {
        if (nimmStrich()) {
            if (!nimm('c')) nimm('g');
            Zahl zustaende;
            if (!liesZahl(rest_, zustaende) || zustaende.wert < 2) return erwartet(K::zahlDerZustaende);
            if (zustaende.wert != 2)
                nichtHier(RegelArt::mehrZustaende, K::zustaende, zustaende.zuGross ? -1 : zustaende.wert);
        }
        if (nimm('v')) {
            regel_.maske = kVonNeumann;
            regel_.mitNachbarn = true;
        } else if (nimm('h'))
            nichtHier(RegelArt::fremd, K::sechseck);
        if (!rest_.empty()) return erwartet(K::zahlOderEnde);
        return ergebnis();
    }

    RegelGelesen bs(char erstes) {
        const char zweites = erstes == 'b' ? 's' : 'b';
        auto menge = [this](char art) -> std::uint16_t& { return art == 'b' ? regel_.regel.geburt : regel_.regel.ueberleben; };
        nimm(erstes);
        zaehlungen(menge(erstes));
        const bool mitStrich = nimmStrich();
        if (!nimm(zweites))
            return erwartet(mitStrich ? (zweites == 's' ? K::s : K::b) : (zweites == 's' ? K::zahlStrichS : K::zahlStrichB));
        zaehlungen(menge(zweites));
        return schluss();
    }

    RegelGelesen sb() {
        zaehlungen(regel_.regel.ueberleben);
        if (!nimmStrich()) return erwartet(K::zahlOderStrich);
        zaehlungen(regel_.regel.geburt);
        return schluss();
    }

    // 86 base64 characters for the 3 x 3 neighbourhood; hexagonal and von Neumann tables are foreign.
    RegelGelesen map() {
        std::string_view s = text_.substr(3);
        // Base64 holds '/' too: a stroke and digits at the end give the number of states only when
        // the part before them has a table's length and the whole has not.
        auto tafelLaenge = [](std::string_view b) {
            while (!b.empty() && b.back() == '=') b.remove_suffix(1);
            return b.size() == 86 || b.size() == 22 || b.size() == 6;
        };
        if (const auto p = s.rfind('/'); p != std::string_view::npos && !tafelLaenge(s) && tafelLaenge(s.substr(0, p))) {
            rest_ = s.substr(p);
            if (const RegelGelesen r = schluss(); r.art == RegelArt::unbekannt) return r;
            s = s.substr(0, p);
        }
        while (!s.empty() && s.back() == '=') s.remove_suffix(1);
        const bool base64 = s.find_first_not_of(kBase64) == std::string_view::npos;
        if (!base64 || (s.size() != 86 && s.size() != 22 && s.size() != 6)) {
            rest_ = text_.substr(3);
            return erwartet(K::tabelle);
        }
        if (s.size() != 86) nichtHier(RegelArt::fremd, K::andereNachbarschaft);
        if (art_ != RegelArt::lauffaehig) return ergebnis();
        Tabelle t{};
        for (int bit = 0; bit < 512; ++bit) {
            const auto wert = static_cast<int>(kBase64.find(s[bit / 6]));
            t[bit] = (wert >> (5 - bit % 6)) & 1;
        }
        if (const auto r = zerlege(t)) regel_ = {r->regel, r->maske, true};
        else nichtHier(RegelArt::fremd, K::nichtNurAnzahl);
        return ergebnis();
    }
};

}  // namespace

RegelGelesen liesRegel(std::string_view text) { return RegelLeser(text).lies(); }

std::string mapText(const engine::Regel& regel, std::uint8_t maske) {
    const Tabelle t = tabelle(regel, maske);
    std::string text = "MAP";
    for (int bit = 0; bit < 512; bit += 6) {
        int wert = 0;
        for (int k = 0; k < 6; ++k) wert = wert << 1 | (bit + k < 512 && t[bit + k] ? 1 : 0);
        text += kBase64[wert];
    }
    return text;
}

std::string regelText(const engine::Regel& regel, std::uint8_t maske) {
    if (maske != 255) return mapText(regel, maske);
    // Appended piece by piece: g++ 12 at -O3 warns falsely about "literal" + string.
    std::string text = "B";
    text += engine::anzahlenText(regel.geburt);
    text += "/S";
    text += engine::anzahlenText(regel.ueberleben);
    return text;
}

std::string_view regelName(const engine::Regel& regel, std::uint8_t maske) {
    if (maske != 255) return {};
    for (const BenannteRegel& r : kBenannteRegeln) {
        const RegelGelesen g = liesRegel(r.notation);
        if (g.regel && g.regel->regel.geburt == regel.geburt && g.regel->regel.ueberleben == regel.ueberleben)
            return r.name;
    }
    return {};
}

}  // namespace storage
