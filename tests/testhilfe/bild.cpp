#include "testhilfe/bild.h"

namespace testhilfe {

void zeichne(engine::Welt& w, int links, int oben, const std::vector<std::string>& bild) {
    for (int zeile = 0; zeile < static_cast<int>(bild.size()); ++zeile) {
        for (int spalte = 0; spalte < static_cast<int>(bild[zeile].size()); ++spalte) {
            const char c = bild[zeile][spalte];
            int wert = -1;
            if (c == '.') wert = 0;
            if (c == 'O') wert = 1;
            if (c >= '1' && c <= '9') wert = c - '0';
            if (wert >= 0) w.setzeZelle(engine::speicherIndex(links + spalte), engine::speicherIndex(oben + zeile), wert);
        }
    }
}

std::vector<std::string> lies(const engine::Welt& w, int links, int oben, int breite, int hoehe) {
    std::vector<std::string> bild;
    for (int zeile = 0; zeile < hoehe; ++zeile) {
        std::string s;
        for (int spalte = 0; spalte < breite; ++spalte) {
            const int v = w.zelle(engine::speicherIndex(links + spalte), engine::speicherIndex(oben + zeile));
            s += v == 0 ? '.' : static_cast<char>('0' + v);
        }
        bild.push_back(s);
    }
    return bild;
}

int lebende(const engine::Welt& w) {
    int n = 0;
    for (const auto& spalte : w.zellen())
        for (int v : spalte) n += v != 0;
    return n;
}

bool gleich(const engine::Welt& a, const engine::Welt& b) {
    return a.gleicherStand(b);
}

}  // namespace testhilfe
