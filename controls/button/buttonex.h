#pragma once

#include "buttonrules.h"

#include <QImage>
#include <QRect>
#include <QString>
#include <QVariantList>
#include <QWidget>
#include <array>
#include <cstdint>
#include <optional>

class PropertyBag;
class QMimeData;
class QShortcut;
namespace props {
template <typename C> class Table;
struct Context;
} // namespace props

// The game's push button: a flat, three-dimensional or skinned look, a picture per state, a
// caption with an access key, hover tracking and a two-state (toggle) mode.
//
// Setters store, ask for a repaint as the property says and emit propertyChanged() with the
// property's persistence name; the look is drawn when a paint finds it out of date. Colours
// are colour values: 0x00BBGGRR, or a system colour when the high bit is set. Font is
// QWidget's own (setFont()).
// Mouse coordinates in the signals are twips; Button and Shift are bit sets (left 1, right 2,
// middle 4; Shift 1, Ctrl 2, Alt 4).
class ButtonEx : public QWidget {
    Q_OBJECT

public:
    using ColorValue = std::uint32_t;

    // What a redraw shows; a Value outside these is kept and shown without an edge.
    enum State : int { Down = 0, Up = 1, Over = 2, Disabled = 3, Focused = 4 };
    using Appearance = buttonex::Appearance;
    using BorderStyle = buttonex::BorderStyle;
    using Style = buttonex::Style;
    enum Picture { Normal, PictureDisabled, PictureDown, PictureFocus, PictureOver };
    enum Skin { SkinDisabled, SkinDown, SkinFocus, SkinOver, SkinUp };

    explicit ButtonEx(QWidget* parent = nullptr);
    ~ButtonEx() override;

    bool allowDefault() const { return m_allowDefault; }
    void setAllowDefault(bool on);
    bool allowFocus() const { return m_allowFocus; }
    void setAllowFocus(bool on);
    // Skinned takes effect while SkinUp holds a picture.
    Appearance appearance() const { return m_appearance; }
    void setAppearance(Appearance appearance);
    ColorValue backColor() const { return m_backColor; }
    void setBackColor(ColorValue color);
    BorderStyle borderStyle() const { return m_borderStyle; }
    void setBorderStyle(BorderStyle style);
    QString caption() const { return m_caption; }
    void setCaption(const QString& caption);
    // The access key letter; a null QChar when there is none.
    QChar accessKey() const { return m_accessKey; }
    int captionOffsetX() const { return m_captionOffsetX; }
    void setCaptionOffsetX(int pixels);
    int captionOffsetY() const { return m_captionOffsetY; }
    void setCaptionOffsetY(int pixels);
    // QWidget's own state. Setting it True also draws the button up, even when it was enabled
    // already (a pressed button comes up).
    void setEnabled(bool on);
    ColorValue foreColor() const { return m_foreColor; }
    void setForeColor(ColorValue color);
    ColorValue highlightColor() const { return m_highlightColor; }
    void setHighlightColor(ColorValue color);
    bool highlightPicture() const { return m_highlightPicture; }
    void setHighlightPicture(bool on);
    WId hwnd() const { return effectiveWinId(); }
    QImage mouseIcon() const { return m_mouseIcon.value_or(QImage()); }
    void setMouseIcon(const QImage& icon);
    // 0 default, 1 arrow, 2 cross, 3 I-beam, 5/15 size all, 6 NE-SW, 7 N-S, 8 NW-SE, 9 W-E,
    // 10 up arrow, 11 hourglass, 12 no drop, 13 arrow and hourglass, 14 what's this, 99 MouseIcon.
    int mousePointer() const { return m_mousePointer; }
    void setMousePointer(int pointer);
    // 0 none, 1 manual: drops raise the ole… signals.
    int oleDropMode() const { return m_oleDropMode; }
    void setOleDropMode(int mode);
    // A null image clears the picture.
    QImage picture(Picture which = Normal) const;
    void setPicture(const QImage& picture) { setPicture(Normal, picture); }
    void setPicture(Picture which, const QImage& picture);
    int pictureOffsetX() const { return m_pictureOffsetX; }
    void setPictureOffsetX(int pixels);
    int pictureOffsetY() const { return m_pictureOffsetY; }
    void setPictureOffsetY(int pixels);
    bool rightToLeft() const { return m_rightToLeft; }
    void setRightToLeft(bool on);
    QImage skin(Skin which) const;
    void setSkin(Skin which, const QImage& skin);
    Style style() const { return m_style; }
    void setStyle(Style style);
    QString toolTipText() const { return m_toolTipText; }
    void setToolTipText(const QString& text);
    ColorValue transparentColor() const { return m_transparentColor; }
    void setTransparentColor(ColorValue color);
    // 0 down (latched for a two-state button), 1 up.
    int value() const { return m_value; }
    void setValue(int value);
    // A help topic number; held and stored (the game has no help file).
    int whatsThisHelpID() const { return m_whatsThisHelpID; }
    void setWhatsThisHelpID(int id);

    // Enter in the window clicks the default button, Escape the cancel button. A default
    // button shows the default frame while no other button has the focus.
    bool isDefault() const { return m_default; }
    void setDefault(bool on);
    bool isCancel() const { return m_cancel; }
    void setCancel(bool on);

    // Redraws in the current state, removing a DrawHighlight().
    void ClearHighlight();
    // A dotted rectangle around the whole control, until the next redraw.
    void DrawHighlight();
    void Refresh() { update(); }
    // Starts dragging from the control: oleStartDrag fills or declares the data, oleSetData
    // fills a declared format on demand, oleCompleteDrag reports the effect.
    void OLEDrag();
    // Raises the event `name` with `args` converted to its argument types; MouseEnter and
    // MouseExit only when the other was raised last. Unknown names raise nothing.
    void RaiseEventByName(const QString& name, const QVariantList& args = {});
    // Clicks the button as its access key does.
    void click();

    // Persistence: a newly placed button, a saved design loaded, saved.
    void InitProperties();
    void ReadProperties(const PropertyBag& bag);
    void WriteProperties(PropertyBag& bag) const;
    static const props::Table<ButtonEx>& properties();

    // The state last asked for; a paint draws it.
    State currentState() const { return m_currentState; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void clicked();
    void keyDown(int keyCode, int shift);
    void keyPress(int keyAscii);
    void keyUp(int keyCode, int shift);
    void mouseDown(int button, int shift, float x, float y);
    void mouseEnter();
    void mouseExit();
    void mouseMove(int button, int shift, float x, float y);
    void mouseUp(int button, int shift, float x, float y);
    void oleCompleteDrag(int effect);
    void oleDragDrop(const QMimeData* data, int effect, int button, int shift, float x, float y);
    void oleDragOver(const QMimeData* data, int effect, int button, int shift, float x, float y,
                     int state);
    void oleGiveFeedback(int effect, bool defaultCursors);
    void oleStartDrag(QMimeData* data, int allowedEffects);
    // A drop target asks for `format`, which oleStartDrag declared with empty data.
    void oleSetData(QMimeData* data, const QString& format);
    void resized();
    void propertyChanged(const QString& name);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // Which of MouseEnter and MouseExit was raised last.
    enum class HoverEvent { None, MouseEnter, MouseExit };

    // Emits propertyChanged() under the name of the table row that `key` (a setter) names.
    template <typename Key> void notify(const Key& key);
    props::Context persistenceContext() const;
    QFont hostFont() const;
    QColor color(ColorValue value) const;

    // Asks for `state` to be drawn: settles the state, the skin's size and shape, then update().
    void Redraw(State state);
    bool skinned() const;
    void fitToSkin(State state);
    // Paint time: draws the settled state into the surface.
    void drawSurface();
    void DrawFrame(State state, bool focusShown);
    void DrawSkin();
    void DrawPicture(State state);
    void DrawCaption(State state);
    void pointerLeft();
    void updateCursor();
    void updateShowFocus();
    void raiseMouse(const char* name, const QMouseEvent* event);

    bool m_allowDefault{};
    bool m_allowFocus{};
    Appearance m_appearance{};
    ColorValue m_backColor{};
    BorderStyle m_borderStyle{};
    QString m_caption;
    QChar m_accessKey;
    int m_captionOffsetX{};
    int m_captionOffsetY{};
    ColorValue m_foreColor{};
    ColorValue m_highlightColor{};
    bool m_highlightPicture{};
    std::optional<QImage> m_mouseIcon;
    int m_mousePointer{};
    int m_oleDropMode{};
    // Absent, or a picture object that may be empty (a new instance's).
    std::array<std::optional<QImage>, 5> m_pictures;
    int m_pictureOffsetX{};
    int m_pictureOffsetY{};
    bool m_rightToLeft{};
    std::array<std::optional<QImage>, 5> m_skins;
    Style m_style{};
    QString m_toolTipText;
    ColorValue m_transparentColor{};
    int m_value{};
    int m_whatsThisHelpID{};

    bool m_default = false;
    bool m_cancel = false;
    QShortcut* m_defaultKey = nullptr;
    QShortcut* m_defaultKeypadKey = nullptr;
    QShortcut* m_cancelKey = nullptr;
    int m_accessKeyId = 0;

    State m_currentState = Down;
    State m_shownState = Down; // what the paint draws: the asked state after the toggle rule
    bool m_showFocus = false;
    HoverEvent m_lastHoverEvent = HoverEvent::None;
    bool m_tracking = false; // the pointer has moved over the control and not yet left it
    QImage m_skinShown;      // the settled skin without its transparent colour
    QImage m_pictureImage;   // imgPicture: the picture of the current state
    QRect m_pictureRect;     // and where it is drawn
    QImage m_surface;
    bool m_stale = true;        // the settled state is not drawn yet
    bool m_highlighted = false; // DrawHighlight() until the next redraw
    bool m_fitting = false;     // resizing to a skin: the resize does not redraw up
    bool m_loading = false;
};
