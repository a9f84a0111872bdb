#include "app/Startup.h"

#include "base/Version.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

void prepareApplication(QApplication& app)
{
    QApplication::setApplicationName(QStringLiteral("Renvora"));
    QApplication::setApplicationVersion(QStringLiteral(RENVORA_VERSION));
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/48x48/apps/renvora.png"));
    icon.addFile(QStringLiteral(":/icons/256x256/apps/renvora.png"));
    QApplication::setWindowIcon(icon);
    const QLocale chinese(QLocale::Chinese, QLocale::China);
    QLocale::setDefault(chinese);

    auto* translator = new QTranslator(&app);
    if (translator->load(chinese, QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);

    QFont font = QApplication::font();
    font.setFamilies({font.family(), QStringLiteral("Microsoft YaHei"), QStringLiteral("WenQuanYi Micro Hei"),
                      QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Droid Sans Fallback")});
    QApplication::setFont(font);
}
