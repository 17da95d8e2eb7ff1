#include "roundclock.h"

#include "fonts.h"
#include "roundclockdesign.h"

#include <QJsonObject>

PropertyBag roundClockDesign() {
    QJsonObject design;
    for (const StoredProperty& p : kRoundClockDesign)
        design.insert(QLatin1String(p.name.data(), static_cast<qsizetype>(p.name.size())), p.value);
    PropertyBag bag = PropertyBag::fromJson(design);
    bag.writeFont("Font", ArialFont(kRoundClockFontPoints, true), QFont());
    return bag;
}
