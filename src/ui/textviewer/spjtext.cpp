#include "ui/textviewer/spjtext.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/base/title_line.h"
#include "core/project/text_lines.h"
#include "core/report/report_frame.h"
#include "ui/shared/button_keys.h"
#include "ui/shared/printout.h"
#include "ui/shared/widget_factory.h"
#include "ui/shared/window_look.h"

namespace tambrelox {
namespace {

constexpr int kTextPointSize = 12;
constexpr int kWindowWidth = 640;
constexpr int kWindowHeight = 480;

QString ShownText(const Project* project) {
    if (!project) return {};
    QStringList lines;
    for (const std::string& line : DescriptiveTextLines(project->descriptiveText())) {
        lines.append(QString::fromStdString(line));
    }
    return lines.join('\n');
}

}  // namespace

DescriptiveTextWindow::DescriptiveTextWindow(SessionState& session, UserDialogs& dialogs,
                                             QWidget* parent)
    : QWidget(parent, Qt::Window),
      dialogs_(dialogs),
      project_(session.project),
      fileName_(session.projectFileName),
      text_(new QPlainTextEdit(this)),
      closeButton_(MakeButton(this, "Command1", QStringLiteral("Close"))),
      printButton_(MakeButton(this, "Command2", QStringLiteral("Print"))),
      titleLine_(MakeLabel(this, "Label1")) {
    setObjectName(QStringLiteral("SPJText"));
    text_->setObjectName(QStringLiteral("Text1"));

    const QFont large = GrownFont(font(), kTextPointSize);
    text_->setFont(large);
    closeButton_->setFont(large);
    printButton_->setFont(large);
    text_->setReadOnly(true);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(closeButton_);
    bottom->addWidget(printButton_);
    bottom->addStretch();
    bottom->addWidget(titleLine_);
    auto* layout = new QVBoxLayout(ScrolledContent(*this));
    layout->addWidget(text_);
    layout->addLayout(bottom);
    resize(kWindowWidth, kWindowHeight);

    connect(closeButton_, &QPushButton::clicked, this, &QWidget::close);
    connect(printButton_, &QPushButton::clicked, this, &DescriptiveTextWindow::PrintText);
    ClickOnCloseKeys(*this, *closeButton_);
    ClickOnKeys(*this, QKeySequence::keyBindings(QKeySequence::Print), *printButton_);
    text_->setAccessibleName(QStringLiteral("Descriptive text"));
    text_->setAccessibleDescription(QStringLiteral("The project's descriptive text, read only"));
    printButton_->setAccessibleDescription(QStringLiteral("Prints the descriptive text"));
    ShowText();
    FitToScreen(*this);
}

void DescriptiveTextWindow::ShowText() {
    setWindowTitle(QStringLiteral("Descriptive Text File for ") +
                   QString::fromStdString(fileName_));
    titleLine_->setText(QString::fromUtf8(kTitleLine));
    text_->setPlainText(ShownText(project_.get()));
}

// Prints the text shown: a project loaded since never puts its text under this window.
void DescriptiveTextWindow::PrintText() {
    if (!project_) return;  // opened after a refused choice: there is no text to print
    PrintWithDialog(this, dialogs_, PrintoutName(fileName_, "text"),
                    [this](ColumnPrinter& printer) {
                        PrintDescriptiveText(printer, project_->descriptiveText());
                    });
}

}  // namespace tambrelox
