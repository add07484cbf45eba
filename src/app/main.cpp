// SPDX-License-Identifier: GPL-3.0-or-later
// Quorvel, the desktop application: one main window on the default
// simulation, stopped. A file named on the command line (as a file manager's
// "Open With" passes it) is read as if it had been dropped on the window.
#include <QApplication>
#include <QCommandLineParser>
#include <QStringList>

#include <cstdio>

#include "QuorvelVersion.h"
#include "UI/CLanguage.h"
#include "UI/CQtPlatform.h"
#include "UI/CUIWindow.h"

namespace {
void describeArguments(QCommandLineParser& parser)
{
    parser.setApplicationDescription(
        QApplication::translate("main", "Interactive molecular dynamics: up to 1,600 atoms of four types in a closed box."));
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QApplication::translate("main", "A simulation file to open, as if dropped on the window."),
                                 QStringLiteral("[FILE]"));
}

QStringList argumentList(int argc, char* argv[])
{
    QStringList list;
    for (int k = 0; k < argc; k++) list << QString::fromLocal8Bit(argv[k]);
    return list;
}
}  // namespace

int main(int argc, char* argv[])
{
    QApplication::setApplicationName(QStringLiteral("Quorvel"));
    QApplication::setOrganizationName(QStringLiteral("Quorvel"));
    QApplication::setApplicationVersion(QStringLiteral(QUORVEL_VERSION));
    QApplication::setDesktopFileName(QStringLiteral(QUORVEL_APP_ID));

    // --help and --version are answered before the application object
    // exists, so they work in a terminal without a display. Qt's own options
    // (-platform ...) are unknown to this first look and pass through.
    QCommandLineParser parser;
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    describeArguments(parser);
    parser.parse(argumentList(argc, argv));
    if (parser.isSet(version)) {
        std::printf("quorvel %s\n", QUORVEL_VERSION);
        return 0;
    }
    if (parser.isSet(help)) {
        std::fputs(qPrintable(parser.helpText().replace(QStringLiteral("<executable_name>"), QStringLiteral("quorvel"))),
                   stdout);
        return 0;
    }

    QApplication app(argc, argv);
    // Now with Qt's options taken out: anything else unknown is an error.
    parser.process(app);
    language::install(app);

    CQtPlatform platform;
    CUIWindow window(platform);
    platform.setParentWidget(&window);
    window.show();

    const QStringList files = parser.positionalArguments();
    if (!files.isEmpty()) window.openDroppedPaths(files);
    return app.exec();
}
