// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

namespace app {

namespace {

// Qt's own options that take a value, and those that do not: QApplication
// reads them, the parser only lets them pass.
constexpr const char* QtOptionsWithValue[] = {"platform",
                                              "platformpluginpath",
                                              "platformtheme",
                                              "plugin",
                                              "qwindowgeometry",
                                              "qwindowtitle",
                                              "qwindowicon",
                                              "session",
                                              "style",
                                              "stylesheet",
                                              "display",
                                              "geometry",
                                              "name",
                                              "title",
                                              "visual",
                                              "ncols",
                                              "cmap"};
constexpr const char* QtFlags[] = {"reverse", "widgetcount", "sync", "nograb", "dograb"};

void print(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
}

}  // namespace

std::optional<int> answerCommandLine(int argc, char** argv) {
    // No window system here: a plain application reads the words.
    const QCoreApplication reader(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("resistances"));
    QCoreApplication::setApplicationVersion(QStringLiteral(RESISTANCES_VERSION));

    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QStringLiteral(
        "Calculatrice du code des couleurs des r\u00E9sistances fixes : une fen\u00EAtre.\n"
        "Les options de Qt (-platform NOM, -style NOM, -reverse...) sont accept\u00E9es."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Affiche cette aide et s'arr\u00EAte."));
    const QCommandLineOption version(QStringLiteral("version"),
                                     QStringLiteral("Affiche la version et s'arr\u00EAte."));
    parser.addOption(help);
    parser.addOption(version);
    for (const char* name : QtOptionsWithValue) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("valeur"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : QtFlags) {
        QCommandLineOption option(QString::fromLatin1(name), QString());
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    const auto mistake = [](const QString& what) {
        print(stderr,
              QStringLiteral("resistances : %1\nEssayez \u00AB resistances --help \u00BB.\n")
                  .arg(what));
        return 2;
    };
    if (!parser.parse(QCoreApplication::arguments())) {
        const QStringList unknown = parser.unknownOptionNames();
        return mistake(
            unknown.isEmpty()
                ? parser.errorText()
                : QStringLiteral("option inconnue \u00AB %1 \u00BB.").arg(unknown.first()));
    }
    if (parser.isSet(help)) {
        // Qt's text after its first line, in French typography.
        QString text = parser.helpText();
        text = QStringLiteral("Usage : resistances [OPTIONS]") + text.mid(text.indexOf('\n'));
        print(stdout,
              text.replace(QStringLiteral("\nOptions:\n"), QStringLiteral("\nOptions :\n")));
        return 0;
    }
    if (parser.isSet(version)) {
        print(stdout,
              QStringLiteral("resistances %1\n").arg(QCoreApplication::applicationVersion()));
        return 0;
    }
    if (!parser.positionalArguments().isEmpty()) {
        return mistake(
            QStringLiteral("argument inattendu \u00AB %1 \u00BB : le programme n'en prend aucun.")
                .arg(parser.positionalArguments().constFirst()));
    }
    return std::nullopt;
}

}  // namespace app
