#pragma once
// The command line of a screenshot program (PROGRAM --out DIR --lang rus|eng) and the saving of one
// window's picture into DIR.
#include <QApplication>
#include <QCommandLineParser>
#include <QTest>
#include <filesystem>
#include <functional>
#include <iostream>
#include <string>

namespace zep::test {

struct ScreenshotArgs {
    QString out;
    std::string lang;
};

inline ScreenshotArgs screenshot_args(const QApplication& app) {
    QCommandLineParser parser;
    QCommandLineOption outOption(QStringLiteral("out"), QStringLiteral("folder"), QStringLiteral("DIR"));
    QCommandLineOption langOption(QStringLiteral("lang"), QStringLiteral("rus or eng"),
                                  QStringLiteral("EXT"));
    parser.addOption(outOption);
    parser.addOption(langOption);
    parser.process(app);
    ScreenshotArgs a;
    a.out = parser.value(outOption).isEmpty() ? QStringLiteral(".") : parser.value(outOption);
    a.lang = parser.value(langOption).isEmpty() ? "rus" : parser.value(langOption).toStdString();
    std::filesystem::create_directories(a.out.toStdString());
    return a;
}

// The program: the application titled as the desktop program's, the arguments, then `shoot`, whose result is
// the exit status.
inline int run_screenshots(int argc, char** argv, const std::function<int(const ScreenshotArgs&)>& shoot) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lite_KORT_ZEP"));
    return shoot(screenshot_args(app));
}

// Lets the window paint, then saves it as DIR/NAME.png.
inline void save_shot(QWidget* w, const QString& dir, const char* name) {
    QTest::qWait(50);
    const QString file = dir + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".png");
    if (!w->grab().save(file))
        std::cerr << "cannot save " << file.toStdString() << "\n";
}

} // namespace zep::test
