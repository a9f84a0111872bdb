#include "rename/ModeHandlers.h"

#include "app/Form1.h"

ModeHandlers::ModeHandlers(Form1& form) : m_form(form) {}
