#pragma once

#include <QObject>
#include <optional>

struct Form1;

// Handlers of the rename modes (Option1 to Option3, Check1, ysq) and the single-file derivation settings
// (Check2, yss2, Command2).
class ModeHandlers : public QObject
{
    Q_OBJECT

public:
    explicit ModeHandlers(Form1& form);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void option1Click();
    void option2Click();
    void option3Click();
    void check1Click();
    void check2Click();
    void ysqClick();
    void yss2Click();
    void command2Click();

    // Asks for the target folder of copies; a cancelled browser keeps the one chosen before.
    void pickFolder(const QString& prompt);

    void clearBatchCount();
    void resetTableForSingleFile();
    void followBatchCountState();
    std::optional<qsizetype> derivationCount();

    Form1& m_form;
    bool m_refusingBatchCount = false;
};
