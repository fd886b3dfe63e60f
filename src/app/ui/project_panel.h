#pragma once
#include "app/document.h"

#include <QWidget>

#include <functional>
#include <string>
#include <utility>
#include <vector>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTabWidget;

namespace quillo {

// The project options of the current document on two pages, "Project" and
// "Project 2". Standing alone it shows both in its own tabs; the main window
// may take the two pages into its side panel instead.
//
// Every control has the project-file key as its object name ("PrgStart",
// "OutputType", ...); "Compile final" is "CompileFinal".
class ProjectPanel : public QWidget {
    Q_OBJECT
public:
    explicit ProjectPanel(QWidget* parent = nullptr);

    QWidget* projectPage() const { return projectPage_; }
    QWidget* project2Page() const { return project2Page_; }

    // The document that the immediate stores write into, asked at every
    // change (the document list may move in memory between changes).
    void setDocumentProvider(std::function<Document*()> provider) { currentDocument_ = std::move(provider); }

    // Sets every control from the document; no immediate stores fire.
    void setFromDocument(const Document& doc);
    // Sync: every control of both pages into the document. CaretPos (from
    // the editor), MainPrgName and the binary list are left to the caller.
    void storeInto(Document& doc) const;

    // Refills "Main file:": one item per document name in list order, the
    // current one shown as "This File"; the item whose text equals
    // mainPrgName is selected, none when it is empty.
    void refillMainFileList(const std::vector<std::string>& documentNames, int currentIndex,
                            const std::string& mainPrgName);
    // The selected main-file item's text into MainPrgName.
    void storeMainFileName(Document& doc) const;

    // The output-file field and its "..." button, for the main window's layout.
    QLineEdit* outputFileField() const { return outputFile_; }
    QPushButton* outputFileButton() const { return outputButton_; }

signals:
    // A control's value has just been stored into the current document.
    void optionStored();

private:
    QWidget* buildProjectPage();
    QWidget* buildProject2Page();
    using CheckField = std::uint8_t Document::*;
    // A check box showing a document field.
    struct CheckBoxSpec {
        const char* key;
        QString caption;
        QString tooltip;
        CheckField field;
        bool storesOnToggle = true;  // else only at the next sync
        bool enabled = true;
    };
    void addCheck(QWidget* page, const CheckBoxSpec& spec);
    void storeNow(const std::function<void(Document&)>& store);
    void chooseOutputFile();

    std::function<Document*()> currentDocument_;
    bool settingControls_ = false;

    QTabWidget* tabs_ = nullptr;
    QWidget* projectPage_ = nullptr;
    QWidget* project2Page_ = nullptr;

    std::vector<std::pair<QCheckBox*, CheckField>> checks_;  // both pages

    // "Project"
    QComboBox* mainFile_ = nullptr;
    QLineEdit* outputFile_ = nullptr;
    QPushButton* outputButton_ = nullptr;
    QLineEdit* prgStart_ = nullptr;
    QComboBox* optimisation_ = nullptr;
    QComboBox* outputType_ = nullptr;
    QComboBox* specialLib_ = nullptr;
    QLineEdit* heapsize_ = nullptr;

    // "Project 2"
    QLineEdit* author_ = nullptr;
    QComboBox* target_ = nullptr;
    QComboBox* memory_ = nullptr;
    QSpinBox* extLevels_ = nullptr;
    QComboBox* usedEmulator_ = nullptr;
    QSpinBox* arrayBase_ = nullptr;
    QSpinBox* stringBase_ = nullptr;
};

}  // namespace quillo
