#include "editor/ui/help_viewer.h"

#include "common/ui/qt_text.h"
#include "common/ui/message_box.h"

#include "editor/keyword_help.h"

#include <QDesktopServices>
#include <QMessageBox>
#include <QResizeEvent>
#include <QTextBrowser>

namespace quillo {

HelpViewer::HelpViewer(const QUrl& page, QWidget* parent) : QDialog(parent), browser_(new QTextBrowser(this)) {
    setWindowTitle(QStringLiteral("Help"));
    setSizeGripEnabled(true);
    browser_->setOpenLinks(true);
    browser_->setGeometry(0, 0, 645, 370);
    browser_->setSource(page);
    resize(650, 400);
}

void HelpViewer::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    browser_->setGeometry(0, 0, std::max(0, event->size().width() - 5), std::max(0, event->size().height() - 30));
}

QUrl helpPageUrl(const QString& programFolder, const QString& page) {
    return QUrl(QStringLiteral("file://") + programFolder + QStringLiteral("Quillo_Help/") + page);
}

void openHelpPage(const QString& page, QWidget* parent, const QString& programFolder) {
    HelpViewer viewer(helpPageUrl(programFolder, page), parent);
    viewer.exec();
}

void showKeywordHelp(const QString& lowerWord, QWidget* parent, const QString& programFolder) {
    const KeywordHelpTarget target = keywordHelpTarget(fromQ(lowerWord));
    switch (target.kind) {
    case KeywordHelpTarget::Kind::Page:
        openHelpPage(toQ(target.target), parent, programFolder);
        break;
    case KeywordHelpTarget::Kind::Web:
        // Without a browser the local page says the same; without one
        // either, the user hears why nothing opened.
        if (QDesktopServices::openUrl(QUrl(toQ(target.target)))) break;
        if (const std::string page = keywordLocalPage(fromQ(lowerWord)); !page.empty())
            openHelpPage(toQ(page), parent, programFolder);
        else
            showMessage(parent, QStringLiteral("Sorry"),
                        QStringLiteral("No web browser could be started for %1").arg(toQ(target.target)));
        break;
    case KeywordHelpTarget::Kind::None:
        showMessage(parent, QStringLiteral("Sorry"), QStringLiteral("This command is external or help is not written yet"));
        break;
    }
}

}  // namespace quillo
