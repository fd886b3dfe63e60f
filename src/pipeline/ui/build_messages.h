#pragma once
#include "pipeline/region_map.h"
#include "common/ui/message_box.h"

#include <QString>

#include <vector>

class QWidget;

namespace quillo {


// "Warning!!!" with the collision (or out-of-range) text; nothing when the
// region was registered.
void showRegionWarning(QWidget* parent, RegionStatus status);

// The target file check with its message boxes: "Error" for an invalid name
// or too little space, the "Question" about an existing file. True when the
// file may be written.
bool confirmTargetFile(QWidget* parent, const QString& path, qint64 size);

}  // namespace quillo
