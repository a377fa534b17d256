#include "ui/textviewer/spjtext.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/base/title_line.h"
#include "core/project/text_lines.h"
#include "core/report/text_printout.h"
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

SPJText::SPJText(SessionState& session, UserDialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window),
      dialogs_(dialogs),
      project_(session.project),
      fileName_(session.SPJFileName),
      Text1(new QPlainTextEdit(this)),
      Command1(MakeButton(this, "Command1", QStringLiteral("Close"))),
      Command2(MakeButton(this, "Command2", QStringLiteral("Print"))),
      Label1(MakeLabel(this, "Label1")) {
    setObjectName(QStringLiteral("SPJText"));
    Text1->setObjectName(QStringLiteral("Text1"));

    const QFont large = GrownFont(font(), kTextPointSize);
    Text1->setFont(large);
    Command1->setFont(large);
    Command2->setFont(large);
    Text1->setReadOnly(true);
    Text1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(Command1);
    bottom->addWidget(Command2);
    bottom->addStretch();
    bottom->addWidget(Label1);
    auto* layout = new QVBoxLayout(ScrolledContent(*this));
    layout->addWidget(Text1);
    layout->addLayout(bottom);
    resize(kWindowWidth, kWindowHeight);

    connect(Command1, &QPushButton::clicked, this, &SPJText::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &SPJText::Command2_Click);
    ClickOnCloseKeys(*this, *Command1);
    ClickOnKeys(*this, QKeySequence::keyBindings(QKeySequence::Print), *Command2);
    Text1->setAccessibleName(QStringLiteral("Descriptive text"));
    Text1->setAccessibleDescription(QStringLiteral("The project's descriptive text, read only"));
    Command2->setAccessibleDescription(QStringLiteral("Prints the descriptive text"));
    Form_Load();
    FitToScreen(*this);
}

void SPJText::Form_Load() {
    setWindowTitle(QStringLiteral("Descriptive Text File for ") +
                   QString::fromStdString(fileName_));
    Label1->setText(QString::fromUtf8(kTitleLine));
    Text1->setPlainText(ShownText(project_.get()));
}

void SPJText::Command1_Click() {
    close();
}

// Prints the text shown: a project loaded since never puts its text under this window.
void SPJText::Command2_Click() {
    if (!project_) return;  // opened after a refused choice: there is no text to print
    PrintWithDialog(this, dialogs_, PrintoutName(fileName_, "text"),
                    [this](ColumnPrinter& printer) {
                        PrintDescriptiveText(printer, project_->descriptiveText());
                    });
}

}  // namespace tambrelox
