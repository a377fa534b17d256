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
#include "ui/shared/screen_fit.h"
#include "ui/shared/widget_factory.h"

namespace tambrelox {
namespace {

constexpr int kWindowHeight = 560;
constexpr int kRowPadding = 4;  // pixels above and below a row's text

}  // namespace

CVShow::CVShow(SessionState& session, UserDialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window),
      session_(session),
      dialogs_(dialogs),
      gridModel_(new GridTableModel(grid_, this)),
      CVGrid(new QTableView(this)),
      Image1(MakeLabel(this, "Image1")),
      Label2(MakeLabel(this, "Label2",
                       QString::fromUtf8(kCustomCVNameNote.data(),
                                         static_cast<qsizetype>(kCustomCVNameNote.size())))),
      Command2(MakeButton(this, "Command2", QStringLiteral("Print List of non-zero value CVs"))),
      Command1(MakeButton(this, "Command1", QStringLiteral("Close"))),
      Label1(MakeLabel(this, "Label1")) {
    setObjectName(QStringLiteral("CVShow"));
    CVGrid->setObjectName(QStringLiteral("CVGrid"));

    CVGrid->setModel(gridModel_);
    CVGrid->verticalHeader()->hide();
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
    auto* layout = new QGridLayout(this);
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
    resize(sizeHint().width(), kWindowHeight);
    FitToScreen(*this);
}

// The grid's rows go before the view does, and a view taken down while shown
// still asks its model for them.
CVShow::~CVShow() {
    CVGrid->setModel(nullptr);
}

void CVShow::Form_Load() {
    Label1->setText(QString::fromUtf8(kTitleLine));
    setWindowTitle(QStringLiteral("Start Up CVs for ") +
                   QString::fromStdString(session_.SPJFileName));
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

// Prints the table as the window shows it, under the path and owner chosen last.
void CVShow::Command2_Click() {
    PrintWithDialog(
        this, dialogs_, QString::fromStdString(session_.SPJFileName),
        [this](ColumnPrinter& printer) {
            const std::string printedAt = PrintedNow();
            PrintCVReport(printer, grid_, {session_.SPJPath, session_.SPJAuthor, printedAt});
        });
}

}  // namespace tambrelox
