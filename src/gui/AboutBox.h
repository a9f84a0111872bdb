#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// frmAbout: the program's icon, its title line and an OK button. Modeless; OK, Enter, Esc
// and the close button all close it.
class AboutBox : public QDialog
{
    Q_OBJECT

public:
    explicit AboutBox(QWidget* parent = nullptr);

private:
    QLabel* m_picIcon;
    QLabel* m_lblTitle;
    QPushButton* m_cmdOK;
};
