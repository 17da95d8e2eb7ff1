#include "buttonrules.h"

#include "edgestyle.h"

#include <cmath>

namespace buttonex {

std::optional<QChar> accessKey(const QString& caption) {
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] != u'&')
            continue;
        if (i + 1 >= caption.size())
            return std::nullopt;
        if (caption[i + 1] == u'&') {
            ++i;
            continue;
        }
        return caption[i + 1];
    }
    return std::nullopt;
}

QString measuredCaption(const QString& caption) {
    QString text = caption;
    const qsizetype at = text.indexOf(u'&');
    if (at >= 0)
        text.remove(at, 1);
    return text;
}

EdgePair edgesFor(BorderStyle borderStyle) {
    switch (borderStyle) {
    case BorderStyle::HoverOnly:
        return {edges::Raised, 0};
    case BorderStyle::BumpEtched:
        return {edges::Bump, edges::Etched};
    case BorderStyle::Thin:
    case BorderStyle::ThinGrey:
        return {edges::RaisedInner, edges::SunkenOuter};
    default:
        return {edges::Raised, edges::Sunken};
    }
}

QSize skinSize(QSize pixels, double dpiX, double dpiY, double tppX, double tppY) {
    // HIMETRIC is hundredths of a millimetre, kept whole as a picture object holds it.
    const auto side = [](int px, double dpi, double tpp) {
        const double himetric = std::round(px * 2540.0 / dpi);
        const double twips = himetric / 1.76;
        return int(std::lround(twips / tpp));
    };
    return QSize(side(pixels.width(), dpiX, tppX), side(pixels.height(), dpiY, tppY));
}

// The key code a key event reports: letters and digits as their upper-case character.
int keyCode(int key) {
    if ((key >= Qt::Key_0 && key <= Qt::Key_9) || (key >= Qt::Key_A && key <= Qt::Key_Z))
        return key;
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return 0x70 + (key - Qt::Key_F1);
    switch (key) {
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Tab:
        return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Shift:
        return 16;
    case Qt::Key_Control:
        return 17;
    case Qt::Key_Alt:
        return 18;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Space:
        return 32;
    case Qt::Key_PageUp:
        return 33;
    case Qt::Key_PageDown:
        return 34;
    case Qt::Key_End:
        return 35;
    case Qt::Key_Home:
        return 36;
    case Qt::Key_Left:
        return 37;
    case Qt::Key_Up:
        return 38;
    case Qt::Key_Right:
        return 39;
    case Qt::Key_Down:
        return 40;
    case Qt::Key_Insert:
        return 45;
    case Qt::Key_Delete:
        return 46;
    default:
        return 0;
    }
}

Qt::CursorShape cursorShape(int pointer) {
    switch (pointer) {
    case 2:
        return Qt::CrossCursor;
    case 3:
        return Qt::IBeamCursor;
    case 5:
    case 15:
        return Qt::SizeAllCursor;
    case 6:
        return Qt::SizeBDiagCursor;
    case 7:
        return Qt::SizeVerCursor;
    case 8:
        return Qt::SizeFDiagCursor;
    case 9:
        return Qt::SizeHorCursor;
    case 10:
        return Qt::UpArrowCursor;
    case 11:
        return Qt::WaitCursor;
    case 12:
        return Qt::ForbiddenCursor;
    case 13:
        return Qt::BusyCursor;
    case 14:
        return Qt::WhatsThisCursor;
    default:
        return Qt::ArrowCursor;
    }
}

// The caption as a screen reader says it: "&&" is "&", a single "&" is dropped.
QString spokenCaption(const QString& caption) {
    QString out;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && i + 1 < caption.size())
            ++i;
        else if (caption[i] == u'&')
            continue;
        out += caption[i];
    }
    return out;
}

} // namespace buttonex
