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
class SPJText : public QWidget {
    Q_OBJECT

  public:
    SPJText(SessionState& session, UserDialogs& dialogs, QWidget* parent = nullptr);

  private:
    void Form_Load();
    void Command1_Click();
    void Command2_Click();

    UserDialogs& dialogs_;
    std::shared_ptr<const Project> project_;  // the project shown
    std::string fileName_;
    QPlainTextEdit* Text1;
    QPushButton* Command1;
    QPushButton* Command2;
    QLabel* Label1;
};

}  // namespace tambrelox
