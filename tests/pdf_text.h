#pragma once

#include <gtest/gtest.h>

#include <QProcess>
#include <QString>

namespace tambrelox::testing {

// The text of a PDF file as pdftotext lays it out.
inline QString PdfText(const QString& pdf) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    EXPECT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

}  // namespace tambrelox::testing
