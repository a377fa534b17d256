#pragma once

#include <memory>
#include <string>

#include <QString>
#include <QWidget>

#include "core/grid/grid_model.h"
#include "core/project/session_state.h"
#include "ui/mainwindow/remembered_settings.h"
#include "ui/shared/secondary_window.h"

class QLabel;
class QPushButton;
class QTableView;

namespace tambrelox {

class ElidedLabel;
class FlashBudgetBar;
class GridTableModel;
class UserDialogs;
struct Project;
struct ProjectRefusal;

// How the main window makes the windows it opens; the program's start-up
// supplies them, so that this window knows none of them.
struct OpenedWindows {
    SecondaryWindow::Factory cvValues;
    SecondaryWindow::Factory descriptiveText;
    SecondaryWindow::Factory player;
};

// The start-up window: shows the chosen project's summary and opens the
// other windows.
class MainWindow : public QWidget {
    Q_OBJECT

  public:
    MainWindow(SessionState& session, UserDialogs& dialogs, OpenedWindows windows,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    // Opens a project as if it had been chosen with "Get SPJ File". A path
    // without a folder names a file in the current folder.
    Q_INVOKABLE void OpenProject(const QString& path);
    // The same, once the events already waiting have been handled: a window
    // just shown is drawn first, and a message box comes up over it.
    void OpenProjectSoon(const QString& path);

  protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void CreateControls();
    void ArrangeControls();
    void NameControlsForScreenReaders();
    void ShowNoProject();

    void ChooseAndOpenProject();
    void PrintSummary();
    void OpenCvWindow();
    void OpenTextWindow();
    void OpenPlayer();
    void ShowRecentProjects(const QPoint& at);
    void OpenRecentProject(const QString& path);

    void LoadSPJ(const std::string& realPath);
    void ShowRefusal(const ProjectRefusal& refusal);
    void ShowProject(std::shared_ptr<const Project> project);
    void RefreshGrid();
    void SetProjectButtonsEnabled(bool enabled);

    SessionState& session_;
    UserDialogs& dialogs_;
    RememberedSettings settings_;
    GridModel grid_;
    // Where the next open-file dialog starts: the chosen file's real folder,
    // whose letter case projectFolder does not keep.
    QString dialogFolder_;

    SecondaryWindow cvWindow_;
    SecondaryWindow textWindow_;
    SecondaryWindow playerWindow_;

    QPushButton* printSummaryButton_ = nullptr;
    QPushButton* openButton_ = nullptr;
    QPushButton* quitButton_ = nullptr;
    QPushButton* cvButton_ = nullptr;
    QPushButton* textButton_ = nullptr;
    QPushButton* playerButton_ = nullptr;
    QTableView* clipGrid_ = nullptr;
    GridTableModel* gridTableModel_ = nullptr;
    QLabel* picture_ = nullptr;
    QLabel* runsInCaption_ = nullptr;
    QLabel* decodersLabel_ = nullptr;
    QLabel* aboutText_ = nullptr;
    QLabel* folderCaption_ = nullptr;
    QLabel* titleLine_ = nullptr;
    QLabel* authorCaption_ = nullptr;
    QLabel* fileNameCaption_ = nullptr;
    ElidedLabel* fileNameLabel_ = nullptr;
    ElidedLabel* folderLabel_ = nullptr;
    ElidedLabel* authorLabel_ = nullptr;
    FlashBudgetBar* flashBudget_ = nullptr;
};

}  // namespace tambrelox
