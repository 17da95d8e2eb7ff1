#include "buttonex.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

// A shown button of 80 x 30 pixels in its own window.
struct Shown {
    QWidget window;
    ButtonEx* button = new ButtonEx(&window);
    Shown() {
        window.resize(200, 100);
        button->setGeometry(20, 20, 80, 30);
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
};

TEST(ButtonInput, EnterAndExitAreRaisedOncePerCrossing) {
    Shown s;
    ButtonEx& b = *s.button;
    QSignalSpy enter(&b, &ButtonEx::mouseEnter);
    QSignalSpy exit(&b, &ButtonEx::mouseExit);
    QTest::mouseMove(&b, QPoint(10, 10));
    EXPECT_EQ(b.currentState(), ButtonEx::Up) << "the first move only starts watching";
    QTest::mouseMove(&b, QPoint(12, 10));
    QTest::mouseMove(&b, QPoint(14, 10));
    EXPECT_EQ(b.currentState(), ButtonEx::Over);
    EXPECT_EQ(enter.count(), 1);
    QTest::mouseMove(&s.window, QPoint(150, 80));
    EXPECT_EQ(exit.count(), 1);
    EXPECT_EQ(b.currentState(), ButtonEx::Up);
    QTest::mouseMove(&b, QPoint(10, 10));
    QTest::mouseMove(&b, QPoint(11, 10));
    EXPECT_EQ(enter.count(), 2);
    EXPECT_EQ(exit.count(), 1);
}

TEST(ButtonInput, PressDraggedOutIsDrawnUpAndStillRaisesMouseUp) {
    Shown s;
    ButtonEx& b = *s.button;
    QSignalSpy exit(&b, &ButtonEx::mouseExit);
    QSignalSpy up(&b, &ButtonEx::mouseUp);
    QSignalSpy clicked(&b, &ButtonEx::clicked);
    QTest::mouseMove(&b, QPoint(10, 10));
    QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(b.currentState(), ButtonEx::Down);
    QTest::mouseMove(&b, QPoint(150, 10));
    EXPECT_EQ(exit.count(), 1);
    EXPECT_EQ(b.currentState(), ButtonEx::Up);
    QTest::mouseMove(&b, QPoint(160, 10));
    EXPECT_EQ(b.currentState(), ButtonEx::Up) << "no press look while outside";
    QTest::mouseRelease(&b, Qt::LeftButton, {}, QPoint(160, 10));
    EXPECT_EQ(up.count(), 1);
    EXPECT_EQ(up.at(0).at(2).toFloat(), 160 * 15.0f) << "x in twips";
    EXPECT_EQ(clicked.count(), 0);
    EXPECT_EQ(b.currentState(), ButtonEx::Up);
}

TEST(ButtonInput, TwoStateButtonLatchesDown) {
    Shown s;
    ButtonEx& b = *s.button;
    b.setStyle(ButtonEx::Style::TwoState);
    QTest::mouseClick(&b, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(b.value(), 0);
    EXPECT_EQ(b.currentState(), ButtonEx::Down);
    QTest::mouseClick(&b, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(b.value(), 1);
    EXPECT_EQ(b.currentState(), ButtonEx::Up);
}

TEST(ButtonInput, KeyboardClicks) {
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* edit = new QLineEdit;
    layout->addWidget(edit);
    const auto button = [layout](const char* caption) {
        auto* b = new ButtonEx;
        b->setCaption(caption);
        layout->addWidget(b);
        return b;
    };
    ButtonEx* ok = button("OK");
    ButtonEx* cancel = button("Cancel");
    ButtonEx* other = button("&Reset");
    ok->setDefault(true);
    cancel->setCancel(true);
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QSignalSpy okClicks(ok, &ButtonEx::clicked);
    QSignalSpy cancelClicks(cancel, &ButtonEx::clicked);
    QSignalSpy otherClicks(other, &ButtonEx::clicked);

    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Return);
    QTest::keyClick(edit, Qt::Key_Escape);
    QTest::keyClick(edit, Qt::Key_R, Qt::AltModifier);
    EXPECT_EQ(okClicks.count(), 1);
    EXPECT_EQ(cancelClicks.count(), 1);
    EXPECT_EQ(otherClicks.count(), 1);

    other->setFocus();
    QTest::keyClick(other, Qt::Key_Space);
    QTest::keyClick(other, Qt::Key_Return);
    EXPECT_EQ(otherClicks.count(), 3);
    EXPECT_EQ(okClicks.count(), 1) << "Enter on a focused button is that button's";

    other->setEnabled(false);
    QTest::keyClick(edit, Qt::Key_R, Qt::AltModifier);
    EXPECT_EQ(otherClicks.count(), 3);
}

TEST(ButtonAccessibility, NamedPushButton) {
    ButtonEx b;
    b.setCaption("&Reset");
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(&b);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->role(), QAccessible::Button);
    EXPECT_EQ(a->text(QAccessible::Name), "Reset");
}

// Drawing, read on the surface's pixels.
class ButtonDrawing : public testing::Test {
protected:
    Shown s;
    ButtonEx& b = *s.button;
    QRgb back = qRgb(0xFF, 0x80, 0x00);

    void SetUp() override {
        b.setBackColor(0x000080FF);
        b.setCaption("");
        b.setAllowDefault(false); // no black frame while focused
    }
    void TearDown() override { QTest::mouseRelease(&b, Qt::LeftButton, {}, QPoint(10, 10)); }
    // What the button shows: grab() paints it, drawing it again when it is out of date.
    QImage shown() { return b.grab().toImage(); }
    QRgb corner() { return shown().pixel(0, 0); }
    QRgb role(QPalette::ColorRole r) const { return b.palette().color(r).rgb(); }
    void hover() {
        QTest::mouseMove(&s.window, QPoint(190, 90));
        QTest::mouseMove(&b, QPoint(10, 10));
        QTest::mouseMove(&b, QPoint(11, 10));
    }
};

TEST_F(ButtonDrawing, FlatButtonShowsItsEdgeOnlyWhenTouched) {
    b.setAppearance(ButtonEx::Appearance::Flat);
    for (auto borderStyle :
         {ButtonEx::BorderStyle::RaisedSunken, ButtonEx::BorderStyle::HoverOnly}) {
        SCOPED_TRACE(int(borderStyle));
        b.setBorderStyle(borderStyle);
        EXPECT_EQ(corner(), back) << "no border at rest";
        hover();
        EXPECT_EQ(corner(), role(QPalette::Midlight)) << "raised when hovered";
        EXPECT_EQ(shown().pixel(79, 29), role(QPalette::Shadow));
        QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(10, 10));
        // Sunken when pressed; without a border style only the hover edge shows.
        EXPECT_EQ(corner(),
                  borderStyle == ButtonEx::BorderStyle::RaisedSunken ? role(QPalette::Dark) : back);
        QTest::mouseRelease(&b, Qt::LeftButton, {}, QPoint(10, 10));
        QTest::mouseMove(&s.window, QPoint(190, 90));
    }
}

TEST_F(ButtonDrawing, PictureLeavesOutItsTransparentColourAndGoesSolidWhenHovered) {
    QImage picture(8, 8, QImage::Format_RGB32);
    picture.fill(QColor(200, 0, 0));
    picture.setPixelColor(0, 0, QColor(0, 0, 255)); // TransparentColor, pure blue
    b.setPicture(picture);
    b.setHighlightPicture(true);
    b.setHighlightColor(0x0000FF00);
    const int top = 30 / 2 - 8 / 2; // centred; 6 from the left
    EXPECT_EQ(shown().pixel(6, top), back) << "the blue pixel is left out";
    EXPECT_EQ(shown().pixel(7, top + 1), qRgb(200, 0, 0));
    hover();
    EXPECT_EQ(shown().pixel(7, top + 1), qRgb(0, 255, 0)) << "a silhouette in green";
    EXPECT_EQ(shown().pixel(6, top), back) << "the background stays out";
}

TEST_F(ButtonDrawing, SkinGivesSizeAndShape) {
    QImage skin(40, 20, QImage::Format_RGB32);
    skin.fill(QColor(0, 160, 0));
    skin.setPixelColor(0, 0, QColor(0, 0, 255)); // the transparent colour
    b.setSkin(ButtonEx::SkinUp, skin);
    b.setAppearance(ButtonEx::Appearance::Skinned);
    EXPECT_EQ(b.size(), QSize(40, 20));
    EXPECT_FALSE(b.mask().contains(QPoint(0, 0)));
    EXPECT_TRUE(b.mask().contains(QPoint(1, 0)));
    EXPECT_EQ(shown().pixelColor(20, 10), QColor(0, 160, 0));

    QImage focusSkin = skin;
    focusSkin.fill(QColor(200, 200, 0));
    b.setSkin(ButtonEx::SkinFocus, focusSkin);
    QApplication::setActiveWindow(&s.window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&s.window));
    b.clearFocus();
    EXPECT_EQ(shown().pixelColor(20, 10), QColor(0, 160, 0)) << "up without focus";
    b.setFocus();
    EXPECT_EQ(shown().pixelColor(20, 10), QColor(200, 200, 0)) << "up with focus";
}

TEST_F(ButtonDrawing, EnabledSetOnAPressedButtonDrawsItUp) {
    QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(corner(), role(QPalette::Dark));
    b.setEnabled(true); // already enabled
    EXPECT_EQ(corner(), role(QPalette::Midlight));
}

} // namespace
