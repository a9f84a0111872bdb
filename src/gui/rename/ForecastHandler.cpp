#include "gui/rename/ForecastHandler.h"

#include "gui/rename/ModeControls.h"
#include "gui/rename/ModeHandlers.h"
#include "table/SheetModel.h"
#include "table/SheetRoles.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGuiApplication>
#include <QRadioButton>
#include <QTimer>

namespace {

// About 15 ms of planning a slice on this kind of machine, a frame's time, so a click or a key
// is seldom kept waiting longer; a table of no more rows is planned at once.
constexpr qsizetype RowsPlannedAtOnce = 32768;

} // namespace

ForecastHandler::ForecastHandler(SheetModel& table, const ModeControls& modeControls, ModeHandlers& modes)
    : m_table(table), m_modes(modes), m_forecast(RowsPlannedAtOnce)
{
    m_reader.setMaxThreadCount(1);

    m_table.setRowForecast([this](qsizetype row) { return m_forecast.verdict(row).reason(); });
    connect(&m_table, &QAbstractItemModel::dataChanged, this, &ForecastHandler::tableChanged);
    // A table laid out afresh holds other files, or the same ones as they are now.
    connect(&m_table, &QAbstractItemModel::modelReset, this, [this] {
        m_forecast.forgetListings();
        forecastAfresh();
    });
    for (QAbstractButton* setting : std::initializer_list<QAbstractButton*>{
             modeControls.Check1, modeControls.Option1, modeControls.Option2, modeControls.Option3,
             modeControls.Check2, modeControls.yss1, modeControls.yss2})
        connect(setting, &QAbstractButton::toggled, this, &ForecastHandler::settingsToggled);
    // Back from another program, which may have moved the files.
    connect(qGuiApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state == Qt::ApplicationActive)
            readDiskAgain();
    });
    forecastAfresh();
}

ForecastHandler::~ForecastHandler()
{
    m_table.setRowForecast({});
    m_reader.clear();
    m_reader.waitForDone();
}

void ForecastHandler::readDiskAgain()
{
    if (!m_released) {
        read(m_forecast.listedFolders());
        return;
    }
    // Once the run has let go of its plan, so the two are never held at once.
    if (!std::exchange(m_planningAgain, true))
        QTimer::singleShot(0, this, [this] {
            m_released = m_planningAgain = false;
            forecastAfresh();
        });
}

void ForecastHandler::runStarting()
{
    m_released = true;
    m_forecast.releasePlan();
}

void ForecastHandler::tableChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                                   const QList<int>& roles)
{
    // The forecast's own repaint changes no cell.
    if (roles.contains(SheetRole::Forecast) || m_released)
        return;
    show(m_forecast.update(m_table.sheet(), topLeft.row() + 1, bottomRight.row() + 1));
}

void ForecastHandler::forecastAfresh()
{
    show(m_forecast.reset(m_table.sheet(), m_modes.settings()));
}

void ForecastHandler::settingsToggled()
{
    if (m_modes.settings() != m_forecast.settings())
        forecastAfresh();
}

void ForecastHandler::show(const RunForecast::RowSpan& changed)
{
    if (!changed.isEmpty())
        m_table.rowForecastChanged(changed.first, changed.last);
    showStatus();
    read(m_forecast.takeWantedFolders());
    if (m_forecast.planning() && !std::exchange(m_sliceQueued, true))
        QTimer::singleShot(0, this, [this] {
            m_sliceQueued = false;
            show(m_forecast.planMore(m_table.sheet()));
        });
}

void ForecastHandler::showStatus()
{
    QString status;
    if (m_forecast.planning())
        status = QStringLiteral("正在检查…");
    else if (const qsizetype failing = m_forecast.failingRows(); failing > 0)
        status = QStringLiteral("将失败:%1个").arg(failing);
    if (status != m_shownStatus) {
        m_shownStatus = status;
        Q_EMIT statusChanged(status);
    }
}

void ForecastHandler::read(const QStringList& folders)
{
    if (folders.isEmpty())
        return;
    // The handler outlives the reading (its destructor waits for it); a delivery still queued
    // when it goes is dropped with it.
    m_reader.start([this, folders] {
        QHash<QString, FolderListing> listings = FolderListing::readAll(folders);
        QMetaObject::invokeMethod(
            this, [this, listings = std::move(listings)] { listingsRead(listings); }, Qt::QueuedConnection);
    });
}

void ForecastHandler::listingsRead(const QHash<QString, FolderListing>& listings)
{
    if (m_released)
        return;
    show(m_forecast.addListings(listings));
}
