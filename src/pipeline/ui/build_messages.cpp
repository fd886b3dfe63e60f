#include "pipeline/ui/build_messages.h"
#include "common/ui/message_box.h"

#include "pipeline/target_file_check.h"

#include <QMessageBox>

namespace quillo {

namespace {

QString text(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

void show(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text) {
    showMessage(parent, title, text, icon);
}

}  // namespace

void showRegionWarning(QWidget* parent, RegionStatus status) {
    if (status == RegionStatus::Registered) return;
    show(parent, QMessageBox::Warning, text(kRegionWarningTitle), text(regionStatusText(status)));
}

bool confirmTargetFile(QWidget* parent, const QString& path, qint64 size) {
    const TargetCheck check = checkTargetFile(path.toStdString(), size);
    const QString message = QString::fromStdString(check.message);
    switch (check.status) {
    case TargetCheck::Status::Ok: return true;
    case TargetCheck::Status::InvalidName:
    case TargetCheck::Status::NotEnoughSpace:
        show(parent, QMessageBox::Critical, QObject::tr("Error"), message);
        return false;
    case TargetCheck::Status::Exists: {
        return askYesNo(parent, QObject::tr("Question"), message);
    }
    }
    return false;
}

}  // namespace quillo
