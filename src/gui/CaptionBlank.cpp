#include "gui/CaptionBlank.h"

#include <QAbstractButton>
#include <QEvent>
#include <QStyle>
#include <QStyleOptionButton>

CaptionBlank::CaptionBlank(QAbstractButton* button, const QString& textBefore, const QString& blank,
                           QWidget* field)
    : QObject(button), m_button(button), m_textBefore(textBefore), m_blank(blank), m_field(field)
{
    m_field->setParent(button->parentWidget());
    button->installEventFilter(this);
    place();
}

bool CaptionBlank::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_button && (event->type() == QEvent::Move || event->type() == QEvent::Resize ||
                                event->type() == QEvent::Show || event->type() == QEvent::FontChange))
        place();
    return QObject::eventFilter(watched, event);
}

void CaptionBlank::place()
{
    QStyleOptionButton option;
    option.initFrom(m_button);
    const int indicator =
        m_button->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, &option, m_button) +
        m_button->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, &option, m_button);
    const QFontMetrics metrics = m_button->fontMetrics();
    const int x = m_button->x() + indicator + metrics.horizontalAdvance(m_textBefore) + 1;
    const int height = std::min(m_button->height(), metrics.height() + 6);
    const int y = m_button->y() + (m_button->height() - height) / 2;
    const int width =
        std::max(metrics.horizontalAdvance(m_blank), metrics.horizontalAdvance(QStringLiteral("000")));
    m_field->setGeometry(x, y, width, height);
    m_field->raise();
}
