#include <gtest/gtest.h>

#include "testhilfe/aufzeichner.h"
#include "view/farbwahl.h"

using view::FarbZiel;
using view::rgb;

TEST(Farbwahl, EachFieldChangesOnlyWhatItStandsFor) {
    const view::Farbe gruen = rgb(0, 255, 0);
    const struct {
        FarbZiel ziel;
        int zustand;  // entry of zellFarbe that changes, -1 none
        bool schirm;
    } faelle[] = {{FarbZiel::ZelleNeu, 2, false},
                  {FarbZiel::ZelleAlt1, 1, false},
                  {FarbZiel::ZelleAlt2, 3, false},
                  {FarbZiel::Schirm, -1, true},
                  {FarbZiel::Raster, -1, false}};
    for (const auto& fall : faelle) {
        view::Anzeige anzeige;
        testhilfe::Aufzeichner flaeche;
        const view::Anzeige vorher = anzeige;
        view::uebernimmFarbe(anzeige, flaeche, fall.ziel, gruen);
        for (int k = 0; k < 4; ++k)
            EXPECT_EQ(anzeige.zellFarbe[k], k == fall.zustand ? gruen : vorher.zellFarbe[k]) << k;
        EXPECT_EQ(flaeche.hintergrund(), fall.schirm ? gruen : view::kFensterHintergrund);
        EXPECT_EQ(anzeige.rasterFarbe, vorher.rasterFarbe);
        EXPECT_EQ(anzeige.rasterAus, 0);
        EXPECT_TRUE(flaeche.ops.empty());
    }
}
