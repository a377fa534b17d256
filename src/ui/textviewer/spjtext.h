#pragma once

#include <QWidget>

#include <memory>
#include <string>

#include "core/project/session_state.h"
#include "ui/shared/user_dialogs.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace tambrelox {

// Shows the descriptive text of the project loaded when it opened, as the file
// holds it, and prints that text, whatever is loaded since.
class DescriptiveTextWindow : public QWidget {
    Q_OBJECT

  public:
    DescriptiveTextWindow(SessionState& session, UserDialogs& dialogs, QWidget* parent = nullptr);

  private:
    void ShowText();
    void PrintText();

    UserDialogs& dialogs_;
    std::shared_ptr<const Project> project_;  // the project shown
    std::string fileName_;
    QPlainTextEdit* text_;
    QPushButton* closeButton_;
    QPushButton* printButton_;
    QLabel* titleLine_;
};

}  // namespace tambrelox
