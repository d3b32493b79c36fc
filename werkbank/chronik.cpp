#include "werkbank/chronik.h"

#include <algorithm>
#include <cassert>

#include "engine/vektor.h"
#include "engine/zahltext.h"

namespace werkbank {

std::size_t Eintrag::bytes() const {
    return sizeof(Eintrag) + (gedaechtnis ? sizeof(engine::Gedaechtnis) : 0) + vorher.zaehlerText.capacity() + vorher.tiefeText.capacity() +
           nachher.zaehlerText.capacity() + nachher.tiefeText.capacity() + zellen.capacity() * sizeof(ZellAenderung);
}

void Chronik::setzeReferenz(const engine::Welt& welt) {
    const std::int32_t* zelle = &welt.zellen()[0][0];
    for (int k = 0; k < engine::kDim * engine::kDim; ++k) referenz_[k] = static_cast<std::int8_t>(zelle[k]);
}

// Blocks without a change are passed over with a compare the compiler can vectorise.
MORLIX_VEKTOR void Chronik::aenderungen(const engine::Welt& welt, std::vector<ZellAenderung>& zellen) {
    constexpr int kZellen = engine::kDim * engine::kDim;
    constexpr int kBlock = 64;
    const std::int32_t* zelle = &welt.zellen()[0][0];
    for (int von = 0; von < kZellen; von += kBlock) {
        const int bis = std::min(von + kBlock, kZellen);
        int anders = 0;
        for (int k = von; k < bis; ++k) anders |= static_cast<std::int8_t>(zelle[k]) ^ referenz_[k];
        if (anders == 0) continue;
        for (int k = von; k < bis; ++k) {
            const auto neu = static_cast<std::int8_t>(zelle[k]);
            if (neu == referenz_[k]) continue;
            zellen.push_back({static_cast<std::uint16_t>(k), referenz_[k], neu});
            referenz_[k] = neu;
        }
    }
}

void Chronik::oeffne(Art art, texte::Schritt schritt, const Einstellungen& vorher) {
    offen_ = Offen{art, schritt, 0, vorher, std::nullopt};
    ++stand_;
}

void Chronik::generationen(long long anzahl) {
    if (offen_) offen_->generationen += anzahl;
}

void Chronik::merkeGedaechtnisVorher(engine::GedaechtnisAbzug ring) {
    if (offen_) offen_->gedaechtnis = std::move(ring);
}

void Chronik::merkeGedaechtnisNachLauf(engine::GedaechtnisAbzug ring) {
    assert(position_ < basis_ + static_cast<long long>(eintraege_.size()));
    Eintrag& e = eintraege_[static_cast<std::size_t>(position_ - basis_)];
    assert(e.lauf);
    bytes_ -= e.bytes();
    e.gedaechtnis = std::move(ring);
    bytes_ += e.bytes();
}

void Chronik::vergissGedaechtnisNachLauf() {
    assert(position_ > basis_);
    Eintrag& e = eintraege_[static_cast<std::size_t>(position_ - basis_ - 1)];
    assert(e.lauf);
    bytes_ -= e.bytes();
    e.gedaechtnis.reset();
    bytes_ += e.bytes();
}

bool Chronik::schliesse(const engine::Welt& welt, const Einstellungen& nachher, bool weiter) {
    if (!offen_) return false;
    Offen offen = std::move(*offen_);
    offen_.reset();
    ++stand_;
    Eintrag e;
    aenderungen(welt, e.zellen);
    if (e.zellen.empty() && offen.vorher == nachher) return false;
    e.lauf = offen.art == Art::Lauf;
    e.bearbeitung = !e.lauf && (offen.art != Art::Rueckblende || (weiter && !e.zellen.empty()));
    e.schritt = e.lauf ? texte::Schritt::lauf : offen.schritt;
    e.generationen = offen.generationen;
    if (!e.lauf) e.gedaechtnis = std::move(offen.gedaechtnis);
    e.vorher = std::move(offen.vorher);
    e.nachher = nachher;
    e.zellen.shrink_to_fit();

    // What could be redone is gone, and with it a saved state that lay there.
    while (position_ < basis_ + static_cast<long long>(eintraege_.size())) {
        bytes_ -= eintraege_.back().bytes();
        eintraege_.pop_back();
    }
    if (sauber_ > position_) sauber_ = -1;
    bytes_ += e.bytes();
    eintraege_.push_back(std::move(e));
    ++position_;
    // A step holds at most one change per cell (about 40 kB), so kMaxBytes keeps kMinSchritte.
    while (bytes_ > kMaxBytes && eintraege_.size() > 1) {
        bytes_ -= eintraege_.front().bytes();
        eintraege_.pop_front();
        ++basis_;
    }
    return true;
}

const Eintrag* Chronik::zurueck() {
    if (offen_ || position_ == basis_) return nullptr;
    --position_;
    ++stand_;
    const Eintrag& e = eintraege_[static_cast<std::size_t>(position_ - basis_)];
    for (const ZellAenderung& z : e.zellen) referenz_[z.index] = z.alt;
    return &e;
}

const Eintrag* Chronik::vor() {
    if (offen_ || position_ == basis_ + static_cast<long long>(eintraege_.size())) return nullptr;
    const Eintrag& e = eintraege_[static_cast<std::size_t>(position_ - basis_)];
    ++position_;
    ++stand_;
    for (const ZellAenderung& z : e.zellen) referenz_[z.index] = z.neu;
    return &e;
}

texte::Schrittname Chronik::rueckgaengigName() const {
    if (offen_ && (offen_->art != Art::Lauf || offen_->generationen > 0))
        return {offen_->art == Art::Lauf ? texte::Schritt::lauf : offen_->schritt, offen_->generationen};
    if (position_ == basis_) return {};
    const Eintrag& e = eintraege_[static_cast<std::size_t>(position_ - basis_ - 1)];
    return {e.schritt, e.generationen};
}

texte::Schrittname Chronik::wiederholenName() const {
    if (offen_ || position_ == basis_ + static_cast<long long>(eintraege_.size())) return {};
    const Eintrag& e = eintraege_[static_cast<std::size_t>(position_ - basis_)];
    return {e.schritt, e.generationen};
}

bool Chronik::veraendert() const {
    if (offen_ && offen_->art != Art::Lauf && offen_->art != Art::Rueckblende) return true;
    if (sauber_ < basis_) return true;  // the saved state is no longer known
    const long long von = std::min(sauber_, position_), bis = std::max(sauber_, position_);
    for (long long k = von; k < bis; ++k)
        if (eintraege_[static_cast<std::size_t>(k - basis_)].bearbeitung) return true;
    return false;
}

}  // namespace werkbank
