#pragma once
#include <QDialog>
#include <QString>
#include <QUrl>

class QTextBrowser;

namespace quillo {

// The "Help" window: one browser over a page of the help folder.
class HelpViewer : public QDialog {
    Q_OBJECT
public:
    HelpViewer(const QUrl& page, QWidget* parent);
    QTextBrowser* browser() const { return browser_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QTextBrowser* browser_;
};

// "file://" + program folder + "Quillo_Help/" + page.
QUrl helpPageUrl(const QString& programFolder, const QString& page);

// Shows a help page in the viewer and returns when it is closed.
void openHelpPage(const QString& page, QWidget* parent, const QString& programFolder);

// Help for a lower-case word: its page, the compiler's online documentation
// in the browser, or the "Sorry" box.
void showKeywordHelp(const QString& lowerWord, QWidget* parent, const QString& programFolder);

}  // namespace quillo
