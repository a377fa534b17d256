#pragma once

#include <QWidget>

#include "core/project/session_state.h"
#include "ui/shared/user_dialogs.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace tambrelox {

// Shows the project's descriptive text as the file holds it, and prints it.
// It has no close box in its title bar: it is left through its Close button.
class SPJText : public QWidget {
    Q_OBJECT

  public:
    SPJText(SessionState& session, UserDialogs& dialogs, QWidget* parent = nullptr);

  private:
    void Form_Load();
    void Command1_Click();
    void Command2_Click();

    SessionState& session_;
    UserDialogs& dialogs_;
    QPlainTextEdit* Text1;
    QPushButton* Command1;
    QPushButton* Command2;
    QLabel* Label1;
};

}  // namespace tambrelox
