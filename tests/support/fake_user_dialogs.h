#pragma once

#include <deque>
#include <vector>

#include <QPrinter>
#include <QString>

#include "ui/shared/user_dialogs.h"

namespace tambrelox::testkit {

// Answers every dialog at once and remembers what was asked.
class FakeUserDialogs : public UserDialogs {
  public:
    std::vector<QString> critical;
    std::vector<QString> information;
    std::vector<QString> openFolders;  // the folder each open-file dialog started in
    std::vector<QString> openFilters;
    std::deque<QString> chosenFiles;  // answers to the open-file dialog; empty means cancel
    QString proposedSave;             // the file the last save dialog proposed
    QString saveAnswer;               // empty means cancel
    int printerSetUps = 0;
    bool acceptPrinter = false;  // cancel the print dialog unless told
    QString printerOutputFile;   // where an accepted "printer" writes its PDF
    QString proposedPrintFile;   // what the print dialog was shown
    QString printedDocument;

    void Critical(QWidget*, const QString& text) override { critical.push_back(text); }
    void Information(QWidget*, const QString& text) override { information.push_back(text); }
    QString OpenFile(QWidget*, const QString& folder, const QString& filter) override {
        openFolders.push_back(folder);
        openFilters.push_back(filter);
        if (chosenFiles.empty()) return {};
        QString chosen = chosenFiles.front();
        chosenFiles.pop_front();
        return chosen;
    }
    QString SaveFile(QWidget*, const QString& proposed, const QString&) override {
        proposedSave = proposed;
        return saveAnswer;
    }
    bool SetUpPrinter(QWidget*, QPrinter& printer) override {
        ++printerSetUps;
        proposedPrintFile = printer.outputFileName();
        printedDocument = printer.docName();
        if (!printerOutputFile.isEmpty()) printer.setOutputFileName(printerOutputFile);
        return acceptPrinter;
    }
};

}  // namespace tambrelox::testkit
