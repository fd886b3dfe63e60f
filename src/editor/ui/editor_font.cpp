#include "editor/ui/editor_font.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QHash>

namespace quillo {

namespace {

QString fixedFamily() {
    const QFontInfo system(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    if (system.fixedPitch()) return system.family();
    for (const QString& family : QFontDatabase::families())
        if (QFontDatabase::isFixedPitch(family)) return family;
    return system.family();
}

QString resolve(const QString& wanted) {
    if (QFontDatabase::families().contains(wanted, Qt::CaseInsensitive)) return wanted;
    if (QFontInfo(QFont(wanted)).fixedPitch()) return wanted;
    return fixedFamily();
}

}  // namespace

QString displayFontFamily(const QString& wanted) {
    // The settings pass asks for every style's font: look each name up once.
    static QHash<QString, QString> resolved;
    auto it = resolved.constFind(wanted);
    if (it == resolved.constEnd()) it = resolved.insert(wanted, resolve(wanted));
    return *it;
}

}  // namespace quillo
