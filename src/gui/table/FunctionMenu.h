#pragma once

#include <QMenu>

// The functions a formula can call, one submenu per kind, each with its arguments and a line
// saying what it does; choosing one asks for its call to be inserted ("LEFT(").
class FunctionMenu : public QMenu
{
    Q_OBJECT

public:
    explicit FunctionMenu(QWidget* parent = nullptr);

Q_SIGNALS:
    void insertWanted(const QString& text);

private:
    void addEntry(QMenu* menu, const QString& caption, const QString& description, const QString& inserted);
};
