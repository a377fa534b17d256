#pragma once

#include <deque>
#include <vector>

#include <QPointer>
#include <QPrinter>
#include <QString>
#include <QWidget>

#include "ui/shared/user_dialogs.h"

namespace tambrelox::testkit {

// The window a message box was shown over, and whether it was on screen then.
struct MessageOwner {
    QPointer<QWidget> window;
    bool windowShown = false;
};

// Answers every dialog at once and remembers what was asked.
class FakeUserDialogs : public UserDialogs {
  public:
    std::vector<MessageOwner> messageOwners;  // of every message box, in order
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

    void Critical(QWidget* parent, const QString& text) override {
        critical.push_back(text);
        Owned(parent);
    }
    void Information(QWidget* parent, const QString& text) override {
        information.push_back(text);
        Owned(parent);
    }
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

  private:
    void Owned(QWidget* parent) {
        messageOwners.push_back({parent, parent != nullptr && parent->isVisible()});
    }
};

}  // namespace tambrelox::testkit
