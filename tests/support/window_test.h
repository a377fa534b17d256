#pragma once

// What the window tests have in common: GoogleTest, the Qt classes they drive
// and the fakes and probes kept here.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include "accessible_names.h"
#include "core/base/file_bytes.h"
#include "demo_project.h"
#include "fake_user_dialogs.h"
#include "player_fixtures.h"
#include "qstring_printer.h"
#include "widget_probe.h"
