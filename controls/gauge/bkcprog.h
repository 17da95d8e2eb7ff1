#pragma once

#include "gaugegeometry.h"

#include <QImage>
#include <QPen>
#include <QRectF>
#include <QWidget>
#include <cstdint>

class PropertyBag;
class QPainter;
namespace props {
template <typename C> class Table;
struct Context;
} // namespace props

// Circular progress gauge: a disc, a sector that grows clockwise or counter-clockwise from a
// start angle with Value in Min..Max, an outline, tick marks, a needle and the value as text.
//
// Setters never fail: they clamp or normalise, ask for a repaint when the change is visible,
// and emit propertyChanged() with the property's persistence name ("Border" for ShowBorder).
// The drawing is made again when a paint finds it out of date.
// Colours are colour values: 0x00BBGGRR, or a system colour when the high bit is set.
// Lengths are pixels; the saved design holds positions and offsets in twips.
class bkCProg : public QWidget {
    Q_OBJECT

public:
    using ColorValue = ::ColorValue;

    using TickStyle = gauge::TickStyle;
    using TickPosition = gauge::TickPosition;

    explicit bkCProg(QWidget* parent = nullptr);

    // Marks the drawing out of date and asks for a paint, which draws the whole gauge again.
    void Repaint();

    bool autoMask() const { return m_autoMask; }
    void setAutoMask(bool on);
    bool autoSize() const { return m_autoSize; }
    void setAutoSize(bool on);
    // Sizes the control to the background picture's natural size (plus the frame when Inset).
    void AutoSizeToPicture();
    ColorValue backColor() const { return m_backColor; }
    void setBackColor(ColorValue color);
    ColorValue borderColor() const { return m_borderColor; }
    void setBorderColor(ColorValue color);
    int borderWidth() const { return m_borderWidth; }
    void setBorderWidth(int width);
    ColorValue circleColor() const { return m_circleColor; }
    void setCircleColor(ColorValue color);
    bool clockwise() const { return m_clockwise; }
    void setClockwise(bool on);
    ColorValue endColor() const { return m_endColor; }
    void setEndColor(ColorValue color);
    bool fade() const { return m_fade; }
    void setFade(bool on);
    // Font: QWidget::font()/setFont(); a change repaints and notifies "Font".
    bool gradient() const { return m_gradient; }
    void setGradient(bool on);
    // A one-pixel frame around the drawing surface.
    bool inset() const { return m_inset; }
    void setInset(bool on);
    WId hwnd() const { return effectiveWinId(); }
    // The background picture as it was set (not the drawing).
    QImage image() const { return m_picBack; }
    ColorValue maskColor() const { return m_maskColor; }
    void setMaskColor(ColorValue color);
    QImage maskPicture() const { return m_picMask; }
    void setMaskPicture(const QImage& picture);
    int max() const { return m_max; }
    void setMax(int value);
    ColorValue midColor() const { return m_midColor; }
    void setMidColor(ColorValue color);
    int min() const { return m_min; }
    void setMin(int value);
    ColorValue needleColor() const { return m_needleColor; }
    void setNeedleColor(ColorValue color);
    int offsetAngle() const { return m_offsetAngle; }
    void setOffsetAngle(int degrees);
    QImage picture() const { return m_picBack; }
    void setPicture(const QImage& picture);
    int radius() const { return m_radius; }
    void setRadius(int pixels);
    // Looks the start, mid and end colours up again (after a change of the system colours);
    // takes effect at the next repaint.
    void RecheckColors();
    bool showArc() const { return m_showArc; }
    void setShowArc(bool on);
    bool showBorder() const { return m_showBorder; }
    void setShowBorder(bool on);
    bool showCircle() const { return m_showCircle; }
    void setShowCircle(bool on);
    bool showNeedle() const { return m_showNeedle; }
    void setShowNeedle(bool on);
    bool showValue() const { return m_showValue; }
    void setShowValue(bool on);
    bool showValueAsPercent() const { return m_showValueAsPercent; }
    void setShowValueAsPercent(bool on);
    bool showZeroLine() const { return m_showZeroLine; }
    void setShowZeroLine(bool on);
    int span() const { return m_span; }
    void setSpan(int degrees);
    ColorValue startColor() const { return m_startColor; }
    void setStartColor(ColorValue color);
    ColorValue textColor() const { return m_textColor; }
    void setTextColor(ColorValue color);
    int textOffsetX() const { return m_textOffsetX; }
    void setTextOffsetX(int pixels);
    int textOffsetY() const { return m_textOffsetY; }
    void setTextOffsetY(int pixels);
    bool textShadow() const { return m_textShadow; }
    void setTextShadow(bool on);
    ColorValue textShadowColor() const { return m_textShadowColor; }
    void setTextShadowColor(ColorValue color);
    int textShadowXOffset() const { return m_textShadowXOffset; }
    void setTextShadowXOffset(int pixels);
    int textShadowYOffset() const { return m_textShadowYOffset; }
    void setTextShadowYOffset(int pixels);
    ColorValue tickColor() const { return m_tickColor; }
    void setTickColor(ColorValue color);
    float tickFrequency() const { return m_tickFrequency; }
    void setTickFrequency(float valueUnits);
    TickPosition tickPosition() const { return m_tickPosition; }
    void setTickPosition(TickPosition position);
    int tickSize() const { return m_tickSize; }
    void setTickSize(int pixels);
    TickStyle tickStyle() const { return m_tickStyle; }
    void setTickStyle(TickStyle style);
    int tickWidth() const { return m_tickWidth; }
    void setTickWidth(int pixels);
    bool tricolor() const { return m_tricolor; }
    void setTricolor(bool on);
    // Transparent back style: pixels of the mask picture in the mask colour are cut away.
    bool useMask() const { return m_useMask; }
    void setUseMask(bool on);
    // The default member: the round clock assigns it on every tick.
    int value() const { return m_value; }
    void setValue(int value);
    int xCenter() const { return m_xCenter; }
    void setXCenter(int pixels);
    int yCenter() const { return m_yCenter; }
    void setYCenter(int pixels);

    // A plain 0x00BBGGRR colour: system colours through this widget's palette.
    ColorValue ResolveColor(ColorValue color) const;

    // Persistence: a new instance (run by the constructor), loading a saved design, saving it.
    void InitProperties();
    void ReadProperties(const PropertyBag& bag);
    void WriteProperties(PropertyBag& bag) const;
    // The persisted properties: names, kinds, defaults.
    static const props::Table<bkCProg>& properties();

    // Centre and radius from the control's size; does not repaint.
    void ComputeAutoSize();
    // What a size change runs; also safe to call directly.
    void UserControl_Resize();
    // Installs the background and mask pictures stretched to the inner size.
    void StretchPictures();

    QPoint PointAtAngle(int r, std::int64_t angle) const;
    ColorValue ColorAtFraction(float t) const;
    static ColorValue BlendColor(float t, ColorValue a, ColorValue b) {
        return gauge::blendColor(t, a, b);
    }

    // The client area, inside the frame when Inset.
    QSize innerSize() const;

    QSize sizeHint() const override { return QSize(100, 100); }
    QSize minimumSizeHint() const override { return QSize(16, 16); }

signals:
    void propertyChanged(const QString& name);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Where the face lies and how far the value reaches, for one drawing.
    struct Face {
        int span = 360;
        float filled = 0.0f;         // filled part of a full turn
        std::int64_t valueAngle = 0; // scale angle of the value
        int spokeWidth = 1;
        int innerRadius = 0;
        QPoint centre;
        QRectF box;
        QPen framePen;
    };

    // Emits propertyChanged() under the name of the table row that `key` (a setter) names.
    template <typename Key> void notify(const Key& key);
    props::Context persistenceContext() const;
    void afterFieldsSet();
    QFont ambientFont() const;
    void applyShape();
    gauge::Frame frame() const;
    Face face() const;
    void drawCircle(QPainter& p, const Face& f);
    void drawArc(QPainter& p, const Face& f);
    void drawBorder(QPainter& p, const Face& f) const;
    void drawTicks(QPainter& p, const Face& f) const;
    void drawNeedle(QPainter& p, const Face& f) const;
    void drawValueText(QPainter& p) const;
    void drawSurface();
    // The drawing's image has the inner size at this widget's device pixel ratio.
    bool surfaceFits() const;

    bool m_autoMask{};
    bool m_autoSize{};
    bool m_clockwise{};
    bool m_fade{};
    bool m_gradient{};
    bool m_showArc{};
    bool m_showBorder{};
    bool m_showCircle{};
    bool m_showNeedle{};
    bool m_showValue{};
    bool m_showValueAsPercent{};
    bool m_showZeroLine{};
    bool m_textShadow{};
    bool m_tricolor{};
    bool m_inset{};
    bool m_useMask{};

    int m_min{};
    int m_max{};
    int m_value{};
    int m_radius{};
    int m_xCenter{};
    int m_yCenter{};
    int m_offsetAngle{};
    int m_span{};
    int m_textOffsetX{};
    int m_textOffsetY{};
    TickStyle m_tickStyle{};
    TickPosition m_tickPosition{};
    int m_borderWidth{};
    int m_tickSize{};
    int m_tickWidth{};
    int m_textShadowXOffset{};
    int m_textShadowYOffset{};
    float m_tickFrequency{};

    ColorValue m_backColor{};
    ColorValue m_maskColor{};
    ColorValue m_borderColor{};
    ColorValue m_startColor{};
    ColorValue m_endColor{};
    ColorValue m_midColor{};
    ColorValue m_textColor{};
    ColorValue m_needleColor{};
    ColorValue m_tickColor{};
    ColorValue m_circleColor{};
    ColorValue m_textShadowColor{};
    gauge::Colors m_resolved; // start, mid and end as last looked up

    QImage m_picBack;
    QImage m_picMask;
    QImage m_surfacePicture;     // background under the drawing
    QImage m_surfaceMaskPicture; // shape source for the transparent back style
    QImage m_image;              // the drawing
    bool m_stale = true;         // the state changed since the drawing was made
    QSize m_handledSize;         // size at the last UserControl_Resize
    bool m_loading = false;      // no notices while state is being set up
};
