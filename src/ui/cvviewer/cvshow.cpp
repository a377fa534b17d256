#include "ui/cvviewer/cvshow.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

#include "core/base/captions.h"
#include "core/base/title_line.h"
#include "core/cv/cv_table.h"
#include "core/report/cv_printout.h"
#include "core/report/report_frame.h"
#include "ui/shared/button_keys.h"
#include "ui/shared/grid_table_model.h"
#include "ui/shared/printout.h"
#include "ui/shared/program_picture.h"
#include "ui/shared/widget_factory.h"
#include "ui/shared/window_look.h"

namespace tambrelox {
namespace {

constexpr int kWindowHeight = 560;
constexpr int kRowPadding = 4;  // pixels above and below a row's text

}  // namespace

StartupCvWindow::StartupCvWindow(SessionState& session, UserDialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window),
      session_(session),
      dialogs_(dialogs),
      fileName_(session.projectFileName),
      path_(session.projectPath),
      author_(session.projectAuthor),
      gridModel_(new GridTableModel(grid_, this)),
      cvGrid_(new QTableView(this)),
      picture_(MakeLabel(this, "Image1")),
      noteLabel_(MakeLabel(this, "Label2",
                           QString::fromUtf8(kCustomCVNameNote.data(),
                                             static_cast<qsizetype>(kCustomCVNameNote.size())))),
      printButton_(
          MakeButton(this, "Command2", QStringLiteral("Print List of non-zero value CVs"))),
      closeButton_(MakeButton(this, "Command1", QStringLiteral("Close"))),
      titleLine_(MakeLabel(this, "Label1")) {
    setObjectName(QStringLiteral("CVShow"));
    cvGrid_->setObjectName(QStringLiteral("CVGrid"));

    cvGrid_->setModel(gridModel_);
    cvGrid_->verticalHeader()->hide();
    // Arrows move between cells; Tab leaves the grid for the buttons.
    cvGrid_->setTabKeyNavigation(false);
    cvGrid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    cvGrid_->setSelectionMode(QAbstractItemView::SingleSelection);
    cvGrid_->verticalHeader()->setDefaultSectionSize(cvGrid_->fontMetrics().height() + kRowPadding);
    ShowProgramPicture(*picture_);
    picture_->setAlignment(Qt::AlignCenter);
    noteLabel_->setWordWrap(true);

    auto* side = new QVBoxLayout;
    side->addWidget(picture_);
    side->addWidget(noteLabel_);
    side->addStretch();
    side->addWidget(printButton_);
    side->addWidget(closeButton_);
    QWidget* content = ScrolledContent(*this);
    auto* layout = new QGridLayout(content);
    layout->addWidget(cvGrid_, 0, 0);
    layout->addLayout(side, 0, 1);
    layout->addWidget(titleLine_, 1, 0, 1, 2);
    layout->setColumnStretch(0, 1);

    connect(closeButton_, &QPushButton::clicked, this, &QWidget::close);
    connect(printButton_, &QPushButton::clicked, this, &StartupCvWindow::PrintNonZeroCvs);
    ClickOnCloseKeys(*this, *closeButton_);
    ClickOnKeys(*this, QKeySequence::keyBindings(QKeySequence::Print), *printButton_);
    cvGrid_->setAccessibleName(QStringLiteral("Startup CVs"));
    cvGrid_->setAccessibleDescription(
        QStringLiteral("CVs 1 to 255 with their names and values in hex, decimal and binary"));
    ShowCvs();
    resize(content->sizeHint().width(), kWindowHeight);
    FitToScreen(*this);
}

// The grid's rows go before the view does, and a view taken down while shown
// still asks its model for them.
StartupCvWindow::~StartupCvWindow() {
    cvGrid_->setModel(nullptr);
}

void StartupCvWindow::ShowCvs() {
    titleLine_->setText(QString::fromUtf8(kTitleLine));
    setWindowTitle(QStringLiteral("Start Up CVs for ") + QString::fromStdString(fileName_));
    PrepareCVGrid(grid_);
    if (session_.project) {
        LoadCVNames(*session_.project, cvNames_);
        BuildCVRows(*session_.project, cvNames_, grid_);
    }
    gridModel_->Refresh();
    ApplyGridColumnWidths(*cvGrid_, grid_);
    WidenGridColumnsToContents(*cvGrid_);
    cvGrid_->setMinimumWidth(cvGrid_->horizontalHeader()->length() +
                             cvGrid_->verticalScrollBar()->sizeHint().width() +
                             2 * cvGrid_->frameWidth());
}

// Prints the table as the window shows it, under its own project's path and
// owner: a project loaded since never heads these rows.
void StartupCvWindow::PrintNonZeroCvs() {
    PrintWithDialog(this, dialogs_, PrintoutName(fileName_, "CVs"), [this](ColumnPrinter& printer) {
        const std::string printedAt = PrintedNow();
        PrintCVReport(printer, grid_, {path_, author_, printedAt});
    });
}

}  // namespace tambrelox
