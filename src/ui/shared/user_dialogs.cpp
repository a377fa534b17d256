#include "ui/shared/user_dialogs.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

namespace tambrelox {

void QtUserDialogs::Critical(QWidget* parent, const QString& text) {
    QMessageBox::critical(parent, kMessageTitle, text);
}

void QtUserDialogs::Information(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, kMessageTitle, text, QMessageBox::Ok, parent);
    box.exec();
}

QString QtUserDialogs::OpenFile(QWidget* parent, const QString& folder, const QString& filter) {
    return QFileDialog::getOpenFileName(parent, {}, folder, filter);
}

QString QtUserDialogs::SaveFile(QWidget* parent, const QString& proposedPath,
                                const QString& filter) {
    return QFileDialog::getSaveFileName(parent, {}, proposedPath, filter);
}

bool QtUserDialogs::SetUpPrinter(QWidget* parent, QPrinter& printer) {
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace tambrelox
