#pragma once

#include <QWidget>

#include <string>

#include "core/cv/cv_names.h"
#include "core/grid/grid_model.h"
#include "core/project/session_state.h"
#include "ui/shared/user_dialogs.h"

class QLabel;
class QPushButton;
class QTableView;

namespace tambrelox {

class GridTableModel;

// Shows the startup CVs 1 to 255 of the project loaded when it opened, and
// prints those whose value is not zero under that project's path and author,
// whatever is loaded since. Closing it from its title bar acts as Close.
class StartupCvWindow : public QWidget {
    Q_OBJECT

  public:
    StartupCvWindow(SessionState& session, UserDialogs& dialogs, QWidget* parent = nullptr);
    ~StartupCvWindow() override;

  private:
    void ShowCvs();
    void PrintNonZeroCvs();

    SessionState& session_;
    UserDialogs& dialogs_;
    // The project shown, as it was named when the window opened.
    std::string fileName_;
    std::string path_;
    std::string author_;
    CVNames cvNames_;
    GridModel grid_;
    GridTableModel* gridModel_;
    QTableView* cvGrid_;
    QLabel* picture_;
    QLabel* noteLabel_;
    QPushButton* printButton_;
    QPushButton* closeButton_;
    QLabel* titleLine_;
};

}  // namespace tambrelox
