#include "buttonex.h"
#include "propertytablecheck.h"

#include <gtest/gtest.h>

namespace {

TEST(PropertyTable, EveryButtonPropertySetsNotifiesAndPersists) {
    expectEveryPropertySetsNotifiesAndPersists<ButtonEx>(
        [] { return std::make_unique<ButtonEx>(); });
}

TEST(PropertyTable, AnAllDefaultButtonStoresNothing) {
    ButtonEx placed;
    placed.setCaption("Changed");
    placed.InitProperties(); // a new instance's empty pictures are not stored either
    PropertyBag fromNew;
    placed.WriteProperties(fromNew);
    EXPECT_EQ(fromNew.names(), QStringList());

    ButtonEx restored;
    restored.setCaption("Changed");
    restored.ReadProperties(PropertyBag());
    EXPECT_EQ(restored.caption(), "ButtonEx1");
    PropertyBag fromEmpty;
    restored.WriteProperties(fromEmpty);
    EXPECT_EQ(fromEmpty.names(), QStringList());
}

} // namespace
