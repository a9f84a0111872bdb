#pragma once

#include <QObject>
#include <QString>

class QAbstractButton;
class QWidget;

// Keeps a small input field over a run of blanks inside a button's caption, so that
// "从左开始，取      个字符" reads with the count typed into the gap.
class CaptionBlank : public QObject
{
    Q_OBJECT

public:
    // textBefore: the caption up to the blank that the field covers.
    CaptionBlank(QAbstractButton* button, const QString& textBefore, const QString& blank, QWidget* field);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void place();

    QAbstractButton* m_button;
    QString m_textBefore;
    QString m_blank;
    QWidget* m_field;
};
