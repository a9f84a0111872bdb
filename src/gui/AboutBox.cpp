#include "gui/AboutBox.h"

#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

AboutBox::AboutBox(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("关于 ") + QStringLiteral("基于EXCEL功能的批量改名软件1.0"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);

    m_picIcon = new QLabel(this);
    m_picIcon->setObjectName(QStringLiteral("picIcon"));
    const QIcon icon = QApplication::windowIcon().isNull()
                           ? style()->standardIcon(QStyle::SP_FileDialogContentsView)
                           : QApplication::windowIcon();
    m_picIcon->setPixmap(icon.pixmap(48, 48));

    m_lblTitle = new QLabel(QStringLiteral("利用EXCEL功能的批量改名软件-Renvora4.0"), this);
    m_lblTitle->setObjectName(QStringLiteral("lblTitle"));
    QFont titleFont(QStringLiteral("微软雅黑"), 15, QFont::Normal);
    titleFont.setFamilies({QStringLiteral("微软雅黑"), QStringLiteral("Microsoft YaHei"),
                           QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Noto Sans CJK SC")});
    m_lblTitle->setFont(titleFont);

    auto* line = new QFrame(this);
    line->setObjectName(QStringLiteral("Line1"));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    m_cmdOK = new QPushButton(QStringLiteral("确定"), this);
    m_cmdOK->setObjectName(QStringLiteral("cmdOK"));
    m_cmdOK->setDefault(true);
    m_cmdOK->setAutoDefault(true);
    // Enter presses the default button; Esc rejects the dialog, which closes it the same way.
    connect(m_cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    auto* top = new QHBoxLayout;
    top->addWidget(m_picIcon, 0, Qt::AlignTop);
    top->addWidget(m_lblTitle, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(m_cmdOK);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(line);
    layout->addLayout(bottom);
}
