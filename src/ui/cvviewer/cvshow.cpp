#include "ui/cvviewer/cvshow.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

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

constexpr auto kNote =
    "CV Names are listed for 'custom' CVs 140 and greater if available in the SPJ.  "
    "These names show in Quenderlith.";

constexpr int kWindowHeight = 560;
constexpr int kRowPadding = 4;  // pixels above and below a row's text

}  // namespace

CVShow::CVShow(SessionState& session, UserDialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window),
      session_(session),
      dialogs_(dialogs),
      fileName_(session.SPJFileName),
      path_(session.SPJPath),
      author_(session.SPJAuthor),
      gridModel_(new GridTableModel(grid_, this)),
      CVGrid(new QTableView(this)),
      Image1(MakeLabel(this, "Image1")),
      Label2(MakeLabel(this, "Label2", QString::fromUtf8(kNote))),
      Command2(MakeButton(this, "Command2", QStringLiteral("Print List of non-zero value CVs"))),
      Command1(MakeButton(this, "Command1", QStringLiteral("Close"))),
      Label1(MakeLabel(this, "Label1")) {
    setObjectName(QStringLiteral("CVShow"));
    CVGrid->setObjectName(QStringLiteral("CVGrid"));

    CVGrid->setModel(gridModel_);
    CVGrid->verticalHeader()->hide();
    // Arrows move between cells; Tab leaves the grid for the buttons.
    CVGrid->setTabKeyNavigation(false);
    CVGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    CVGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    CVGrid->verticalHeader()->setDefaultSectionSize(CVGrid->fontMetrics().height() + kRowPadding);
    ShowProgramPicture(*Image1);
    Image1->setAlignment(Qt::AlignCenter);
    Label2->setWordWrap(true);

    auto* side = new QVBoxLayout;
    side->addWidget(Image1);
    side->addWidget(Label2);
    side->addStretch();
    side->addWidget(Command2);
    side->addWidget(Command1);
    QWidget* content = ScrolledContent(*this);
    auto* layout = new QGridLayout(content);
    layout->addWidget(CVGrid, 0, 0);
    layout->addLayout(side, 0, 1);
    layout->addWidget(Label1, 1, 0, 1, 2);
    layout->setColumnStretch(0, 1);

    connect(Command1, &QPushButton::clicked, this, &CVShow::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &CVShow::Command2_Click);
    ClickOnCloseKeys(*this, *Command1);
    ClickOnKeys(*this, QKeySequence::keyBindings(QKeySequence::Print), *Command2);
    CVGrid->setAccessibleName(QStringLiteral("Startup CVs"));
    CVGrid->setAccessibleDescription(
        QStringLiteral("CVs 1 to 255 with their names and values in hex, decimal and binary"));
    Form_Load();
    resize(content->sizeHint().width(), kWindowHeight);
    FitToScreen(*this);
}

// The grid's rows go before the view does, and a view taken down while shown
// still asks its model for them.
CVShow::~CVShow() {
    CVGrid->setModel(nullptr);
}

void CVShow::Form_Load() {
    Label1->setText(QString::fromUtf8(kTitleLine));
    setWindowTitle(QStringLiteral("Start Up CVs for ") + QString::fromStdString(fileName_));
    PrepareCVGrid(grid_);
    if (session_.project) {
        LoadCVNames(*session_.project, cvNames_);
        BuildCVRows(*session_.project, cvNames_, grid_);
    }
    gridModel_->Refresh();
    ApplyGridColumnWidths(*CVGrid, grid_);
    WidenGridColumnsToContents(*CVGrid);
    CVGrid->setMinimumWidth(CVGrid->horizontalHeader()->length() +
                            CVGrid->verticalScrollBar()->sizeHint().width() +
                            2 * CVGrid->frameWidth());
}

void CVShow::Command1_Click() {
    close();
}

// Prints the table as the window shows it, under its own project's path and
// owner: a project loaded since never heads these rows.
void CVShow::Command2_Click() {
    PrintWithDialog(this, dialogs_, PrintoutName(fileName_, "CVs"), [this](ColumnPrinter& printer) {
        const std::string printedAt = PrintedNow();
        PrintCVReport(printer, grid_, {path_, author_, printedAt});
    });
}

}  // namespace tambrelox
