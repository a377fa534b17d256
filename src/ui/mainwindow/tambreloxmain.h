#pragma once

#include <memory>
#include <string>

#include <QString>
#include <QWidget>

#include "core/grid/grid_model.h"
#include "core/project/session_state.h"
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
struct Refusal;

// How the main window makes the windows it opens; the program's start-up
// supplies them, so that this window knows none of them.
struct OpenedWindows {
    SecondaryWindow::Factory cvValues;
    SecondaryWindow::Factory descriptiveText;
    SecondaryWindow::Factory player;
};

// The start-up window: shows the chosen project's summary and opens the
// other windows.
class TambreloxMain : public QWidget {
    Q_OBJECT

  public:
    TambreloxMain(SessionState& session, UserDialogs& dialogs, OpenedWindows windows,
                  QWidget* parent = nullptr);
    ~TambreloxMain() override;

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
    void Form_Load();

    void Command2_Click();
    void Command1_Click();
    void Command5_Click();
    void Command7_Click();
    void Command8_Click();
    void Command3_Click();
    void ShowRecentProjects(const QPoint& at);
    void OpenRecentProject(const QString& path);

    void LoadSPJ(const std::string& realPath);
    void ShowRefusal(const Refusal& refusal);
    void ShowProject(std::shared_ptr<const Project> project);
    void RefreshGrid();
    void SetProjectButtonsEnabled(bool enabled);

    SessionState& session_;
    UserDialogs& dialogs_;
    GridModel grid_;
    // Where the next open-file dialog starts: the chosen file's real folder,
    // whose letter case SPJFolder does not keep.
    QString dialogFolder_;

    SecondaryWindow cvShow_;
    SecondaryWindow spjText_;
    SecondaryWindow soundTest_;

    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command5 = nullptr;
    QPushButton* Command7 = nullptr;
    QPushButton* Command8 = nullptr;
    QTableView* WavefileGrid = nullptr;
    GridTableModel* gridTableModel_ = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label10 = nullptr;
    QLabel* Label11 = nullptr;
    QLabel* Label14 = nullptr;
    QLabel* Label16 = nullptr;
    ElidedLabel* lblSPJName = nullptr;
    ElidedLabel* lblSPJFolder = nullptr;
    ElidedLabel* lblAuthor = nullptr;
    FlashBudgetBar* flashBudget_ = nullptr;
};

}  // namespace tambrelox
