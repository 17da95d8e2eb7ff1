#include "aboutfrm.h"
#include "linkopener.h"
#include "messageboxlog.h"
#include "programversion.h"

#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(AboutFrm, LinksReachTheLinkServiceSilentlyAndOkCloses) {
    QStringList opened;
    ScopedUrlOpener opener([&opened](const QString& url) {
        opened << url;
        return false; // no mail program, no browser
    });
    MessageBoxLog boxes;

    AboutFrm about;
    about.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
    const auto label = [&about](const char* name) {
        return about.findChild<QLabel*>(QString::fromLatin1(name));
    };
    EXPECT_EQ(label("Label2")->text(), QStringLiteral("Version 4.1.0"));
    EXPECT_FALSE(label("Image1")->pixmap().isNull());

    // Only the text is a link: a click just beside it opens nothing.
    for (const QLabel* link : {label("Label4"), label("Label6")})
        QTest::mouseClick(&about, Qt::LeftButton, {},
                          link->pos() +
                              QPoint(link->fontMetrics().horizontalAdvance(link->text()) + 20, 4));
    EXPECT_TRUE(opened.isEmpty());
    QTest::mouseClick(label("Label4"), Qt::LeftButton);
    QTest::mouseClick(label("Label6"), Qt::LeftButton);
    const QString address = QString::fromUtf8(tallyrun::kContactEmail);
    const QString version =
        QStringLiteral("%1.%2").arg(tallyrun::kVersionMajor).arg(tallyrun::kVersionMinor);
    EXPECT_EQ(opened, (QStringList{"mailto:" + address +
                                       "?subject=The Figurello Tallyrun: " + version + "%20&body=",
                                   QString::fromUtf8(tallyrun::kWebUrl)}));
    EXPECT_TRUE(boxes.calls.empty());
    EXPECT_TRUE(about.isVisible());

    // Hover colours, and both links back to normal on the background.
    const auto colour = [&label](const char* name) {
        return label(name)->palette().color(QPalette::WindowText);
    };
    const QColor mailNormal = colour("Label4");
    EXPECT_EQ(mailNormal, about.palette().color(QPalette::ButtonText));
    EXPECT_EQ(colour("Label6"), QColor(0, 0, 0xC0));
    QTest::mouseMove(label("Label4"));
    EXPECT_EQ(colour("Label4"), QColor(0, 0, 0xFF));
    QTest::mouseMove(label("Label6"));
    EXPECT_EQ(colour("Label6"), QColor(0xC0, 0, 0xC0));
    QTest::mouseMove(&about, QPoint(2, 2));
    EXPECT_EQ(colour("Label4"), mailNormal);
    EXPECT_EQ(colour("Label6"), QColor(0, 0, 0xC0));

    // Enter on a focused link opens it; elsewhere it presses OK.
    label("Label6")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(label("Label6"), Qt::Key_Return);
    EXPECT_EQ(opened.size(), 3);
    EXPECT_TRUE(about.isVisible());
    QTest::mouseClick(about.findChild<QWidget*>(QStringLiteral("ButtonEx1")), Qt::LeftButton);
    EXPECT_FALSE(about.isVisible());
}

} // namespace
