#include "gui/rules/TableBuildHandler.h"

#include "gui/Form1.h"
#include "collect/FileListModel.h"
#include "rules/TableBuild.h"
#include "table/SheetModel.h"

#include <QPushButton>
#include <QRadioButton>

TableBuildHandler::TableBuildHandler(Form1& form) : m_form(form)
{
    connect(m_form.Command14, &QPushButton::clicked, this, &TableBuildHandler::run);
}

void TableBuildHandler::run()
{
    TableBuildOptions options;
    options.copyToTarget = m_form.Option2->isChecked();
    options.distribute = m_form.Option3->isChecked();
    options.targetFolder = m_form.targetFolder;
    buildTable(m_form.table->sheet(), m_form.files->paths(), options, *m_form.progress);
}
