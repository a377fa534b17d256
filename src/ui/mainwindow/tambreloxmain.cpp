#include "ui/mainwindow/tambreloxmain.h"

#include <algorithm>
#include <optional>
#include <string_view>
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

#include "core/base/captions.h"
#include "core/base/text.h"
#include "core/base/title_line.h"
#include "core/cv/cv_table.h"
#include "core/grid/summary_grid.h"
#include "core/project/author.h"
#include "core/project/chosen_file.h"
#include "core/project/flash_budget.h"
#include "core/project/spj_reader.h"
#include "core/project/summary.h"
#include "ui/mainwindow/flash_budget_bar.h"
#include "ui/mainwindow/recent_projects_menu.h"
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

MainWindow::MainWindow(SessionState& session, UserDialogs& dialogs, OpenedWindows windows,
                       QWidget* parent)
    : QWidget(parent),
      session_(session),
      dialogs_(dialogs),
      settings_(*this),
      cvWindow_(session.cvWindowOpen, std::move(windows.cvValues)),
      textWindow_(session.textWindowOpen, std::move(windows.descriptiveText)),
      playerWindow_(session.playerWindowOpen, std::move(windows.player)) {
    setWindowTitle(QString::fromLatin1(kCaption));
    setWindowIcon(ProgramIcon());
    setFont(SansFont(kWindowFontPoints));
    setAcceptDrops(true);
    UseDesignedFace(*this);
    CreateControls();
    ArrangeControls();
    ShowNoProject();
    NameControlsForScreenReaders();
    ClickOnKeys(*this, {QKeySequence(Qt::CTRL | Qt::Key_O)}, *openButton_);
    ClickOnKeys(*this, {QKeySequence(Qt::CTRL | Qt::Key_P)}, *printSummaryButton_);
    // Not the standard Quit key: the plain X11 key scheme has none.
    ClickOnKeys(*this, {QKeySequence(Qt::CTRL | Qt::Key_Q)}, *quitButton_);
    FitToScreen(*this);
    settings_.RestoreWindowGeometry(*this);

    connect(openButton_, &QPushButton::clicked, this, &MainWindow::ChooseAndOpenProject);
    connect(printSummaryButton_, &QPushButton::clicked, this, &MainWindow::PrintSummary);
    connect(cvButton_, &QPushButton::clicked, this, &MainWindow::OpenCvWindow);
    connect(textButton_, &QPushButton::clicked, this, &MainWindow::OpenTextWindow);
    connect(playerButton_, &QPushButton::clicked, this, &MainWindow::OpenPlayer);
    connect(quitButton_, &QPushButton::clicked, this, &QWidget::close);
    // Offered from the button's context menu, so the window's layout stays as it is.
    openButton_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(openButton_, &QWidget::customContextMenuRequested, this,
            &MainWindow::ShowRecentProjects);
}

MainWindow::~MainWindow() {
    // Kept however the program ends: Quit, the last window closed or a signal.
    settings_.SaveWindowGeometry(*this);
    // The grid's rows go before the view does, and a view taken down while
    // shown still asks its model for them.
    clipGrid_->setModel(nullptr);
}

void MainWindow::CreateControls() {
    picture_ = MakeLabel(this, "Image1");
    ShowProgramPicture(*picture_);

    openButton_ = MakeButton(this, "Command2", QStringLiteral("Get SPJ File"), ButtonLook(kGreen));
    printSummaryButton_ =
        MakeButton(this, "Command1", QStringLiteral("Print this display"), ButtonLook());
    cvButton_ =
        MakeButton(this, "Command5", QStringLiteral("Show/Print Startup CV Values"), ButtonLook());
    textButton_ =
        MakeButton(this, "Command7", QStringLiteral("Show/Print Descriptive Text"), ButtonLook());
    playerButton_ = MakeButton(this, "Command8", QStringLiteral("Play Sound Clips"), ButtonLook());
    quitButton_ = MakeButton(this, "Command3", QStringLiteral("Quit"), ButtonLook(kRed));
    SetProjectButtonsEnabled(false);

    fileNameCaption_ =
        MakeLabel(this, "Label16", QStringLiteral("SPJ Filename:"), CaptionLook(kDarkBlue));
    fileNameLabel_ = MakeElidedLabel(this, "lblSPJName", CaptionLook(kDarkBlue));
    folderCaption_ =
        MakeLabel(this, "Label10", QStringLiteral("From Folder:"), CaptionLook(kDarkBlue));
    folderLabel_ = MakeElidedLabel(this, "lblSPJFolder", CaptionLook(kDarkBlue));
    authorCaption_ =
        MakeLabel(this, "Label14", QStringLiteral("Author/Owner:"), CaptionLook(kDarkBlue));
    authorLabel_ = MakeElidedLabel(this, "lblAuthor", CaptionLook(kDarkBlue));
    for (QLabel* caption : {fileNameCaption_, folderCaption_, authorCaption_}) caption->hide();
    for (ElidedLabel* value : {fileNameLabel_, folderLabel_, authorLabel_}) {
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }

    runsInCaption_ =
        MakeLabel(this, "Label1", QStringLiteral("This SPJ will run in"), CaptionLook(kDarkBlue));
    decodersLabel_ = MakeLabel(this, "Label2", {}, CaptionLook(kDarkBlue));
    for (QLabel* decoders : {runsInCaption_, decodersLabel_})
        decoders->setAlignment(Qt::AlignCenter);
    // As wide as the longest requirement, so the column, and the grid beside
    // it, keep their widths from one project to the next.
    int widest = 0;
    for (const std::string_view decoders : {kAnyDecoder, kSixteenMegabit, kPremiumOnly}) {
        widest =
            std::max(widest, decodersLabel_->fontMetrics().horizontalAdvance(FromUtf8(decoders)));
    }
    decodersLabel_->setMinimumWidth(widest + 2 * decodersLabel_->margin());

    aboutText_ = MakeLabel(this, "Label3", {}, CaptionLook(kBlue));
    aboutText_->setWordWrap(true);
    aboutText_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    titleLine_ = MakeLabel(this, "Label11");

    clipGrid_ = new QTableView(this);
    clipGrid_->setObjectName(QStringLiteral("WavefileGrid"));
    gridTableModel_ = new GridTableModel(grid_, this);
    clipGrid_->setModel(gridTableModel_);
    clipGrid_->setFont(SansFont(kWindowFontPoints));
    clipGrid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    clipGrid_->setSelectionMode(QAbstractItemView::SingleSelection);
    clipGrid_->setWordWrap(false);
    // Arrows move between cells; Tab leaves the grid for the buttons.
    clipGrid_->setTabKeyNavigation(false);
    clipGrid_->verticalHeader()->hide();
    clipGrid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    clipGrid_->verticalHeader()->setDefaultSectionSize(clipGrid_->fontMetrics().height() +
                                                       2 * kGridRowPadding);
    // Columns without a width of their own are as wide as their texts.
    clipGrid_->horizontalHeader()->setDefaultSectionSize(
        clipGrid_->horizontalHeader()->minimumSectionSize());
    clipGrid_->horizontalHeader()->setHighlightSections(false);
    clipGrid_->horizontalHeader()->setSectionsClickable(false);
    // The header's empty end takes its sections' face, not the window's designed light one.
    QPalette header = clipGrid_->horizontalHeader()->palette();
    header.setColor(QPalette::Window, header.color(QPalette::Button));
    clipGrid_->horizontalHeader()->setPalette(header);
    // Once shown, the grid covers the About text that shares its place.
    clipGrid_->raise();
    QSizePolicy policy = clipGrid_->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    clipGrid_->setSizePolicy(policy);
    clipGrid_->hide();

    flashBudget_ = new FlashBudgetBar(this);
    flashBudget_->hide();
}

void MainWindow::ArrangeControls() {
    auto* captions = new QGridLayout;
    captions->addWidget(fileNameCaption_, 0, 0);
    captions->addWidget(fileNameLabel_, 0, 1);
    captions->addWidget(folderCaption_, 1, 0);
    captions->addWidget(folderLabel_, 1, 1);
    captions->addWidget(authorCaption_, 2, 0);
    captions->addWidget(authorLabel_, 2, 1);
    captions->setColumnStretch(1, 1);

    auto* gridArea = new QGridLayout;
    gridArea->addWidget(aboutText_, 0, 0);
    gridArea->addWidget(clipGrid_, 0, 0);

    auto* left = new QVBoxLayout;
    left->addLayout(captions);
    left->addLayout(gridArea, 1);
    // Under the grid, whose height it takes: the right-hand column has no room
    // to spare without moving its buttons.
    left->addWidget(flashBudget_);

    auto* right = new QVBoxLayout;
    right->addWidget(picture_, 0, Qt::AlignHCenter);
    right->addWidget(openButton_);
    right->addSpacing(kGroupSpacing);
    right->addWidget(runsInCaption_);
    right->addWidget(decodersLabel_);
    right->addSpacing(kGroupSpacing);
    for (QPushButton* button : {printSummaryButton_, cvButton_, textButton_, playerButton_})
        right->addWidget(button);
    right->addStretch(1);
    right->addWidget(quitButton_);

    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 1);
    columns->addLayout(right);

    auto* window = new QVBoxLayout(ScrolledContent(*this));
    window->addLayout(columns, 1);
    window->addWidget(titleLine_);
}

// Captions name the buttons; what a caption leaves open, or a control without
// one, is said here.
void MainWindow::NameControlsForScreenReaders() {
    openButton_->setAccessibleDescription(
        QStringLiteral("Chooses a sound project file to show. Its context menu opens one of "
                       "the projects opened recently."));
    printSummaryButton_->setAccessibleDescription(QStringLiteral("Prints the summary shown"));
    clipGrid_->setAccessibleName(QStringLiteral("Sound clips"));
    clipGrid_->setAccessibleDescription(
        QStringLiteral("The project's sound clips with their sizes, then the totals and counts"));
    fileNameLabel_->setAccessibleDescription(QStringLiteral("Project file name"));
    folderLabel_->setAccessibleDescription(QStringLiteral("Project folder"));
    authorLabel_->setAccessibleDescription(QStringLiteral("Author or owner of the project"));
    decodersLabel_->setAccessibleDescription(
        QStringLiteral("The decoders that can run the project"));
    aboutText_->setAccessibleName(QStringLiteral("About Tambrelox"));
    aboutText_->setAccessibleDescription(FromUtf8(AboutText()).trimmed());
}

void MainWindow::ShowNoProject() {
    aboutText_->setText(FromUtf8(AboutText()));
    titleLine_->setText(FromUtf8(kTitleLine));
    fileNameLabel_->clear();
    folderLabel_->clear();
    authorLabel_->clear();
    session_.projectAuthor.clear();
    runsInCaption_->hide();
    decodersLabel_->hide();

    // Set up once; each load only replaces the rows.
    PrepareSummaryGrid(grid_);
    grid_.SetColWidth(kFileNameColumn, kFileNameTwips);
    for (int col = kFirstSizeColumn; col < grid_.Cols(); ++col)
        grid_.SetColWidth(col, kSizeColumnTwips);
    grid_.SetColAlignment(kFileNameColumn, GridAlignment::Centre);
    RefreshGrid();
    // Wide enough to show every column without scrolling sideways.
    clipGrid_->setMinimumWidth(clipGrid_->horizontalHeader()->length() +
                               2 * clipGrid_->frameWidth() +
                               clipGrid_->verticalScrollBar()->sizeHint().width());

    dialogFolder_ = settings_.RememberedFolder();
    QString folder = dialogFolder_;
    if (!folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');
    session_.projectFolder = Utf8Lower(folder.toStdString());
}

void MainWindow::OpenProject(const QString& path) {
    const ChosenFile file = ChosenFromArgument(path.toStdString());
    session_.projectFolder = file.folder;
    session_.projectFileName = file.fileName;
    session_.projectPath = file.folder + file.fileName;
    dialogFolder_ = QDir::cleanPath(QFileInfo(path).absolutePath());

    fileNameLabel_->setText(FromUtf8(Utf8Upper(file.fileName)));
    folderLabel_->setText(FromUtf8(file.folder));
    authorLabel_->clear();
    LoadSPJ(file.realPath);
    if (session_.project) settings_.RememberOpenedProject(path);  // loaded, not refused
}

void MainWindow::OpenProjectSoon(const QString& path) {
    QMetaObject::invokeMethod(this, "OpenProject", Qt::QueuedConnection, Q_ARG(QString, path));
}

void MainWindow::ChooseAndOpenProject() {
    const QString chosen = dialogs_.OpenFile(this, dialogFolder_, QString::fromLatin1(kFileFilter));
    if (chosen.isEmpty()) {
        // The next dialog then opens in its own default folder.
        session_.projectFolder.clear();
        dialogFolder_.clear();
        dialogs_.Information(this, FromUtf8(kNoProjectChosen));
        return;
    }
    OpenProject(chosen);
}

void MainWindow::ShowRecentProjects(const QPoint& at) {
    PopUpRecentProjects(*this, openButton_->mapToGlobal(at), settings_.RememberedRecentProjects(),
                        [this](const QString& path) { OpenRecentProject(path); });
}

void MainWindow::OpenRecentProject(const QString& path) {
    if (!QFileInfo::exists(path)) {
        settings_.ForgetRecentProject(path);
        dialogs_.Information(this, QStringLiteral("The project %1 no longer exists. It has been "
                                                  "taken off the recent projects.")
                                       .arg(path));
        return;
    }
    OpenProject(path);
}

void MainWindow::PrintSummary() {
    PrintSummaryWithDialog(this, grid_, session_, dialogs_);
}

void MainWindow::OpenCvWindow() {
    if (!session_.project) return;
    // Loading let a CV block cut short through for the other windows' sake.
    if (const auto cvs = CheckStartupCVs(*session_.project, session_.projectFileName); !cvs.ok()) {
        dialogs_.Critical(this, FromUtf8(cvs.refusal().message));
        return;
    }
    cvWindow_.Open();
}

void MainWindow::OpenTextWindow() {
    textWindow_.Open();
}

void MainWindow::OpenPlayer() {
    playerWindow_.Open();
}

void MainWindow::LoadSPJ(const std::string& realPath) {
    clipGrid_->hide();
    SetProjectButtonsEnabled(false);
    runsInCaption_->hide();
    decodersLabel_->hide();
    flashBudget_->hide();
    for (QLabel* caption : {fileNameCaption_, folderCaption_, authorCaption_}) caption->show();
    grid_.SetRows(1);  // the rows of the project shown before
    RefreshGrid();

    auto outcome = ReadProjectFile(realPath, session_.projectFileName);
    if (!outcome.ok()) {
        ShowRefusal(outcome.refusal());
        return;
    }
    ShowProject(std::make_shared<const Project>(std::move(outcome).value()));
}

void MainWindow::ShowRefusal(const ProjectRefusal& refusal) {
    session_.project.reset();
    session_.projectAuthor = refusal.authorShown.value_or(std::string());
    if (refusal.authorShown) authorLabel_->setText(AuthorText(*refusal.authorShown));
    dialogs_.Critical(this, FromUtf8(refusal.message));
}

void MainWindow::ShowProject(std::shared_ptr<const Project> project) {
    session_.projectAuthor = project->author;
    authorLabel_->setText(AuthorText(project->author));
    FillSummaryGrid(*project, session_.numberFormat, grid_);
    RefreshGrid();
    decodersLabel_->setText(FromUtf8(project->summary.requirement));
    flashBudget_->ShowBudget(AssessFlashBudget(project->summary, session_.numberFormat),
                             FromUtf8(FlashBudgetExplanation(session_.numberFormat)));
    session_.project = std::move(project);

    SetProjectButtonsEnabled(true);
    clipGrid_->show();
    runsInCaption_->show();
    decodersLabel_->show();
    flashBudget_->show();
}

void MainWindow::RefreshGrid() {
    gridTableModel_->Refresh();
    // Resetting the model also resets the view's column widths.
    ApplyGridColumnWidths(*clipGrid_, grid_);
    WidenGridColumnsToContents(*clipGrid_);
}

void MainWindow::SetProjectButtonsEnabled(bool enabled) {
    for (QPushButton* button : {printSummaryButton_, cvButton_, textButton_, playerButton_})
        button->setEnabled(enabled);
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (DroppedProject(*event->mimeData())) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    const auto path = DroppedProject(*event->mimeData());
    if (!path) return;
    event->acceptProposedAction();
    // Opened once the drop has finished, so a message box cannot hold up the
    // program the file came from.
    OpenProjectSoon(*path);
}

}  // namespace tambrelox
