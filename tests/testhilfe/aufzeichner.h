#pragma once

#include <string>
#include <vector>

#include "view/zeichenflaeche.h"

namespace testhilfe {

/// A drawing surface that records every operation as a line of text.
class Aufzeichner : public view::Zeichenflaeche {
public:
    std::vector<std::string> ops;
    view::Farbe hg = view::kFensterHintergrund;

    void leeren() override { ops.push_back("leeren"); }
    void setzeKoordinaten(double x1, double y1, double x2, double y2) override {
        ops.push_back("koord " + z(x1) + " " + z(y1) + " " + z(x2) + " " + z(y2));
    }
    void setzeStift(view::Farbe f) override { ops.push_back("stift " + std::to_string(f)); }
    void linie(double x1, double y1, double x2, double y2) override {
        ops.push_back("linie " + z(x1) + " " + z(y1) + " " + z(x2) + " " + z(y2));
    }
    void rechteck(double x1, double y1, double x2, double y2) override {
        ops.push_back("rechteck " + z(x1) + " " + z(y1) + " " + z(x2) + " " + z(y2));
    }
    void rahmen(double x1, double y1, double x2, double y2) override {
        ops.push_back("rahmen " + z(x1) + " " + z(y1) + " " + z(x2) + " " + z(y2));
    }
    view::Farbe hintergrund() const override { return hg; }
    void setzeHintergrund(view::Farbe f) override { hg = f; }

    /// The recorded operations that start with the given word.
    std::vector<std::string> nur(const std::string& wort) const {
        std::vector<std::string> r;
        for (const auto& o : ops)
            if (o.rfind(wort + " ", 0) == 0) r.push_back(o);
        return r;
    }

private:
    static std::string z(double v) {
        std::string s = std::to_string(v);
        s.erase(s.find_last_not_of('0') + 1);
        if (s.back() == '.') s.pop_back();
        return s;
    }
};

}  // namespace testhilfe
