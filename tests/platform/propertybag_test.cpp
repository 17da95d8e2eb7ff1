#include "propertybag.h"

#include <QFile>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(PropertyBag, ValueEqualToItsDefaultIsNotStored) {
    PropertyBag bag;
    bag.writeInt32("Max", 100, 100);
    bag.writeBool("Fade", false, false);
    bag.writeColor("BackColor", 0x8000000F, 0x8000000F);
    bag.writeFloat("TickFrequency", 10.0f, 10.0f);
    bag.writePicture("Picture", QImage());
    EXPECT_TRUE(bag.isEmpty());
    EXPECT_EQ(bag.readInt32("Max", 100), 100);

    bag.writeInt32("Value", 7, 50);
    ASSERT_TRUE(bag.contains("Value"));
    bag.writeInt32("Value", 50, 50);
    EXPECT_FALSE(bag.contains("Value")) << "writing the default drops an earlier value";
}

TEST(PropertyBag, UnusableStoredValuesReadAsTheDefault) {
    const PropertyBag bag =
        PropertyBag::fromJson(QJsonDocument::fromJson(R"({"Text": "12", "Huge": 1e12, "Flag": "yes",
                                   "Font": {"families": [], "size": 12}, "Picture": "png:!!"})")
                                  .object());
    EXPECT_EQ(bag.readInt32("Text", 5), 5);
    EXPECT_EQ(bag.readInt32("Huge", 5), 5);
    EXPECT_EQ(bag.readFloat("Huge", 1.0f), 1e12f);
    EXPECT_FALSE(bag.readBool("Flag", false));
    EXPECT_EQ(bag.readInt16("Huge", 1), 32767);
    EXPECT_EQ(bag.readFont("Font", QFont("Serif", 9)).pointSize(), 9);
    EXPECT_TRUE(bag.readPicture("Picture").isNull());
}

// Pictures and the reading of booleans are walked for every control's table
// (propertytablecheck.h).
TEST(PropertyBag, EveryKindOfValueSurvivesAFile) {
    PropertyBag bag;
    bag.writeBool("Tricolor", false, true);
    bag.writeBool("Inset", true, false);
    bag.writeInt16("BorderWidth", -3, 1);
    bag.writeInt32("Min", -2000000000, 0);
    bag.writeFloat("TickFrequency", 0.1f, 10.0f);
    bag.writeDouble("XCenter", 2130.0, 750.0);
    bag.writeColor("NeedleColor", 0x80000012, 0);
    bag.writeColor("TextColor", 0x0080C0FF, 0);
    QFont font;
    font.setFamilies({"Arial", "Liberation Sans"});
    font.setPointSize(72);
    font.setBold(true);
    bag.writeFont("Font", font, QFont());

    QTemporaryDir dir;
    const QString path = dir.filePath("design.json");
    ASSERT_TRUE(bag.saveToFile(path));
    PropertyBag loaded;
    ASSERT_TRUE(loaded.loadFromFile(path));

    EXPECT_EQ(loaded, bag);
    EXPECT_EQ(loaded.toJson().value("Inset").toInt(), -1) << "true is stored as -1";
    EXPECT_EQ(loaded.toJson().value("Tricolor").toInt(), 0);
    EXPECT_EQ(loaded.readFloat("TickFrequency", 10.0f), 0.1f);
    EXPECT_EQ(loaded.readColor("NeedleColor", 0), 0x80000012u);
    const QFont back = loaded.readFont("Font", QFont());
    EXPECT_EQ(back.families(), font.families());
    EXPECT_EQ(back.pointSize(), 72);
    EXPECT_TRUE(back.bold());
}

TEST(PropertyBag, FailedLoadKeepsTheBag) {
    QTemporaryDir dir;
    const QString path = dir.filePath("broken.json");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("{ not json");
    file.close();

    PropertyBag bag;
    bag.writeInt32("Max", 60, 100);
    const PropertyBag before = bag;
    EXPECT_FALSE(bag.loadFromFile(path));
    EXPECT_FALSE(bag.loadFromFile(dir.filePath("missing.json")));
    EXPECT_EQ(bag, before);
}

} // namespace
