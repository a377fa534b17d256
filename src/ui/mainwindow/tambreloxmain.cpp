#include "ui/mainwindow/tambreloxmain.h"

#include <optional>
#include <utility>

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QUrl>
#include <QVBoxLayout>

#include "core/base/text.h"
#include "core/base/title_line.h"
#include "core/cv/cv_table.h"
#include "core/grid/summary_grid.h"
#include "core/project/author.h"
#include "core/project/chosen_file.h"
#include "core/project/flash_budget.h"
#include "core/project/spj_reader.h"
#include "ui/mainwindow/flash_budget_bar.h"
#include "ui/mainwindow/recent_projects_menu.h"
#include "ui/mainwindow/remembered_settings.h"
#include "ui/mainwindow/summary_printing.h"
#include "ui/shared/button_keys.h"
#include "ui/shared/elided_label.h"
#include "ui/shared/grid_table_model.h"
#include "ui/shared/program_picture.h"
#include "ui/shared/user_dialogs.h"
#include "ui/shared/widget_factory.h"
#include "ui/shared/window_look.h"

namespace tambrelox {
namespace {

constexpr auto kCaption = "Tambrelox Utility";
constexpr auto kFileFilter = "Sound Project Files (*.spj)";
constexpr auto kNoFileChosen = "No Sound Project File (.spj) was selected!";
constexpr auto kProjectSuffix = "spj";

constexpr qreal kWindowFontPoints = 8.25;
constexpr qreal kControlFontPoints = 12;
constexpr int kFileNameColumn = 1;
constexpr int kFileNameTwips = 3300;
constexpr int kSizeColumnTwips = 900;  // File Size, Play Sec and FlashSize*
constexpr int kFirstSizeColumn = 4;
constexpr int kGridRowPadding = 4;  // pixels above and below a row's text
constexpr int kGroupSpacing = 10;   // pixels between groups of the right-hand column

const QColor kGreen(0, 192, 0);
const QColor kRed(255, 0, 0);
const QColor kDarkBlue(0, 0, 192);
const QColor kBlue(0, 0, 255);

QString AboutText() {
    return QStringLiteral(
        "\nThis software was developed to reveal the contents and capabilities of Sound Projects "
        "(SPJs) used in SFX sound decoders. Projects for 'Legacy' and Series-6 (Standard and "
        "Premium) decoders are supported.\n\n"
        "This software identifies 8-bit, 16-bit, 3-Voice and 4-Voice projects.  The SPJ files are "
        "not changed.  No other software is needed. (See Vostrelle\u00A9 to build or modify Sound "
        "Projects)\n\n"
        "Sound Projects (SPJs) are available for downloading from various sources including the "
        "decoder maker's website.");
}

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The author text is Windows-1252 and may carry the NULs that filled its field.
QString AuthorText(std::string_view author) {
    return FromUtf8(ShownAuthor(author));
}

// "MS Sans Serif" is asked for by name; fontconfig puts a sans face in its place.
QFont SansFont(qreal points) {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    return GrownFont(font, points);
}

// Hidden captions keep their place, so nothing moves when a project is shown.
ControlLook CaptionLook(const QColor& colour) {
    return {.font = SansFont(kControlFontPoints), .colour = colour, .keepPlaceWhenHidden = true};
}

ControlLook ButtonLook(std::optional<QColor> face = std::nullopt) {
    return {.font = SansFont(kControlFontPoints), .colour = face};
}

// The first local .spj file among dropped URLs.
std::optional<QString> DroppedProject(const QMimeData& mime) {
    for (const QUrl& url : mime.urls()) {
        const QString path = url.toLocalFile();
        if (!path.isEmpty() && QFileInfo(path).suffix().compare(QLatin1String(kProjectSuffix),
                                                                Qt::CaseInsensitive) == 0) {
            return path;
        }
    }
    return std::nullopt;
}

}  // namespace

TambreloxMain::TambreloxMain(SessionState& session, UserDialogs& dialogs, OpenedWindows windows,
                             QWidget* parent)
    : QWidget(parent),
      session_(session),
      dialogs_(dialogs),
      cvShow_(session.CVShowing, std::move(windows.cvValues)),
      spjText_(session.TextShowing, std::move(windows.descriptiveText)),
      soundTest_(session.SoundShowing, std::move(windows.player)) {
    setWindowTitle(QString::fromLatin1(kCaption));
    setWindowIcon(ProgramIcon());
    setFont(SansFont(kWindowFontPoints));
    setAcceptDrops(true);
    UseDesignedFace(*this);
    CreateControls();
    ArrangeControls();
    Form_Load();
    NameControlsForScreenReaders();
    ClickOnKeys(*this, {QKeySequence(Qt::CTRL | Qt::Key_O)}, *Command2);
    ClickOnKeys(*this, {QKeySequence(Qt::CTRL | Qt::Key_P)}, *Command1);
    // Not the standard Quit key: the plain X11 key scheme has none.
    ClickOnKeys(*this, {QKeySequence(Qt::CTRL | Qt::Key_Q)}, *Command3);
    FitToScreen(*this);
    RestoreWindowGeometry(*this);

    connect(Command2, &QPushButton::clicked, this, &TambreloxMain::Command2_Click);
    connect(Command1, &QPushButton::clicked, this, &TambreloxMain::Command1_Click);
    connect(Command5, &QPushButton::clicked, this, &TambreloxMain::Command5_Click);
    connect(Command7, &QPushButton::clicked, this, &TambreloxMain::Command7_Click);
    connect(Command8, &QPushButton::clicked, this, &TambreloxMain::Command8_Click);
    connect(Command3, &QPushButton::clicked, this, &TambreloxMain::Command3_Click);
    // Offered from the button's context menu, so the window's layout stays as it is.
    Command2->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Command2, &QWidget::customContextMenuRequested, this,
            &TambreloxMain::ShowRecentProjects);
}

TambreloxMain::~TambreloxMain() {
    // Kept however the program ends: Quit, the last window closed or a signal.
    SaveWindowGeometry(*this);
    // The grid's rows go before the view does, and a view taken down while
    // shown still asks its model for them.
    WavefileGrid->setModel(nullptr);
}

void TambreloxMain::CreateControls() {
    Image1 = MakeLabel(this, "Image1");
    ShowProgramPicture(*Image1);

    Command2 = MakeButton(this, "Command2", QStringLiteral("Get SPJ File"), ButtonLook(kGreen));
    Command1 = MakeButton(this, "Command1", QStringLiteral("Print this display"), ButtonLook());
    Command5 =
        MakeButton(this, "Command5", QStringLiteral("Show/Print Startup CV Values"), ButtonLook());
    Command7 =
        MakeButton(this, "Command7", QStringLiteral("Show/Print Descriptive Text"), ButtonLook());
    Command8 = MakeButton(this, "Command8", QStringLiteral("Play Sound Clips"), ButtonLook());
    Command3 = MakeButton(this, "Command3", QStringLiteral("Quit"), ButtonLook(kRed));
    SetProjectButtonsEnabled(false);

    Label16 = MakeLabel(this, "Label16", QStringLiteral("SPJ Filename:"), CaptionLook(kDarkBlue));
    lblSPJName = MakeElidedLabel(this, "lblSPJName", CaptionLook(kDarkBlue));
    Label10 = MakeLabel(this, "Label10", QStringLiteral("From Folder:"), CaptionLook(kDarkBlue));
    lblSPJFolder = MakeElidedLabel(this, "lblSPJFolder", CaptionLook(kDarkBlue));
    Label14 = MakeLabel(this, "Label14", QStringLiteral("Author/Owner:"), CaptionLook(kDarkBlue));
    lblAuthor = MakeElidedLabel(this, "lblAuthor", CaptionLook(kDarkBlue));
    for (QLabel* caption : {Label16, Label10, Label14}) caption->hide();
    for (ElidedLabel* value : {lblSPJName, lblSPJFolder, lblAuthor}) {
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }

    Label1 =
        MakeLabel(this, "Label1", QStringLiteral("This SPJ will run in"), CaptionLook(kDarkBlue));
    Label2 = MakeLabel(this, "Label2", {}, CaptionLook(kDarkBlue));
    for (QLabel* decoders : {Label1, Label2}) decoders->setAlignment(Qt::AlignCenter);

    Label3 = MakeLabel(this, "Label3", {}, CaptionLook(kBlue));
    Label3->setWordWrap(true);
    Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label11 = MakeLabel(this, "Label11");

    WavefileGrid = new QTableView(this);
    WavefileGrid->setObjectName(QStringLiteral("WavefileGrid"));
    gridTableModel_ = new GridTableModel(grid_, this);
    WavefileGrid->setModel(gridTableModel_);
    WavefileGrid->setFont(SansFont(kWindowFontPoints));
    WavefileGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    WavefileGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    WavefileGrid->setWordWrap(false);
    // Arrows move between cells; Tab leaves the grid for the buttons.
    WavefileGrid->setTabKeyNavigation(false);
    WavefileGrid->verticalHeader()->hide();
    WavefileGrid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    WavefileGrid->verticalHeader()->setDefaultSectionSize(WavefileGrid->fontMetrics().height() +
                                                          2 * kGridRowPadding);
    // Columns without a width of their own are as wide as their texts.
    WavefileGrid->horizontalHeader()->setDefaultSectionSize(
        WavefileGrid->horizontalHeader()->minimumSectionSize());
    WavefileGrid->horizontalHeader()->setHighlightSections(false);
    WavefileGrid->horizontalHeader()->setSectionsClickable(false);
    // Once shown, the grid covers the About text that shares its place.
    WavefileGrid->raise();
    QSizePolicy policy = WavefileGrid->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    WavefileGrid->setSizePolicy(policy);
    WavefileGrid->hide();

    flashBudget_ = new FlashBudgetBar(this);
    flashBudget_->hide();
}

void TambreloxMain::ArrangeControls() {
    auto* captions = new QGridLayout;
    captions->addWidget(Label16, 0, 0);
    captions->addWidget(lblSPJName, 0, 1);
    captions->addWidget(Label10, 1, 0);
    captions->addWidget(lblSPJFolder, 1, 1);
    captions->addWidget(Label14, 2, 0);
    captions->addWidget(lblAuthor, 2, 1);
    captions->setColumnStretch(1, 1);

    auto* gridArea = new QGridLayout;
    gridArea->addWidget(Label3, 0, 0);
    gridArea->addWidget(WavefileGrid, 0, 0);

    auto* left = new QVBoxLayout;
    left->addLayout(captions);
    left->addLayout(gridArea, 1);
    // Under the grid, whose height it takes: the right-hand column has no room
    // to spare without moving its buttons.
    left->addWidget(flashBudget_);

    auto* right = new QVBoxLayout;
    right->addWidget(Image1, 0, Qt::AlignHCenter);
    right->addWidget(Command2);
    right->addSpacing(kGroupSpacing);
    right->addWidget(Label1);
    right->addWidget(Label2);
    right->addSpacing(kGroupSpacing);
    for (QPushButton* button : {Command1, Command5, Command7, Command8}) right->addWidget(button);
    right->addStretch(1);
    right->addWidget(Command3);

    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 1);
    columns->addLayout(right);

    auto* window = new QVBoxLayout(ScrolledContent(*this));
    window->addLayout(columns, 1);
    window->addWidget(Label11);
}

// Captions name the buttons; what a caption leaves open, or a control without
// one, is said here.
void TambreloxMain::NameControlsForScreenReaders() {
    Command2->setAccessibleDescription(
        QStringLiteral("Chooses a sound project file to show. Its context menu opens one of "
                       "the projects opened recently."));
    Command1->setAccessibleDescription(QStringLiteral("Prints the summary shown"));
    WavefileGrid->setAccessibleName(QStringLiteral("Sound clips"));
    WavefileGrid->setAccessibleDescription(
        QStringLiteral("The project's sound clips with their sizes, then the totals and counts"));
    lblSPJName->setAccessibleDescription(QStringLiteral("Project file name"));
    lblSPJFolder->setAccessibleDescription(QStringLiteral("Project folder"));
    lblAuthor->setAccessibleDescription(QStringLiteral("Author or owner of the project"));
    Label2->setAccessibleDescription(QStringLiteral("The decoders that can run the project"));
    Label3->setAccessibleName(QStringLiteral("About Tambrelox"));
    Label3->setAccessibleDescription(AboutText().trimmed());
}

void TambreloxMain::Form_Load() {
    Label3->setText(AboutText());
    Label11->setText(FromUtf8(kTitleLine));
    lblSPJName->clear();
    lblSPJFolder->clear();
    lblAuthor->clear();
    session_.SPJAuthor.clear();
    Label1->hide();
    Label2->hide();

    // Set up once; each load only replaces the rows.
    PrepareSummaryGrid(grid_);
    grid_.SetColWidth(kFileNameColumn, kFileNameTwips);
    for (int col = kFirstSizeColumn; col < grid_.Cols(); ++col)
        grid_.SetColWidth(col, kSizeColumnTwips);
    grid_.SetColAlignment(kFileNameColumn, GridAlignment::Centre);
    RefreshGrid();
    // Wide enough to show every column without scrolling sideways.
    WavefileGrid->setMinimumWidth(WavefileGrid->horizontalHeader()->length() +
                                  2 * WavefileGrid->frameWidth() +
                                  WavefileGrid->verticalScrollBar()->sizeHint().width());

    dialogFolder_ = RememberedFolder();
    QString folder = dialogFolder_;
    if (!folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');
    session_.SPJFolder = Utf8Lower(folder.toStdString());
}

void TambreloxMain::OpenProject(const QString& path) {
    const ChosenFile file = ChosenFromArgument(path.toStdString());
    session_.SPJFolder = file.folder;
    session_.SPJFileName = file.fileName;
    session_.SPJPath = file.folder + file.fileName;
    dialogFolder_ = QDir::cleanPath(QFileInfo(path).absolutePath());

    lblSPJName->setText(FromUtf8(Utf8Upper(file.fileName)));
    lblSPJFolder->setText(FromUtf8(file.folder));
    lblAuthor->clear();
    LoadSPJ(file.realPath);
    if (session_.project) RememberOpenedProject(path);  // loaded, not refused
}

void TambreloxMain::OpenProjectSoon(const QString& path) {
    QMetaObject::invokeMethod(this, "OpenProject", Qt::QueuedConnection, Q_ARG(QString, path));
}

void TambreloxMain::Command2_Click() {
    const QString chosen = dialogs_.OpenFile(this, dialogFolder_, QString::fromLatin1(kFileFilter));
    if (chosen.isEmpty()) {
        // The next dialog then opens in its own default folder.
        session_.SPJFolder.clear();
        dialogFolder_.clear();
        dialogs_.Information(this, QString::fromLatin1(kNoFileChosen));
        return;
    }
    OpenProject(chosen);
}

void TambreloxMain::ShowRecentProjects(const QPoint& at) {
    PopUpRecentProjects(*this, Command2->mapToGlobal(at), RememberedRecentProjects(),
                        [this](const QString& path) { OpenRecentProject(path); });
}

void TambreloxMain::OpenRecentProject(const QString& path) {
    if (!QFileInfo::exists(path)) {
        ForgetRecentProject(path);
        dialogs_.Information(this, QStringLiteral("The project %1 no longer exists. It has been "
                                                  "taken off the recent projects.")
                                       .arg(path));
        return;
    }
    OpenProject(path);
}

void TambreloxMain::Command1_Click() {
    PrintSummaryWithDialog(this, grid_, session_, dialogs_);
}

void TambreloxMain::Command5_Click() {
    if (!session_.project) return;
    // Loading let a CV block cut short through for the other windows' sake.
    if (const auto cvs = CheckStartupCVs(*session_.project, session_.SPJFileName); !cvs.ok()) {
        dialogs_.Critical(this, FromUtf8(cvs.refusal().message));
        return;
    }
    cvShow_.Open();
}

void TambreloxMain::Command7_Click() {
    spjText_.Open();
}

void TambreloxMain::Command8_Click() {
    soundTest_.Open();
}

void TambreloxMain::Command3_Click() {
    close();
}

void TambreloxMain::LoadSPJ(const std::string& realPath) {
    WavefileGrid->hide();
    SetProjectButtonsEnabled(false);
    Label1->hide();
    Label2->hide();
    flashBudget_->hide();
    for (QLabel* caption : {Label16, Label10, Label14}) caption->show();
    grid_.SetRows(1);  // the rows of the project shown before
    RefreshGrid();

    auto outcome = ReadProjectFile(realPath, session_.SPJFileName);
    if (!outcome.ok()) {
        ShowRefusal(outcome.refusal());
        return;
    }
    ShowProject(std::make_shared<const Project>(std::move(outcome).value()));
}

void TambreloxMain::ShowRefusal(const Refusal& refusal) {
    session_.project.reset();
    session_.SPJAuthor = refusal.authorShown.value_or(std::string());
    if (refusal.authorShown) lblAuthor->setText(AuthorText(*refusal.authorShown));
    dialogs_.Critical(this, FromUtf8(refusal.message));
}

void TambreloxMain::ShowProject(std::shared_ptr<const Project> project) {
    session_.SPJAuthor = project->author;
    lblAuthor->setText(AuthorText(project->author));
    FillSummaryGrid(*project, session_.numberFormat, grid_);
    RefreshGrid();
    Label2->setText(FromUtf8(project->summary.requirement));
    flashBudget_->showBudget(AssessFlashBudget(project->summary, session_.numberFormat),
                             FromUtf8(FlashBudgetExplanation(session_.numberFormat)));
    session_.project = std::move(project);

    SetProjectButtonsEnabled(true);
    WavefileGrid->show();
    Label1->show();
    Label2->show();
    flashBudget_->show();
}

void TambreloxMain::RefreshGrid() {
    gridTableModel_->Refresh();
    // Resetting the model also resets the view's column widths.
    ApplyGridColumnWidths(*WavefileGrid, grid_);
    WidenGridColumnsToContents(*WavefileGrid);
}

void TambreloxMain::SetProjectButtonsEnabled(bool enabled) {
    for (QPushButton* button : {Command1, Command5, Command7, Command8})
        button->setEnabled(enabled);
}

void TambreloxMain::dragEnterEvent(QDragEnterEvent* event) {
    if (DroppedProject(*event->mimeData())) event->acceptProposedAction();
}

void TambreloxMain::dropEvent(QDropEvent* event) {
    const auto path = DroppedProject(*event->mimeData());
    if (!path) return;
    event->acceptProposedAction();
    // Opened once the drop has finished, so a message box cannot hold up the
    // program the file came from.
    OpenProjectSoon(*path);
}

}  // namespace tambrelox
