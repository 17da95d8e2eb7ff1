#include "buttonex.h"

#include "buttonexaccessible.h"
#include "buttonrules.h"
#include "edges.h"
#include "propertytable.h"
#include "surface.h"
#include "systemcolors.h"
#include "twips.h"

#include <QAccessible>
#include <QApplication>
#include <QBitmap>
#include <QDrag>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QPointer>
#include <QShortcut>
#include <algorithm>

namespace {

constexpr std::uint32_t kGreyText = 0x80000011u;
constexpr std::uint32_t kPixelAtOneOne = 0xFFFFFFFFu; // TransparentColor -1

int buttonBits(Qt::MouseButtons buttons) {
    return (buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0) |
           (buttons & Qt::MiddleButton ? 4 : 0);
}

int shiftBits(Qt::KeyboardModifiers modifiers) {
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
           (modifiers & Qt::AltModifier ? 4 : 0);
}

// `image` with the pixels of `key` made transparent.
QImage withoutColor(const QImage& image, QRgb key) {
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            if ((line[x] & 0x00FFFFFFu) == (key & 0x00FFFFFFu))
                line[x] = 0;
    }
    return out;
}

// A new button is 1200 x 360 twips (80 x 24 pixels at 96 DPI).
QSize newInstanceSize() {
    return QSize(twips::toPixelsX(1200), twips::toPixelsY(360));
}

// Drag data whose formats may be declared empty at the start of a drag and filled when a drop
// target asks for them.
class DragData : public QMimeData {
public:
    explicit DragData(ButtonEx* source) : m_source(source) {}

protected:
    QVariant retrieveData(const QString& format, QMetaType type) const override {
        QVariant stored = QMimeData::retrieveData(format, type);
        if (m_source && hasFormat(format) && stored.toByteArray().isEmpty()) {
            emit m_source->oleSetData(const_cast<DragData*>(this), format);
            stored = QMimeData::retrieveData(format, type);
        }
        return stored;
    }

private:
    QPointer<ButtonEx> m_source;
};

} // namespace

ButtonEx::ButtonEx(QWidget* parent) : QWidget(parent) {
    installButtonExAccessibility();
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    resize(newInstanceSize());
    // Buttons on the game's windows are loaded from their designs: an empty bag here.
    ReadProperties(PropertyBag());
}

ButtonEx::~ButtonEx() = default;

template <typename Key> void ButtonEx::notify(const Key& key) {
    emit propertyChanged(properties().nameOf(key));
}

QFont ButtonEx::hostFont() const {
    return parentWidget() ? parentWidget()->font() : QApplication::font();
}

QColor ButtonEx::color(ColorValue value) const {
    return systemcolors::toQColor(systemcolors::resolve(value, palette()));
}

// ---- properties

void ButtonEx::setAllowDefault(bool on) {
    m_allowDefault = on;
    Redraw(m_currentState);
    notify(&ButtonEx::setAllowDefault);
}

void ButtonEx::setAllowFocus(bool on) {
    m_allowFocus = on;
    Redraw(m_currentState);
    notify(&ButtonEx::setAllowFocus);
}

void ButtonEx::setAppearance(Appearance appearance) {
    m_appearance = appearance;
    Redraw(m_currentState);
    notify(&ButtonEx::setAppearance);
}

void ButtonEx::setBackColor(ColorValue color) {
    m_backColor = color;
    Redraw(m_currentState);
    notify(&ButtonEx::setBackColor);
}

void ButtonEx::setBorderStyle(BorderStyle style) {
    m_borderStyle = style;
    Redraw(m_currentState);
    notify(&ButtonEx::setBorderStyle);
}

void ButtonEx::setCaption(const QString& caption) {
    m_caption = caption;
    // A caption without an access key clears the earlier one: no letter is underlined.
    m_accessKey = buttonex::accessKey(caption).value_or(QChar());
    if (m_accessKeyId != 0)
        releaseShortcut(m_accessKeyId);
    m_accessKeyId = m_accessKey.isNull()
                        ? 0
                        : grabShortcut(QKeySequence::mnemonic(QStringLiteral("&") + m_accessKey));
    Redraw(m_currentState);
    updateGeometry();
    if (QAccessible::isActive()) {
        QAccessibleEvent event(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
    notify(&ButtonEx::setCaption);
}

void ButtonEx::setCaptionOffsetX(int pixels) {
    m_captionOffsetX = pixels;
    Redraw(m_currentState);
    notify(&ButtonEx::setCaptionOffsetX);
}

void ButtonEx::setCaptionOffsetY(int pixels) {
    m_captionOffsetY = pixels;
    Redraw(m_currentState);
    notify(&ButtonEx::setCaptionOffsetY);
}

void ButtonEx::setEnabled(bool on) {
    QWidget::setEnabled(on); // a change redraws through changeEvent()
    if (on)
        Redraw(Up);
    notify(&ButtonEx::setEnabled);
}

void ButtonEx::setForeColor(ColorValue color) {
    m_foreColor = color;
    Redraw(m_currentState);
    notify(&ButtonEx::setForeColor);
}

void ButtonEx::setHighlightColor(ColorValue color) {
    m_highlightColor = color;
    Redraw(m_currentState);
    notify(&ButtonEx::setHighlightColor);
}

void ButtonEx::setHighlightPicture(bool on) {
    m_highlightPicture = on;
    Redraw(m_currentState);
    notify(&ButtonEx::setHighlightPicture);
}

void ButtonEx::setMouseIcon(const QImage& icon) {
    m_mouseIcon = icon.isNull() ? std::nullopt : std::optional<QImage>(icon);
    updateCursor();
    notify(&ButtonEx::setMouseIcon);
}

void ButtonEx::setMousePointer(int pointer) {
    m_mousePointer = pointer;
    updateCursor();
    notify(&ButtonEx::setMousePointer);
}

void ButtonEx::updateCursor() {
    if (m_mousePointer == 99 && m_mouseIcon && !m_mouseIcon->isNull())
        setCursor(QCursor(QPixmap::fromImage(*m_mouseIcon)));
    else if (m_mousePointer == 0)
        unsetCursor();
    else
        setCursor(buttonex::cursorShape(m_mousePointer));
}

void ButtonEx::setOleDropMode(int mode) {
    m_oleDropMode = mode;
    setAcceptDrops(mode == 1);
    notify(&ButtonEx::setOleDropMode);
}

QImage ButtonEx::picture(Picture which) const {
    return m_pictures[which].value_or(QImage());
}

void ButtonEx::setPicture(Picture which, const QImage& picture) {
    m_pictures[which] = picture.isNull() ? std::nullopt : std::optional<QImage>(picture);
    // The other state pictures show at the next redraw.
    if (which == Normal)
        Redraw(m_currentState);
    notify(which);
}

void ButtonEx::setPictureOffsetX(int pixels) {
    m_pictureOffsetX = pixels;
    Redraw(m_currentState);
    notify(&ButtonEx::setPictureOffsetX);
}

void ButtonEx::setPictureOffsetY(int pixels) {
    m_pictureOffsetY = pixels;
    Redraw(m_currentState);
    notify(&ButtonEx::setPictureOffsetY);
}

void ButtonEx::setRightToLeft(bool on) {
    m_rightToLeft = on;
    Redraw(m_currentState);
    notify(&ButtonEx::setRightToLeft);
}

QImage ButtonEx::skin(Skin which) const {
    return m_skins[which].value_or(QImage());
}

void ButtonEx::setSkin(Skin which, const QImage& skin) {
    m_skins[which] = skin.isNull() ? std::nullopt : std::optional<QImage>(skin);
    Redraw(m_currentState);
    notify(which);
}

void ButtonEx::setStyle(Style style) {
    m_style = style;
    Redraw(m_currentState);
    notify(&ButtonEx::setStyle);
}

void ButtonEx::setToolTipText(const QString& text) {
    m_toolTipText = text;
    setToolTip(text);
    notify(&ButtonEx::setToolTipText);
}

void ButtonEx::setTransparentColor(ColorValue color) {
    m_transparentColor = color;
    Redraw(m_currentState);
    notify(&ButtonEx::setTransparentColor);
}

void ButtonEx::setValue(int value) {
    m_value = value;
    Redraw(State(value));
    notify(&ButtonEx::setValue);
}

void ButtonEx::setWhatsThisHelpID(int id) {
    m_whatsThisHelpID = id;
    notify(&ButtonEx::setWhatsThisHelpID);
}

void ButtonEx::setDefault(bool on) {
    m_default = on;
    if (on && !m_defaultKey) {
        m_defaultKey = new QShortcut(QKeySequence(Qt::Key_Return), this);
        m_defaultKeypadKey = new QShortcut(QKeySequence(Qt::Key_Enter), this);
        for (QShortcut* key : {m_defaultKey, m_defaultKeypadKey})
            connect(key, &QShortcut::activated, this, &ButtonEx::click);
        connect(qApp, &QApplication::focusChanged, this, &ButtonEx::updateShowFocus);
    }
    if (m_defaultKey) {
        m_defaultKey->setEnabled(on);
        m_defaultKeypadKey->setEnabled(on);
    }
    updateShowFocus();
}

void ButtonEx::setCancel(bool on) {
    m_cancel = on;
    if (on && !m_cancelKey) {
        m_cancelKey = new QShortcut(QKeySequence(Qt::Key_Escape), this);
        connect(m_cancelKey, &QShortcut::activated, this, &ButtonEx::click);
    }
    if (m_cancelKey)
        m_cancelKey->setEnabled(on);
}

// Focus shown: this button has the focus, or it is the default button and no other button
// has it.
void ButtonEx::updateShowFocus() {
    const QWidget* focused = QApplication::focusWidget();
    const bool otherButton = focused && focused != this && qobject_cast<const ButtonEx*>(focused);
    const bool show = hasFocus() || (m_default && !otherButton);
    if (show == m_showFocus)
        return;
    m_showFocus = show;
    Redraw(m_currentState);
}

// ---- methods

void ButtonEx::ClearHighlight() {
    Redraw(m_currentState);
}

void ButtonEx::DrawHighlight() {
    m_highlighted = true;
    m_stale = true;
    update();
}

void ButtonEx::click() {
    if (isEnabled() && isVisible())
        RaiseEventByName(QStringLiteral("Click"));
}

void ButtonEx::OLEDrag() {
    auto* data = new DragData(this);
    emit oleStartDrag(data, int(Qt::CopyAction | Qt::MoveAction));
    auto* drag = new QDrag(this);
    drag->setMimeData(data);
    connect(drag, &QDrag::actionChanged, this,
            [this](Qt::DropAction action) { emit oleGiveFeedback(int(action), true); });
    const Qt::DropAction result = drag->exec(Qt::CopyAction | Qt::MoveAction);
    emit oleCompleteDrag(int(result));
}

void ButtonEx::RaiseEventByName(const QString& name, const QVariantList& args) {
    const auto int16 = [&](int i) { return i < args.size() ? int(qint16(args[i].toInt())) : 0; };
    const auto single = [&](int i) { return i < args.size() ? args[i].toFloat() : 0.0f; };
    if (name == QLatin1String("Click")) {
        emit clicked();
    } else if (name == QLatin1String("KeyDown")) {
        emit keyDown(int16(0), int16(1));
    } else if (name == QLatin1String("KeyPress")) {
        emit keyPress(int16(0));
    } else if (name == QLatin1String("KeyUp")) {
        emit keyUp(int16(0), int16(1));
    } else if (name == QLatin1String("MouseDown")) {
        emit mouseDown(int16(0), int16(1), single(2), single(3));
    } else if (name == QLatin1String("MouseMove")) {
        emit mouseMove(int16(0), int16(1), single(2), single(3));
    } else if (name == QLatin1String("MouseUp")) {
        emit mouseUp(int16(0), int16(1), single(2), single(3));
    } else if (name == QLatin1String("Resize")) {
        emit resized();
    } else if (name == QLatin1String("MouseEnter") && m_lastHoverEvent != HoverEvent::MouseEnter) {
        m_lastHoverEvent = HoverEvent::MouseEnter;
        emit mouseEnter();
    } else if (name == QLatin1String("MouseExit") && m_lastHoverEvent != HoverEvent::MouseExit) {
        m_lastHoverEvent = HoverEvent::MouseExit;
        emit mouseExit();
    }
}

// ---- persistence

const props::Table<ButtonEx>& ButtonEx::properties() {
    using props::Kind;
    using props::setter;
    using B = ButtonEx;
    const auto picture = [](Picture which, const char* name) {
        return setter<Kind::Picture, B>(
            name, QImage(), [which](const B& b) { return b.picture(which); },
            [which](B& b, const QImage& image) { b.setPicture(which, image); }, which);
    };
    const auto skin = [](Skin which, const char* name) {
        return setter<Kind::Picture, B>(
            name, QImage(), [which](const B& b) { return b.skin(which); },
            [which](B& b, const QImage& image) { b.setSkin(which, image); }, which);
    };
    // In the order of restoring.
    static const props::Table<ButtonEx> table{
        setter<Kind::Bool, B>("AllowDefault", true, &B::allowDefault, &B::setAllowDefault),
        setter<Kind::Bool, B>("AllowFocus", true, &B::allowFocus, &B::setAllowFocus),
        setter<Kind::Int32, B>("Appearance", 1, &B::appearance, &B::setAppearance),
        setter<Kind::Color, B>("BackColor", systemcolors::kButtonFace, &B::backColor,
                               &B::setBackColor),
        setter<Kind::Int32, B>("BorderStyle", 1, &B::borderStyle, &B::setBorderStyle),
        setter<Kind::String, B>("Caption", QStringLiteral("ButtonEx1"), &B::caption,
                                &B::setCaption),
        setter<Kind::Int16, B>("CaptionOffsetX", 0, &B::captionOffsetX, &B::setCaptionOffsetX),
        setter<Kind::Int16, B>("CaptionOffsetY", 0, &B::captionOffsetY, &B::setCaptionOffsetY),
        setter<Kind::Bool, B>(
            "Enabled", true, [](const B& b) { return !b.testAttribute(Qt::WA_ForceDisabled); },
            &B::setEnabled),
        setter<Kind::Color, B>("ForeColor", systemcolors::kButtonText, &B::foreColor,
                               &B::setForeColor),
        setter<Kind::Font, B>("Font", QFont(), &QWidget::font, &QWidget::setFont),
        setter<Kind::Color, B>("HighlightColor", systemcolors::kButtonText, &B::highlightColor,
                               &B::setHighlightColor),
        setter<Kind::Bool, B>("HighlightPicture", false, &B::highlightPicture,
                              &B::setHighlightPicture),
        setter<Kind::Picture, B>("MouseIcon", QImage(), &B::mouseIcon, &B::setMouseIcon),
        setter<Kind::Int32, B>("MousePointer", 0, &B::mousePointer, &B::setMousePointer),
        setter<Kind::Int32, B>("OLEDropMode", 0, &B::oleDropMode, &B::setOleDropMode),
        picture(Normal, "Picture"),
        picture(PictureDisabled, "PictureDisabled"),
        picture(PictureDown, "PictureDown"),
        picture(PictureFocus, "PictureFocus"),
        setter<Kind::Int16, B>("PictureOffsetX", 0, &B::pictureOffsetX, &B::setPictureOffsetX),
        setter<Kind::Int16, B>("PictureOffsetY", 0, &B::pictureOffsetY, &B::setPictureOffsetY),
        picture(PictureOver, "PictureOver"),
        setter<Kind::Bool, B>("RightToLeft", false, &B::rightToLeft, &B::setRightToLeft),
        skin(SkinDisabled, "SkinDisabled"),
        skin(SkinDown, "SkinDown"),
        skin(SkinFocus, "SkinFocus"),
        skin(SkinOver, "SkinOver"),
        skin(SkinUp, "SkinUp"),
        setter<Kind::Int16, B>("Style", 0, &B::style, &B::setStyle),
        setter<Kind::String, B>("ToolTipText", QString(), &B::toolTipText, &B::setToolTipText),
        setter<Kind::Color, B>("TransparentColor", 0x00FF0000, &B::transparentColor,
                               &B::setTransparentColor),
        setter<Kind::Int32, B>("Value", 1, &B::value, &B::setValue),
        setter<Kind::Int16, B>("WhatsThisHelpID", 0, &B::whatsThisHelpID, &B::setWhatsThisHelpID),
    };
    return table;
}

props::Context ButtonEx::persistenceContext() const {
    return {twips::perPixelX(), twips::perPixelY(), hostFont(), nullptr};
}

// Every setter redraws; while the walk runs only the last redraw is made, the one of the last
// drawing setter (Value).
void ButtonEx::InitProperties() {
    m_loading = true;
    properties().initialise(*this, persistenceContext());
    // A new instance holds empty picture objects rather than none.
    for (auto& slot : m_pictures)
        slot = QImage();
    for (auto& slot : m_skins)
        slot = QImage();
    m_mouseIcon = QImage();
    m_loading = false;
    Redraw(State(m_value));
}

void ButtonEx::ReadProperties(const PropertyBag& bag) {
    m_loading = true;
    properties().restore(*this, bag, persistenceContext());
    m_loading = false;
    Redraw(State(m_value));
}

void ButtonEx::WriteProperties(PropertyBag& bag) const {
    properties().save(*this, bag, persistenceContext());
}

// ---- drawing

void ButtonEx::Redraw(State state) {
    if (m_loading)
        return;
    // A press is not drawn while the pointer is known to be outside.
    if (m_lastHoverEvent == HoverEvent::MouseExit && state == Down)
        return;
    if (m_style == Style::TwoState) {
        if (m_value == 0)
            state = Down;
        else if (state != Over)
            state = Up;
    }
    fitToSkin(state);
    m_shownState = state;
    m_currentState = skinned() && !isEnabled() ? Disabled : state;
    m_highlighted = false;
    m_stale = true;
    update();
}

bool ButtonEx::skinned() const {
    return m_skins[SkinUp].has_value() && m_appearance == Appearance::Skinned;
}

// The skinned look takes its size and shape from the skin of the state; settled here, before
// any paint, so that painting never resizes the control.
void ButtonEx::fitToSkin(State state) {
    m_skinShown = QImage();
    if (!skinned()) {
        if (!mask().isEmpty())
            clearMask();
        return;
    }
    if (!isEnabled())
        state = Disabled;
    else if (m_showFocus && state == Up)
        state = Focused;
    const std::array<Skin, 5> byState{SkinDown, SkinUp, SkinOver, SkinDisabled, SkinFocus};
    QImage skin = *m_skins[SkinUp];
    if (state >= 0 && state < int(byState.size()) && m_skins[byState[state]] &&
        !m_skins[byState[state]]->isNull())
        skin = *m_skins[byState[state]];
    if (skin.isNull())
        return;

    const QSize target =
        buttonex::skinSize(skin.size(), skin.dotsPerMeterX() * 0.0254,
                           skin.dotsPerMeterY() * 0.0254, twips::perPixelX(), twips::perPixelY());
    if (target != size()) {
        m_fitting = true;
        resize(target);
        m_fitting = false;
    }
    QRgb key = color(m_transparentColor).rgb();
    if (m_transparentColor == kPixelAtOneOne)
        key = skin.pixel(0, 0);
    m_skinShown = withoutColor(skin, key);
    const QRegion shape(QBitmap::fromImage(m_skinShown.createAlphaMask()));
    if (shape != mask())
        setMask(shape);
}

void ButtonEx::drawSurface() {
    m_stale = false;
    if (size().isEmpty()) {
        m_surface = QImage();
        return;
    }
    if (!surface::fits(m_surface, size(), devicePixelRatioF()))
        m_surface = surface::make(size(), devicePixelRatioF(), QImage::Format_ARGB32_Premultiplied);
    m_surface.fill(Qt::transparent);
    if (skinned())
        DrawSkin();
    else
        DrawFrame(m_shownState, m_showFocus);
    DrawPicture(m_shownState);
    DrawCaption(m_shownState);
    if (m_highlighted) {
        QPainter p(&m_surface);
        edges::drawFocusRect(p, QRect(0, 0, width(), height()), Qt::black);
    }
}

void ButtonEx::DrawFrame(State state, bool focusShown) {
    QPainter p(&m_surface);
    p.fillRect(rect(), color(m_backColor));
    const QPalette& pal = palette();
    QRect r = rect();
    const buttonex::EdgePair pair = buttonex::edgesFor(m_borderStyle);
    const auto defaultFrame = [&] {
        if (focusShown && m_allowDefault)
            edges::drawEdge(p, r, edges::RaisedOuter | edges::SunkenOuter,
                            edges::Mono | edges::Adjust, pal);
    };
    switch (state) {
    case Over:
        defaultFrame();
        edges::drawEdge(p, r, pair.up, 0, pal);
        break;
    case Up:
        if (m_appearance == Appearance::ThreeD && m_borderStyle != BorderStyle::HoverOnly) {
            defaultFrame();
            edges::drawEdge(p, r, pair.up, 0, pal);
        } else if (m_appearance == Appearance::Flat && m_borderStyle == BorderStyle::ThinGrey) {
            defaultFrame();
            p.setPen(color(kGreyText));
            p.drawRect(rect().adjusted(0, 0, -1, -1));
        } else {
            focusShown = false;
        }
        break;
    case Down:
        if (m_borderStyle == BorderStyle::HoverOnly)
            break;
        if (focusShown && m_allowDefault) {
            defaultFrame();
            edges::drawEdge(p, r, edges::SunkenOuter, edges::Flat, pal);
        } else {
            edges::drawEdge(p, r, pair.down, 0, pal);
        }
        break;
    default:
        break;
    }
    if (m_allowFocus && focusShown)
        edges::drawFocusRect(p, QRect(4, 4, width() - 8, height() - 8), Qt::black);
}

void ButtonEx::DrawSkin() {
    QPainter p(&m_surface);
    p.drawImage(0, 0, m_skinShown);
}

void ButtonEx::DrawPicture(State state) {
    m_pictureImage = m_pictures[Normal].value_or(QImage());
    if (!isEnabled())
        state = Disabled;
    const auto use = [&](Picture which) {
        if (m_pictures[which] && !m_pictures[which]->isNull())
            m_pictureImage = *m_pictures[which];
    };
    if (state == Down)
        use(PictureDown);
    else if (state == Over)
        use(PictureOver);
    else if (state == Disabled)
        use(PictureDisabled);
    else if (state == Up && m_showFocus)
        use(PictureFocus); // as the skinned look shows SkinFocus
    if (m_pictureImage.isNull()) {
        m_pictureRect = QRect();
        return;
    }
    using buttonex::half;
    const int margin = m_appearance != Appearance::Skinned ? 6 : 0;
    int x = margin;
    int y = std::max(margin, half(height()) - half(m_pictureImage.height()));
    if (state == Down) {
        ++x;
        ++y;
    }
    m_pictureRect =
        QRect(QPoint(x + m_pictureOffsetX, y + m_pictureOffsetY), m_pictureImage.size());
    QPainter p(&m_surface);
    if ((state == Down || state == Over) && m_highlightPicture) {
        // A solid silhouette: every pixel but the picture's background in the highlight colour.
        const QImage shape = withoutColor(m_pictureImage, m_pictureImage.pixel(0, 0));
        QImage silhouette(shape.size(), QImage::Format_ARGB32_Premultiplied);
        silhouette.fill(color(m_highlightColor));
        QPainter s(&silhouette);
        s.setCompositionMode(QPainter::CompositionMode_DestinationIn);
        s.drawImage(0, 0, shape);
        s.end();
        p.drawImage(m_pictureRect.topLeft(), silhouette);
        return;
    }
    QRgb key = color(m_transparentColor).rgb();
    if (m_transparentColor == kPixelAtOneOne && m_pictureImage.width() > 1 &&
        m_pictureImage.height() > 1)
        key = m_pictureImage.pixel(1, 1);
    p.drawImage(m_pictureRect.topLeft(), withoutColor(m_pictureImage, key));
}

void ButtonEx::DrawCaption(State state) {
    using buttonex::half;
    ColorValue textColor = m_borderStyle == BorderStyle::ThinGrey ? kGreyText : m_foreColor;
    if (state == Over || (state == Down && m_lastHoverEvent != HoverEvent::MouseExit))
        textColor = m_highlightColor;
    const QFontMetrics metrics(font(), &m_surface);
    const int textWidth = metrics.horizontalAdvance(buttonex::measuredCaption(m_caption));
    const int textHeight = metrics.height();
    const int d = m_pictures[Normal].has_value() && state == Down ? -1 : 0;
    int x = d + half(width()) - half(textWidth);
    if (!m_pictureImage.isNull()) {
        const int a = m_pictureRect.left() + d + m_pictureRect.width();
        x = half(width() + a) - half(textWidth);
    }
    int y = half(height()) - half(textHeight) - 1;
    if (state == Down) {
        ++x;
        ++y;
    }
    const QRect box(x + m_captionOffsetX, y + m_captionOffsetY + 1, textWidth, textHeight);
    const int flags = Qt::TextShowMnemonic | Qt::TextSingleLine | Qt::AlignTop |
                      (m_rightToLeft ? Qt::AlignRight : Qt::AlignLeft);
    QPainter p(&m_surface);
    p.setFont(font());
    p.setLayoutDirection(m_rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    if (isEnabled()) {
        p.setPen(color(textColor));
        p.drawText(box, flags, m_caption);
    } else {
        // Embossed: a light copy one pixel down and right under the grey text.
        p.setPen(palette().color(QPalette::Light));
        p.drawText(box.translated(1, 1), flags, m_caption);
        p.setPen(palette().color(QPalette::Dark));
        p.drawText(box, flags, m_caption);
    }
}

void ButtonEx::paintEvent(QPaintEvent*) {
    if (m_stale || !surface::fits(m_surface, size(), devicePixelRatioF()))
        drawSurface();
    QPainter p(this);
    p.drawImage(0, 0, m_surface);
}

QSize ButtonEx::sizeHint() const {
    if (m_appearance == Appearance::Skinned && m_skins[SkinUp] && !m_skins[SkinUp]->isNull())
        return size();
    const QFontMetrics metrics(font());
    const int textWidth = metrics.horizontalAdvance(buttonex::measuredCaption(m_caption));
    return newInstanceSize().expandedTo(QSize(textWidth + 16, metrics.height() + 8));
}

QSize ButtonEx::minimumSizeHint() const {
    const QFontMetrics metrics(font());
    return QSize(metrics.horizontalAdvance(buttonex::measuredCaption(m_caption)) + 8,
                 metrics.height() + 4);
}

// ---- input

void ButtonEx::raiseMouse(const char* name, const QMouseEvent* event) {
    const int button = event->type() == QEvent::MouseMove ? buttonBits(event->buttons())
                                                          : buttonBits(event->button());
    RaiseEventByName(QString::fromLatin1(name),
                     {button, shiftBits(event->modifiers()),
                      float(event->position().x() * twips::perPixelX()),
                      float(event->position().y() * twips::perPixelY())});
}

void ButtonEx::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        m_value = m_currentState == Down ? 1 : 0;
        notify(&ButtonEx::setValue);
        Redraw(Down);
    }
    raiseMouse("MouseDown", event);
}

void ButtonEx::mouseReleaseEvent(QMouseEvent* event) {
    const bool left = event->button() == Qt::LeftButton;
    if (left)
        Redraw(Up);
    raiseMouse("MouseUp", event);
    if (left && rect().contains(event->position().toPoint()))
        click();
}

void ButtonEx::mouseMoveEvent(QMouseEvent* event) {
    if (!m_tracking) {
        // The first move only starts watching: the hover look shows from the second.
        m_tracking = true;
    } else if (!(event->buttons() & (Qt::LeftButton | Qt::RightButton | Qt::MiddleButton))) {
        if (m_currentState != Over)
            Redraw(Over);
    } else if (event->buttons() & Qt::LeftButton) {
        if (m_currentState != Down)
            Redraw(Down);
    }
    const QPointF pos = event->position();
    if (pos.x() >= 0 && pos.y() >= 0 && pos.x() <= width() && pos.y() <= height()) {
        RaiseEventByName(QStringLiteral("MouseEnter"));
        raiseMouse("MouseMove", event);
    } else {
        // Outside while a held button keeps the mouse here.
        pointerLeft();
    }
}

void ButtonEx::leaveEvent(QEvent* event) {
    pointerLeft();
    QWidget::leaveEvent(event);
}

void ButtonEx::pointerLeft() {
    if (!m_tracking)
        return;
    m_tracking = false;
    RaiseEventByName(QStringLiteral("MouseExit"));
    if (m_currentState != Up)
        Redraw(Up);
}

void ButtonEx::keyPressEvent(QKeyEvent* event) {
    RaiseEventByName(QStringLiteral("KeyDown"),
                     {buttonex::keyCode(event->key()), shiftBits(event->modifiers())});
    const QString text = event->text();
    if (!text.isEmpty() && text[0].unicode() < 256)
        RaiseEventByName(QStringLiteral("KeyPress"), {int(text[0].unicode())});
    const int key = event->key();
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (plain && (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter)) {
        if (!event->isAutoRepeat())
            click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void ButtonEx::keyReleaseEvent(QKeyEvent* event) {
    RaiseEventByName(QStringLiteral("KeyUp"),
                     {buttonex::keyCode(event->key()), shiftBits(event->modifiers())});
    QWidget::keyReleaseEvent(event);
}

void ButtonEx::focusInEvent(QFocusEvent* event) {
    updateShowFocus();
    QWidget::focusInEvent(event);
}

void ButtonEx::focusOutEvent(QFocusEvent* event) {
    updateShowFocus();
    QWidget::focusOutEvent(event);
}

void ButtonEx::dragEnterEvent(QDragEnterEvent* event) {
    const QPointF pos = event->position();
    emit oleDragOver(event->mimeData(), int(event->possibleActions()), buttonBits(event->buttons()),
                     shiftBits(event->modifiers()), float(pos.x() * twips::perPixelX()),
                     float(pos.y() * twips::perPixelY()), 0);
    event->acceptProposedAction();
    Redraw(Over);
}

void ButtonEx::dragMoveEvent(QDragMoveEvent* event) {
    const QPointF pos = event->position();
    emit oleDragOver(event->mimeData(), int(event->possibleActions()), buttonBits(event->buttons()),
                     shiftBits(event->modifiers()), float(pos.x() * twips::perPixelX()),
                     float(pos.y() * twips::perPixelY()), 2);
    event->acceptProposedAction();
}

void ButtonEx::dragLeaveEvent(QDragLeaveEvent* event) {
    emit oleDragOver(nullptr, 0, 0, 0, 0.0f, 0.0f, 1);
    Redraw(Up);
    QWidget::dragLeaveEvent(event);
}

void ButtonEx::dropEvent(QDropEvent* event) {
    const QPointF pos = event->position();
    emit oleDragDrop(event->mimeData(), int(event->dropAction()), buttonBits(event->buttons()),
                     shiftBits(event->modifiers()), float(pos.x() * twips::perPixelX()),
                     float(pos.y() * twips::perPixelY()));
    event->acceptProposedAction();
}

// ---- events of the widget

bool ButtonEx::event(QEvent* event) {
    if (event->type() == QEvent::Shortcut) {
        if (static_cast<QShortcutEvent*>(event)->shortcutId() == m_accessKeyId) {
            click();
            return true;
        }
    } else if (event->type() == QEvent::ShortcutOverride) {
        // A focused button takes Space and Enter itself, ahead of the default button.
        auto* key = static_cast<QKeyEvent*>(event);
        const bool plain = (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
        if (plain && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter ||
                      key->key() == Qt::Key_Space)) {
            event->accept();
            return true;
        }
    }
    return QWidget::event(event);
}

void ButtonEx::resizeEvent(QResizeEvent*) {
    if (!m_fitting)
        Redraw(Up);
    RaiseEventByName(QStringLiteral("Resize"));
}

void ButtonEx::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange) {
        if (isEnabled())
            m_currentState = Up;
        Redraw(m_currentState);
    } else if (event->type() == QEvent::FontChange) {
        Redraw(m_currentState);
        updateGeometry();
        notify(&QWidget::setFont);
    }
    QWidget::changeEvent(event);
}
