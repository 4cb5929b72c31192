// quarvex2-cli: the QUARVEN 2 and its archive from a script.

#include "cliprogram.h"
#include "constants.h"

#include <QApplication>
#include <QLoggingCategory>

#include <memory>

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    // The PDF and picture exports draw with Qt's painter: a GUI application, on a platform that needs no
    // display.
    std::unique_ptr<QCoreApplication> app;
    if (CliProgram::needsPainter(arguments)) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    // The window's names: the same data location, and so the same archive index.
    QCoreApplication::setOrganizationName(QLatin1String(Qvx2::OrganizationName));
    QCoreApplication::setApplicationName(QLatin1String(Qvx2::ProgramName));
    QCoreApplication::setApplicationVersion(QStringLiteral(QVX_VERSION));
    // The program's diagnostics are for a developer, not for a script's output.
    if (qEnvironmentVariableIsEmpty("QT_LOGGING_RULES"))
        QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    CliProgram program(app->arguments());
    return program.run();
}
