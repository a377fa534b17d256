#pragma once

#include <QWidget>

#include "platform/user_dialogs.h"
#include "project/session_state.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace tambrelox {

// Shows the project's descriptive text as the file holds it, and prints it.
// Left only through its Close button; it deletes itself when closed.
class SPJText : public QWidget {
    Q_OBJECT

public:
    SPJText(SessionState& session, UserDialogs& dialogs, QWidget* parent = nullptr);

signals:
    // The window has closed and TextShowing is false again.
    void Closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    void Command1_Click();

    SessionState& session_;
    UserDialogs& dialogs_;
    QPlainTextEdit* Text1;
    QPushButton* Command1;
    QPushButton* Command2;
    QLabel* Label1;
};

}  // namespace tambrelox
