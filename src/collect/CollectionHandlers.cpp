#include "collect/CollectionHandlers.h"

#include "app/Form1.h"
#include "rules/TableBuildHandler.h"

CollectionHandlers::CollectionHandlers(Form1& form, TableBuildHandler& tableBuild)
    : m_form(form), m_tableBuild(tableBuild)
{
}
