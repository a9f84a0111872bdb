#pragma once

#include <QString>
#include <QStringList>

// What the program's arguments ask for: start with files and folders to collect (perhaps none),
// show the help or the version, or refuse an option it does not know. Qt's own options
// (-platform, -style, ...) pass untouched for QApplication to take. "--" ends the options.
class CommandLine
{
public:
    enum class Action
    {
        Start,
        Help,
        Version,
        Refuse
    };

    // The arguments as main receives them, the program's name first.
    static CommandLine parse(int argc, const char* const* argv);

    Action action() const { return m_action; }
    // The files and folders named, each holding the exact bytes it was given (see NativeName).
    const QStringList& paths() const { return m_paths; }
    // How many arguments, the program's name included, QApplication may read: those before
    // "--", so that no path after it is taken for a Qt option.
    int qtArgumentCount() const { return m_qtArgumentCount; }
    // What to print: the help or the version for standard output, or the refusal with the
    // usage for standard error.
    QString text() const;

private:
    Action m_action = Action::Start;
    QStringList m_paths;
    int m_qtArgumentCount = 0;
    QString m_refusal;
};
