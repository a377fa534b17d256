#pragma once

#include <QWidget>

#include "cvviewer/cv_names.h"
#include "platform/grid_model.h"
#include "platform/user_dialogs.h"
#include "project/session_state.h"

class QLabel;
class QPushButton;
class QTableView;

namespace tambrelox {

class GridTableModel;

// Shows the startup CVs 1 to 255 of the project loaded when it opened, and
// prints those whose value is not zero. It deletes itself when closed.
class CVShow : public QWidget {
    Q_OBJECT

public:
    CVShow(SessionState& session, UserDialogs& dialogs, QWidget* parent = nullptr);

signals:
    // The window has closed and CVShowing is false again.
    void Closed();

protected:
    // The title-bar close acts as the Close button.
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    void Command1_Click();

    SessionState& session_;
    UserDialogs& dialogs_;
    CVNames cvNames_;
    GridModel grid_;
    GridTableModel* gridModel_;
    QTableView* CVGrid;
    QLabel* Image1;
    QLabel* Label2;
    QPushButton* Command2;
    QPushButton* Command1;
    QLabel* Label1;
};

}  // namespace tambrelox
