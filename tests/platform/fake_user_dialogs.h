#pragma once

#include <QPrinter>
#include <QString>
#include <QStringList>

#include "platform/user_dialogs.h"

namespace tambrelox::testing {

// Answers every dialog at once and remembers what was asked.
class FakeUserDialogs : public UserDialogs {
  public:
    void Critical(QWidget*, const QString& text) override { messages.append(text); }
    void Information(QWidget*, const QString& text) override { messages.append(text); }
    QString OpenFile(QWidget*, const QString&, const QString&) override { return openFileAnswer; }
    QString SaveFile(QWidget*, const QString&, const QString&) override { return saveFileAnswer; }
    bool SetUpPrinter(QWidget*, QPrinter& printer) override {
        ++printerSetUps;
        if (!printerOutputFile.isEmpty()) printer.setOutputFileName(printerOutputFile);
        return acceptPrinter;
    }

    QStringList messages;
    QString openFileAnswer;
    QString saveFileAnswer;
    bool acceptPrinter = true;
    QString printerOutputFile;  // where the chosen "printer" writes its PDF
    int printerSetUps = 0;
};

}  // namespace tambrelox::testing
