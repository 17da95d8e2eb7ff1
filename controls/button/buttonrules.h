#pragma once

#include <QChar>
#include <QSize>
#include <QString>
#include <Qt>
#include <cstdint>
#include <optional>

// The skinned button's rules that need no widget.
namespace buttonex {

// Appearance, BorderStyle and Style as saved designs number them. Any stored number is kept;
// one outside these draws as the rules say (BorderStyle as RaisedSunken).
enum class Appearance : std::int32_t { Flat = 0, ThreeD = 1, Skinned = 2 };
// HoverOnly shows its edge only while hovered; ThinGrey also gives a flat button at rest a grey
// outline, and its caption is always grey.
enum class BorderStyle : std::int32_t {
    HoverOnly = 0,
    RaisedSunken = 1,
    BumpEtched = 2,
    Thin = 3,
    ThinGrey = 4,
};
enum class Style : std::int32_t { PushButton = 0, TwoState = 1 };

// The access key of a caption: the character after the first "&" that is not part of a
// doubled "&&"; none when there is no such "&" or it is the last character.
std::optional<QChar> accessKey(const QString& caption);

// The caption as it is measured: its first "&" removed.
QString measuredCaption(const QString& caption);

// The edge pair of a BorderStyle (edges::Border values); `up` is also the hover edge.
struct EdgePair {
    unsigned up;
    unsigned down; // 0: no edge when pressed
};
EdgePair edgesFor(BorderStyle borderStyle);

// The control's size in pixels for a skin of `pixels` at `dpi`: the picture's size in
// HIMETRIC units divided by 1.76 gives twips, which the screen turns into pixels.
QSize skinSize(QSize pixels, double dpiX, double dpiY, double twipsPerPixelX,
               double twipsPerPixelY);

// The caption as a screen reader says it: "&&" is "&", a single "&" is dropped.
QString spokenCaption(const QString& caption);

// The key code a key event reports for a Qt key: letters and digits as their upper-case
// character, the others as the platform's virtual key numbers; 0 for keys without one.
int keyCode(int qtKey);

// The cursor of a MousePointer value (99, the custom icon, is the caller's).
Qt::CursorShape cursorShape(int pointer);

// half(v): v / 2 with the fraction dropped.
constexpr int half(int v) {
    return v / 2;
}

} // namespace buttonex
