#include "bkcprog.h"

#include "bkcprogaccessible.h"
#include "propertytable.h"
#include "surface.h"
#include "systemcolors.h"
#include "twips.h"

#include <QAccessible>
#include <QApplication>
#include <QBitmap>
#include <QPainter>
#include <QPainterPath>
#include <QRegion>
#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <numbers>

namespace {

using ColorValue = bkCProg::ColorValue;

int clampToInt16(int v) {
    return std::clamp(v, -32768, 32767);
}

QColor qcolor(ColorValue plain) {
    return systemcolors::toQColor(plain);
}

QPen spokePen(ColorValue plain, int width) {
    return QPen(qcolor(plain), std::max(width, 0), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// Corners of a spoke: a line of `width` pixels from c to p with square ends.
std::array<QPointF, 4> spokeCorners(QPointF c, QPointF end, int width) {
    const double half = std::max(width, 1) / 2.0;
    const QPointF v = end - c;
    const double length = std::hypot(v.x(), v.y());
    const QPointF d = length > 0.0 ? v / length : QPointF(0.0, -1.0);
    const QPointF along = d * half;
    const QPointF across(-along.y(), along.x());
    return {c - along + across, end + along + across, end + along - across, c - along - across};
}

// ceil() and floor() of a value within the int range, without a call into the maths library.
int ceilToInt(double v) {
    const int i = int(v);
    return i < v ? i + 1 : i;
}
int floorToInt(double v) {
    const int i = int(v);
    return i > v ? i - 1 : i;
}

// Sets every device pixel whose centre lies inside the convex polygon `q`, given in the
// drawing's pixels, whose centres are whole coordinates. Far cheaper per call than a QPainter
// fill, which matters with over 700 spokes in one drawing.
void fillConvexAliased(QImage& image, std::array<QPointF, 4> q, QRgb color) {
    const qreal ratio = image.devicePixelRatio();
    if (ratio != 1.0) {
        // Device pixel (x, y) has its centre at (x, y) from here on.
        for (QPointF& corner : q)
            corner = (corner + QPointF(0.5, 0.5)) * ratio - QPointF(0.5, 0.5);
    }
    struct Edge {
        double top, bottom, x0, slope; // x = x0 + y * slope for top <= y <= bottom
    };
    std::array<Edge, 4> edges{};
    std::size_t count = 0;
    double top = q[0].y(), bottom = q[0].y();
    for (std::size_t i = 0; i < q.size(); ++i) {
        const QPointF& a = q[i];
        const QPointF& b = q[(i + 1) % q.size()];
        if (!std::isfinite(a.x()) || !std::isfinite(a.y()))
            return;
        top = std::min(top, a.y());
        bottom = std::max(bottom, a.y());
        if (a.y() == b.y())
            continue;
        const double slope = (b.x() - a.x()) / (b.y() - a.y());
        edges[count++] = {std::min(a.y(), b.y()), std::max(a.y(), b.y()), a.x() - a.y() * slope,
                          slope};
    }
    const double lastRow = image.height() - 1;
    const int y0 = ceilToInt(std::clamp(top, 0.0, lastRow + 1));
    const int y1 = floorToInt(std::clamp(bottom, -1.0, lastRow));
    uchar* const bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    const double lastColumn = image.width() - 1;
    for (int y = y0; y <= y1; ++y) {
        double left = std::numeric_limits<double>::infinity();
        double right = -left;
        for (std::size_t i = 0; i < count; ++i) {
            const Edge& e = edges[i];
            if (y < e.top || y > e.bottom)
                continue;
            const double x = e.x0 + y * e.slope;
            left = std::min(left, x);
            right = std::max(right, x);
        }
        if (!(left <= right))
            continue;
        const int x0 = ceilToInt(std::clamp(left, 0.0, lastColumn + 1));
        const int x1 = floorToInt(std::clamp(right, -1.0, lastColumn));
        QRgb* line = reinterpret_cast<QRgb*>(bits + y * stride);
        for (int x = x0; x <= x1; ++x)
            line[x] = color;
    }
}

// Draws one fan of spokes from angle `from` to `to` (either direction), each in `colorAt(a)`.
// The two outer spokes are antialiased; every other edge lies under a neighbour.
template <typename ColorAt>
void drawFan(QPainter& p, QImage& image, const bkCProg& g, int r, std::int64_t from,
             std::int64_t to, int width, ColorAt colorAt) {
    const QPointF c(g.xCenter(), g.yCenter());
    const std::int64_t step = to >= from ? 1 : -1;
    p.save();
    p.setPen(Qt::NoPen);
    p.setRenderHint(QPainter::Antialiasing);
    for (std::int64_t a = from;; a += step) {
        const auto corners = spokeCorners(c, g.PointAtAngle(r, a), width);
        const QColor color = colorAt(a);
        if (a == from || a == to) {
            p.setBrush(color);
            p.drawConvexPolygon(corners.data(), int(corners.size()));
        } else {
            fillConvexAliased(image, corners, color.rgba());
        }
        if (a == to)
            break;
    }
    p.restore();
}

// Screen angle in degrees (counter-clockwise from 3 o'clock) of the ray from c through p.
double rayAngle(QPoint c, QPoint p) {
    return std::atan2(double(c.y() - p.y()), double(p.x() - c.x())) * 180.0 / std::numbers::pi;
}

} // namespace

bkCProg::bkCProg(QWidget* parent) : QWidget(parent) {
    installBkCProgAccessibility();
    setAttribute(Qt::WA_OpaquePaintEvent);
    InitProperties();
}

template <typename Key> void bkCProg::notify(const Key& key) {
    emit propertyChanged(properties().nameOf(key));
}

QFont bkCProg::ambientFont() const {
    return parentWidget() ? parentWidget()->font() : QApplication::font();
}

gauge::Frame bkCProg::frame() const {
    return gauge::Frame{m_xCenter, m_yCenter, m_offsetAngle, m_clockwise};
}

QSize bkCProg::innerSize() const {
    const int frameWidth = m_inset ? 2 : 0;
    return QSize(std::max(0, width() - frameWidth), std::max(0, height() - frameWidth));
}

bkCProg::ColorValue bkCProg::ResolveColor(ColorValue color) const {
    return systemcolors::resolve(color, palette());
}

QPoint bkCProg::PointAtAngle(int r, std::int64_t angle) const {
    return gauge::pointAtAngle(frame(), r, angle);
}

bkCProg::ColorValue bkCProg::ColorAtFraction(float t) const {
    return gauge::colorAtFraction(t, m_resolved);
}

void bkCProg::RecheckColors() {
    m_resolved.start = ResolveColor(m_startColor);
    m_resolved.mid = ResolveColor(m_midColor);
    m_resolved.end = ResolveColor(m_endColor);
}

// ---- properties

void bkCProg::setAutoMask(bool on) {
    const bool wasOn = m_autoMask;
    m_autoMask = on;
    if (on) {
        m_maskColor = m_backColor;
        m_useMask = true;
    } else if (wasOn) {
        // The last drawing was installed as picture and mask; drop it, or it would stay
        // behind every later drawing.
        m_surfacePicture = QImage();
        m_surfaceMaskPicture = QImage();
        StretchPictures();
    }
    Repaint();
    notify(&bkCProg::setAutoMask);
}

void bkCProg::setAutoSize(bool on) {
    // A resize that has not reached UserControl_Resize yet (hidden widget) belongs to the
    // time when AutoSize was still on.
    if (!on && m_autoSize && size() != m_handledSize)
        UserControl_Resize();
    m_autoSize = on;
    if (on) {
        ComputeAutoSize();
        Repaint();
    }
    notify(&bkCProg::setAutoSize);
}

void bkCProg::AutoSizeToPicture() {
    if (m_picBack.isNull())
        return;
    const int frameWidth = m_inset ? 2 : 0;
    resize(m_picBack.width() + frameWidth, m_picBack.height() + frameWidth);
    if (size() != m_handledSize)
        UserControl_Resize();
}

void bkCProg::setBackColor(ColorValue color) {
    m_backColor = color;
    if (m_autoMask)
        m_maskColor = color;
    Repaint();
    notify(&bkCProg::setBackColor);
}

void bkCProg::setBorderColor(ColorValue color) {
    m_borderColor = color;
    if (m_showBorder)
        Repaint();
    notify(&bkCProg::setBorderColor);
}

void bkCProg::setBorderWidth(int width) {
    // Below the radius, but never below 1: an unsized gauge (radius 0 or 1) keeps a 1-pixel pen.
    int w = width >= m_radius ? m_radius - 1 : width;
    m_borderWidth = clampToInt16(std::max(w, 1));
    if (m_autoSize)
        ComputeAutoSize();
    if (m_showBorder)
        Repaint();
    notify(&bkCProg::setBorderWidth);
}

void bkCProg::setCircleColor(ColorValue color) {
    m_circleColor = color;
    if (m_showCircle)
        Repaint();
    notify(&bkCProg::setCircleColor);
}

void bkCProg::setClockwise(bool on) {
    m_clockwise = on;
    Repaint();
    notify(&bkCProg::setClockwise);
}

void bkCProg::setEndColor(ColorValue color) {
    m_endColor = color;
    m_resolved.end = ResolveColor(color);
    if (m_gradient || m_fade)
        Repaint();
    notify(&bkCProg::setEndColor);
}

void bkCProg::setFade(bool on) {
    m_fade = on;
    Repaint();
    notify(&bkCProg::setFade);
}

void bkCProg::setGradient(bool on) {
    m_gradient = on;
    Repaint();
    notify(&bkCProg::setGradient);
}

void bkCProg::setInset(bool on) {
    m_inset = on;
    update();
    notify(&bkCProg::setInset);
}

void bkCProg::setMaskColor(ColorValue color) {
    m_maskColor = color;
    applyShape();
    notify(&bkCProg::setMaskColor);
}

void bkCProg::setMaskPicture(const QImage& picture) {
    m_picMask = picture;
    if (!m_picMask.isNull())
        StretchPictures();
    else
        m_surfaceMaskPicture = QImage();
    Repaint();
    notify(&bkCProg::setMaskPicture);
}

void bkCProg::setMax(int value) {
    m_max = value;
    Repaint();
    notify(&bkCProg::setMax);
}

void bkCProg::setMidColor(ColorValue color) {
    m_midColor = color;
    m_resolved.mid = ResolveColor(color);
    if (m_tricolor && (m_fade || m_gradient))
        Repaint();
    notify(&bkCProg::setMidColor);
}

void bkCProg::setMin(int value) {
    m_min = std::max(value, 0);
    Repaint();
    notify(&bkCProg::setMin);
}

void bkCProg::setNeedleColor(ColorValue color) {
    m_needleColor = color;
    if (m_showNeedle)
        Repaint();
    notify(&bkCProg::setNeedleColor);
}

void bkCProg::setOffsetAngle(int degrees) {
    m_offsetAngle = gauge::normalizedOffsetAngle(degrees);
    Repaint();
    notify(&bkCProg::setOffsetAngle);
}

void bkCProg::setPicture(const QImage& picture) {
    m_picBack = picture;
    if (!m_picBack.isNull())
        StretchPictures();
    else
        m_surfacePicture = QImage();
    Repaint();
    notify(&bkCProg::setPicture);
}

void bkCProg::setRadius(int pixels) {
    m_radius = pixels;
    Repaint();
    notify(&bkCProg::setRadius);
}

void bkCProg::setShowArc(bool on) {
    m_showArc = on;
    if (on)
        Repaint();
    else
        setShowNeedle(true);
    notify(&bkCProg::setShowArc);
}

void bkCProg::setShowBorder(bool on) {
    m_showBorder = on;
    Repaint();
    notify(&bkCProg::setShowBorder);
}

void bkCProg::setShowCircle(bool on) {
    m_showCircle = on;
    Repaint();
    notify(&bkCProg::setShowCircle);
}

void bkCProg::setShowNeedle(bool on) {
    m_showNeedle = on;
    if (on)
        Repaint();
    else
        setShowArc(true);
    notify(&bkCProg::setShowNeedle);
}

void bkCProg::setShowValue(bool on) {
    m_showValue = on;
    Repaint();
    notify(&bkCProg::setShowValue);
}

void bkCProg::setShowValueAsPercent(bool on) {
    m_showValueAsPercent = on;
    if (on)
        m_showValue = true;
    if (m_showValue)
        Repaint();
    notify(&bkCProg::setShowValueAsPercent);
}

void bkCProg::setShowZeroLine(bool on) {
    m_showZeroLine = on;
    if (m_value == m_min)
        Repaint();
    notify(&bkCProg::setShowZeroLine);
}

void bkCProg::setSpan(int degrees) {
    m_span = gauge::normalizedSpan(degrees);
    Repaint();
    notify(&bkCProg::setSpan);
}

void bkCProg::setStartColor(ColorValue color) {
    m_startColor = color;
    m_resolved.start = ResolveColor(color);
    Repaint();
    notify(&bkCProg::setStartColor);
}

void bkCProg::setTextColor(ColorValue color) {
    m_textColor = color;
    if (m_showValue)
        Repaint();
    notify(&bkCProg::setTextColor);
}

void bkCProg::setTextOffsetX(int pixels) {
    m_textOffsetX = pixels;
    if (m_showValue)
        Repaint();
    notify(&bkCProg::setTextOffsetX);
}

void bkCProg::setTextOffsetY(int pixels) {
    m_textOffsetY = pixels;
    if (m_showValue)
        Repaint();
    notify(&bkCProg::setTextOffsetY);
}

void bkCProg::setTextShadow(bool on) {
    m_textShadow = on;
    if (m_showValue)
        Repaint();
    notify(&bkCProg::setTextShadow);
}

void bkCProg::setTextShadowColor(ColorValue color) {
    m_textShadowColor = color;
    if (m_showValue && m_textShadow)
        Repaint();
    notify(&bkCProg::setTextShadowColor);
}

void bkCProg::setTextShadowXOffset(int pixels) {
    m_textShadowXOffset = clampToInt16(pixels);
    if (m_showValue && m_textShadow)
        Repaint();
    notify(&bkCProg::setTextShadowXOffset);
}

void bkCProg::setTextShadowYOffset(int pixels) {
    m_textShadowYOffset = clampToInt16(pixels);
    if (m_showValue && m_textShadow)
        Repaint();
    notify(&bkCProg::setTextShadowYOffset);
}

void bkCProg::setTickColor(ColorValue color) {
    m_tickColor = color;
    if (m_tickStyle != TickStyle::None)
        Repaint();
    notify(&bkCProg::setTickColor);
}

void bkCProg::setTickFrequency(float valueUnits) {
    m_tickFrequency = valueUnits;
    if (m_tickStyle != TickStyle::None)
        Repaint();
    notify(&bkCProg::setTickFrequency);
}

void bkCProg::setTickPosition(TickPosition position) {
    m_tickPosition = position;
    if (m_autoSize)
        ComputeAutoSize();
    if (m_tickStyle != TickStyle::None)
        Repaint();
    notify(&bkCProg::setTickPosition);
}

void bkCProg::setTickSize(int pixels) {
    m_tickSize = clampToInt16(pixels);
    if (m_autoSize)
        ComputeAutoSize();
    if (m_tickStyle != TickStyle::None)
        Repaint();
    notify(&bkCProg::setTickSize);
}

void bkCProg::setTickStyle(TickStyle style) {
    m_tickStyle = style;
    if (m_autoSize)
        ComputeAutoSize();
    Repaint();
    notify(&bkCProg::setTickStyle);
}

void bkCProg::setTickWidth(int pixels) {
    m_tickWidth = clampToInt16(std::max(pixels, 1));
    if (m_tickStyle != TickStyle::None)
        Repaint();
    notify(&bkCProg::setTickWidth);
}

void bkCProg::setTricolor(bool on) {
    m_tricolor = on;
    m_resolved.tricolor = on;
    if (m_fade || m_gradient)
        Repaint();
    notify(&bkCProg::setTricolor);
}

void bkCProg::setUseMask(bool on) {
    m_useMask = m_autoMask || on;
    applyShape();
    notify(&bkCProg::setUseMask);
}

void bkCProg::setValue(int value) {
    m_value = value < m_min ? m_min : (value > m_max ? m_max : value);
    Repaint();
    if (QAccessible::isActive()) {
        QAccessibleValueChangeEvent event(this, m_value);
        QAccessible::updateAccessibility(&event);
    }
    notify(&bkCProg::setValue);
}

void bkCProg::setXCenter(int pixels) {
    m_xCenter = pixels;
    Repaint();
    notify(&bkCProg::setXCenter);
}

void bkCProg::setYCenter(int pixels) {
    m_yCenter = pixels;
    Repaint();
    notify(&bkCProg::setYCenter);
}

// ---- persistence

const props::Table<bkCProg>& bkCProg::properties() {
    using props::Kind;
    using props::member;
    using G = bkCProg;
    // In the order of restoring: AutoMask comes last, through its setter (see ReadProperties).
    static const props::Table<bkCProg> table{
        member<Kind::Int32>("Max", 100, &G::m_max, &G::setMax),
        member<Kind::Int32>("Min", 0, &G::m_min, &G::setMin),
        member<Kind::Int32>("Value", 50, &G::m_value, &G::setValue),
        member<Kind::Color>("BackColor", systemcolors::kButtonFace, &G::m_backColor,
                            &G::setBackColor),
        member<Kind::Color>("StartColor", 0x000000C0, &G::m_startColor, &G::setStartColor),
        member<Kind::Color>("MidColor", 0x0000FFFF, &G::m_midColor, &G::setMidColor),
        member<Kind::Color>("EndColor", 0x0000C000, &G::m_endColor, &G::setEndColor),
        member<Kind::Color>("CircleColor", systemcolors::kButtonFace, &G::m_circleColor,
                            &G::setCircleColor),
        member<Kind::Color>("BorderColor", 0x00000000, &G::m_borderColor, &G::setBorderColor),
        member<Kind::Color>("TextColor", 0x00FFFFFF, &G::m_textColor, &G::setTextColor),
        member<Kind::Color>("NeedleColor", systemcolors::kButtonText, &G::m_needleColor,
                            &G::setNeedleColor),
        member<Kind::Color>("TextShadowColor", 0x00808080, &G::m_textShadowColor,
                            &G::setTextShadowColor),
        member<Kind::Color>("TickColor", 0x00000000, &G::m_tickColor, &G::setTickColor),
        member<Kind::Color>("MaskColor", systemcolors::kButtonFace, &G::m_maskColor,
                            &G::setMaskColor),
        member<Kind::Bool>("Tricolor", true, &G::m_tricolor, &G::setTricolor),
        member<Kind::Bool>("Fade", false, &G::m_fade, &G::setFade),
        member<Kind::Bool>("Border", true, &G::m_showBorder, &G::setShowBorder),
        member<Kind::Bool>("Clockwise", true, &G::m_clockwise, &G::setClockwise),
        member<Kind::Bool>("ShowZeroLine", false, &G::m_showZeroLine, &G::setShowZeroLine),
        member<Kind::Bool>("Gradient", true, &G::m_gradient, &G::setGradient),
        member<Kind::Bool>("ShowValue", false, &G::m_showValue, &G::setShowValue),
        member<Kind::Bool>("TextShadow", false, &G::m_textShadow, &G::setTextShadow),
        member<Kind::Bool>("AutoSize", true, &G::m_autoSize, &G::setAutoSize),
        member<Kind::Bool>("ShowNeedle", false, &G::m_showNeedle, &G::setShowNeedle),
        member<Kind::Bool>("ShowArc", true, &G::m_showArc, &G::setShowArc),
        member<Kind::Bool>("ShowCircle", true, &G::m_showCircle, &G::setShowCircle),
        member<Kind::Bool>("ShowValueAsPercent", false, &G::m_showValueAsPercent,
                           &G::setShowValueAsPercent),
        member<Kind::Int32>("OffsetAngle", 0, &G::m_offsetAngle, &G::setOffsetAngle),
        member<Kind::Int32>("Span", 360, &G::m_span, &G::setSpan),
        member<Kind::Int16>("BorderWidth", 1, &G::m_borderWidth, &G::setBorderWidth),
        member<Kind::Int16>("TickSize", 4, &G::m_tickSize, &G::setTickSize),
        member<Kind::Float>("TickFrequency", 10.0f, &G::m_tickFrequency, &G::setTickFrequency),
        member<Kind::Int16>("TickWidth", 1, &G::m_tickWidth, &G::setTickWidth),
        // Centre and radius of a new instance come from ComputeAutoSize.
        member<Kind::TwipsX>("XCenter", 50, &G::m_xCenter, &G::setXCenter, false),
        member<Kind::TwipsY>("YCenter", 50, &G::m_yCenter, &G::setYCenter, false),
        member<Kind::TwipsX>("Radius", 25, &G::m_radius, &G::setRadius, false),
        member<Kind::TwipsX>("TextOffsetX", 0, &G::m_textOffsetX, &G::setTextOffsetX),
        member<Kind::TwipsY>("TextOffsetY", 0, &G::m_textOffsetY, &G::setTextOffsetY),
        member<Kind::TwipsFloatX>("TextShadowXOffset", 1, &G::m_textShadowXOffset,
                                  &G::setTextShadowXOffset),
        member<Kind::TwipsFloatY>("TextShadowYOffset", 1, &G::m_textShadowYOffset,
                                  &G::setTextShadowYOffset),
        member<Kind::Int32>("TickStyle", 0, &G::m_tickStyle, &G::setTickStyle),
        member<Kind::Int32>("TickPosition", 0, &G::m_tickPosition, &G::setTickPosition),
        props::setter<Kind::Font, G>("Font", QFont(), &QWidget::font, &QWidget::setFont),
        member<Kind::Picture>("Picture", QImage(), &G::m_picBack, &G::setPicture),
        member<Kind::Picture>("MaskPicture", QImage(), &G::m_picMask, &G::setMaskPicture),
        member<Kind::Bool>("Inset", false, &G::m_inset, &G::setInset),
        member<Kind::Bool>("UseMask", false, &G::m_useMask, &G::setUseMask),
        member<Kind::Bool>("AutoMask", false, &G::m_autoMask, &G::setAutoMask),
    };
    return table;
}

props::Context bkCProg::persistenceContext() const {
    return {twips::perPixelX(), twips::perPixelY(), ambientFont(), gauge::twipsToPixels};
}

// After the fields are set: the resolved colours and the stretched pictures.
void bkCProg::afterFieldsSet() {
    m_resolved.tricolor = m_tricolor;
    RecheckColors();
    m_surfacePicture = QImage();
    m_surfaceMaskPicture = QImage();
    StretchPictures();
}

void bkCProg::InitProperties() {
    m_loading = true;
    properties().initialise(*this, persistenceContext());
    afterFieldsSet();
    m_loading = false;
}

void bkCProg::ReadProperties(const PropertyBag& bag) {
    m_loading = true;
    properties().restore(*this, bag, persistenceContext());
    afterFieldsSet();
    m_loading = false;
    setAutoMask(m_autoMask); // applies its effect, repaints and notifies
}

void bkCProg::WriteProperties(PropertyBag& bag) const {
    properties().save(*this, bag, persistenceContext());
}

// ---- sizing and pictures

void bkCProg::ComputeAutoSize() {
    const QSize inner = innerSize();
    const gauge::AutoSize s =
        gauge::computeAutoSize(inner.width(), inner.height(), width(), height(), m_borderWidth,
                               m_tickStyle, m_tickPosition, m_tickSize);
    m_xCenter = s.xCenter;
    m_yCenter = s.yCenter;
    m_radius = s.radius;
}

void bkCProg::UserControl_Resize() {
    m_handledSize = size();
    if (m_autoSize)
        ComputeAutoSize();
    if (!m_picBack.isNull() || !m_picMask.isNull())
        StretchPictures();
    Repaint();
}

void bkCProg::StretchPictures() {
    const qreal ratio = devicePixelRatioF();
    const QSize target = surface::deviceSize(innerSize(), ratio);
    const auto stretched = [&](const QImage& picture) {
        QImage image = picture.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        image.setDevicePixelRatio(ratio);
        return image;
    };
    if (!m_picBack.isNull())
        m_surfacePicture = stretched(m_picBack);
    if (!m_picMask.isNull())
        m_surfaceMaskPicture = stretched(m_picMask);
}

void bkCProg::applyShape() {
    if (!m_useMask || m_surfaceMaskPicture.isNull()) {
        clearMask();
        return;
    }
    const QRgb cut = qcolor(ResolveColor(m_maskColor)).rgb();
    QImage source = m_surfaceMaskPicture;
    // The shape is cut in the widget's pixels: one sample of each at a finer resolution.
    if (source.devicePixelRatio() != 1.0)
        source = source.scaled(source.deviceIndependentSize().toSize(), Qt::IgnoreAspectRatio,
                               Qt::FastTransformation);
    const QImage shape =
        source.convertToFormat(QImage::Format_RGB32).createMaskFromColor(cut, Qt::MaskInColor);
    const int frameWidth = m_inset ? 1 : 0;
    QRegion region(QBitmap::fromImage(shape));
    region.translate(frameWidth, frameWidth);
    if (m_inset)
        region += QRegion(rect()) - QRegion(rect().adjusted(1, 1, -1, -1));
    setMask(region);
}

// ---- drawing

bkCProg::Face bkCProg::face() const {
    Face f;
    f.span = gauge::normalizedSpan(m_span);
    f.filled = gauge::filledFraction(m_value, m_min, m_max, f.span);
    f.valueAngle = gauge::roundEven(double(f.filled * 360.0f));
    f.spokeWidth = gauge::spokeWidth(m_radius);
    f.innerRadius = gauge::innerRadius(m_radius, m_showBorder, m_borderWidth);
    f.centre = QPoint(m_xCenter, m_yCenter);
    f.framePen = m_showBorder ? spokePen(ResolveColor(m_borderColor), m_borderWidth)
                              : spokePen(ResolveColor(m_circleColor), 1);
    f.box = QRectF(m_xCenter - m_radius, m_yCenter - m_radius, 2.0 * m_radius, 2.0 * m_radius);
    return f;
}

void bkCProg::drawCircle(QPainter& p, const Face& f) {
    if (m_circleColor == m_backColor || !m_showCircle)
        return;
    const ColorValue circle = ResolveColor(m_circleColor);
    if (f.span != 360) {
        const std::int64_t start = m_showArc ? std::max<std::int64_t>(f.valueAngle, 0) : 0;
        const QColor color = qcolor(circle);
        if (start <= f.span)
            drawFan(p, m_image, *this, f.innerRadius, f.span, start, f.spokeWidth,
                    [&](std::int64_t) { return color; });
    } else {
        // With a border the same outline is drawn again on top by drawBorder().
        p.setPen(m_showBorder ? QPen(Qt::NoPen) : f.framePen);
        p.setBrush(qcolor(circle));
        p.drawEllipse(f.box);
    }
}

void bkCProg::drawArc(QPainter& p, const Face& f) {
    if (!m_showArc || (m_value <= m_min && !m_showZeroLine))
        return;
    // Past a full turn the spokes would only repeat.
    const std::int64_t end = std::min<std::int64_t>(f.valueAngle, 360);
    const float fraction = 360.0f / float(f.span) * f.filled;
    const QColor single = qcolor(m_fade ? ColorAtFraction(fraction) : m_resolved.start);
    if (end >= 0)
        drawFan(p, m_image, *this, f.innerRadius, 0, end, f.spokeWidth, [&](std::int64_t a) {
            return m_gradient ? qcolor(ColorAtFraction(float(a) / float(f.span))) : single;
        });
}

void bkCProg::drawBorder(QPainter& p, const Face& f) const {
    if (!m_showBorder)
        return;
    p.setPen(f.framePen);
    p.setBrush(Qt::NoBrush);
    if (f.span == 360) {
        p.drawEllipse(f.box);
        return;
    }
    const QPoint first = PointAtAngle(f.innerRadius, m_clockwise ? f.span : 0);
    const QPoint second = PointAtAngle(f.innerRadius, m_clockwise ? 0 : f.span);
    const double from = rayAngle(f.centre, first);
    double sweep = rayAngle(f.centre, second) - from;
    while (sweep <= 0.0)
        sweep += 360.0;
    QPainterPath arc;
    arc.arcMoveTo(f.box, from);
    arc.arcTo(f.box, from, sweep);
    p.drawPath(arc);
}

void bkCProg::drawTicks(QPainter& p, const Face& f) const {
    if (m_tickStyle == TickStyle::None)
        return;
    const QColor tick = qcolor(ResolveColor(m_tickColor));
    p.setPen(QPen(tick, std::max(m_tickWidth, 0), Qt::SolidLine, Qt::RoundCap));
    const bool filled =
        m_tickStyle == TickStyle::FilledDots || m_tickStyle == TickStyle::FilledSquares;
    p.setBrush(filled ? QBrush(tick) : QBrush(Qt::NoBrush));
    const gauge::TickRadii radii =
        gauge::tickRadii(m_tickStyle, m_tickPosition, f.innerRadius, m_tickSize);
    const double half = m_tickSize / 2.0;
    for (int a : gauge::tickAngles(m_tickFrequency, m_min, m_max, f.span)) {
        const QPoint pt = PointAtAngle(radii.rt, a);
        if (m_tickStyle == TickStyle::Lines) {
            p.drawLine(pt, PointAtAngle(radii.rt2, a));
            continue;
        }
        const int left = int(pt.x() - half + 0.5);
        const int top = int(pt.y() - half + 0.5);
        const int right = int(pt.x() + half + 0.5);
        const int bottom = int(pt.y() + half + 0.5);
        const QRectF mark(left, top, right - 1 - left, bottom - 1 - top);
        if (m_tickStyle == TickStyle::FilledDots || m_tickStyle == TickStyle::HollowDots)
            p.drawEllipse(mark);
        else if (m_tickStyle == TickStyle::FilledSquares || m_tickStyle == TickStyle::HollowSquares)
            p.drawRect(mark);
    }
}

void bkCProg::drawNeedle(QPainter& p, const Face& f) const {
    if (!m_showNeedle)
        return;
    const ColorValue needle = !m_showArc && (m_fade || m_gradient)
                                  ? ColorAtFraction(360.0f / float(f.span) * f.filled)
                                  : ResolveColor(m_needleColor);
    p.setPen(spokePen(needle, f.spokeWidth));
    p.drawLine(f.centre, PointAtAngle(f.innerRadius, f.valueAngle));
}

void bkCProg::drawValueText(QPainter& p) const {
    if (!m_showValue)
        return;
    p.resetTransform();
    p.setFont(font());
    const QString text = gauge::valueText(m_value, m_min, m_max, m_showValueAsPercent);
    const QFontMetrics metrics(font(), &m_image);
    const int tw = metrics.horizontalAdvance(text);
    const int th = metrics.height();
    const int x = m_xCenter + m_textOffsetX - tw / 2;
    const int y = m_yCenter + m_textOffsetY - th / 2 + metrics.ascent();
    if (m_textShadow) {
        p.setPen(qcolor(ResolveColor(m_textShadowColor)));
        p.drawText(x + m_textShadowXOffset, y + m_textShadowYOffset, text);
    }
    p.setPen(qcolor(ResolveColor(m_textColor)));
    p.drawText(x, y, text);
}

void bkCProg::Repaint() {
    m_stale = true;
    // Without AutoMask the shape does not depend on the drawing.
    if (!m_autoMask)
        applyShape();
    update();
}

void bkCProg::drawSurface() {
    m_stale = false;
    if (m_autoMask)
        m_surfacePicture = QImage();

    const QSize inner = innerSize();
    if (!surfaceFits()) {
        m_image = inner.isEmpty() ? QImage()
                                  : surface::make(inner, devicePixelRatioF(),
                                                  QImage::Format_ARGB32_Premultiplied);
        m_image.setDotsPerMeterX(qRound(logicalDpiX() / 0.0254));
        m_image.setDotsPerMeterY(qRound(logicalDpiY() / 0.0254));
    }
    if (m_image.isNull())
        return;
    m_image.fill(qcolor(ResolveColor(m_backColor)));

    {
        QPainter p(&m_image);
        if (!m_surfacePicture.isNull())
            p.drawImage(0, 0, m_surfacePicture);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        // Whole pixel coordinates address pixel centres.
        p.translate(0.5, 0.5);
        const Face f = face();
        drawCircle(p, f);
        drawArc(p, f);
        drawBorder(p, f);
        drawTicks(p, f);
        drawNeedle(p, f);
        drawValueText(p);
    }

    if (m_autoMask) {
        m_surfaceMaskPicture = m_image;
        m_surfacePicture = m_image;
        // The shape follows the drawing; it is not changed while painting.
        QMetaObject::invokeMethod(this, &bkCProg::applyShape, Qt::QueuedConnection);
    }
}

bool bkCProg::surfaceFits() const {
    const QSize inner = innerSize();
    return inner.isEmpty() ? m_image.isNull() : surface::fits(m_image, inner, devicePixelRatioF());
}

void bkCProg::paintEvent(QPaintEvent*) {
    if (m_stale || !surfaceFits())
        drawSurface();
    QPainter p(this);
    if (m_inset) {
        p.setPen(palette().color(QPalette::WindowText));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    const int frameWidth = m_inset ? 1 : 0;
    p.drawImage(frameWidth, frameWidth, m_image);
}

void bkCProg::resizeEvent(QResizeEvent*) {
    UserControl_Resize();
}

void bkCProg::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange && !m_loading) {
        Repaint();
        notify(&QWidget::setFont);
    }
    QWidget::changeEvent(event);
}
