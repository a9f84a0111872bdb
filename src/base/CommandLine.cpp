#include "base/CommandLine.h"

#include "base/NativeName.h"
#include "base/Version.h"

#include <QByteArrayView>
#include <algorithm>
#include <iterator>

namespace {

// Qt's own options, which QGuiApplication, QApplication and the X11 platform take out of the
// arguments, each written with one dash or two: those followed by a value, those alone, and those
// whose value may be joined by "=".
constexpr const char* QtOptionsWithValue[] = {"platform",
                                              "platformpluginpath",
                                              "platformtheme",
                                              "plugin",
                                              "qwindowgeometry",
                                              "geometry",
                                              "qwindowtitle",
                                              "title",
                                              "qwindowicon",
                                              "icon",
                                              "session",
                                              "style",
                                              "stylesheet",
                                              "display",
                                              "name",
                                              "visual"};
constexpr const char* QtFlags[] = {"reverse", "testability", "widgetcount", "sync"};
constexpr const char* QtJoinedOptions[] = {"style=", "stylesheet=", "qmljsdebugger="};

template <std::size_t N> bool isListed(const char* const (&names)[N], QByteArrayView name)
{
    return std::any_of(std::begin(names), std::end(names),
                       [name](const char* listed) { return name == listed; });
}

bool isJoinedQtOption(QByteArrayView name)
{
    return std::any_of(std::begin(QtJoinedOptions), std::end(QtJoinedOptions),
                       [name](const char* prefix) { return name.startsWith(QByteArrayView(prefix)); });
}

QString usage()
{
    return QStringLiteral("用法：renvora [选项] [文件或文件夹...]\n");
}

QString shown(QByteArrayView argument)
{
    return NativeName::display(NativeName::fromBytes(argument));
}

} // namespace

CommandLine CommandLine::parse(int argc, const char* const* argv)
{
    CommandLine line;
    line.m_qtArgumentCount = argc;
    const auto refuse = [&line](const QString& problem) {
        line.m_action = Action::Refuse;
        line.m_refusal = problem;
        return line;
    };
    for (int i = 1; i < argc; ++i) {
        const QByteArrayView argument(argv[i]);
        if (argument == "--") {
            line.m_qtArgumentCount = i;
            for (++i; i < argc; ++i)
                if (*argv[i])
                    line.m_paths << NativeName::fromBytes(argv[i]);
            break;
        }
        // An empty argument names nothing; a lone "-" is a file of that name.
        if (argument.isEmpty())
            continue;
        if (!argument.startsWith('-') || argument.size() == 1) {
            line.m_paths << NativeName::fromBytes(argument);
            continue;
        }
        if (argument == "-h" || argument == "--help") {
            line.m_action = Action::Help;
            return line;
        }
        if (argument == "-v" || argument == "--version") {
            line.m_action = Action::Version;
            return line;
        }
        const QByteArrayView name = argument.sliced(argument.startsWith("--") ? 2 : 1);
        if (isListed(QtOptionsWithValue, name)) {
            if (++i == argc)
                return refuse(QStringLiteral("选项“%1”需要一个值").arg(shown(argument)));
            continue;
        }
        if (!isListed(QtFlags, name) && !isJoinedQtOption(name))
            return refuse(QStringLiteral("未知选项“%1”").arg(shown(argument)));
    }
    return line;
}

QString CommandLine::text() const
{
    switch (m_action) {
    case Action::Help:
        return usage() + QStringLiteral("批量改名：把文件排成表格，按规则填写新文件名，再一次改名。\n"
                                        "\n"
                                        "给出的文件和文件夹放入文件列表，如同拖放到列表上。\n"
                                        "\n"
                                        "选项：\n"
                                        "  -h, --help     显示本帮助并退出\n"
                                        "  -v, --version  显示版本并退出\n"
                                        "  --             其后的参数都是文件或文件夹，即使以“-”开头\n"
                                        "\n"
                                        "也接受 Qt 的选项，例如 -platform 平台、-style 样式。\n");
    case Action::Version:
        return QStringLiteral("批量改名 Renvora %1\n").arg(QStringLiteral(RENVORA_VERSION));
    case Action::Refuse:
        return QStringLiteral("renvora：") + m_refusal + u'\n' + usage() +
               QStringLiteral("运行“renvora --help”查看全部选项。\n");
    case Action::Start:
        break;
    }
    return {};
}
