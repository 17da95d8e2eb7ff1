#pragma once

class QAccessibleInterface;
class QObject;
class QString;

// Screen readers see a LightTab as a list of page tabs named by their captions, the active one
// selected. The factory is installed once, by the first strip made.
QAccessibleInterface* LightTabAccessibleFactory(const QString& className, QObject* object);
