#include <gtest/gtest.h>

#include "zensus/suppe.h"

namespace {

TEST(Suppe, IsTheCommunityCensussSoupAndRootsLookLikeItsRoots) {
    EXPECT_EQ(zensus::suppenText(zensus::suppe("l_kEwHfF3ArtPb", 0)),
              "obbboooobobobooo$obooboooobooobbb$bbbbobbobbbobbob$obobbbobbobbbbbo$oboobbbobbbbboob$"
              "bobobbbbbobobboo$obobbbobboooboob$bbbbbobbbobbbooo$ooboobboobboboob$oooboobobbboobbo$"
              "oooobbbbbbbooobb$oooobooboobobbbb$oooboobbbobbooob$bbobbobbooooooob$bboobooboooobbbo$"
              "booboooooobbbobb!");
    // The number is part of the hashed text: the next soup differs.
    EXPECT_NE(zensus::suppe("l_kEwHfF3ArtPb", 1), zensus::suppe("l_kEwHfF3ArtPb", 0));

    std::mt19937_64 zufall(7);
    const std::string a = zensus::neueWurzel(zufall), b = zensus::neueWurzel(zufall);
    ASSERT_EQ(a.size(), 14u);
    EXPECT_EQ(a.substr(0, 2), "l_");
    for (char z : a.substr(2)) EXPECT_TRUE(std::isalnum(static_cast<unsigned char>(z))) << a;
    EXPECT_NE(a, b);
}

}  // namespace
