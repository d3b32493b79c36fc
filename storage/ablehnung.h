#pragma once

#include <cstdint>
#include <string>

namespace storage {

/// Why a reader refused a text, or could not set what a text names, as data; the text module
/// makes the sentence. Names are kept as the text gives them, unquoted and uncut.
struct Ablehnung {
    enum class Art : std::uint8_t {
        keine,
        // The text as a whole.
        zuLang,             ///< zahl1: its size in MB
        binaer,             ///< control characters as in a binary file
        keinMuster,         ///< nothing but blanks
        keinFormat,         ///< no known pattern format
        keineZellen,        ///< only comments or headers
        nichtEntpackbar,    ///< the unpacker could not start
        entpacktZuGross,    ///< zahl1: the limit in MB
        gzipUnvollstaendig,
        gzipBeschaedigt,
        // A line of the text; `zeile` names it.
        kopfzeile,          ///< an RLE header not of the form "x = m, y = n, rule = ..."
        groesseUnsinnig,    ///< the header's size is absurdly large
        koordinateUnsinnig,
        wiederholungNull,
        wiederholungZuGross,  ///< zahl1: the run count; -1 for one of more than 15 digits
        weitererZustand,    ///< zahl1: the byte of a state beyond two
        unerwartet,         ///< zahl1: the unexpected byte
        keinPaar,           ///< no coordinate pair "x y"
        mehrerePaare,
        keinKnoten,         ///< a macrocell line that is neither leaf nor node
        knotenZustaende,    ///< a macrocell node of several states
        knotenStufe,        ///< zahl1: the highest level read
        knotenVerweis,      ///< a child that does not stand before with the level below
        // The file's kind.
        spiel,              ///< an MCell file for the game `name`
        keinM2,             ///< a macrocell text whose first line is not "[M2]"
        vieleKnoten,        ///< zahl1: the most nodes read
        // Size: zahl1 × zahl2 cells of the pattern, zahl3 the side of the field it does not fit.
        zuGross,            ///< larger than the largest field
        passtNicht,         ///< larger than the field at hand
        // Rules and grids; `zeile` 0 where the text is typed.
        regelUnbekannt,     ///< the rule `name` is in no known notation
        randUnbekannt,      ///< the grid `name` (with its ':') is in no known notation
        keineRegel,         ///< an empty rule text
        keineRegelform,     ///< `name` starts like no rule
        regelErwartet,      ///< the rule `name` stops after `gelesen`; `klausel` what should follow
        regelNichtHier,     ///< the rule `name` cannot be set: `klausel`, zahl1 its states (-1: countless)
        randNichtHier,      ///< the grid `name` cannot be set: `klausel`, zahl1 × zahl2 a rectangle
        brettMitUmbruch,    ///< the wrapping MCell board `name` cannot be set: as randNichtHier
        brettOhneUmbruch,
        // Writing a GIF: clauses for "cannot be saved: ...".
        gifUngeeignet,      ///< a size or number of colours GIF has not
        gifGescheitert,     ///< the step `klausel` failed; `name` the library's own reason, maybe empty
    };
    /// The part of the sentence that varies within a kind.
    enum class Klausel : std::uint8_t {
        keine,
        // Why a rule cannot be set here.
        nachLage, zustaende, sechseck, andereNachbarschaft, nichtNurAnzahl,
        // Why a grid or board cannot be set here.
        kleinscheFlasche, kreuzhaube, kugel, verschoben, unbegrenzt, rechteck, groesser, ungerade, keineAngabe,
        // What should follow where a rule text stops.
        s, b, zahlStrichS, zahlStrichB, zahlDerZustaende, zahlOderEnde, zahlOderStrich, tabelle,
        // The step of writing a GIF that failed.
        anlegen, beginnen, schreiben, abschliessen,
    };
    Art art = Art::keine;
    Klausel klausel = Klausel::keine;
    /// The line to blame, from 1; 0 for none.
    int zeile = 0;
    long long zahl1 = 0, zahl2 = 0, zahl3 = 0;
    std::string name{};
    std::string gelesen{};

    /// True when there is a reason.
    explicit operator bool() const { return art != Art::keine; }
    bool operator==(const Ablehnung&) const = default;
};

}  // namespace storage
