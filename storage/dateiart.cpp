#include "storage/dateiart.h"

#include "storage/lesehilfe.h"

namespace storage {

bool endetMit(std::string_view name, std::string_view endung, bool ohneFall) {
    if (name.size() < endung.size()) return false;
    const std::string_view ende = name.substr(name.size() - endung.size());
    return ohneFall ? gleichOhneFall(ende, endung) : ende == endung;
}

bool istWeltName(std::string_view name) { return endetMit(name, ".vir", false); }

std::optional<Ausgabeart> ausgabeFuer(std::string_view name) {
    if (istWeltName(name)) return Ausgabeart{Dateiart::welt};
    if (endetMit(name, ".png", true)) return Ausgabeart{Dateiart::bild};
    if (endetMit(name, ".gif", true)) return Ausgabeart{Dateiart::animation};
    if (const std::optional<MusterFormat> format = formatFuerName(name)) return Ausgabeart{Dateiart::muster, *format};
    return std::nullopt;
}

}  // namespace storage
