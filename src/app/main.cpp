// Quorvel, the desktop application: one main window on the default
// simulation, stopped. A file named on the command line (as a file manager's
// "Open With" passes it) is read as if it had been dropped on the window.
#include <QApplication>
#include <QStringList>

#include "UI/CQtPlatform.h"
#include "UI/CUIWindow.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvel"));
    QApplication::setOrganizationName(QStringLiteral("Quorvel"));

    CQtPlatform platform;
    CUIWindow window(platform);
    platform.setParentWidget(&window);
    window.show();

    const QStringList arguments = QApplication::arguments().mid(1);
    if (!arguments.isEmpty()) window.openDroppedPaths(arguments);
    return app.exec();
}
