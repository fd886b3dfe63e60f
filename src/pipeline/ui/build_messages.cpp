#include "pipeline/ui/build_messages.h"

#include "common/ui/qt_text.h"
#include "common/ui/message_box.h"

#include "pipeline/target_file_check.h"

#include <QMessageBox>

namespace quillo {

void showRegionWarning(QWidget* parent, RegionStatus status) {
    if (status == RegionStatus::Registered) return;
    showMessage(parent, toQ(kRegionWarningTitle), toQ(regionStatusText(status)), QMessageBox::Warning);
}

bool confirmTargetFile(QWidget* parent, const QString& path, qint64 size) {
    const TargetCheck check = checkTargetFile(fromQ(path), size);
    const QString message = toQ(check.message);
    switch (check.status) {
    case TargetCheck::Status::Ok: return true;
    case TargetCheck::Status::InvalidName:
    case TargetCheck::Status::NotEnoughSpace:
        showMessage(parent, QStringLiteral("Error"), message, QMessageBox::Critical);
        return false;
    case TargetCheck::Status::Exists: {
        return askYesNo(parent, QStringLiteral("Question"), message);
    }
    }
    return false;
}

}  // namespace quillo
