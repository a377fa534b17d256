#pragma once

#include <QString>

class QPrinter;
class QWidget;

namespace tambrelox {

inline constexpr auto kMessageTitle = "Tambrelox";

// Every dialog and message box the windows show goes through this, so tests
// can answer them without anything blocking.
class UserDialogs {
  public:
    virtual ~UserDialogs() = default;

    // Critical-stop icon, OK button, titled "Tambrelox".
    virtual void Critical(QWidget* parent, const QString& text) = 0;
    // Plain OK box, titled "Tambrelox".
    virtual void Information(QWidget* parent, const QString& text) = 0;
    // The chosen file's full path, or the empty text when cancelled.
    virtual QString OpenFile(QWidget* parent, const QString& folder, const QString& filter) = 0;
    virtual QString SaveFile(QWidget* parent, const QString& proposedPath,
                             const QString& filter) = 0;
    // Lets the user choose and set up `printer`; false when cancelled.
    virtual bool SetUpPrinter(QWidget* parent, QPrinter& printer) = 0;
};

// The real dialogs.
class QtUserDialogs : public UserDialogs {
  public:
    void Critical(QWidget* parent, const QString& text) override;
    void Information(QWidget* parent, const QString& text) override;
    QString OpenFile(QWidget* parent, const QString& folder, const QString& filter) override;
    QString SaveFile(QWidget* parent, const QString& proposedPath, const QString& filter) override;
    bool SetUpPrinter(QWidget* parent, QPrinter& printer) override;
};

}  // namespace tambrelox
