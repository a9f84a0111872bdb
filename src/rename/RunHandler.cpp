#include "rename/RunHandler.h"

#include "app/Form1.h"

RunHandler::RunHandler(Form1& form) : m_form(form) {}
