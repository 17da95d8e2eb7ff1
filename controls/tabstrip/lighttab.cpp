#include "lighttab.h"

#include "fonts.h"
#include "lighttabaccessible.h"
#include "rounding.h"
#include "surface.h"
#include "systemcolors.h"
#include "twips.h"

#include <QAccessible>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>
#include <QStyleOptionFocusRect>
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

constexpr std::uint32_t kApplicationWorkspace = 0x8000000Cu;
constexpr QPoint kStripOrigin{3, 2};

// Sets pixel `p` of the drawing: every device pixel that it covers.
void plot(QImage& image, QPoint p, QRgb rgb) {
    if (image.devicePixelRatio() == 1.0) {
        if (image.rect().contains(p))
            image.setPixel(p, rgb);
        return;
    }
    const QRect covered = surface::devicePixels(image, p.x(), p.y()) & image.rect();
    for (int y = covered.top(); y <= covered.bottom(); ++y) {
        for (int x = covered.left(); x <= covered.right(); ++x)
            image.setPixel(x, y, rgb);
    }
}

// A line as the game's drawing primitives make it: the start point drawn, the end point not.
void drawLine(QImage& surface, QPoint from, QPoint to, QColor color) {
    const QRgb rgb = color.rgb();
    const int dx = std::abs(to.x() - from.x());
    const int dy = -std::abs(to.y() - from.y());
    const int sx = from.x() < to.x() ? 1 : -1;
    const int sy = from.y() < to.y() ? 1 : -1;
    int err = dx + dy;
    QPoint p = from;
    while (p != to) {
        plot(surface, p, rgb);
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            p.rx() += sx;
        }
        if (e2 <= dx) {
            err += dx;
            p.ry() += sy;
        }
    }
}

// Draws a polyline from `points[0]` on, each segment without its end point.
void drawPath(QImage& surface, std::initializer_list<QPoint> points, QColor color) {
    const QPoint* previous = nullptr;
    for (const QPoint& p : points) {
        if (previous)
            drawLine(surface, *previous, p, color);
        previous = &p;
    }
}

std::size_t slot(int index) {
    return static_cast<std::size_t>(index);
}

props::Context persistenceContext(const LightTab& strip) {
    return {twips::perPixelX(), twips::perPixelY(), strip.font(), nullptr};
}

} // namespace

const QString LightTab::kDefaultCaption =
    QStringLiteral("Tab0|Tab1|Tab2|Tab3|Tab4|Tab5|Tab6|Tab7|Tab8|Tab9|");

LightTab::LightTab(QWidget* parent) : QWidget(parent) {
    // Before anything that draws: the first redraw announces the selected tab, which makes the
    // strip's interface, and that is kept for the strip's life.
    installLightTabAccessibility();
    setFont(SansSerifFont(8.25));
    setFocusPolicy(Qt::StrongFocus);
    auto* next = new QShortcut(QKeySequence::NextChild, this);
    auto* previous = new QShortcut(QKeySequence::PreviousChild, this);
    connect(next, &QShortcut::activated, this, [this] { stepTab(1); });
    connect(previous, &QShortcut::activated, this, [this] { stepTab(-1); });
    InitProperties();
}

const props::Table<LightTab>& LightTab::properties() {
    using props::Kind;
    using props::member;
    static const props::Table<LightTab> table{
        member<Kind::String>("Caption", kDefaultCaption, &LightTab::m_caption,
                             &LightTab::setCaptions),
        member<Kind::Int16>("NumberOfTabs", kDefaultNumberOfTabs, &LightTab::m_numberOfTabs,
                            &LightTab::setNumberOfTabs),
        member<Kind::Int16>("ActiveTab", 0, &LightTab::m_activeTab, &LightTab::setActiveTab),
    };
    return table;
}

template <typename Key> void LightTab::notify(const Key& key) {
    emit propertyChanged(properties().nameOf(key));
}

void LightTab::InitProperties() {
    properties().initialise(*this, persistenceContext(*this));
}

void LightTab::ReadProperties(const PropertyBag& bag) {
    properties().restore(*this, bag, persistenceContext(*this));
    // The geometry tables hold ten tabs.
    m_numberOfTabs = std::clamp(m_numberOfTabs, 1, tabstrip::kMaxTabs);
    m_activeTab = std::clamp(m_activeTab, 0, tabstrip::kMaxTabs - 1);
    RedrawTabs();
}

void LightTab::WriteProperties(PropertyBag& bag) const {
    properties().save(*this, bag, persistenceContext(*this));
}

void LightTab::setCaptions(const QString& caption) {
    m_caption = caption;
    RedrawTabs();
    notify(&LightTab::setCaptions);
}

void LightTab::setCaption(int index, const QString& text) {
    m_caption = tabstrip::ReplaceCaptionItem(m_caption, index, text);
    RedrawTabs();
    notify(&LightTab::setCaptions); // one item of the caption string
}

void LightTab::setNumberOfTabs(int count) {
    count = std::clamp(count, 1, tabstrip::kMaxTabs);
    if (count <= m_activeTab)
        m_activeTab = 0;
    m_numberOfTabs = count;
    notify(&LightTab::setNumberOfTabs);
    RedrawTabs();
}

void LightTab::setActiveTab(int index) {
    m_activeTab = std::clamp(index, 0, tabstrip::kMaxTabs - 1);
    notify(&LightTab::setActiveTab);
    SelectTab(m_activeTab, true);
}

QRect LightTab::stripRect() const {
    return QRect(kStripOrigin, QSize(width(), stripHeight()));
}

int LightTab::stripHeight() const {
    // The caption starts 3 pixels down and keeps a pixel above the bottom edge.
    return std::max(kStripHeight, static_cast<int>(std::ceil(QFontMetricsF(font()).height())) + 4);
}

QColor LightTab::edgeColor(int index) const {
    return systemcolors::toQColor(systemcolors::resolve(m_edgeColors[slot(index)], palette()));
}

void LightTab::UserControl_Resize() {
    m_geometry.left[0] = 2;
    m_edgeColors = {0x00FFFFFFu, 0x00E0E0E0u, 0x00000000u, kApplicationWorkspace};
    drawFrame();
    RedrawTabs();
}

QColor LightTab::faceColor() const {
    return systemcolors::toQColor(systemcolors::resolve(systemcolors::kButtonFace, palette()));
}

void LightTab::drawFrame() {
    m_frame = surface::make(size(), devicePixelRatioF(), QImage::Format_RGB32);
    m_frame.fill(faceColor());
    const int w = width();
    const int h = height();
    const int top = stripHeight() + 1; // 18 below the designed strip
    for (int i = 1; i <= 2; ++i) {
        drawPath(m_frame, {QPoint(i, h - i), QPoint(i, i + top), QPoint(w - i, i + top)},
                 edgeColor(i - 1));
        drawPath(m_frame, {QPoint(w - i, i + top), QPoint(w - i, h - i), QPoint(i, h - i)},
                 edgeColor(i + 1));
    }
}

void LightTab::DrawTabOutline(QImage& surface, int c, int left, int right, bool selected) const {
    const int a = m_activeTab == 0 ? 0 : (selected ? 2 : 1);
    const int b = selected ? 1 : 0;
    for (int j = 0; j <= 1; ++j) {
        drawPath(surface,
                 {QPoint(left + j, c - a), QPoint(left + j, 2), QPoint(left + 2, j),
                  QPoint(right - 2, j)},
                 edgeColor(j));
        drawPath(surface,
                 {QPoint(right - 2, j + 1), QPoint(right - 1 - j, 2), QPoint(right - 1 - j, c - b)},
                 edgeColor(j + 2));
    }
}

void LightTab::RedrawTabs() {
    drawStrip();
    SelectTab(m_activeTab, false);
}

void LightTab::drawStrip() {
    m_strip =
        surface::make(QSize(width(), stripHeight()), devicePixelRatioF(), QImage::Format_RGB32);
    m_strip.fill(faceColor());
    const QFontMetricsF metrics(font());
    for (int i = 0; i < m_numberOfTabs; ++i) {
        const QString item = caption(i);
        const std::size_t k = slot(i);
        m_geometry.width[k] = static_cast<int>(RoundHalfEven(metrics.horizontalAdvance(item) + 15));
        if (i > 0)
            m_geometry.left[k] = m_geometry.left[k - 1] + m_geometry.width[k - 1];
        DrawTabOutline(m_strip, stripHeight(), m_geometry.left[k],
                       m_geometry.left[k] + m_geometry.width[k], false);
        QPainter painter(&m_strip);
        painter.setFont(font());
        painter.setPen(Qt::black);
        painter.drawText(QPointF(m_geometry.left[k] + 5, 3 + metrics.ascent()), item);
    }
}

void LightTab::SelectTab(int index, bool raiseEvent) {
    m_highlightVisible = false;
    const std::size_t k = slot(index);
    m_highlightRect = QRect(m_geometry.left[k] - 1, kStripOrigin.y() - 2, m_geometry.width[k] + 6,
                            stripHeight() + 4);
    drawHighlight(index);
    m_highlightVisible = index < m_numberOfTabs;
    update();
    if (m_highlightVisible && QAccessible::isActive()) {
        QAccessibleEvent selection(this, hasFocus() ? QAccessible::Focus : QAccessible::Selection);
        selection.setChild(index);
        QAccessible::updateAccessibility(&selection);
    }
    if (raiseEvent)
        emit AfterTabChange(index);
}

void LightTab::drawHighlight(int index) {
    m_highlight = surface::make(m_highlightRect.size(), devicePixelRatioF(), QImage::Format_RGB32);
    m_highlight.fill(faceColor());
    DrawTabOutline(m_highlight, m_highlightRect.height(), 0, m_highlightRect.width(), true);
    if (!m_caption.isEmpty()) {
        QPainter painter(&m_highlight);
        painter.setFont(font());
        painter.setPen(Qt::black);
        painter.drawText(QPointF(9, 4 + QFontMetricsF(font()).ascent()), caption(index));
    }
}

void LightTab::stepTab(int delta) {
    if (!isEnabled() || m_numberOfTabs < 1)
        return;
    const int next = ((m_activeTab + delta) % m_numberOfTabs + m_numberOfTabs) % m_numberOfTabs;
    if (next == m_activeTab)
        return;
    m_activeTab = next;
    SelectTab(next, true);
}

void LightTab::paintEvent(QPaintEvent*) {
    // Drawn again for another screen's resolution, as they were.
    if (!surface::fits(m_frame, size(), devicePixelRatioF())) {
        drawFrame();
        drawStrip();
        drawHighlight(m_activeTab);
    }
    QPainter painter(this);
    painter.drawImage(0, 0, m_frame);
    painter.drawImage(kStripOrigin, m_strip);
    if (!m_highlightVisible)
        return;
    painter.drawImage(m_highlightRect.topLeft(), m_highlight);
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = m_highlightRect.adjusted(5, 4, -5, -3);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

void LightTab::resizeEvent(QResizeEvent*) {
    UserControl_Resize();
}

void LightTab::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange)
        UserControl_Resize();
    QWidget::changeEvent(event);
}

void LightTab::mousePressEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    if (m_highlightVisible && m_highlightRect.contains(p))
        return; // the raised tab lies over the strip
    if (!stripRect().contains(p))
        return;
    const int hit = tabstrip::HitTab(m_geometry, m_numberOfTabs, p.x() - kStripOrigin.x());
    if (hit < 0 || hit == m_activeTab)
        return;
    m_activeTab = hit;
    SelectTab(hit, true);
}

void LightTab::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
        if (m_activeTab > 0)
            stepTab(-1);
        break;
    case Qt::Key_Right:
    case Qt::Key_Down:
        if (m_activeTab < m_numberOfTabs - 1)
            stepTab(1);
        break;
    case Qt::Key_Home:
        stepTab(-m_activeTab);
        break;
    case Qt::Key_End:
        stepTab(m_numberOfTabs - 1 - m_activeTab);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}
