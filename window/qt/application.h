// Start-up work of the Qt program, done once before its window is created.
#pragma once

#include <QStringList>

#include <functional>

class QApplication;

namespace quintora {

// Makes the window's font the application's, so that menus, tooltips, lists
// and messages match the window; loads Qt's own texts in Portuguese whatever
// the user's locale, as the whole window speaks Portuguese; and sets the
// Fusion style, which draws the window's colours alike on every desktop,
// unless `styleAsked` (by "-style" or QT_STYLE_OVERRIDE).
void prepareApplication(QApplication& app, bool styleAsked);

// The family of the window's font: "MS Sans Serif", or where it is missing
// the first of a few narrow sans serifs in `installed`, or else the first
// family of `installed` that `proportional` accepts: never a fixed-pitch
// family (a minimal system's "sans-serif" may be one), unless every installed
// family is.
QString windowFontFamily(const QStringList& installed,
                         const std::function<bool(const QString&)>& proportional);

} // namespace quintora
