// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the widget tests inside one QApplication, on the offscreen platform
// unless another one was asked for, with settings in a folder of their own so
// no test reads or changes the user's recent files and folders.
#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir settingsHome;
    qputenv("XDG_CONFIG_HOME", settingsHome.path().toLocal8Bit());
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvel"));
    QApplication::setOrganizationName(QStringLiteral("Quorvel"));
    // The window's tests measure the view alone; the Controls panel's tests
    // show the panel as at a first start.
    QSettings().setValue(QStringLiteral("controls/shown"), false);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
