#include "platform/system/CommandLine.h"

#include <QCommandLineParser>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace platform {

namespace {

const QString Usage = QStringLiteral(
    "Usage: blinzor [--help] [--version] [Qt options]\n"
    "Blinzor, a number board game for one or two players.\n"
    "\n"
    "  -h, --help   show this help and exit\n"
    "  --version    show the version and exit\n"
    "\n"
    "The toolkit's own options, such as -style NAME and -platform NAME, work as in any\n"
    "Qt program; any other argument is ignored. The rules and the keys are in blinzor(6).\n");

} // namespace

QStringList argumentsOf(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

std::optional<QString> commandLineAnswer(const QStringList& arguments)
{
    QCommandLineParser parser;
    // The toolkit's options are words after a single dash: read as letters run together
    // they would spell -h or -v ("-stylesheet", "-reverse").
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringLiteral("version"));
    parser.addOption(help);
    parser.addOption(version);
    // Options it does not know are no fault here: they are the toolkit's, or ignored.
    parser.parse(arguments);
    if (parser.isSet(help))
        return Usage;
    if (parser.isSet(version))
        return QStringLiteral("Blinzor " BLINZOR_VERSION "\n");
    return std::nullopt;
}

int printAnswer(const QString& answer)
{
    const QByteArray text = answer.toLocal8Bit();
    if (std::fwrite(text.constData(), 1, std::size_t(text.size()), stdout) ==
            std::size_t(text.size()) &&
        std::fflush(stdout) == 0)
        return 0;
    std::fprintf(stderr, "blinzor: cannot write to standard output: %s\n", std::strerror(errno));
    return 1;
}

} // namespace platform
