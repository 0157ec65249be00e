#include "app/command_line.h"

#include "app/program_identity.h"

#include <QCommandLineParser>

#include <cstdio>

namespace vantor {

namespace {

enum class Unreadable { Wait, Refuse };

// Exit code 2, as most command-line programs give for a misuse.
constexpr int CommandLineMisuse = 2;

void print(std::FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

std::optional<int> answer(const QStringList &arguments, Unreadable unreadable)
{
    // Qt's own --help-all could only be answered by QCommandLineParser::process(),
    // which ends the program with its own exit codes; these two are ours.
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Vantor keeps the posts, placement times and battle results of an online game's\n"
                       "team battle in view. Qt's own options, such as -platform or -display, are taken too."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version."));
    parser.addOptions({help, version});

    const bool parsed = parser.parse(arguments);
    if (!parsed || !parser.positionalArguments().isEmpty()) {
        if (unreadable == Unreadable::Wait)
            return std::nullopt;
        const QString problem = parsed ? QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().constFirst())
                                       : parser.errorText();
        print(stderr, QStringLiteral("vantor: %1\nTry 'vantor --help' for the options.\n").arg(problem));
        return CommandLineMisuse;
    }
    if (parser.isSet(help)) {
        // Without a QCoreApplication yet, the parser does not know the program's name.
        print(stdout, parser.helpText().replace(QStringLiteral("<executable_name>"), QStringLiteral("vantor")));
        return 0;
    }
    if (parser.isSet(version)) {
        print(stdout, QStringLiteral("Vantor " VANTOR_VERSION "\n"));
        return 0;
    }
    return std::nullopt;
}

} // namespace

std::optional<int> answerCommandLineEarly(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return answer(arguments, Unreadable::Wait);
}

std::optional<int> answerCommandLine(const QStringList &arguments)
{
    return answer(arguments, Unreadable::Refuse);
}

} // namespace vantor
