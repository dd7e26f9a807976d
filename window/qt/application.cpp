#include "window/qt/application.h"

#include "window/controls.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLibraryInfo>
#include <QStyleFactory>
#include <QTranslator>

#include <vector>

namespace quintora {

QString windowFontFamily(const QStringList& installed,
                         const std::function<bool(const QString&)>& proportional) {
    // The columns are sized for the narrow dialog font; the wide default sans
    // of some desktops would clip the unit names.
    std::vector<std::string_view> families{fontOf(FontRole::Normal).family};
    families.insert(families.end(), fallbackFamilies.begin(), fallbackFamilies.end());
    for (std::string_view family : families) {
        const QString name =
            QString::fromUtf8(family.data(), static_cast<qsizetype>(family.size()));
        if (installed.contains(name))
            return name;
    }
    // None of them: the font system's alias for the desktop's sans serif,
    // unless it would give a fixed-pitch family, as it may on a minimal
    // system with a single font package.
    const QString desktop = QStringLiteral("Sans Serif");
    if (proportional(desktop))
        return desktop;
    for (const QString& family : installed)
        if (proportional(family))
            return family;
    return desktop;
}

void prepareApplication(QApplication& app, bool styleAsked) {
    // Looked up in the list of installed families: asking the font system
    // about a missing family costs more than building the whole window.
    QFont font(windowFontFamily(QFontDatabase::families(), [](const QString& family) {
        return !QFontInfo(QFont(family)).fixedPitch();
    }));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(fontOf(FontRole::Normal).points);
    QApplication::setFont(font);

    auto* translator = new QTranslator(&app);
    if (translator->load(QStringLiteral("qtbase_pt_BR"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);

    if (!styleAsked)
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
}

} // namespace quintora
