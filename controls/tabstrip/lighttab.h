#pragma once

#include "tabcaptions.h"

#include "propertytable.h"

#include <QImage>
#include <QWidget>
#include <array>
#include <cstdint>

// A light tab strip: up to ten tabs with two-pixel bevelled edges above a bevelled page frame,
// the selected tab raised and joined to the page. The host shows its own page controls on
// AfterTabChange. Captions are one string of items, each followed by "|".
//
// Keyboard: Ctrl+Tab and Ctrl+Shift+Tab anywhere in the window, the arrow keys, Home and End
// while the strip has the focus; each selects with the event.
class LightTab : public QWidget {
    Q_OBJECT

public:
    using ColorValue = std::uint32_t;

    static const QString kDefaultCaption;
    static constexpr int kDefaultNumberOfTabs = 4;
    static constexpr int kStripHeight = 17; // taller where the captions' font needs it

    explicit LightTab(QWidget* parent = nullptr);

    // The whole caption string; setting it redraws the tabs and notifies "Caption".
    QString captions() const { return m_caption; }
    void setCaptions(const QString& caption);
    QString caption(int index) const { return tabstrip::CaptionItem(m_caption, index); }
    void setCaption(int index, const QString& text);

    int numberOfTabs() const { return m_numberOfTabs; }
    // Clamped to 1..10. A count not greater than ActiveTab makes tab 0 active (no event).
    void setNumberOfTabs(int count);
    int activeTab() const { return m_activeTab; }
    // Clamped to 0..9; always raises AfterTabChange, also when the index is unchanged. A tab
    // beyond the drawn ones is selected without a raised tab.
    void setActiveTab(int index);

    // Left edges and widths of the drawn tabs, pixels, in the strip's coordinates.
    const tabstrip::TabGeometry& geometry() const { return m_geometry; }
    // The strip's and the raised tab's places in the control.
    QRect stripRect() const;
    int stripHeight() const;
    QRect highlightRect() const { return m_highlightRect; }
    bool highlightVisible() const { return m_highlightVisible; }

    // Persistence. A new instance gets the default captions, four tabs and tab 0 active (the
    // constructor runs InitProperties); a saved design is read into the fields, with the
    // counts brought into range, and the tabs redrawn without an event.
    void InitProperties();
    void ReadProperties(const PropertyBag& bag);
    void WriteProperties(PropertyBag& bag) const;
    static const props::Table<LightTab>& properties();

    // Lays out and draws everything; a size change runs it.
    void UserControl_Resize();

    QSize sizeHint() const override { return QSize(240, 160); }
    QSize minimumSizeHint() const override { return QSize(40, 30); }

signals:
    void AfterTabChange(int index);
    void propertyChanged(const QString& name);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Emits propertyChanged() under the name of the table row that `key` (a setter) names.
    template <typename Key> void notify(const Key& key);
    void RedrawTabs();
    void SelectTab(int index, bool raiseEvent);
    // `c`: the surface's client height in pixels.
    void DrawTabOutline(QImage& surface, int c, int left, int right, bool selected) const;
    // The three surfaces, at the widget's device pixel ratio; no notice, no event.
    void drawFrame();
    void drawStrip();
    void drawHighlight(int index);
    QColor faceColor() const;
    void stepTab(int delta);
    QColor edgeColor(int index) const;

    QString m_caption;
    int m_numberOfTabs = kDefaultNumberOfTabs;
    int m_activeTab = 0;
    tabstrip::TabGeometry m_geometry;
    std::array<ColorValue, 4> m_edgeColors{};

    QImage m_frame;     // the control's own surface: the page frame
    QImage m_strip;     // TabStrip: the unselected tabs
    QImage m_highlight; // HighlightTab: the selected tab
    QRect m_highlightRect;
    bool m_highlightVisible = false;
};
