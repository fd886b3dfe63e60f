#pragma once
#include <QIcon>
#include <QString>

namespace quillo {

// The graphics editor's toolbar pictures, drawn at run time, by tooltip
// ("Freehand", "Brush", ... "Redo").
QIcon gfxToolIcon(const QString& tooltip);

}  // namespace quillo
