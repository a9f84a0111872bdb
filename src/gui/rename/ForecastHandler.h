#pragma once

#include "rename/RunForecast.h"

#include <QHash>
#include <QObject>
#include <QThreadPool>

class ModeHandlers;
class SheetModel;
struct ModeControls;

// Shows, while the names are being made, which rows the next run would refuse and why: the
// rows get a look of their own and the reason as tooltip, the status line the count. The
// table's own checks follow every change at once, but a table planned afresh (a rule rewriting
// every name) is planned a slice at a time between the window's other events; the folder
// listings the disk checks need are read on a thread of their own and painted when they arrive.
class ForecastHandler : public QObject
{
    Q_OBJECT

public:
    ForecastHandler(SheetModel& table, const ModeControls& modeControls, ModeHandlers& modes);
    ~ForecastHandler() override;

public Q_SLOTS:
    // The files may have changed on disk (a run, an undo): every folder is read again.
    void readDiskAgain();
    // A run plans the whole table itself: until the disk has changed, the marks stay as they
    // are and the forecast holds nothing else.
    void runStarting();

Q_SIGNALS:
    // "将失败:n个", "正在检查…" while a slice of rows is still to be planned, or empty.
    void statusChanged(const QString& text);

private:
    void tableChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight, const QList<int>& roles);
    void forecastAfresh();
    // A click on a mode can set several controls; the forecast starts afresh once per change.
    void settingsToggled();
    void show(const RunForecast::RowSpan& changed);
    void showStatus();
    void read(const QStringList& folders);
    void listingsRead(const QHash<QString, FolderListing>& listings);

    SheetModel& m_table;
    ModeHandlers& m_modes;
    RunForecast m_forecast;
    QThreadPool m_reader; // one thread: listings arrive in the order they were asked for
    QString m_shownStatus;
    bool m_sliceQueued = false;   // the next slice of rows is planned once the events before it are handled
    bool m_released = false;      // the run is under way: nothing but the marks is kept
    bool m_planningAgain = false; // a fresh forecast is on its way, after the run's plan is gone
};
