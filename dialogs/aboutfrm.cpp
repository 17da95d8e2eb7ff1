#include "aboutfrm.h"

#include "buttonex.h"
#include "fonts.h"
#include "linkopener.h"
#include "placement.h"
#include "programversion.h"
#include "systemcolors.h"
#include "twips.h"

#include <QEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>
#include <cmath>
#include <numbers>

namespace {

constexpr std::uint32_t kMailHover = 0xFF0000; // blue
constexpr std::uint32_t kWebNormal = 0xC00000; // dark blue
constexpr std::uint32_t kWebHover = 0xC000C0;  // purple
constexpr int kPictureSize = 112;              // pixels at 96 DPI

QColor colourOf(std::uint32_t value, const QPalette& palette) {
    return systemcolors::toQColor(systemcolors::resolve(value, palette));
}

// The game's round clock two thirds of the way round, above a target display; drawn on a
// square of kPictureSize, shown `side` pixels wide at `ratio` device pixels per pixel.
QPixmap clockPicture(int side, qreal ratio) {
    QPixmap pixmap(QSize(side, side) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(double(side) / kPictureSize, double(side) / kPictureSize);

    const QRectF tile(1, 1, kPictureSize - 2, kPictureSize - 2);
    QLinearGradient sky(tile.topLeft(), tile.bottomLeft());
    sky.setColorAt(0, QColor(0xC0, 0xC0, 0xFF));
    sky.setColorAt(1, QColor(0xFF, 0xE0, 0xC0));
    p.setPen(QPen(QColor(0x80, 0x60, 0x40), 1.5));
    p.setBrush(sky);
    p.drawRoundedRect(tile, 14, 14);

    const QPointF centre(kPictureSize / 2.0, 46);
    const double radius = 34;
    const QRectF dial(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    p.setPen(QPen(QColor(0x40, 0x40, 0x40), 2.5));
    p.setBrush(Qt::white);
    p.drawEllipse(dial);
    // Forty of sixty seconds gone, clockwise from twelve.
    const double sweep = 360.0 * 40 / 60;
    QPainterPath gone(centre);
    gone.arcTo(dial.adjusted(3, 3, -3, -3), 90, -sweep);
    gone.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xFF, 0x80, 0x00, 210));
    p.drawPath(gone);
    p.setPen(QPen(QColor(0x40, 0x40, 0x40), 1.5));
    for (int tick = 0; tick < 12; ++tick) {
        const double a = tick * std::numbers::pi / 6;
        const QPointF dir(std::sin(a), -std::cos(a));
        p.drawLine(centre + dir * (radius - 7), centre + dir * (radius - 2));
    }
    const double needle = sweep * std::numbers::pi / 180;
    p.setPen(QPen(QColor(0x20, 0x20, 0x60), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre, centre + QPointF(std::sin(needle), -std::cos(needle)) * (radius - 9));
    p.setBrush(QColor(0x20, 0x20, 0x60));
    p.setPen(Qt::NoPen);
    p.drawEllipse(centre, 3.5, 3.5);

    const QRectF display(24, 86, kPictureSize - 48, 20);
    p.setBrush(Qt::black);
    p.drawRoundedRect(display, 4, 4);
    QFont digits = ArialFont(11, true);
    digits.setPixelSize(16);
    p.setFont(digits);
    p.setPen(QColor(0x00, 0xFF, 0x00));
    p.drawText(display, Qt::AlignCenter, QStringLiteral("952"));
    return pixmap;
}

QLabel* makeLabel(const QString& text, const char* name, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText); // a configured address is shown as it is
    return label;
}

// "The Figurello Tallyrun: " and the program's major.minor version.
QString mailSubject() {
    return QStringLiteral("The Figurello Tallyrun: %1.%2")
        .arg(tallyrun::kVersionMajor)
        .arg(tallyrun::kVersionMinor);
}

} // namespace

AboutFrm::AboutFrm(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("About"));
    setModal(true);
    setFont(SansSerifFont(9));

    auto* Label1 = makeLabel(tr("The Figurello Tallyrun"), "Label1", this);
    Label1->setFont(SansSerifFont(16, true));
    auto* Label2 = makeLabel(tr("Version 4.1.0"), "Label2", this);
    auto* Label3 = makeLabel(
        tr("A numbers game for one player: six numbers, one target and a minute on the clock."),
        "Label3", this);
    Label3->setWordWrap(true);

    m_label4 = makeLabel(tr("Click here to e-mail the author"), "Label4", this);
    QFont linkFont = SansSerifFont(8.25, true);
    linkFont.setUnderline(true);
    m_label4->setFont(linkFont);
    auto* Label5 = makeLabel(tr("Visit the web site:"), "Label5", this);
    m_label6 = makeLabel(QString::fromUtf8(tallyrun::kWebUrl), "Label6", this);
    for (QLabel* link : {m_label4, m_label6}) {
        link->setCursor(Qt::PointingHandCursor);
        link->setFocusPolicy(Qt::TabFocus);
        link->installEventFilter(this);
    }
    restoreLinkColours();

    auto* Image1 = makeLabel(QString(), "Image1", this);
    Image1->setPixmap(clockPicture(twips::toPixelsX(kPictureSize * 15), devicePixelRatioF()));
    Image1->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    auto* ButtonEx1 = new ButtonEx(this);
    ButtonEx1->setObjectName(QStringLiteral("ButtonEx1"));
    ButtonEx1->setCaption(tr("OK"));
    ButtonEx1->setHighlightColor(0xFF0000);
    ButtonEx1->setDefault(true);
    connect(ButtonEx1, &ButtonEx::clicked, this, &QDialog::accept);

    auto* text = new QVBoxLayout;
    text->setSpacing(4);
    text->addWidget(Label1);
    text->addWidget(Label2);
    text->addSpacing(6);
    text->addWidget(Label3);
    text->addSpacing(12);
    // The links are as wide as their text, so that only the text reacts.
    text->addWidget(m_label4, 0, Qt::AlignLeft);
    text->addSpacing(8);
    text->addWidget(Label5);
    text->addWidget(m_label6, 0, Qt::AlignLeft);
    text->addStretch(1);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(16, 16, 16, 12);
    grid->setHorizontalSpacing(18);
    grid->setVerticalSpacing(10);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    grid->addWidget(Image1, 0, 0);
    grid->addLayout(text, 0, 1);
    grid->addWidget(ButtonEx1, 1, 1, Qt::AlignRight);
    // 260 and 300 pixels at 96 DPI: the text column holds the same words at any logical DPI.
    grid->setColumnMinimumWidth(1, twips::toPixelsX(3900));
    Label3->setMaximumWidth(twips::toPixelsX(4500));

    ButtonEx1->setFocus();
    adjustSize();
    CentreForm(this);
}

void AboutFrm::Label4_Click() {
    OpenMailLink(QString::fromUtf8(tallyrun::kContactEmail), mailSubject(), QString());
}

void AboutFrm::Label6_Click() {
    OpenUrl(QString::fromUtf8(tallyrun::kWebUrl));
}

void AboutFrm::setLinkColour(QLabel* link, std::uint32_t colour) {
    QPalette palette = link->palette();
    const QColor wanted = colourOf(colour, palette);
    if (palette.color(QPalette::WindowText) == wanted)
        return;
    palette.setColor(QPalette::WindowText, wanted);
    link->setPalette(palette);
}

void AboutFrm::restoreLinkColours() {
    setLinkColour(m_label4, systemcolors::kButtonText);
    setLinkColour(m_label6, kWebNormal);
}

bool AboutFrm::eventFilter(QObject* watched, QEvent* event) {
    auto* link = qobject_cast<QLabel*>(watched);
    if (link != m_label4 && link != m_label6)
        return QDialog::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::Enter:
    case QEvent::FocusIn:
        setLinkColour(link, link == m_label4 ? kMailHover : kWebHover);
        break;
    case QEvent::Leave:
    case QEvent::FocusOut:
        restoreLinkColours();
        break;
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton &&
            link->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint())) {
            link == m_label4 ? Label4_Click() : Label6_Click();
            return true;
        }
        break;
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress: {
        // Enter on a focused link opens it rather than pressing the default button.
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (event->type() == QEvent::KeyPress)
                link == m_label4 ? Label4_Click() : Label6_Click();
            event->accept();
            return true;
        }
        break;
    }
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}
