#include "digitkeys.h"

#include "manualboard.h"

#include <QKeyEvent>

bool SwallowsTypedKey(const QKeyEvent& key) {
    const QString typed = key.text();
    if (typed.isEmpty() || !typed.front().isPrint() ||
        (key.modifiers() & (Qt::ControlModifier | Qt::MetaModifier)))
        return false;
    return !TargetKeyPasses(typed.front().unicode());
}
